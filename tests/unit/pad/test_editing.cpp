// Editing the pending line: joining and splitting characters' ink, the large/small
// variants, symbol keys and converted text entering the line, and the romaji of kana.
#include <gtest/gtest.h>

#include <map>

#include "pad/editing.h"
#include "pad_fixture.h"

namespace {

// Recognises ink by its stroke count and records what it was given.
struct StrokeCountPorts : EditPorts {
  void Message(const std::string& utf8) override { messages.push_back(utf8); }
  void Recognise(const PenData& pen, const Rect16&, char cells[kCandCells][2]) override {
    seen.push_back(pen);
    static const std::map<int, std::string> names = {
        {1, "一"}, {2, "二"}, {3, "川"}, {4, "木"}, {5, "五"}, {8, "林"}, {30, "鬱"}};
    const auto it = names.find(static_cast<int>(StrokeOffsets(pen).size()) - 1);
    const std::string euc = Euc(it == names.end() ? "？" : it->second);
    std::memset(cells, 0, kCandCells * 2);
    std::memcpy(cells[0], euc.data(), 2);
    std::memcpy(cells[1], Euc("ー").data(), 2);
  }
  std::vector<std::string> messages;
  std::vector<PenData> seen;
};

// Ink of `strokes` short vertical strokes starting at x, 5 pixels apart.
PenData Strokes(int strokes, int x, int points = 3) {
  PenData pen;
  for (int s = 0; s < strokes; ++s) {
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(points));
    for (int p = 0; p < points; ++p) {
      pen.push_back(static_cast<uint16_t>(x + 5 * s));
      pen.push_back(static_cast<uint16_t>(100 + 10 * p));
    }
  }
  pen.push_back(kPenEnd);
  return pen;
}

PenData Concat(const PenData& a, const PenData& b) {
  PenData pen(a.begin(), a.end() - 1);
  pen.insert(pen.end(), b.begin(), b.end());
  return pen;
}

int StrokesIn(const PenData& pen) { return static_cast<int>(StrokeOffsets(pen).size()) - 1; }

class Editing : public PadTest {
 protected:
  void SetUp() override {
    PadTest::SetUp();
    SetEditPorts(&ports);
  }
  void TearDown() override {
    SetEditPorts(nullptr);
    PadTest::TearDown();
  }
  // Back to the first state between the cases of a table.
  void Reset() {
    SetUp();
    ports = StrokeCountPorts{};
    clipboard.texts.clear();
  }
  void Select(int start, int end) { Pad.Rang = RangRec{int16_t(start), int16_t(end), int16_t(start)}; }
  std::string OverUtf8() { return Utf8(App.Over_text); }

  StrokeCountPorts ports;
};

// --- Join --------------------------------------------------------------------------------

struct JoinCase {
  const char* name;
  std::vector<int> strokes;  // of あ い う え; 0 = no ink
  int start, end;
  const char* text;          // the line afterwards
  const char* message;       // "" when the join is done
};

TEST_F(Editing, JoinMergesInkWithinLimitsAndRefusesOtherwiseUnchanged) {
  const JoinCase cases[] = {
      {"three of ten strokes", {1, 10, 10, 10}, 1, 4, "あ鬱", ""},
      {"two", {1, 2, 2, 1}, 1, 3, "あ木え", ""},
      {"one stroke too many", {1, 10, 10, 11}, 1, 4, "あいうえ", "結合できるのは 30画数までです"},
      {"a symbol has no ink", {1, 2, 0, 1}, 0, 3, "あいうえ", "[う]は結合できません"},
  };
  for (const JoinCase& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    SetPending("あいうえ");
    for (int i = 0; i < 4; ++i)
      Pad.BFpen[i] = c.strokes[i] ? Strokes(c.strokes[i], 40 * i) : PenData();
    const PenData last = Pad.BFpen[3];
    Select(c.start, c.end);
    UnionConvert();
    EXPECT_EQ(PendingUtf8(), c.text);
    if (*c.message) {
      ASSERT_EQ(ports.messages.size(), 1u);
      EXPECT_EQ(ports.messages[0], c.message);
      EXPECT_EQ(Pad.Ink_data.pending, 4);
      EXPECT_EQ(Range(), std::make_pair(c.start, c.end));
      EXPECT_EQ(Pad.BFpen[3], last);
      EXPECT_TRUE(ports.seen.empty());
      continue;
    }
    EXPECT_TRUE(ports.messages.empty());
    const int joined = c.end - c.start;
    int total = 0;
    for (int i = c.start; i < c.end; ++i) total += c.strokes[i];
    EXPECT_EQ(Pad.Ink_data.pending, 4 - joined + 1);
    EXPECT_EQ(StrokesIn(Pad.BFpen[c.start]), total);
    EXPECT_EQ(Pad.BFpen[c.start].back(), kPenEnd);
    ASSERT_EQ(ports.seen.size(), 1u);
    EXPECT_EQ(ports.seen[0], Pad.BFpen[c.start]);  // the joined ink was recognised
    EXPECT_EQ(CellText(Pad.Result[c.start][1]), "ー");  // the new candidates
    EXPECT_EQ(Range(), std::make_pair(c.start + 1, c.start + 1));
    // The characters behind move down with their ink; the freed entries are empty.
    if (c.end < 4) {
      EXPECT_EQ(Pad.BFpen[c.start + 1], last);
      EXPECT_EQ(CellText(Pad.Result[c.start + 1][0]), "え");
    }
    for (int i = Pad.Ink_data.pending; i < kPadChars; ++i) EXPECT_TRUE(Pad.BFpen[i].empty()) << i;
  }
}

// --- Split -------------------------------------------------------------------------------

struct SplitCase {
  const char* name;
  PenData ink;        // of the character い in "あいう"
  int leftStrokes;    // 0: refused
  const char* text;
  const char* message;
};

TEST_F(Editing, SplitCutsAtTheWidestGapOrRefuses) {
  // A left part whose strokes overlap, a right part 60 pixels away whose strokes
  // overlap the first ones only in their own half.
  const PenData sideBySide = Concat(Strokes(3, 0), Strokes(2, 70));
  const SplitCase cases[] = {
      {"two halves side by side", sideBySide, 3, "あ川二う", ""},
      {"two strokes on top of each other", Strokes(2, 0), 1, "あ一一う", ""},
      {"one stroke", Strokes(1, 0), 0, "あいう", "一筆書きは分離できません"},
      {"no ink", PenData(), 0, "あいう", "[い]は分離できません"},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    SetPending("あいう");
    Pad.BFpen[1] = c.ink;
    Select(1, 2);
    UnionConvert();
    EXPECT_EQ(PendingUtf8(), c.text);
    if (!c.leftStrokes) {
      ASSERT_EQ(ports.messages.size(), 1u);
      EXPECT_EQ(ports.messages[0], c.message);
      EXPECT_EQ(Pad.BFpen[1], c.ink);
      EXPECT_EQ(Pad.Ink_data.pending, 3);
      continue;
    }
    EXPECT_EQ(Pad.Ink_data.pending, 4);
    EXPECT_EQ(StrokesIn(Pad.BFpen[1]), c.leftStrokes);
    EXPECT_EQ(StrokesIn(Pad.BFpen[2]), StrokesIn(c.ink) - c.leftStrokes);
    // The two parts together are the ink that was split, stroke for stroke.
    EXPECT_EQ(Concat(Pad.BFpen[1], Pad.BFpen[2]), c.ink);
    EXPECT_EQ(PenTag(Pad.BFpen[3]), 2);
    EXPECT_EQ(CellText(Pad.Result[3][0]), "う");
    EXPECT_EQ(Pad.Rang.end, 3);
  }
}

TEST_F(Editing, SplitInAFullLinePushesTheFirstCharacterOut) {
  const struct {
    int index;
    const char* pasted;  // the split character's own first part when it is the first
    const char* text;
    int caret;
  } cases[] = {{0, "一", "一いうえおかきくけこさし", 1}, {5, "あ", "いうえお一一きくけこさし", 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    Reset();
    SetPending("あいうえおかきくけこさし");
    Pad.BFpen[c.index] = Strokes(2, 0);
    Select(c.index, c.index + 1);
    UnionConvert();
    EXPECT_EQ(Pad.Ink_data.pending, 12);
    EXPECT_EQ(clipboard.texts, std::vector<std::string>{Euc(c.pasted)});
    EXPECT_EQ(PendingUtf8(), c.text);
    EXPECT_EQ(Pad.Rang.end, c.caret);
  }
  // The ink moved down with its characters.
  EXPECT_EQ(PenTag(Pad.BFpen[0]), 1);
  EXPECT_EQ(StrokesIn(Pad.BFpen[4]), 1);
  EXPECT_EQ(StrokesIn(Pad.BFpen[5]), 1);
  EXPECT_EQ(PenTag(Pad.BFpen[6]), 6);
}

// --- Symbols and converted text ------------------------------------------------------------

struct InsertCase {
  const char* line;
  int start, end;       // selection
  int width;            // dbl_mode
  int key;
  const char* text;     // the line afterwards
  int caret;
  const char* over;     // text waiting in Over_text
};

TEST_F(Editing, SymbolKeysInsertAtTheCaret) {
  const InsertCase cases[] = {
      {"あいう", 1, 3, 1, 5, "あ0", 2, ""},
      {"", 0, 0, 2, 4, "　", 1, ""},
      {"あいうえおかきくけこさし", 0, 0, 2, 14, "あいうえおかきくけこさし", 0, "９"},
      {"あいうえおかきくけこさし", 5, 5, 1, 3, "いうえお,かきくけこさし", 5, "あ"},
      {"あいうえおかきくけこさし", 11, 12, 2, 2, "あいうえおかきくけこさ．", 12, ""},
  };
  for (const InsertCase& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " key " + std::to_string(c.key));
    Reset();
    SetPending(c.line);
    Select(c.start, c.end);
    Ap_table.dbl_mode = static_cast<int16_t>(c.width);
    EXPECT_EQ(KigoInsert(c.key), *c.over != '\0');
    EXPECT_EQ(PendingUtf8(), c.text);
    EXPECT_EQ(OverUtf8(), c.over);
    EXPECT_EQ(Pad.Rang.end, c.caret);
    EXPECT_EQ(Pad.Ink_data.pending, EucCharCount(Pad.Tbuff));
    // Every entry matches its character; the symbol has no ink, the others keep theirs.
    for (int i = 0; i < Pad.Ink_data.pending; ++i) {
      const std::string ch(Pad.Tbuff + EucCharOffset(Pad.Tbuff, i), EucCharBytes(Pad.Tbuff + EucCharOffset(Pad.Tbuff, i)));
      EXPECT_EQ(std::string(Pad.Result[i][0], CellBytes(Pad.Result[i][0])), ch) << i;
      EXPECT_EQ(Pad.BFpen[i].empty(), i == c.caret - 1) << i;
    }
  }
  EXPECT_EQ(display.enterCalls, std::vector<int>{-2});  // only the empty line woke the enter key
}

TEST_F(Editing, ConvertedTextKeepsTheLineWithinTwelveCharacters) {
  SetPending("あいうえおかきくけこさ");
  Select(9, 11);  // こさ
  EXPECT_FALSE(KanjiInsert(Euc("漢字")));
  EXPECT_EQ(PendingUtf8(), "あいうえおかきくけ漢字");
  EXPECT_EQ(Pad.Ink_data.pending, 11);
  EXPECT_EQ(Pad.Rang.end, 11);

  EXPECT_TRUE(KanjiInsert(Euc("変換中")));
  EXPECT_EQ(PendingUtf8(), "うえおかきくけ漢字変換中");
  EXPECT_EQ(OverUtf8(), "あい");
  EXPECT_EQ(Pad.Ink_data.pending, 12);
  EXPECT_EQ(Pad.Rang.end, 12);
  EXPECT_EQ(PenTag(Pad.BFpen[0]), 2);
  EXPECT_TRUE(Pad.BFpen[11].empty());
  EXPECT_LT(std::strlen(Pad.Tbuff), sizeof Pad.Tbuff);

  // Three-byte characters cannot stand in the line: they are left out with a beep.
  Select(0, 12);
  KanjiInsert(std::string("\x8f\xb0\xa1", 3) + Euc("字"));
  EXPECT_EQ(PendingUtf8(), "字");
  EXPECT_EQ(display.beeps, 1);
}

TEST(Romaji, KanaAreTypedByTheirRows) {
  const struct {
    const char* text;
    const char* keys;
  } cases[] = {{"かな", "kana"}, {"ッキョ", "xtukixyo"}, {"ん漢ゐa", "nnwi"}, {"ヴヵ", ""}};
  for (const auto& c : cases) {
    std::string keys;
    for (uint32_t k : RomajiKeysyms(Euc(c.text))) keys += static_cast<char>(k);
    EXPECT_EQ(keys, c.keys) << c.text;
  }
}

}  // namespace
