// Builds the fuzz targets' sample dictionary with the engine's own extraction.
#include "fuzz_sample_dic.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "dicwriter.h"
#include "preprocess.h"

namespace {

using Stroke = std::vector<std::pair<int, int>>;

Stroke Line(int x0, int y0, int x1, int y1) {
  Stroke s;
  for (int i = 0; i <= 20; ++i) s.push_back({x0 + (x1 - x0) * i / 20, y0 + (y1 - y0) * i / 20});
  return s;
}

Stroke Path(const std::vector<std::pair<int, int>>& corners) {
  Stroke s;
  for (size_t i = 0; i + 1 < corners.size(); ++i) {
    Stroke piece = Line(corners[i].first, corners[i].second, corners[i + 1].first, corners[i + 1].second);
    s.insert(s.end(), piece.begin() + (i ? 1 : 0), piece.end());
  }
  return s;
}

void Add(SubDicSpec* sub, uint16_t code, const std::vector<Stroke>& strokes) {
  std::vector<uint16_t> pen;
  for (const Stroke& s : strokes) {
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(s.size()));
    for (const auto& p : s) {
      pen.push_back(static_cast<uint16_t>(p.first));
      pen.push_back(static_cast<uint16_t>(p.second));
    }
  }
  pen.push_back(kPenEnd);
  KusabiPattern pattern;
  NormState norm{};
  ZkRNKinji(pen.data(), &pattern, &norm, static_cast<int>(strokes.size()));
  sub->groups[DicGroupOf(pattern.strokes)].push_back(PatternToSpec(code, pattern));
}

}  // namespace

std::vector<uint8_t> SampleDictionaryImage() {
  std::vector<SubDicSpec> subs(6);
  subs[0].typeMask = kClassKanji;
  Add(&subs[0], 0x88EA, {Line(40, 100, 160, 100)});                                                  // 一
  Add(&subs[0], 0x93F1, {Line(60, 70, 140, 70), Line(40, 135, 160, 135)});                           // 二
  Add(&subs[0], 0x8F5C, {Line(40, 95, 160, 95), Line(100, 35, 100, 165)});                           // 十
  Add(&subs[0], 0x8CFB, {Line(60, 60, 60, 150), Path({{60, 60}, {140, 60}, {140, 150}}), Line(60, 150, 140, 150)});
  Add(&subs[0], 0x9379, {Line(50, 90, 150, 90), Line(100, 40, 100, 160), Line(35, 160, 165, 160)});    // 土
  subs[1].typeMask = kClassHiragana | kClassKatakana;
  Add(&subs[1], 0x82A2, {Path({{60, 55}, {55, 115}, {75, 150}}), Path({{130, 70}, {150, 125}})});   // い
  Add(&subs[1], 0x82C2, {Path({{35, 90}, {110, 65}, {155, 90}, {140, 135}, {85, 150}})});          // つ
  Add(&subs[1], 0x82A0, {Line(50, 60, 150, 60), Line(95, 30, 110, 170),
                         Path({{120, 80}, {60, 160}, {40, 120}, {100, 90}, {160, 120}, {130, 170}})});  // あ
  // Members of look-alike groups, so that recognition runs the structural checks.
  const Stroke hook = Path({{60, 40}, {55, 150}, {120, 110}, {150, 150}, {130, 175}});
  Add(&subs[1], 0x82BF, {Line(40, 70, 160, 70), Path({{90, 30}, {70, 120}, {140, 110}, {130, 170}, {80, 175}})});  // ち
  Add(&subs[1], 0x82E7, {Line(80, 40, 120, 55), Path({{70, 70}, {65, 130}, {140, 110}, {130, 170}, {80, 175}})});  // ら
  Add(&subs[1], 0x82CD, {Line(45, 40, 50, 170), Line(90, 80, 160, 80), hook});                              // は
  Add(&subs[1], 0x82CE, {Line(45, 40, 50, 170), Line(90, 80, 160, 80), hook, Line(160, 30, 170, 45),
                         Line(175, 25, 185, 40)});                                                         // ば
  Add(&subs[1], 0x82CF, {Line(45, 40, 50, 170), Line(90, 80, 160, 80), hook,
                         Path({{170, 30}, {160, 40}, {170, 50}, {180, 40}, {170, 30}})});                  // ぱ
  Add(&subs[1], 0x82E9, {Path({{50, 40}, {150, 40}, {60, 120}, {150, 130}, {120, 175}, {90, 160}, {100, 145}})});  // る
  Add(&subs[1], 0x82EB, {Path({{50, 40}, {150, 40}, {60, 120}, {150, 130}, {120, 175}, {80, 170}})});    // ろ
  Add(&subs[1], 0x82CB, {Line(60, 30, 65, 175), Path({{30, 70}, {110, 60}, {40, 170}, {150, 110}, {150, 170}, {120, 160}, {140, 150}})});  // ね
  Add(&subs[1], 0x82EA, {Line(60, 30, 65, 175), Path({{30, 70}, {110, 60}, {40, 170}, {150, 110}, {150, 170}, {175, 165}})});  // れ
  Add(&subs[1], 0x82ED, {Line(60, 30, 65, 175), Path({{30, 70}, {110, 60}, {40, 170}, {150, 100}, {150, 160}, {90, 175}})});  // わ
  Add(&subs[1], 0x8369, {Line(40, 80, 160, 80), Path({{110, 30}, {100, 120}, {50, 170}})});              // ナ
  Add(&subs[1], 0x836E, {Path({{80, 60}, {40, 150}}), Path({{120, 60}, {165, 150}})});                   // ハ
  Add(&subs[1], 0x8347, {Line(50, 50, 150, 50), Line(100, 50, 100, 160), Line(35, 160, 165, 160)});     // エ
  subs[2].typeMask = kClassDigit;
  subs[2].flags = 1;  // exclusive
  Add(&subs[2], 0x824F, {Path({{100, 30}, {50, 100}, {100, 170}, {150, 100}, {100, 30}})});        // ０
  Add(&subs[2], 0x8250, {Line(100, 30, 100, 170)});                                                  // １
  Add(&subs[2], 0x8254, {Line(70, 40, 65, 100), Path({{65, 100}, {140, 100}, {130, 160}, {60, 170}}), Line(70, 40, 150, 40)});  // ５
  subs[3].typeMask = kClassSymbol;
  Add(&subs[3], 0x8141, {Line(100, 100, 104, 104)});                                                 // 、
  Add(&subs[3], 0x819B, {Path({{100, 30}, {40, 100}, {100, 170}, {160, 100}, {100, 30}})});        // ○
  Add(&subs[3], 0x8181, {Line(40, 80, 160, 80), Line(40, 120, 160, 120)});                           // ＝
  Add(&subs[3], 0x814A, {Line(100, 40, 110, 60), Line(120, 40, 130, 60)});                           // ゛
  Add(&subs[3], 0x817B, {Line(40, 100, 160, 100), Line(100, 40, 100, 160)});                         // ＋
  subs[5].typeMask = kClassCapital;
  Add(&subs[5], 0x8273, {Line(40, 45, 160, 45), Line(100, 45, 100, 170)});                           // Ｔ
  subs[4].typeMask = kClassGesture;
  Add(&subs[4], 0x8051, {Path({{30, 90}, {80, 170}, {175, 20}})});
  Add(&subs[4], 0x805D, {Line(170, 100, 30, 100)});
  std::vector<uint8_t> image;
  std::string error;
  DicWriteOptions options;
  options.timeStamp = 1;
  BuildDicImage(subs, options, &image, &error);
  return image;
}

namespace {

std::vector<std::string> g_scratchFiles;

void RemoveScratchFiles() {
  for (const auto& path : g_scratchFiles) unlink(path.c_str());
}

}  // namespace

std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
  // A file rewritten on every run: memory-backed when the system has /dev/shm.
  struct stat st;
  const bool shm = stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) && access("/dev/shm", W_OK) == 0;
  const std::string path =
      std::string(shm ? "/dev/shm" : "/tmp") + "/sorenix-fuzz-" + std::to_string(getpid()) + "-" + name;
  if (g_scratchFiles.empty()) std::atexit(RemoveScratchFiles);
  if (std::find(g_scratchFiles.begin(), g_scratchFiles.end(), path) == g_scratchFiles.end())
    g_scratchFiles.push_back(path);
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}
