// Reading the engine's look-alike table for the strokes its checks look at, so that
// the dictionary stores no form whose strokes those checks would misread.
#include "checked_strokes.h"

#include "ruiji_table.h"

namespace {

// Which parameters of a check are stroke numbers of the entry's own pattern.
enum class OwnStrokes { kNone, kFirst, kSecond, kBoth };

OwnStrokes OwnStrokesOf(int number) {
  switch (number) {
    case 10: case 11: case 12: case 13: case 19:  // L joints
    case 20: case 21: case 22: case 23: case 24:  // crossing and T joints
    case 40: case 41:                             // touching
    case 56: case 57: case 58: case 59:           // chains and joints
    case 60: case 61:                             // above
    case 71: case 72: case 73:                    // turn, length, meeting
    case 200: case 202: case 205: case 207:       // chains with loop marks
      return OwnStrokes::kBoth;
    case 55: case 66: case 80:
      return OwnStrokes::kFirst;
    case 67: case 68:  // loop marks: the stroke is p1
      return OwnStrokes::kSecond;
    default:
      return OwnStrokes::kNone;
  }
}

void AddStroke(CheckedStrokes* checked, int stroke) {
  if (stroke >= 0) checked->fromStart.insert(stroke);
}

void AddFromEnd(CheckedStrokes* checked, int count) {
  if (count > checked->fromEnd) checked->fromEnd = count;
}

// What the checks of one entry read in patterns of code, be it the entry's own code
// or a code the checks name.
void AddEntry(const RuijiEntry& entry, uint16_t code, CheckedStrokes* checked) {
  for (int i = 0; i < kRuijiChecksPerEntry; ++i) {
    const RuijiCheck& c = entry.check[i];
    if (c.number == kRuijiNoCheck) break;
    const int8_t* p = c.p;
    if (entry.code == code) {
      const OwnStrokes own = OwnStrokesOf(c.number);
      if (own == OwnStrokes::kFirst || own == OwnStrokes::kBoth) AddStroke(checked, p[0]);
      if (own == OwnStrokes::kSecond || own == OwnStrokes::kBoth) AddStroke(checked, p[1]);
    }
    const uint16_t named = RuijiParamCode(p[1], p[2]);
    switch (c.number) {
      case 50: case 51: case 54:  // stroke p0 of the named candidate
        if (named == code) AddStroke(checked, p[0]);
        break;
      case 62: case 64:  // its last stroke
        if (named == code) AddFromEnd(checked, 1);
        break;
      case 63: case 65:  // its last two strokes
        if (named == code) AddFromEnd(checked, 2);
        break;
      case 66:  // a check 2 after it names the candidate whose stroke p0 is read
        if (i + 1 < kRuijiChecksPerEntry && entry.check[i + 1].number == 2) {
          const int8_t* q = entry.check[i + 1].p;
          if (RuijiParamCode(q[0], q[1]) == code) AddStroke(checked, p[0]);
        }
        break;
      default:
        break;
    }
  }
}

}  // namespace

CheckedStrokes LookAlikeCheckedStrokes(uint16_t code) {
  CheckedStrokes checked;
  for (const RuijiGroup* g = ZkRuijiTable; g->count != kRuijiTableEnd; ++g) {
    if (g->count > kRuijiEntriesPerGroup) continue;  // the closing group that never matches
    for (int i = 0; i < g->count; ++i) AddEntry(g->entry[i], code, &checked);
  }
  return checked;
}

bool JoinKeepsCheckedStrokes(const CheckedStrokes& checked, int strokes, int first) {
  // Strokes before the pair keep their numbers, and so does the first of the pair,
  // whose start stays where it was when the pen runs on from it into the next stroke;
  // the strokes after the pair do not. (Joined forms of a checked stroke running on
  // are read better, and the writings with separate strokes no worse, on the
  // benchmark.)
  if (!checked.fromStart.empty() && *checked.fromStart.rbegin() > first) return false;
  // The last strokes keep theirs when the pair lies wholly before them. The pen also
  // runs on from the body into a voiced mark: the stroke before the last checked ones
  // taken into the first of them (the first dot of ゛, the circle of ゜) leaves the
  // mark's strokes last and their ends in place, and the checks still read them
  // right. Joining the two dots of ゛ into one stroke does not.
  const int firstChecked = strokes - checked.fromEnd;
  return first + 1 < firstChecked || (checked.fromEnd > 0 && first + 1 == firstChecked);
}
