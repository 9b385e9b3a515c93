// The face table of the main window's keys.
#include "pad/keyfaces.h"

#include "ui/facetext.h"

namespace {

const char* const kSymbols[] = {"、", "。", "．", "，"};
const char* const kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const kArrows[] = {"←", "↑", "→", "↓"};

}  // namespace

std::string MainKeyFixedFace(int k, bool pressed) {
  const std::string down = pressed ? "51" : "50";
  switch (k) {
    case kKeyJoinSplit: return down + ";1:13:結 10:26:分";
    case kKeyKanji: return down + ";1:13:漢 10:26:変";
    case kKeyLargeSmall: return down + ";1:13:大 10:26:小";
    case kKeyHelp: return down + ";5:20:？";
    case kKeyBackSpace: return pressed ? "58;12:23:BS" : "57;12:23:BS";
    case kKeyOptions: return pressed ? "58;5:22:設定" : "57;5:22:設定";
    case kKeyTenKey: return pressed ? "58;2:22:数/記" : "57;2:22:数/記";
    case kKeyShrink: return pressed ? "82" : "81";
    default: break;
  }
  const std::string symbol = pressed ? "51" : "52";
  if (k >= kKeySymbolFirst && k <= 10) return symbol + ";9:17:" + kSymbols[k - kKeySymbolFirst];
  if (k == 11) return symbol;  // the space key: a face without text
  if (k >= 12 && k <= kKeySymbolLast) return symbol + ";6:22:" + kDigits[k - 12];
  if (k >= kKeyArrowFirst && k <= kKeyArrowLast)
    return std::string(pressed ? "54" : "53") + ";6:20:" + kArrows[k - kKeyArrowFirst];
  return "";
}

std::string MainKeyPressedVariant(int k, const std::string& face) {
  return ReplaceFaceStyle(face, k == kKeyPenMode ? "49" : "51");
}
