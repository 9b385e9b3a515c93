// Looking up a character pair in the loaded table: bisection over the sorted
// indexes of a data type's from-entries, then over the entry's transitions.
#include <algorithm>

#include "seni_state.h"

namespace {

constexpr int kMaxRounds = 9999;

bool DataTypeLoaded(int dataType) { return dataType >= 0 && dataType < SNtable.SNnomng; }

}  // namespace

int SeniBSearch(int low, int high, const int16_t* array, int size, int key, int* found) {
  *found = -1;
  if (low > high) return kSeniDone;  // an empty range holds nothing
  if (low < 0 || high < 0 || high >= size || array == nullptr) return kSeniBadType;
  for (int round = 0; low <= high && round < kMaxRounds; ++round) {
    const int mid = (low + high) / 2;
    if (array[mid] == key) {
      *found = mid;
      break;
    }
    if (key < array[mid])
      high = mid - 1;
    else
      low = mid + 1;
  }
  return kSeniDone;
}

int SeniGetPrbl(uint16_t from, uint16_t to, int32_t* occurrences, int32_t* pairCount) {
  // The data type is checked before its largest count is read as the default.
  if (!DataTypeLoaded(SNrun.SNdatatype)) return kSeniBadType;
  *pairCount = SNrun.SNdef_prbl;
  *occurrences = SNtable.SNmax_kaisuu[SNrun.SNdatatype];
  const int fromIndex = SeniCodeIndex(from);
  const int toIndex = SeniCodeIndex(to);
  if (fromIndex < 0 || toIndex < 0) return kSeniDone;

  const int firstFrom = SNtable.SNp_from[SNrun.SNdatatype];
  int entry;
  int r = SeniBSearch(firstFrom, firstFrom + SNtable.SNn_from[SNrun.SNdatatype] - 1, SNtable.SNmjfrom.data(), SNtable.SNnobmoji, fromIndex,
                      &entry);
  if (r != kSeniDone || entry < 0) return r;
  *occurrences = SNtable.SNkaisuu[entry];

  const int firstTo = SNtable.SNp_prbl[entry];
  int transition;
  r = SeniBSearch(firstTo, firstTo + SNtable.SNn_prbl[entry] - 1, SNtable.SNmjto.data(), SNtable.SNnoprbl, toIndex, &transition);
  if (r != kSeniDone) return r;
  if (transition >= 0)
    *pairCount = SNtable.SNmjprbl[transition];
  else
    *occurrences = SNtable.SNmax_kaisuu[SNrun.SNdatatype];
  return kSeniDone;
}
