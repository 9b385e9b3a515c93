// KanjiVG files (stroke order, file names, variants, codes, broken files), their path
// data flattened, joined stroke forms and the strokes the look-alike checks read.
#include <gtest/gtest.h>

#include <cmath>

#include "char_map.h"
#include "checked_strokes.h"
#include "kanjivg_reader.h"
#include "reference_set.h"
#include "svg_path.h"
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

std::vector<Polyline> Flatten(const std::string& d) {
  std::vector<Polyline> out;
  std::string error;
  EXPECT_TRUE(FlattenSvgPath(d, &out, &error)) << d << ": " << error;
  return out;
}

std::string FlattenError(const std::string& d) {
  std::vector<Polyline> out;
  std::string error;
  EXPECT_FALSE(FlattenSvgPath(d, &out, &error)) << d;
  EXPECT_TRUE(out.empty());
  return error;
}

void ExpectPoint(PointF p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-9);
  EXPECT_NEAR(p.y, y, 1e-9);
}

}  // namespace

TEST(KanjiVgReader, StrokesInDocumentOrderAndBrokenFilesRefusedWithTheirName) {
  StrokeList strokes;
  std::string error;
  ASSERT_TRUE(ReadKanjiVgText(kTwoStrokes, "04e8c.svg", &strokes, &error)) << error;
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_DOUBLE_EQ(strokes[0].front().x, 24);
  EXPECT_NEAR(strokes[0].back().x, 84, 1e-9);
  EXPECT_DOUBLE_EQ(strokes[1].front().x, 12);
  EXPECT_DOUBLE_EQ(strokes[1].back().x, 97);

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
    EXPECT_FALSE(ReadKanjiVgText(text, std::string(1, name++) + ".svg", &strokes, &error)) << why;
    EXPECT_EQ(error.rfind(why, 0), 0u) << error;
    EXPECT_TRUE(strokes.empty());
  }
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

constexpr uint16_t kChi = 0x8360;   // チ
constexpr uint16_t kU = 0x8345;     // ウ
constexpr uint16_t kBa = 0x82CE;    // ば
constexpr uint16_t kPi = 0x82D2;    // ぴ
constexpr uint16_t kKa = 0x82A9;    // か, in no group

TEST(CheckedStrokes, ReadFromTheTableAndKeptByTheJoinsThatLeaveThemInPlace) {
  // チ: its own direction check and that of 千's group read stroke 2.
  const CheckedStrokes chi = LookAlikeCheckedStrokes(kChi);
  EXPECT_EQ(chi.fromStart, (std::set<int>{2}));
  EXPECT_EQ(chi.fromEnd, 0);
  // ウ: its own turn check reads strokes 1 and 2, ワ's check 51 names its stroke 0.
  EXPECT_EQ(LookAlikeCheckedStrokes(kU).fromStart, (std::set<int>{0, 1, 2}));
  // A voiced kana: the checks of its groups read its last two strokes, the marks.
  const CheckedStrokes ba = LookAlikeCheckedStrokes(kBa);
  EXPECT_TRUE(ba.fromStart.empty());
  EXPECT_EQ(ba.fromEnd, 2);
  // A semi-voiced kana: only its last stroke, the circle.
  EXPECT_EQ(LookAlikeCheckedStrokes(kPi).fromEnd, 1);
  EXPECT_TRUE(LookAlikeCheckedStrokes(kKa).empty());

  // Which joins keep the checked strokes in place.
  const CheckedStrokes marks{{}, 2};   // ば: five strokes, the last two read
  const CheckedStrokes circle{{}, 1};  // ぴ: the last stroke read
  const CheckedStrokes first{{0}, 0};  // stroke 0 read
  const CheckedStrokes third{{2}, 0};  // stroke 2 read: every join before it renumbers it
  const struct {
    const CheckedStrokes& checked;
    int strokes, joinAt;
    bool keeps;
  } cases[] = {
      {marks, 5, 0, true},  {marks, 5, 1, true},  {marks, 5, 2, true},  // the body run on into the first dot
      {marks, 5, 3, false},                                             // the two dots joined
      {circle, 2, 0, true},                                             // ぴ: the body run on into the circle
      {circle, 3, 1, true},
      {first, 3, 0, true},  // the checked stroke runs on into the next
      {first, 3, 1, true},  {third, 3, 0, false}, {third, 3, 1, false},
      {third, 5, 3, true},  // strokes 3 and 4 lie after it
  };
  for (const auto& c : cases)
    EXPECT_EQ(JoinKeepsCheckedStrokes(c.checked, c.strokes, c.joinAt), c.keeps) << c.strokes << " " << c.joinAt;
  EXPECT_TRUE(JoinKeepsCheckedStrokes(CheckedStrokes{}, 2, 0));
}

TEST(SvgPath, EquivalentFormsGiveTheSamePoints) {
  const struct {
    const char* path;
    const char* same;
  } cases[] = {
      {"m10,20 l20,0 h20 v40 l-40,0", "M10,20 L30,20 H50 V60 L10,60"},
      {"m5,5 10,0 0,10", "M5,5 L15,5 L15,15"},  // pairs after a move are lines
      {"M10,10 c0,10 10,10 10,0", "M10,10 C10,20 20,20 20,10"},
      // S after C reflects (10,10) about (20,0) into (30,-10).
      {"M0,0 C0,10 10,10 20,0 S40,-10 40,0", "M0,0 C0,10 10,10 20,0 C30,-10 40,-10 40,0"},
      {"M0,0 c0,10 10,10 20,0 s20,-10 20,0", "M0,0 C0,10 10,10 20,0 C30,-10 40,-10 40,0"},
      // Without a curve before, the first control point is the current point.
      {"M0,0 S10,10 20,0", "M0,0 C0,0 10,10 20,0"},
      {"M0,0 Q10,10 20,0 T40,0", "M0,0 Q10,10 20,0 Q30,-10 40,0"},
      // Signs and a second decimal point start new numbers; exponents are read.
      {"M1-2L.5.5l1e1,-2E0", "M1,-2 L0.5,0.5 L10.5,-1.5"},
      // Z returns to the subpath's start, and the next command starts from there.
      {"M10,10 L20,10 L20,20 Z l5,0", "M10,10 L20,10 L20,20 L10,10 L15,10"},
  };
  for (const auto& c : cases) {
    const auto p = Flatten(c.path), q = Flatten(c.same);
    ASSERT_EQ(p.size(), 1u) << c.path;
    ASSERT_EQ(p[0].size(), q[0].size()) << c.path;
    for (size_t i = 0; i < p[0].size(); ++i) ExpectPoint(p[0][i], q[0][i].x, q[0][i].y);
  }
  const auto abs = Flatten("M10,20 L30,20 H50 V60 L10,60");
  ASSERT_EQ(abs[0].size(), 5u);
  ExpectPoint(abs[0][2], 50, 20);
  ExpectPoint(abs[0][3], 50, 60);
  // Each move starts a polyline; close returns to its start.
  const auto two = Flatten("M0,0 L1,1 M5,5 l1,0 z");
  ASSERT_EQ(two.size(), 2u);
  ExpectPoint(two[1][0], 5, 5);
  ExpectPoint(two[1].back(), 5, 5);
}

TEST(SvgPath, CubicEndsOnItsEndPointAndFollowsTheCurve) {
  const auto p = Flatten("M0,0 C0,10 10,10 10,0");
  const Polyline& line = p[0];
  ASSERT_GT(line.size(), 8u);
  ExpectPoint(line.back(), 10, 0);
  // The middle of this symmetric curve is at (5, 7.5).
  double best = 1e9;
  for (const PointF& q : line) best = std::min(best, std::hypot(q.x - 5, q.y - 7.5));
  EXPECT_LT(best, 0.5);
  // Pieces stay short.
  for (size_t i = 1; i < line.size(); ++i)
    EXPECT_LE(std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y), 1.0 + 1e-9);
}

TEST(SvgPath, Errors) {
  const std::pair<const char*, const char*> cases[] = {
      {"M0,0 A5,5 0 0 1 10,10", "unsupported path command 'A'"}, {"M0,0 L5", "missing number"},
      {"10,10 L5,5", "does not start with a command"},           {"L5,5", "does not start with a move"},
      {"M0,0 Z 5", "closepath"},                                 {"M0,0 L1e999,0", "missing number"}};
  for (const auto& [d, why] : cases) EXPECT_NE(FlattenError(d).find(why), std::string::npos) << d;
  EXPECT_TRUE(Flatten("").empty());
}
