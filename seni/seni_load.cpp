// Loading and releasing the transition table. Every count, index and range read
// from the file is checked before it is stored, so a damaged file is refused
// (result 3) instead of filling the tables past their ends.
#include <new>

#include "paths.h"
#include "saferead.h"
#include "seni_format.h"
#include "seni_state.h"

namespace {

constexpr long long kMaxI16 = 32767;
constexpr long long kMaxI32 = 2147483647;

class LineSource {
 public:
  // A FIFO or device in place of the table is refused rather than read.
  explicit LineSource(const std::string& path) : in_(path, kSeniMaxLineLength, Symlinks::kFollow) {}
  bool IsOpen() const { return in_.IsOpen(); }
  int LineNumber() const { return static_cast<int>(in_.LineNumber()); }

  // Next line without its line end; false at the end of the file or at a line
  // longer than the format allows (TooLong() tells which).
  bool Next(std::string* line) {
    if (!in_.Next(line)) return false;
    if (in_.Truncated()) {
      tooLong_ = true;
      return false;
    }
    return true;
  }
  bool TooLong() const { return tooLong_; }

 private:
  BoundedLineReader in_;
  bool tooLong_ = false;
};

struct Loader {
  LineSource& source;
  std::string* why;
  std::string line;

  bool Fail(const std::string& what) {
    if (why) *why = "line " + std::to_string(source.LineNumber()) + ": " + what;
    return false;
  }
  // Reads the next line; `what` names it in the error when the file ends first.
  bool Line(const char* what) {
    if (source.Next(&line)) return true;
    if (source.TooLong()) return Fail("longer than 79 characters");
    if (why) *why = std::string("the file ends before the ") + what;
    return false;
  }
  // Reads a field and checks that it lies in [low, high].
  bool Field(SeniColumns columns, long long low, long long high, const char* name, long long* value) {
    if (!SeniReadField(line, columns, value)) return Fail(std::string(name) + " is not a number");
    if (*value < low || *value > high)
      return Fail(std::string(name) + " " + std::to_string(*value) + " is out of range");
    return true;
  }

  bool ReadTypes() {
    if (!Line("header")) return false;
    long long types;
    if (!Field(kSeniHeaderTypes, 0, SNmamng, "number of data types", &types)) return false;
    SNtable.SNnomng = static_cast<int>(types);
    for (int m = 0; m < SNtable.SNnomng; ++m) {
      if (!Line("end of the data types")) return false;
      long long first, count;
      if (!Field(kSeniTypeFirst, 0, SNmabmoji, "first from-entry", &first) ||
          !Field(kSeniTypeCount, 0, SNmabmoji, "number of from-entries", &count))
        return false;
      SNtable.SNp_from[m] = static_cast<int16_t>(first);
      SNtable.SNn_from[m] = static_cast<int16_t>(count);
    }
    return true;
  }

  bool ReadFromEntries() {
    if (!Line("number of from-entries")) return false;
    long long total;
    if (!Field(kSeniFromTotal, 0, SNmabmoji, "number of from-entries", &total)) return false;
    SNtable.SNnobmoji = static_cast<int>(total);
    for (int m = 0; m < SNtable.SNnomng; ++m)
      if (SNtable.SNp_from[m] + SNtable.SNn_from[m] > SNtable.SNnobmoji)
        return Fail("data type " + std::to_string(m) + " runs past the from-entries");
    for (int f = 0; f < SNtable.SNnobmoji; ++f) {
      if (!Line("end of the from-entries")) return false;
      long long index, occurrences, first, count;
      if (!Field(kSeniFromIndex, 0, kSeniIndexCount - 1, "from-character index", &index) ||
          !Field(kSeniFromOccurrences, 1, kMaxI32, "occurrence count", &occurrences) ||
          !Field(kSeniFromFirst, 0, SNmaprbl, "first transition", &first) ||
          !Field(kSeniFromCount, 0, kMaxI16, "number of transitions", &count))
        return false;
      SNtable.SNmjfrom[f] = static_cast<int16_t>(index);
      SNtable.SNkaisuu[f] = static_cast<int32_t>(occurrences);
      SNtable.SNp_prbl[f] = static_cast<int32_t>(first);
      SNtable.SNn_prbl[f] = static_cast<int16_t>(count);
    }
    return true;
  }

  bool ReadTransitions() {
    if (!Line("number of transitions")) return false;
    long long total;
    if (!Field(kSeniTransitionTotal, 0, SNmaprbl, "number of transitions", &total)) return false;
    SNtable.SNnoprbl = static_cast<int>(total);
    for (int f = 0; f < SNtable.SNnobmoji; ++f)
      if (SNtable.SNp_prbl[f] + SNtable.SNn_prbl[f] > SNtable.SNnoprbl)
        return Fail("from-entry " + std::to_string(f) + " runs past the transitions");
    for (int t = 0; t < SNtable.SNnoprbl; ++t) {
      if (!Line("end of the transitions")) return false;
      long long index, count;
      if (!Field(kSeniToIndex, 0, kSeniIndexCount - 1, "to-character index", &index) ||
          !Field(kSeniPairCount, 0, kMaxI16, "pair count", &count))
        return false;
      SNtable.SNmjto[t] = static_cast<int16_t>(index);
      SNtable.SNmjprbl[t] = static_cast<int16_t>(count);
    }
    while (source.Next(&line))
      if (line.find_first_not_of(" \t") != std::string::npos) return Fail("text after the last transition");
    if (source.TooLong()) return Fail("longer than 79 characters");
    return true;
  }

  // The lookups bisect both levels, so both must be in strictly rising order.
  bool CheckOrder() {
    for (int m = 0; m < SNtable.SNnomng; ++m)
      for (int f = SNtable.SNp_from[m] + 1; f < SNtable.SNp_from[m] + SNtable.SNn_from[m]; ++f)
        if (SNtable.SNmjfrom[f] <= SNtable.SNmjfrom[f - 1]) {
          if (why) *why = "from-entries of data type " + std::to_string(m) + " are not sorted";
          return false;
        }
    for (int f = 0; f < SNtable.SNnobmoji; ++f)
      for (int t = SNtable.SNp_prbl[f] + 1; t < SNtable.SNp_prbl[f] + SNtable.SNn_prbl[f]; ++t)
        if (SNtable.SNmjto[t] <= SNtable.SNmjto[t - 1]) {
          if (why) *why = "transitions of from-entry " + std::to_string(f) + " are not sorted";
          return false;
        }
    return true;
  }
};

void ResetCounts() {
  SNtable.SNnomng = 0;
  SNtable.SNnobmoji = 0;
  SNtable.SNnoprbl = 0;
  for (int m = 0; m < SNmamng; ++m) {
    SNtable.SNp_from[m] = SNtable.SNn_from[m] = 0;
    SNtable.SNmax_kaisuu[m] = 0;
  }
}

template <typename T>
void Release(std::vector<T>* v) {
  std::vector<T>().swap(*v);
}

}  // namespace

void SeniClose() {
  Release(&SNtable.SNmjfrom);
  Release(&SNtable.SNkaisuu);
  Release(&SNtable.SNp_prbl);
  Release(&SNtable.SNn_prbl);
  Release(&SNtable.SNmjto);
  Release(&SNtable.SNmjprbl);
  ResetCounts();
}

int SeniJisho() { return SeniJishoFrom(ZkDefaultTransitionDicPath()); }

int SeniJishoFrom(const std::string& path, std::string* why) {
  SeniClose();
  try {
    SNtable.SNmjfrom.assign(SNmabmoji, 0);
    SNtable.SNkaisuu.assign(SNmabmoji, 0);
    SNtable.SNp_prbl.assign(SNmabmoji, 0);
    SNtable.SNn_prbl.assign(SNmabmoji, 0);
    SNtable.SNmjto.assign(SNmaprbl, 0);
    SNtable.SNmjprbl.assign(SNmaprbl, 0);
  } catch (const std::bad_alloc&) {
    SeniClose();
    if (why) *why = "memory exhausted";
    return kSeniNoMemory;
  }
  LineSource source(path);
  if (!source.IsOpen()) {
    SeniClose();
    if (why) *why = "cannot open " + path;
    return kSeniNoFile;
  }
  Loader loader{source, why, {}};
  if (!loader.ReadTypes() || !loader.ReadFromEntries() || !loader.ReadTransitions() || !loader.CheckOrder()) {
    SeniClose();
    return kSeniBadFile;
  }
  for (int m = 0; m < SNtable.SNnomng; ++m) {
    int32_t largest = 0;
    for (int f = SNtable.SNp_from[m]; f < SNtable.SNp_from[m] + SNtable.SNn_from[m]; ++f)
      if (SNtable.SNkaisuu[f] > largest) largest = SNtable.SNkaisuu[f];
    SNtable.SNmax_kaisuu[m] = largest;
  }
  return kSeniLoaded;
}
