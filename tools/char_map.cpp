// Unicode to dictionary code through the engine's own conversions.
#include "char_map.h"

#include "codes.h"
#include "textconv.h"

bool IsJisX0208Code(uint16_t code) {
  const int lead = code >> 8, trail = code & 0xFF;
  const bool leadOk = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEF);
  if (!leadOk || trail < 0x40 || trail > 0xFC || trail == 0x7F) return false;
  // Each lead byte covers two rows; the trail byte picks the row and the cell.
  const int rowPair = lead <= 0x9F ? lead - 0x81 : lead - 0xC1;
  const int row = rowPair * 2 + (trail >= 0x9F ? 2 : 1);
  const int cell = trail >= 0x9F ? trail - 0x9E : trail - (trail >= 0x80 ? 0x40 : 0x3F);
  if (row >= 1 && row <= 8) return true;
  if (row == 47) return cell <= 51;  // level 1 ends at 0x9872
  if (row >= 16 && row <= 83) return true;
  return row == 84 && cell <= 6;
}


uint16_t DictionaryCodeOf(uint32_t codePoint) {
  if (codePoint == 0) return 0;
  uint16_t code = 0;
  if (codePoint < 0x80) {
    if (codePoint <= 0x20 || codePoint == 0x7F) return 0;
    code = ZkAsciiToSJis(static_cast<uint16_t>(codePoint));
  } else {
    const std::string utf8 = Utf8FromCodePoint(codePoint);
    if (utf8.empty()) return 0;
    code = Utf8ToSjisCode(utf8);
  }
  return IsJisX0208Code(code) ? code : 0;
}
