// zkrecog: recognises handwritten characters given as JSON Lines on standard input
// and writes one JSON answer per line. For scripts, tests and benchmarks.
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include <unistd.h>

#include "dicfile.h"
#include "paths.h"
#include "recog.h"
#include "ruiji.h"
#include "saferead.h"
#include "seni.h"
#include "zkrecog_answer.h"
#include "zkrecog_line.h"

namespace {

const char kUsage[] =
    "usage: zkrecog [--dic PATH] [--user-dic PATH] [--mask HEX] [--half] [--seq [--seni PATH]] [--no-ruiji | --ruiji-unguarded] [--ruiji-trace]\n"
    "               [--repeat N] < writings.jsonl\n"
    "       zkrecog --help | --version\n"
    "Each input line: {\"strokes\": [[[x,y],...],...], \"width\": W, \"height\": H, ...}\n"
    "  optional \"mask\" (class mask) and \"half\" (true: half-width output); other fields are copied.\n"
    "Each output line: the copied fields, \"kind\", \"cands\", \"dist\" and \"us\", or {\"error\": ...}.\n"
    "  Every input line gets one output line, in order. Blank lines, lines holding a NUL byte,\n"
    "  lines longer than 1 MiB (1048576 bytes), nested more than 64 deep, or writings of more\n"
    "  than 30 strokes or 1536 points are answered with an error naming the line.\n"
    "  --dic PATH       system pattern dictionary (default: the installed one)\n"
    "  --user-dic PATH  user pattern dictionary (default: none)\n"
    "  --mask HEX       class mask of lines without \"mask\" (default 0x0FFF407F)\n"
    "  --half           half-width output for lines without \"half\"\n"
    "  --seq            each line is a row {\"chars\": [writing, ...], ...}; the answer gives the\n"
    "                   first candidates before and after transition rescoring (\"plain\", \"rescored\")\n"
    "  --seni PATH      transition table of --seq (default: the installed one)\n"
    "  --no-ruiji       look-alike checks off (to measure what they change)\n"
    "  --ruiji-unguarded look-alike members promoted on their checks alone, however far\n"
    "                   behind the first candidate matching puts them\n"
    "  --ruiji-trace    every look-alike check run, with its outcome, on standard error\n"
    "  --repeat N       recognise each writing N times and report the fastest time: other\n"
    "                   programs on the machine only ever make a run slower\n"
    "Exit status: 0 all lines recognised, 1 some line failed, 2 usage or dictionary error.\n";

struct Options {
  std::string dic = ZkDefaultSystemDicPath();
  std::string userDic;  // empty: no user dictionary
  ZkOptionRec defaults{kClassAll, 0, 0, 0, 0, 0};
  bool sequence = false;
  std::string transitionDic = ZkDefaultTransitionDicPath();
  int repeat = 1;
  bool version = false;
};

long tracedLine = 0;  // input line the look-alike trace is about

// One line per look-alike check: input line, rank, code (Shift-JIS), number(p0,p1,p2,p3)
// and outcome.
void TraceRuijiCheck(int rank, uint16_t code, int number, const int8_t* p, bool passed) {
  std::fprintf(stderr, "ruiji: line %ld rank %d code %04X check %d(%d,%d,%d,%d) %s\n", tracedLine, rank, code,
               number, p[0], p[1], p[2], p[3], passed ? "passes" : "fails");
}

// False (after a message) when the command line is not understood.
bool ParseArguments(int argc, char** argv, Options* options, bool* help) {
  for (int a = 1; a < argc; ++a) {
    const std::string arg = argv[a];
    const bool hasValue = a + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      *help = true;
    } else if (arg == "--version") {
      options->version = true;
    } else if (arg == "--dic" && hasValue) {
      options->dic = argv[++a];
    } else if (arg == "--user-dic" && hasValue) {
      options->userDic = argv[++a];
    } else if (arg == "--mask" && hasValue) {
      if (!ParseMask(argv[++a], &options->defaults.mask)) {
        std::fprintf(stderr, "zkrecog: --mask wants a hexadecimal class mask, not \"%s\"\n", argv[a]);
        return false;
      }
    } else if (arg == "--half") {
      options->defaults.flags = kHalfWidthFlag;
    } else if (arg == "--seq") {
      options->sequence = true;
    } else if (arg == "--no-ruiji") {
      Ruiji.ZkRuijiEnabled = false;
    } else if (arg == "--ruiji-unguarded") {
      Ruiji.ZkRuijiGuarded = false;
    } else if (arg == "--ruiji-trace") {
      Ruiji.ZkRuijiTrace = TraceRuijiCheck;
    } else if (arg == "--repeat" && hasValue) {
      char* end = nullptr;
      const long n = std::strtol(argv[++a], &end, 10);
      if (end == argv[a] || *end != '\0' || n < 1 || n > 1000) {
        std::fprintf(stderr, "zkrecog: --repeat wants a count from 1 to 1000, not \"%s\"\n", argv[a]);
        return false;
      }
      options->repeat = static_cast<int>(n);
    } else if (arg == "--seni" && hasValue) {
      options->transitionDic = argv[++a];
    } else {
      std::fprintf(stderr, "zkrecog: unknown or incomplete option \"%s\"\n%s", arg.c_str(), kUsage);
      return false;
    }
  }
  return true;
}

void PrintLine(const Json& json) {
  std::cout << json.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  bool help = false;
  if (!ParseArguments(argc, argv, &options, &help)) return 2;
  if (help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options.version) {
    std::printf("zkrecog %s\n", SORENIX_VERSION);
    return 0;
  }
  // A user dictionary named on the command line must be there and whole: answers
  // given without it would be taken for answers with it.
  if (!options.userDic.empty()) {
    std::string why;
    const int fd = OpenRegularFile(options.userDic, Symlinks::kFollow, &why);
    if (fd < 0) {
      std::fprintf(stderr, "zkrecog: cannot read the user dictionary: %s\n", why.c_str());
      return 2;
    }
    close(fd);
  }
  const int init = ZkCRecInitializesFrom(options.dic.c_str(), options.userDic.c_str());
  if (init == kDicUserDamaged) {
    std::fprintf(stderr, "zkrecog: %s: not a valid user dictionary (damaged)\n", options.userDic.c_str());
    ZkCRecEnd();
    return 2;
  }
  if (init == kDicNoSystem) {
    std::fprintf(stderr, "zkrecog: %s: missing or not a valid pattern dictionary\n", options.dic.c_str());
    return 2;
  }
  if (init != kDicOk) {
    std::fprintf(stderr, "zkrecog: out of memory loading the dictionaries\n");
    return 2;
  }
  std::string why;
  if (options.sequence && SeniJishoFrom(options.transitionDic, &why) != kSeniLoaded) {
    std::fprintf(stderr, "zkrecog: %s: not a usable transition table (%s)\n", options.transitionDic.c_str(),
                 why.c_str());
    ZkCRecEnd();
    return 2;
  }
  std::ios::sync_with_stdio(false);
  bool allGood = true;
  long lineNumber = 0;
  std::string text;
  BoundedLineReader input(0, kMaxLineBytes, false);
  while (input.Next(&text)) {
    tracedLine = ++lineNumber;
    if (input.Truncated()) {
      PrintLine(Json{{"error", "line " + std::to_string(lineNumber) + ": longer than " +
                                   std::to_string(kMaxLineBytes) + " bytes"}});
      allGood = false;
      continue;
    }
    bool ok = false;
    PrintLine(AnswerLine(text, lineNumber, options.defaults, options.sequence, &ok, options.repeat));
    allGood = allGood && ok;
  }
  std::cout.flush();
  ZkCRecEnd();
  SeniClose();
  return allGood ? 0 : 1;
}
