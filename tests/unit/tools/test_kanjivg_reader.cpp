// KanjiVG files: stroke order from nested groups, the stroke-number group ignored,
// file names and variants, code mapping, and broken files refused.
#include <gtest/gtest.h>

#include "char_map.h"
#include "kanjivg_reader.h"
#include "reference_set.h"
#include "tempdir.h"

namespace {

// The shape of a real file: DOCTYPE with an internal subset, nested element groups,
// a number group with its own text.
const char* const kTwoStrokes = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.0//EN" "http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd" [
<!ATTLIST g
xmlns:kvg CDATA #FIXED "http://kanjivg.tagaini.net"
kvg:element CDATA #IMPLIED >
]>
<svg xmlns="http://www.w3.org/2000/svg" width="109" height="109" viewBox="0 0 109 109">
<g id="kvg:StrokePaths_04e8c" style="fill:none;stroke:#000000;">
<g id="kvg:04e8c" kvg:element="二">
  <g id="kvg:04e8c-g1">
    <path id="kvg:04e8c-s1" d="M24,30c5,1 55,-1 60,0"/>
  </g>
  <path id="kvg:04e8c-s2" d="M12,80L97,80"/>
</g>
</g>
<g id="kvg:StrokeNumbers_04e8c" style="font-size:8;fill:#808080">
  <text transform="matrix(1 0 0 1 4 30)">1</text>
  <path d="M0,0 L1,1"/>
</g>
</svg>
)svg";

void WriteText(const std::string& path, const std::string& text) {
  WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(KanjiVgReader, StrokesInDocumentOrder) {
  StrokeList strokes;
  std::string error;
  ASSERT_TRUE(ReadKanjiVgText(kTwoStrokes, "04e8c.svg", &strokes, &error)) << error;
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_DOUBLE_EQ(strokes[0].front().x, 24);
  EXPECT_NEAR(strokes[0].back().x, 84, 1e-9);
  EXPECT_DOUBLE_EQ(strokes[1].front().x, 12);
  EXPECT_DOUBLE_EQ(strokes[1].back().x, 97);
}

TEST(KanjiVgReader, BrokenFilesAreRefusedWithTheirName) {
  const std::string paths = "<svg><g id=\"kvg:StrokePaths_1\">";
  const std::pair<std::string, std::string> cases[] = {
      {paths + "<path d=\"M0,0", "a.svg: not XML"},
      {"<svg><g id=\"other\"><path d=\"M0,0 L1,1\"/></g></svg>", "b.svg: no StrokePaths group"},
      {paths + "</g></svg>", "c.svg: no stroke"},
      {paths + "<path d=\"M0,0 L1,1\"/><path d=\"M0,0 A1,1 0 0 1 2,2\"/></g></svg>",
       "d.svg: stroke 2: unsupported path command 'A'"},
      {paths + "<path d=\"\"/></g></svg>", "e.svg: stroke 1 has no path data"},
  };
  char name = 'a';
  for (const auto& [text, why] : cases) {
    StrokeList strokes;
    std::string error;
    EXPECT_FALSE(ReadKanjiVgText(text, std::string(1, name++) + ".svg", &strokes, &error)) << why;
    EXPECT_EQ(error.rfind(why, 0), 0u) << error;
    EXPECT_TRUE(strokes.empty());
  }
  StrokeList strokes;
  std::string error;
  EXPECT_FALSE(ReadKanjiVgFile("/no/such/dir/x.svg", &strokes, &error));
  EXPECT_EQ(error, "/no/such/dir/x.svg: cannot open");
}

TEST(KanjiVgReader, FileNames) {
  const struct {
    const char* file;
    uint32_t codePoint;  // 0: refused
    const char* variant;
  } cases[] = {{"04e00.svg", 0x4E00, ""}, {"05b57-Kaisho.svg", 0x5B57, "Kaisho"}, {"04e00-.svg", 0, ""},
               {"04e00.txt", 0, ""},      {"zz.svg", 0, ""},                      {".svg", 0, ""},
               {"1100000.svg", 0, ""}};
  for (const auto& c : cases) {
    KanjiVgName name;
    ASSERT_EQ(ParseKanjiVgName(c.file, &name), c.codePoint != 0) << c.file;
    if (c.codePoint == 0) continue;
    EXPECT_EQ(name.codePoint, c.codePoint);
    EXPECT_EQ(name.variant, c.variant);
  }
}

TEST(CharMap, DictionaryCodesAndJisRows) {
  const std::pair<uint32_t, uint16_t> codes[] = {
      {'A', 0x8260},    {'z', 0x829A},    {'7', 0x8256},    {'?', 0x8148},    {',', 0x8143},
      {0xFF01, 0x8149}, {0x3042, 0x82A0}, {0x30F6, 0x8396}, {0x4E9C, 0x889F}, {0x7199, 0xEAA4},
      {0x3005, 0x8158},
      // Vendor codes (①), IBM extensions (髙), no Shift-JIS at all, controls, surrogates.
      {0x2460, 0},      {0x9AD9, 0},      {0x3400, 0},      {0x20, 0},        {0xD800, 0}};
  for (const auto& [unicode, code] : codes) EXPECT_EQ(DictionaryCodeOf(unicode), code) << std::hex << unicode;
  // The gap at the end of level 1, the end of level 2, row 13, the user area.
  for (uint16_t in : {0x8140, 0x9872, 0x989F, 0xEAA4}) EXPECT_TRUE(IsJisX0208Code(in)) << std::hex << in;
  for (uint16_t out : {0x9873, 0xEAA5, 0x8740, 0x877F, 0xFA40, 0x41}) EXPECT_FALSE(IsJisX0208Code(out)) << std::hex << out;
}

TEST(ReferenceSet, LoadsADirectoryWithAndWithoutVariants) {
  TempDir dir;
  WriteText(dir.File("04e8c.svg"), kTwoStrokes);
  WriteText(dir.File("04e8c-Kaisho.svg"), kTwoStrokes);
  WriteText(dir.File("03400.svg"), kTwoStrokes);  // no JIS code: skipped
  WriteText(dir.File("readme.txt"), "not a stroke file");
  std::vector<ReferenceForm> forms;
  KanjiVgStats stats;
  std::string error;
  ASSERT_TRUE(LoadKanjiVgForms(dir.path(), true, &forms, &stats, &error)) << error;
  ASSERT_EQ(forms.size(), 2u);
  EXPECT_EQ(forms[0].code, 0x93F1);
  EXPECT_EQ(stats.files, 3);
  EXPECT_EQ(stats.notJis, 1);
  EXPECT_EQ(forms[0].variant + forms[1].variant, 1);
  EXPECT_DOUBLE_EQ(forms[0].box, 109.0);

  forms.clear();
  stats = {};
  ASSERT_TRUE(LoadKanjiVgForms(dir.path(), false, &forms, &stats, &error)) << error;
  EXPECT_EQ(forms.size(), 1u);
  EXPECT_EQ(stats.variantsSkipped, 1);

  WriteText(dir.File("04e00.svg"), "<svg>");
  forms.clear();
  EXPECT_FALSE(LoadKanjiVgForms(dir.path(), true, &forms, &stats, &error));
  EXPECT_NE(error.find("04e00.svg: not XML"), std::string::npos) << error;

  TempDir empty;
  stats = {};
  EXPECT_FALSE(LoadKanjiVgForms(empty.path(), true, &forms, &stats, &error));
  EXPECT_EQ(error, empty.path() + ": no KanjiVG files (*.svg) found");
}

TEST(ReferenceSet, StrokeTextDirectoriesAndVariants) {
  TempDir dir;
  WriteText(dir.File("b.txt"), "char 8181 ＝\n15,36 85,36\n15,64 85,64\nchar 8181 ＝\n15,36 85,64\n");
  WriteText(dir.File("a.txt"), "char 817B ＋\n15,50 85,50\n50,15 50,85\n");
  WriteText(dir.File("notes.md"), "ignored");
  std::vector<ReferenceForm> forms;
  std::string error;
  ASSERT_TRUE(LoadStrokeTextForms({dir.path()}, &forms, &error)) << error;
  ASSERT_EQ(forms.size(), 3u);
  EXPECT_EQ(forms[0].code, 0x817B);  // files in name order
  EXPECT_EQ(forms[0].source, "a.txt:1");
  EXPECT_FALSE(forms[1].variant);
  EXPECT_TRUE(forms[2].variant);
  EXPECT_EQ(forms[2].source, "b.txt:4");
  EXPECT_FALSE(LoadStrokeTextForms({dir.File("missing.txt")}, &forms, &error));
}

TEST(ReferenceSet, JoinedStrokeFormsOfKana) {
  ReferenceForm ki;  // き: 2 bars, the long stroke, the bottom curve
  ki.code = 0x82AB;
  ki.box = 100;
  ki.source = "0304d.svg";
  ki.strokes = {{{20, 25}, {80, 20}}, {{20, 45}, {80, 40}}, {{40, 10}, {65, 75}}, {{32, 80}, {70, 90}}};
  const auto joined = JoinedStrokeForms(ki, 0.35);
  // 1+2 (gap 65) and 2+3 (gap 50) are too far apart; 3+4 (gap 33) is joined.
  ASSERT_EQ(joined.size(), 1u);
  EXPECT_TRUE(joined[0].variant);
  EXPECT_EQ(joined[0].source, "0304d.svg joined 3+4");
  EXPECT_EQ(joined[0].joinedAt, 2);
  ASSERT_EQ(joined[0].strokes.size(), 3u);
  EXPECT_EQ(joined[0].strokes[2].size(), 4u);
  EXPECT_DOUBLE_EQ(joined[0].strokes[2][2].x, 32);
  EXPECT_EQ(JoinedStrokeForms(ki, 0.7).size(), 3u);

  ReferenceForm small = ki;
  small.code = 0x829F;  // ぁ: left to the engine's small-form rule
  EXPECT_TRUE(JoinedStrokeForms(small, 0.7).empty());
  ReferenceForm kanji = ki;
  kanji.code = 0x8EE5;  // kanji are not joined
  EXPECT_TRUE(JoinedStrokeForms(kanji, 0.7).empty());
}

}  // namespace
