// The help file the program installs: every topic key finds its topic, in readable
// EUC-JP, in lines that fit the viewer.
#include <gtest/gtest.h>

#include "dialogs/helpfile.h"

namespace {

// Display columns of UTF-8 text: 1 for ASCII, 2 for everything else.
int Columns(const std::string& s) {
  int columns = 0;
  for (unsigned char c : s) {
    if (c < 0x80) columns += 1;
    else if (c >= 0xC0) columns += 2;
  }
  return columns;
}

TEST(HelpFile, FifteenReadableTopicsInTheOrderOfTheKeys) {
  constexpr int kViewerColumns = 64;  // 460 pixels of 14-pixel text
  for (int n = 1; n <= kHelpTopics; ++n) {
    HelpTopic topic;
    ASSERT_TRUE(LoadHelpTopic(SORENIX_HELP_FILE, n, &topic));
    EXPECT_TRUE(topic.found) << n;
    EXPECT_EQ(topic.title, kHelpTopicNames[n - 1]) << n;
    EXPECT_GE(topic.lines.size(), 4u) << n;
    for (const std::string& line : topic.lines) {
      EXPECT_EQ(line.find("〓"), std::string::npos) << n << ": " << line;
      EXPECT_EQ(line.find('@'), std::string::npos) << n << ": " << line;
      EXPECT_LE(Columns(line), kViewerColumns) << n << ": " << line;
    }
  }
  HelpTopic after;
  ASSERT_TRUE(LoadHelpTopic(SORENIX_HELP_FILE, kHelpTopics + 1, &after));
  EXPECT_FALSE(after.found);
}

}  // namespace
