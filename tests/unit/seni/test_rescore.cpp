// Rescoring rows with small hand-made tables (sentences, the distance threshold,
// unknown pairs, the limits of a row, the binary search) and by words (the chosen row,
// the order of the alternatives, the window, the installed IPA dictionary).
#include <gtest/gtest.h>

#include <map>

#include "row_words.h"
#include "seni_fixture.h"
#include "seni_state.h"
#include "word_cost.h"

namespace {

class SeniRescore : public LoadedTable {
 protected:
  void SetUp() override {
    // 目 is the recogniser's usual first guess for a hastily written 日.
    ASSERT_EQ(LoadTable(dir_, TableOf({{"日", "本", 500}, {"本", "日", 40}, {"本", "語", 300},
                                       {"本", "誌", 5}, {"今", "日", 200}, {"今", "本", 200},
                                       {"本", "は", 200}, {"日", "は", 300}, {"は", "、", 100},
                                       {"、", "晴", 30000}, {"晴", "れ", 400}},
                                      {{"本", 1000}, {"日", 2000}})),
              kSeniLoaded);
  }
  int Run(std::vector<SeniCharRecord>* row) {
    return SeniCntl(0, static_cast<int>(row->size()), row->data());
  }
};

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

TEST_F(SeniRescore, RowsReadAsTheTransitionsSuggest) {
  const struct {
    std::vector<SeniCharRecord> row;
    const char* read;
    int firstSelected = -1;  // candidates of the first character within the threshold
  } cases[] = {
      {{Record({"目", "日"})}, "目", 2},  // one character is left unchanged
      {{Record({"目", "日", "白"}), Record({"本", "木"}), Record({"誌", "語"})}, "日本語"},
      // 日→は is counted 300 times of 2000, 本→は 200 of 1000: later steps divide by
      // the occurrence of the character before, so the rarer pair wins.
      {{Record({"今"}), Record({"日", "本"}), Record({"は"})}, "今本は"},
      {{Record({"犬", "大", "太"}), Record({"猫", "描"}), Record({"鳥", "島", "烏"}), Record({"ア", "マ"})},
       "犬猫鳥ア"},  // all pairs unknown
      // A candidate more than 250 above the first is never chosen.
      {{Record({"目", "日"}, 1000, 251), Record({"本"})}, "目本", 1},
      {{Record({"目", "日"}, 1000, 250), Record({"本"})}, "日本", 2},
      // 、→晴 is the strongest pair, but 晴 starts a new sentence; the comma belongs
      // to the sentence before it.
      {{Record({"目", "日"}), Record({"、", "，"}), Record({"暗", "晴"})}, "目、暗"},
      {{Record({"日"}), Record({"は"}), Record({"，", "、"}), Record({"暗", "晴"})}, "日は、暗"},
      // So does a half-width one: a new sentence scores its first pair by the pair count
      // alone (日→は 300 over 本→は 200); inside a sentence 本 wins by its conditional count.
      {{Record({"目"}), Record({"､"}), Record({"本", "日"}), Record({"は"})}, "目､日は"},
      {{Record({"目"}), Record({"あ"}), Record({"本", "日"}), Record({"は"})}, "目あ本は"},
      // A character without candidates leaves its sentence alone.
      {{Record({"目", "日"}), Record({"本"}), Record({})}, "目本"},
  };
  for (auto c : cases) {
    EXPECT_EQ(Run(&c.row), kSeniDone) << c.read;
    EXPECT_EQ(FirstChoices(c.row), c.read);
    if (c.firstSelected >= 0) {
      EXPECT_EQ(c.row[0].selected, c.firstSelected) << c.read;
    }
  }
}

TEST_F(SeniRescore, OnlyTheCodesMoveAndUnknownCodesTakeTheDefaults) {
  std::vector<SeniCharRecord> row = {Record({"目", "日", "白"}), Record({"本", "木"}), Record({"誌", "語"})};
  EXPECT_EQ(Run(&row), kSeniDone);
  EXPECT_EQ(row[0].cand[1].code, Sj("目"));
  EXPECT_EQ(row[0].cand[0].distance, 1000);
  EXPECT_EQ(row[0].cand[1].distance, 1010);
  EXPECT_EQ(row[0].selected, 3);
  // A gesture code has no index; the known pair still wins.
  row = {Record({"目", "日"}), Record({"本"}), Record({"日"})};
  row[2].cand[0].code = 0x8051;
  EXPECT_EQ(Run(&row), kSeniDone);
  EXPECT_EQ(row[0].cand[0].code, Sj("日"));
  EXPECT_EQ(row[2].cand[0].code, 0x8051);
}

TEST_F(SeniRescore, SelectionStopsAtTheFirstCandidateBeyondTheThreshold) {
  std::vector<SeniCharRecord> row = {Record({"目", "白", "日", "田"})};
  row[0].cand[1].distance = 1100;
  row[0].cand[2].distance = 1400;  // stops the count although 田 is close again
  row[0].cand[3].distance = 1050;
  SNrun.SNmojiretu_koho = row.data();
  SNrun.SNmojiretusuu = 1;
  SeniSelect();
  EXPECT_EQ(row[0].selected, 2);
  EXPECT_EQ(SNrun.SNthres_dist, 250);
}

TEST_F(SeniRescore, TenSentencesAreRescoredElevenAreRefusedUnchanged) {
  std::vector<SeniCharRecord> row;
  for (int i = 0; i < 9; ++i) row.push_back(Record({"。"}));
  row.push_back(Record({"目", "日"}));
  row.push_back(Record({"本"}));
  EXPECT_EQ(Run(&row), kSeniDone);  // nine one-character sentences and 日本
  EXPECT_EQ(row[9].cand[0].code, Sj("日"));

  row.assign(10, Record({"。"}));
  row.push_back(Record({"目", "日"}));
  row.push_back(Record({"本"}));
  EXPECT_EQ(Run(&row), kSeniOverflow);
  EXPECT_EQ(row[10].cand[0].code, Sj("目"));
}

TEST_F(SeniRescore, FullRowOfTenCandidatesStaysWithinItsRecords) {
  const std::vector<const char*> ten = {"目", "日", "白", "田", "旧", "甲", "申", "由", "曰", "百"};
  std::vector<SeniCharRecord> row(12, Record(ten, 1000, 1));
  for (auto& r : row) r.padWord0 = r.padWord1 = r.padTail[0] = r.padTail[1] = 0xBEEF;
  EXPECT_EQ(Run(&row), kSeniDone);
  for (const auto& r : row) {
    EXPECT_EQ(r.selected, 10);
    EXPECT_EQ(r.padWord0, 0xBEEF);
    EXPECT_EQ(r.padWord1, 0xBEEF);
    EXPECT_EQ(r.padTail[1], 0xBEEF);
  }
  // Counts outside 0..10 are read as what the record can hold.
  row.assign(3, Record(ten));
  row[0].count = 25;
  row[1].count = -4;
  row[2].count = 11;
  EXPECT_EQ(Run(&row), kSeniDone);
  EXPECT_EQ(row[0].selected, 10);
  EXPECT_EQ(row[1].selected, 0);
  EXPECT_EQ(FirstChoices(row), "目目目");
}

TEST_F(SeniRescore, DataTypeMustBeLoaded) {
  std::vector<SeniCharRecord> row = {Record({"目", "日"}), Record({"本"})};
  EXPECT_EQ(SeniCntl(1, 2, row.data()), kSeniBadType);
  EXPECT_EQ(SeniCntl(-1, 2, row.data()), kSeniBadType);
  EXPECT_EQ(SeniCntl(0, 0, row.data()), kSeniDone);
  EXPECT_EQ(SeniCntl(0, 2, nullptr), kSeniDone);
  EXPECT_EQ(FirstChoices(row), "目本");
}

TEST_F(SeniRescore, NothingAfterAMarkThatEndsASentenceIsDear) {
  // Tables count no pairs from 、 。 ， ． (rescoring starts afresh after them), so
  // what follows one must not pay as an unknown pair does.
  EXPECT_GT(SeniTransitionCost(Sj("本"), Sj("晴")), 3.0);
  for (const uint16_t mark : {Sj("、"), Sj("。"), Sj("，"), Sj("．"), uint16_t{0xA4}, uint16_t{'.'}})
    EXPECT_EQ(SeniTransitionCost(mark, Sj("本")), 0.0) << mark;
}

TEST(SeniBSearch, FindsKeysAndRefusesBoundsOutsideTheArray) {
  const int16_t array[] = {3, 8, 15, 40, 41, 900};
  int found = 0;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(SeniBSearch(0, 5, array, 6, array[i], &found), kSeniDone);
    EXPECT_EQ(found, i);
  }
  for (int key : {0, 9, 42, 901}) {
    EXPECT_EQ(SeniBSearch(0, 5, array, 6, key, &found), kSeniDone);
    EXPECT_EQ(found, -1);
  }
  EXPECT_EQ(SeniBSearch(2, 3, array, 6, 3, &found), kSeniDone);  // outside the sub-range
  EXPECT_EQ(found, -1);
  EXPECT_EQ(SeniBSearch(0, -1, array, 6, 3, &found), kSeniDone);  // empty range
  EXPECT_EQ(found, -1);
  EXPECT_EQ(SeniBSearch(-1, 5, array, 6, 3, &found), kSeniBadType);
  EXPECT_EQ(SeniBSearch(0, 6, array, 6, 3, &found), kSeniBadType);
  EXPECT_EQ(found, -1);
}

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
