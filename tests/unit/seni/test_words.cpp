// The word rescoring of a row: the chosen row, the order of each position's
// alternatives, the window, and rows read with the installed IPA dictionary.
#include <gtest/gtest.h>

#include <map>

#include "row_words.h"
#include "seni_fixture.h"
#include "word_cost.h"

namespace {

// A word model that knows a few texts; everything else costs `otherwise`.
WordTextCost FakeWords(std::map<std::string, long> known, long otherwise = 10000) {
  return [known, otherwise](const std::string& text) {
    const auto it = known.find(text);
    return it == known.end() ? otherwise : it->second;
  };
}

std::string Alternatives(const SeniCharRecord& r) {
  std::string text;
  for (int i = 0; i < r.count; ++i) text += SjisCodeToUtf8(r.cand[i].code);
  return text;
}

}  // namespace

TEST(RowWords, WordsChooseTheRowAndOrderTheAlternatives) {
  struct Case {
    const char* name;
    std::map<std::string, long> known;
    const char* reading;
    const char* secondAlternatives;  // the second position's candidates, in order
    int changed;
  };
  const Case cases[] = {
      // No text known: recognition order stands.
      {"unknown words", {}, "あい", "いうえ", 0},
      // A clearly better word wins against a small distance lead.
      {"word wins", {{"あえ", 1000}}, "あえ", "えいう", 1},
      // The alternatives follow the chosen row with each in its place.
      {"alternatives by words", {{"あう", 1000}, {"あえ", 4000}}, "あう", "うえい", 1},
      // A word lead worth less than the distance lead changes nothing.
      {"distance wins", {{"あえ", 9800}}, "あい", "いえう", 0},
  };
  WordSettings settings;
  settings.wordWeight = 0.1;
  settings.window = 500;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<SeniCharRecord> row = {Record({"あ"}), Record({"い", "う", "え"}, 1000, 10)};
    EXPECT_EQ(RescoreRowWords(row.data(), 2, FakeWords(c.known), nullptr, settings), c.changed);
    EXPECT_EQ(FirstChoices(row), c.reading);
    EXPECT_EQ(Alternatives(row[1]), c.secondAlternatives);
    // Each distance moves with its code.
    const std::map<std::string, int> distanceOf = {{"い", 1000}, {"う", 1010}, {"え", 1020}};
    for (int i = 0; i < row[1].count; ++i)
      EXPECT_EQ(row[1].cand[i].distance, distanceOf.at(SjisCodeToUtf8(row[1].cand[i].code)));
  }
}

TEST(RowWords, CandidatesBeyondTheWindowAndEmptyRecordsStayOut) {
  std::vector<SeniCharRecord> row = {Record({"あ"}), SeniCharRecord{}, Record({"い", "う"}, 1000, 900)};
  WordSettings settings;
  settings.window = 500;
  settings.wordWeight = 0.2;
  // う is far behind: however well it reads, it is not chosen and stays last.
  RescoreRowWords(row.data(), 3, FakeWords({{"あう", 0}}), nullptr, settings);
  EXPECT_EQ(Alternatives(row[2]), "いう");
  EXPECT_EQ(row[1].count, 0);
  // Within the window it is; the empty record between does not break the pair.
  settings.window = 1000;
  RescoreRowWords(row.data(), 3, FakeWords({{"あう", 0}}), nullptr, settings);
  EXPECT_EQ(Alternatives(row[2]), "うい");
}

TEST(RowWords, TheTransitionTermWeighsPairs) {
  std::vector<SeniCharRecord> row = {Record({"日"}), Record({"木", "本"}, 1000, 20)};
  const WordPairCost pairs = [](uint16_t from, uint16_t to) {
    return from == Sj("日") && to == Sj("本") ? 0.0 : 1.0;
  };
  WordSettings settings;
  settings.transitionWeight = 30;
  RescoreRowWords(row.data(), 2, FakeWords({}), pairs, settings);
  EXPECT_EQ(FirstChoices(row), "日本");
  settings.transitionWeight = 10;  // worth less than the distance
  RescoreRowWords(row.data(), 2, FakeWords({}), pairs, settings);
  EXPECT_EQ(FirstChoices(row), "日木");
}

TEST(RowWords, LettersAndSymbolsBetweenKanaOrKanjiCostExtra) {
  struct Case {
    std::vector<std::vector<const char*>> candidates;  // the second candidate 100 behind
    const char* reading;
  };
  const Case cases[] = {
      {{{"日"}, {"Ｌ", "し"}, {"本"}}, "日し本"},     // a letter among kanji gives way to a close kana
      {{{"日"}, {"（", "く"}, {"本"}}, "日く本"},     // so does a bracket
      {{{"日"}, {"、", "ヽ"}, {"本"}}, "日、本"},     // a sentence mark is at home there
      {{{"Ａ"}, {"Ｌ", "し"}, {"本"}}, "ＡＬ本"},     // not between two kana or kanji
      {{{"日"}, {"Ｌ", "し"}}, "日Ｌ"},               // nor at the row's end
  };
  WordSettings settings;
  settings.mixedWeight = 150;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reading);
    std::vector<SeniCharRecord> row;
    for (const auto& chars : c.candidates) row.push_back(Record(chars, 1000, 100));
    RescoreRowWords(row.data(), static_cast<int>(row.size()), FakeWords({}), nullptr, settings);
    EXPECT_EQ(FirstChoices(row), c.reading);
  }
}

// With the IPA dictionary the pad uses: the misreadings of common endings are mended,
// and rows that are no sentences keep their reading.
TEST(RowWords, InstalledDictionaryMendsEndingsAndLeavesOtherRows) {
  const WordCost* words = SharedWordCost();
  if (!words) GTEST_SKIP() << "no IPA dictionary for MeCab";
  struct Case {
    std::vector<std::vector<const char*>> candidates;  // per position, best first
    const char* reading;
  };
  const Case cases[] = {
      {{{"削"}, {"除"}, {"Ｌ", "し", "ム"}, {"ま"}, {"す"}}, "削除します"},
      {{{"使"}, {"え"}, {"ま"}, {"ず", "す"}}, "使えます"},
      {{{"ペ"}, {"ー"}, {"ジ"}, {"ヒ", "に"}, {"移"}, {"動"}}, "ページに移動"},
      {{{"田"}, {"中"}, {"一"}, {"郎", "部"}}, "田中一郎"},
      {{{"Ｘ"}, {"Ｙ"}, {"１"}, {"２", "こ"}, {"０", "の"}}, "ＸＹ１２０"},
      {{{"Ｍ"}, {"Ｋ"}, {"２", "ｚ"}, {"Ａ"}}, "ＭＫ２Ａ"},
  };
  const WordTextCost cost = [words](const std::string& text) { return words->Of(text); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reading);
    std::vector<SeniCharRecord> row;
    for (const auto& chars : c.candidates) row.push_back(Record(chars, 1000, 60));
    RescoreRowWords(row.data(), static_cast<int>(row.size()), cost, nullptr);
    EXPECT_EQ(FirstChoices(row), c.reading);
  }
}
