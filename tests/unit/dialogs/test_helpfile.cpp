// The help-file reader on sound and damaged files, and the installed help file: every
// topic found, readable, in lines that fit the viewer.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/helpfile.h"
#include "tempdir.h"
#include "textconv.h"

namespace {

std::string Euc(const std::string& utf8) {
  std::string euc;
  EXPECT_TRUE(Utf8ToEuc(utf8, &euc)) << utf8;
  return euc;
}

HelpTopic Read(const std::string& file, int n) {
  std::istringstream in(file);
  return ReadHelpTopic(in, n);
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

struct Case {
  const char* what;
  std::string file;  // EUC-JP
  int topic;
  bool found;
  std::string title;
  std::vector<std::string> lines;
};

TEST(HelpReader, SoundAndDamagedFiles) {
  const std::string a64 = Repeat(Euc("あ"), 64);    // 128 bytes
  const std::string a150 = Repeat(Euc("あ"), 150);  // 300 bytes
  const std::string x127 = Repeat("x", 127);
  const std::string x255 = Repeat("x", 255);
  const std::string u64 = Repeat("あ", 64);
  const std::string u150 = Repeat("あ", 150);
  const std::string three = Euc("一\n本文\n$\n二行目\n\n二\nb\n\n三\nc\n");
  const Case cases[] = {
      {"first topic, $ line, body ends at the empty line", three, 1, true, "一",
       {"本文", "", "二行目"}},
      {"third topic, last line of the file", three, 3, true, "三", {"c"}},
      {"topic beyond the file", three, 15, false, "", {}},
      {"empty file", "", 1, false, "", {}},
      {"title only, no line end", Euc("題"), 1, true, "題", {}},
      {"line of 127 bytes stays one line, the topic goes on",
       "t\n" + x127 + "\nnext\n\nt2\n", 1, true, "t", {x127, "next"}},
      {"line of 255 bytes does not end the topic before it", x255 + "\n\nt2\nb\n", 2, true, "t2",
       {"b"}},
      {"long line shown whole; its $ at byte 128 is text", "t\n" + a64 + "$tail\n", 1, true, "t",
       {u64 + "$tail"}},
      {"300-byte kanji line whole", "t\n" + a150 + "\n", 1, true, "t", {u150}},
      {"CRLF line ends", "t\r\nb\r\n\r\nt2\r\nc\r\n", 2, true, "t2", {"c"}},
      {"bytes that are not EUC-JP", "t\x80\n\xFF" "a\x8E\n" + std::string("b\0c", 3) + "\n", 1,
       true, "t〓", {"〓a〓", "b〓c"}},
      {"file cut inside a character", "t\nab" + Euc("あ").substr(0, 1), 1, true, "t", {"ab〓"}},
      {"half-width kana and a code without a character", "t\n\x8E\xB1" "\xA9\xA1\n", 1, true, "t",
       {"ｱ〓"}},
  };
  for (const Case& c : cases) {
    const HelpTopic topic = Read(c.file, c.topic);
    EXPECT_EQ(topic.found, c.found) << c.what;
    EXPECT_EQ(topic.title, c.title) << c.what;
    EXPECT_EQ(topic.lines, c.lines) << c.what;
  }
}

TEST(HelpReader, HugeLinesAndTopicsAreBounded) {
  // A line far over the limit keeps its first characters (never half of one), and the
  // line after it is still read.
  const std::string huge = "x" + Repeat(Euc("あ"), 5000);
  const HelpTopic topic = Read("t\n" + huge + "\nafter\n", 1);
  ASSERT_EQ(topic.lines.size(), 2u);
  EXPECT_EQ(topic.lines[0], "x" + Repeat("あ", (kHelpMaxLineBytes - 1) / 2));
  EXPECT_EQ(topic.lines[1], "after");

  std::string many = "t\n";
  for (size_t i = 0; i < kHelpMaxBodyLines + 10; ++i) many += "l\n";
  many += "\nnext\n";
  EXPECT_EQ(Read(many, 1).lines.size(), kHelpMaxBodyLines);
  EXPECT_EQ(Read(many, 2).title, "next");

  HelpTopic missing;
  EXPECT_FALSE(LoadHelpTopic("/nonexistent/Help.dat", 1, &missing));

  // A file over the limit is reported, not read.
  TempDir dir;
  const std::string big = dir.File("Help.dat");
  std::ofstream(big) << "t\nb\n";
  bool tooLarge = true;
  HelpTopic topic1;
  ASSERT_TRUE(LoadHelpTopic(big, 1, &topic1, &tooLarge));
  EXPECT_FALSE(tooLarge);
  ASSERT_EQ(::truncate(big.c_str(), static_cast<off_t>(kHelpMaxFileBytes + 1)), 0);
  EXPECT_FALSE(LoadHelpTopic(big, 1, &topic1, &tooLarge));
  EXPECT_TRUE(tooLarge);
}

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
