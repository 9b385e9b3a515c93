// Runs a command line through the shell and reads its standard output as JSON lines,
// as the tests of zkrecog need it.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

inline std::string ShellQuote(const std::string& s) { return "'" + s + "'"; }

struct CommandRun {
  int status = -1;  // the exit status; -1 when the command did not exit
  std::vector<nlohmann::ordered_json> lines;
  std::string raw;
};

inline CommandRun RunJsonLines(const std::string& command) {
  CommandRun run;
  FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) return run;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) run.raw.append(buf, n);
  const int status = pclose(p);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream lines(run.raw);
  for (std::string line; std::getline(lines, line);) run.lines.push_back(nlohmann::ordered_json::parse(line));
  return run;
}
