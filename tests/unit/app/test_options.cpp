// Command-line options: the background option and what the command line asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"

namespace {

struct Args {
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {
    for (std::string& w : words_) argv_.push_back(w.data());
  }
  int argc() const { return static_cast<int>(argv_.size()); }
  char** argv() { return argv_.data(); }
  std::vector<std::string> words_;
  std::vector<char*> argv_;
};

// Three values clamped to a byte each; incomplete values refused with a message and the
// colour untouched; no option at all is no error.
TEST(BackColorOption, ValuesAreClampedAndIncompleteOnesRefused) {
  const struct {
    std::vector<std::string> words;
    bool given;
    uint32_t rgb;
    bool message;
  } rows[] = {
      {{"sorenix", "-b", "300", "-5", "16"}, true, 0xFF0010, false},
      {{"sorenix", "-b", "1", "2"}, false, 0x123456, true},
      {{"sorenix", "-b", "1", "x", "3"}, false, 0x123456, true},
      {{"sorenix", "-b"}, false, 0x123456, true},
      {{"sorenix", "-s"}, false, 0x123456, false},
  };
  for (const auto& row : rows) {
    Args a(row.words);
    uint32_t rgb = 0x123456;
    std::string error = "x";
    EXPECT_EQ(BackColorOption(a.argc(), a.argv(), &rgb, &error), row.given) << row.words.size();
    EXPECT_EQ(rgb, row.rgb) << row.words.size();
    EXPECT_EQ(!error.empty(), row.message) << row.words.size();
  }
}

// --help and --version win wherever they stand; "-s..." and "-b" with its values pass;
// any other argument starting with '-' is named as unknown.
TEST(ReadCommandLine, KnownOptionsPassAndOthersAreNamed) {
  const struct {
    std::vector<std::string> words;
    CommandLine expected;
    const char* unknown;
  } rows[] = {
      {{"sorenix"}, CommandLine::kRun, ""},
      {{"sorenix", "-sx", "-b", "1", "-2", "3"}, CommandLine::kRun, ""},
      {{"sorenix", "-b", "1", "-x"}, CommandLine::kUnknown, "-x"},
      {{"sorenix", "-s", "--bogus", "--help"}, CommandLine::kHelp, ""},
      {{"sorenix", "--version"}, CommandLine::kVersion, ""},
      {{"sorenix", "-s", "--versions"}, CommandLine::kUnknown, "--versions"},
  };
  for (const auto& row : rows) {
    Args a(row.words);
    std::string unknown = "x";
    EXPECT_EQ(ReadCommandLine(a.argc(), a.argv(), &unknown), row.expected) << row.words.back();
    EXPECT_EQ(unknown, row.unknown) << row.words.back();
  }
}

}  // namespace
