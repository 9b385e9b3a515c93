// Fuzz target: arbitrary bytes as the settings file. Whatever it holds, every field
// ends within its range, the messages stay within their cap, and the record written
// back reads back the same.
#include <cstdint>
#include <cstdlib>

#include "app/settings.h"
#include "fuzz_sample_dic.h"

namespace {

constexpr int kW = 1024, kH = 768;

void CheckRanges(const ApTableRec& t) {
  const bool inRange = t.win_x >= 0 && t.win_x <= kW - 700 && t.win_y >= 0 && t.win_y <= kH - 93 &&
                       t.small_x >= 0 && t.small_y >= 0 && t.lframe_x >= 0 && t.lframe_y >= 0 &&
                       t.dsleep >= 0 && t.dsleep <= 50 && t.imode >= 1 && t.imode <= 12 && t.pmode >= 0 &&
                       t.pmode <= 2 && t.dbl_mode >= 1 && t.dbl_mode <= 2 && t.alc_mode >= 0 && t.alc_mode <= 6 &&
                       t.lframe_size >= 1 && t.lframe_size <= 3 && t.top_ex >= 0 && t.top_ex <= 1 &&
                       t.back_color <= 0xFFFFFF && t.head_color <= 0xFFFFFF && t.pen_bold >= 1 && t.pen_bold <= 5 &&
                       t.pen_color >= 0 && t.pen_color <= 5 && t.vframe_margin >= 0 && t.vframe_margin <= 60 &&
                       t.recog_timer >= 200 && t.recog_timer <= 5000 && t.seni_exec <= 1;
  if (!inRange) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteScratchFile("Sorenix.dat", data, size);
  ApTableRec table = ApTableDefaults(kW, kH);
  std::vector<std::string> warnings;
  if (!ApTableLoad(path, kW, kH, &table, &warnings) || warnings.size() > kSettingsWarningsNamed + 1) std::abort();
  CheckRanges(table);
  const std::string text = ApTableText(table);
  const std::string again = WriteScratchFile("Sorenix.dat", reinterpret_cast<const uint8_t*>(text.data()), text.size());
  ApTableRec back = ApTableDefaults(kW, kH);
  warnings.clear();
  if (!ApTableLoad(again, kW, kH, &back, &warnings) || !warnings.empty() || ApTableText(back) != text) std::abort();
  return 0;
}
