// The transition-table builder's handling of its sources: roff and HTML reduced
// to running text, sentences cut and counted once, pairs counted and scaled.
#include <gtest/gtest.h>

#include "html_text.h"
#include "pair_counts.h"
#include "roff_text.h"
#include "seni.h"
#include "sentences.h"
#include "textconv.h"
#include "word_list.h"

namespace {

const TextCoder& Coder() {
  static const TextCoder coder;
  return coder;
}

// Sentences as UTF-8, breaks shown as '|'.
std::vector<std::string> Sentences(const std::string& paragraph) {
  std::vector<std::string> out;
  for (const CodeString& s : SplitSentences(paragraph, Coder())) {
    std::string text;
    for (uint16_t c : s) text += c == kCodeBreak ? std::string("|") : SjisCodeToUtf8(c);
    out.push_back(text);
  }
  return out;
}

CodeString Codes(const std::string& utf8) {
  CodeString codes;
  size_t pos = 0;
  while (pos < utf8.size()) codes.push_back(Coder().CodeOf(NextCodepoint(utf8, &pos)));
  return codes;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(RoffText, MarkupIsStrippedParagraphsFollowTheMacrosAndEscapesAreSkippedWhole) {
  const std::string page =
      ".\\\" a comment line\n"
      ".TH LS 1 \"2021\" \"GNU\" \"ユーザーコマンド\"\n"
      ".SH 名前\n"
      "ls \\- 一覧を\\fBリスト\\fR表示する\n"
      ".SH 説明\n"
      ".PP\n"
      "\\fI\\,ファイル\\/\\fR に関する情報を\\s-1表示\\s0します。 \\\" trailing comment\n"
      "二行目\\(emも続く\\*(lq\n"
      ".TP\n"
      "\\fB\\-a\\fR, \\fB\\-\\-all\\fR\n"
      "\\&. で始まる要素\n"
      ".BR ls (1)\n"
      ".TS\n"
      "tab(:);\n"
      "l l.\n"
      "表:の中\n"
      ".TE\n"
      ".de XX\n"
      "定義の中\n"
      "..\n"
      ".nf\n"
      "一行目\n"
      "二行目\n"
      ".fi\n"
      "\\[u3042]\\[em]\\(aqx\n";
  EXPECT_EQ(RoffParagraphs(page),
            (Lines{"名前", "ls - 一覧をリスト表示する", "説明",
                   "ファイル に関する情報を表示します。 \n二行目 も続く", "-a, --all", ". で始まる要素\nls(1)",
                   "一行目", "二行目", "あ 'x"}));
  // Escapes with arguments are skipped whole.
  EXPECT_EQ(RoffUnescape("a\\h'2m'b\\v'-1'c\\w'abc'd"), "abcd");
  EXPECT_EQ(RoffUnescape("x\\f[BI]y\\f(CWz\\fPw"), "xyzw");
  EXPECT_EQ(RoffUnescape("\\*[str]ok\\n(xxok\\s(12ok\\s+2ok"), "okokokok");
  EXPECT_EQ(RoffUnescape("\\e\\\\\\~\\ \\0."), "\\\\   .");
  EXPECT_EQ(RoffUnescape("text\\"), "text");  // an escaped line end
  EXPECT_EQ(RoffUnescape("\\f"), "");
}

TEST(HtmlText, TagsHeadScriptsAndPreformattedTextAreDroppedAndUnclosedMarkupEndsTheText) {
  const std::string page =
      "<?xml version=\"1.0\"?><!DOCTYPE html>\n"
      "<html><head><title>題名</title><style>p{}</style></head>\n"
      "<body><div class=\"nav\"><a href=\"x.html\" title=\"a>b\">次へ</a></div>\n"
      "<p>これは<em>強調</em>された&amp;文&#12354;&#x3044;&lt;です。</p><!-- <p>注釈</p> -->\n"
      "<pre>$ コマンド例</pre><script>var s = \"<p>\";</script>\n"
      "<p>改行を\nまたぐ文&nbsp;と&unknown;記号</p><ul><li>一<li>二</ul><br/>末尾"
      "<textarea>入力</textarea></body></html>";
  EXPECT_EQ(HtmlParagraphs(page),
            (Lines{"次へ", "これは強調された&文あい<です。", "改行を\nまたぐ文 と 記号", "一", "二",
                   "末尾"}));
  // Unclosed markup ends the text without reading further.
  EXPECT_EQ(HtmlParagraphs("<p>前<!-- 閉じない"), (Lines{"前"}));
  EXPECT_EQ(HtmlParagraphs("<p>前<a href=\"x"), (Lines{"前"}));
  EXPECT_EQ(HtmlParagraphs("<p>前</p><pre>閉じない"), (Lines{"前"}));
  EXPECT_EQ(HtmlParagraphs("a &amp b & c"), (Lines{"a &amp b & c"}));
}

TEST(Sentences, SplitAfterSentenceEndsJoinJapaneseLinesAndAreCountedOnce) {
  EXPECT_EQ(Sentences("今日は晴れ。明日は雨？\nそう思う！ls.1 を見よ"),
            (Lines{"今日は晴れ。", "明日は雨？", "そう思う！", "１|を見よ"}));  // "ls." has no Japanese
  // A line end between Japanese characters joins them; next to ASCII it separates.
  EXPECT_EQ(Sentences("パッケー\nジを ls\nで見る、\n 空白"), (Lines{"パッケージを|ｌｓ|で見る、|空白"}));
  // Sentences without kana or kanji are left out; breaks are collapsed and trimmed.
  EXPECT_EQ(Sentences("  see ls(1).  これは文。  "), (Lines{"これは文。"}));
  // Characters the table does not hold separate like spaces; so does the ideographic space.
  EXPECT_EQ(Sentences("漢\xF0\x9F\x98\x80字　かな"), (Lines{"漢|字|かな"}));
  EXPECT_EQ(Sentences("ｶﾀｶﾅ〜"), (Lines{"カタカナ～"}));
  // Each distinct sentence is counted once.

  SentenceSet seen;
  EXPECT_TRUE(seen.Insert(Codes("同じ文。")));
  EXPECT_FALSE(seen.Insert(Codes("同じ文。")));
  EXPECT_TRUE(seen.Insert(Codes("同じ文")));
  EXPECT_EQ(seen.size(), 2u);

  PairCounter counter;
  for (const char* paragraph : {"定型文です。定型文です。", "定型文です。別の文。"})
    for (const CodeString& s : SplitSentences(paragraph, Coder()))
      if (seen.Insert(s)) counter.AddSentence(s);
  TableFigures figures;
  const SeniTable table = counter.Build(100, &figures);
  // 定型 型文 文で です す。 別の の文 文。 — 定型文です once despite three copies.
  EXPECT_EQ(figures.textPairs, 8u);
  for (const SeniTransition& t : table.transitions) EXPECT_EQ(t.count, 1) << t.index;
}

TEST(PairCounts, PairsStopAtBreaksAndNeverStartAtASentenceEnd) {
  PairCounter counter;
  counter.AddSentence(Codes("あい、う え。"));  // the space is a break
  TableFigures figures;
  const SeniTable table = counter.Build(100, &figures);
  // あい い、 え。: nothing from 、 and nothing across the break.
  ASSERT_EQ(table.transitions.size(), 3u);
  ASSERT_EQ(table.froms.size(), 3u);
  EXPECT_EQ(table.froms[0].index, SeniCodeIndex(Utf8ToSjisCode("あ")));
  EXPECT_EQ(table.froms[1].index, SeniCodeIndex(Utf8ToSjisCode("い")));
  EXPECT_EQ(table.transitions[1].index, SeniCodeIndex(Utf8ToSjisCode("、")));
}

TEST(PairCounts, CountsAreScaledByOneFactorToFitSixteenBits) {
  PairCounter counter;
  CodeString sentence;
  for (int i = 0; i < 40000; ++i) sentence.push_back(Utf8ToSjisCode("あ"));
  sentence.push_back(Utf8ToSjisCode("い"));
  counter.AddSentence(sentence);                 // ああ 39999, あい 1
  for (int i = 0; i < 3; ++i) counter.AddSentence(Codes("いう"));
  TableFigures figures;
  const SeniTable table = counter.Build(100, &figures);
  EXPECT_EQ(figures.largestPair, 39999);
  EXPECT_NEAR(figures.scale, 32767.0 / 39999, 1e-9);
  ASSERT_EQ(table.froms.size(), 2u);
  EXPECT_EQ(table.transitions[0].count, 32767);  // ああ
  EXPECT_EQ(table.transitions[1].count, 1);      // あい: never below 1
  EXPECT_EQ(table.froms[0].occurrences, 32768);  // 40000 occurrences scaled alike
  EXPECT_EQ(table.transitions[2].count, 2);      // いう 3 -> 2.46
  EXPECT_EQ(table.froms[1].occurrences, 3);      // い 4 -> 3.28
}

TEST(PairCounts, WordListFillsTheRemainingRoomWithUnseenPairs) {
  PairCounter counter;
  counter.AddSentence(Codes("日本語"));
  for (const char* word : {"日本", "本屋", "本屋", "屋根", "根本", "根本", "根本"}) counter.AddWord(Codes(word));
  TableFigures figures;
  SeniTable table = counter.Build(4, &figures);
  EXPECT_EQ(figures.textPairs, 2u);
  EXPECT_EQ(figures.wordPairs, 2u);  // 根本 (3 words) and 本屋 (2); 日本 is known, 屋根 no room
  ASSERT_EQ(table.transitions.size(), 4u);
  const int hon = SeniCodeIndex(Utf8ToSjisCode("本"));
  const int ya = SeniCodeIndex(Utf8ToSjisCode("屋"));
  for (const SeniFromEntry& f : table.froms) {
    if (f.index != hon) continue;
    EXPECT_EQ(f.occurrences, 2);  // one in the text, one added pair
    EXPECT_EQ(f.count, 2);
    EXPECT_EQ(table.transitions[f.first].index, ya);
    EXPECT_EQ(table.transitions[f.first].count, 1);
  }
  // With less room than text pairs, the most frequent text pairs stay.
  table = counter.Build(1, &figures);
  EXPECT_EQ(table.transitions.size(), 1u);
  EXPECT_EQ(figures.wordPairs, 0u);
}

TEST(WordList, SurfaceIsTheFirstFieldAndEucDecodes) {
  EXPECT_EQ(WordOfLine("仕舞い,1285,1285,5543,名詞"), "仕舞い");
  EXPECT_EQ(WordOfLine("no comma"), "");
  // 日本 in EUC-JP, half-width ｱ, a JIS X 0212 character, then ASCII.
  const CodeString codes = EucToCodes("\xC6\xFC\xCB\xDC\x8E\xB1\x8F\xB0\xA1" "a");
  EXPECT_EQ(codes, (CodeString{Utf8ToSjisCode("日"), Utf8ToSjisCode("本"), Utf8ToSjisCode("ア"), kCodeBreak,
                               Utf8ToSjisCode("ａ")}));
  EXPECT_EQ(EucToCodes("\xC6"), (CodeString{kCodeBreak}));  // cut in the middle of a character
}
