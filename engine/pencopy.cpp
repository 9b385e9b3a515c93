// The engine's own copy of the caller's pen data, within the limits it is built
// for and never reading past the caller's buffer.
#include <algorithm>

#include "recog.h"
#include "recogstages.h"

int CopyPenData(const uint16_t* pen, size_t penWords, uint16_t* out, size_t outWords) {
  if (outWords == 0) return 0;
  size_t pos = 0, at = 0;
  int strokes = 0, points = 0;
  while (pen != nullptr && strokes < kMaxStrokes && pos + 1 < penWords && pen[pos] == kStrokeMark) {
    const int n = static_cast<int16_t>(pen[pos + 1]);
    if (n < 0) break;
    if (n == 0) {  // nothing to keep; the next stroke mark follows
      pos += 2;
      continue;
    }
    const size_t inBuffer = (penWords - pos - 2) / 2;
    const size_t room = (outWords - 1 - at) >= 2 ? (outWords - 1 - at - 2) / 2 : 0;
    const int take = static_cast<int>(std::min<size_t>({static_cast<size_t>(n), inBuffer, room,
                                                         static_cast<size_t>(kPenCopyPoints - points)}));
    if (take <= 0) break;
    out[at++] = kStrokeMark;
    out[at++] = static_cast<uint16_t>(take);
    std::copy(pen + pos + 2, pen + pos + 2 + 2 * static_cast<size_t>(take), out + at);
    at += 2 * static_cast<size_t>(take);
    points += take;
    ++strokes;
    if (take < n) break;  // cut short: nothing after it is used
    pos += 2 + 2 * static_cast<size_t>(n);
  }
  out[at] = kPenEnd;
  return strokes;
}
