// Command-line options: two-character matching and the background option.
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

TEST(FindOption, MatchesTheFirstTwoCharacters) {
  Args a({"sorenix", "-x", "-sx", "-s"});
  EXPECT_EQ(FindOption(a.argc(), a.argv(), "-s"), 2);  // "-sx" counts, first match wins
  EXPECT_EQ(FindOption(a.argc(), a.argv(), "-b"), 0);
}

TEST(FindOption, IgnoresTheProgramNameAndShortArguments) {
  Args a({"-s", "-", "s"});
  EXPECT_EQ(FindOption(a.argc(), a.argv(), "-s"), 0);
}

TEST(BackColorOption, ThreeValuesClampedToABYte) {
  Args a({"sorenix", "-b", "300", "-5", "16"});
  uint32_t rgb = 0;
  std::string error;
  ASSERT_TRUE(BackColorOption(a.argc(), a.argv(), &rgb, &error));
  EXPECT_EQ(rgb, 0xFF0010u);
  EXPECT_TRUE(error.empty());
}

TEST(BackColorOption, IncompleteValuesAreRefusedWithAMessage) {
  for (std::vector<std::string> words : {std::vector<std::string>{"sorenix", "-b", "1", "2"},
                                         std::vector<std::string>{"sorenix", "-b", "1", "x", "3"},
                                         std::vector<std::string>{"sorenix", "-b"}}) {
    Args a(words);
    uint32_t rgb = 0x123456;
    std::string error;
    EXPECT_FALSE(BackColorOption(a.argc(), a.argv(), &rgb, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(rgb, 0x123456u);
  }
}

TEST(BackColorOption, AbsentOptionIsNoError) {
  Args a({"sorenix", "-s"});
  uint32_t rgb = 0;
  std::string error = "x";
  EXPECT_FALSE(BackColorOption(a.argc(), a.argv(), &rgb, &error));
  EXPECT_TRUE(error.empty());
}

}  // namespace
