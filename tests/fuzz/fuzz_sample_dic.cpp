// Builds the fuzz targets' sample dictionary with the engine's own extraction.
#include "fuzz_sample_dic.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "dicwriter.h"
#include "penbuild.h"

std::vector<uint8_t> SampleDictionaryImage() {
  std::vector<SubDicSpec> subs(6);
  subs[0].typeMask = kClassKanji;
  AddWriting(&subs[0], 0x88EA, {PenLine(40, 100, 160, 100)});                            // 一
  AddWriting(&subs[0], 0x93F1, {PenLine(60, 70, 140, 70), PenLine(40, 135, 160, 135)});  // 二
  AddWriting(&subs[0], 0x8F5C, {PenLine(40, 95, 160, 95), PenLine(100, 35, 100, 165)});  // 十
  AddWriting(&subs[0], 0x8CFB,
             {PenLine(60, 60, 60, 150), PenPath({{60, 60}, {140, 60}, {140, 150}}), PenLine(60, 150, 140, 150)});
  AddWriting(&subs[0], 0x9379,
             {PenLine(50, 90, 150, 90), PenLine(100, 40, 100, 160), PenLine(35, 160, 165, 160)});  // 土
  subs[1].typeMask = kClassHiragana | kClassKatakana;
  AddWriting(&subs[1], 0x82A2, {PenPath({{60, 55}, {55, 115}, {75, 150}}), PenPath({{130, 70}, {150, 125}})});  // い
  AddWriting(&subs[1], 0x82C2, {PenPath({{35, 90}, {110, 65}, {155, 90}, {140, 135}, {85, 150}})});             // つ
  AddWriting(&subs[1], 0x82A0,
             {PenLine(50, 60, 150, 60), PenLine(95, 30, 110, 170),
              PenPath({{120, 80}, {60, 160}, {40, 120}, {100, 90}, {160, 120}, {130, 170}})});  // あ
  // Members of look-alike groups, so that recognition runs the structural checks.
  const PenStroke hook = PenPath({{60, 40}, {55, 150}, {120, 110}, {150, 150}, {130, 175}});
  AddWriting(&subs[1], 0x82BF,
             {PenLine(40, 70, 160, 70), PenPath({{90, 30}, {70, 120}, {140, 110}, {130, 170}, {80, 175}})});  // ち
  AddWriting(&subs[1], 0x82E7,
             {PenLine(80, 40, 120, 55), PenPath({{70, 70}, {65, 130}, {140, 110}, {130, 170}, {80, 175}})});  // ら
  AddWriting(&subs[1], 0x82CD, {PenLine(45, 40, 50, 170), PenLine(90, 80, 160, 80), hook});                   // は
  AddWriting(&subs[1], 0x82CE,
             {PenLine(45, 40, 50, 170), PenLine(90, 80, 160, 80), hook, PenLine(160, 30, 170, 45),
              PenLine(175, 25, 185, 40)});  // ば
  AddWriting(&subs[1], 0x82CF,
             {PenLine(45, 40, 50, 170), PenLine(90, 80, 160, 80), hook,
              PenPath({{170, 30}, {160, 40}, {170, 50}, {180, 40}, {170, 30}})});  // ぱ
  AddWriting(&subs[1], 0x82E9,
             {PenPath({{50, 40}, {150, 40}, {60, 120}, {150, 130}, {120, 175}, {90, 160}, {100, 145}})});        // る
  AddWriting(&subs[1], 0x82EB, {PenPath({{50, 40}, {150, 40}, {60, 120}, {150, 130}, {120, 175}, {80, 170}})});  // ろ
  AddWriting(&subs[1], 0x82CB,
             {PenLine(60, 30, 65, 175),
              PenPath({{30, 70}, {110, 60}, {40, 170}, {150, 110}, {150, 170}, {120, 160}, {140, 150}})});  // ね
  AddWriting(
      &subs[1], 0x82EA,
      {PenLine(60, 30, 65, 175), PenPath({{30, 70}, {110, 60}, {40, 170}, {150, 110}, {150, 170}, {175, 165}})});  // れ
  AddWriting(
      &subs[1], 0x82ED,
      {PenLine(60, 30, 65, 175), PenPath({{30, 70}, {110, 60}, {40, 170}, {150, 100}, {150, 160}, {90, 175}})});  // わ
  AddWriting(&subs[1], 0x8369, {PenLine(40, 80, 160, 80), PenPath({{110, 30}, {100, 120}, {50, 170}})});          // ナ
  AddWriting(&subs[1], 0x836E, {PenPath({{80, 60}, {40, 150}}), PenPath({{120, 60}, {165, 150}})});               // ハ
  AddWriting(&subs[1], 0x8347,
             {PenLine(50, 50, 150, 50), PenLine(100, 50, 100, 160), PenLine(35, 160, 165, 160)});  // エ
  subs[2].typeMask = kClassDigit;
  subs[2].flags = 1;                                                                                   // exclusive
  AddWriting(&subs[2], 0x824F, {PenPath({{100, 30}, {50, 100}, {100, 170}, {150, 100}, {100, 30}})});  // ０
  AddWriting(&subs[2], 0x8250, {PenLine(100, 30, 100, 170)});                                          // １
  AddWriting(&subs[2], 0x8254,
             {PenLine(70, 40, 65, 100), PenPath({{65, 100}, {140, 100}, {130, 160}, {60, 170}}),
              PenLine(70, 40, 150, 40)});  // ５
  subs[3].typeMask = kClassSymbol;
  AddWriting(&subs[3], 0x8141, {PenLine(100, 100, 104, 104)});                                         // 、
  AddWriting(&subs[3], 0x819B, {PenPath({{100, 30}, {40, 100}, {100, 170}, {160, 100}, {100, 30}})});  // ○
  AddWriting(&subs[3], 0x8181, {PenLine(40, 80, 160, 80), PenLine(40, 120, 160, 120)});                // ＝
  AddWriting(&subs[3], 0x814A, {PenLine(100, 40, 110, 60), PenLine(120, 40, 130, 60)});                // ゛
  AddWriting(&subs[3], 0x817B, {PenLine(40, 100, 160, 100), PenLine(100, 40, 100, 160)});              // ＋
  subs[5].typeMask = kClassCapital;
  AddWriting(&subs[5], 0x8273, {PenLine(40, 45, 160, 45), PenLine(100, 45, 100, 170)});  // Ｔ
  subs[4].typeMask = kClassGesture;
  AddWriting(&subs[4], 0x8051, {PenPath({{30, 90}, {80, 170}, {175, 20}})});
  AddWriting(&subs[4], 0x805D, {PenLine(170, 100, 30, 100)});
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
