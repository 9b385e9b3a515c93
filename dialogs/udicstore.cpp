// The two-file changes of the user-dictionary dialogs, their undo, and the repair of
// the two files at start.
#include "dialogs/udicstore.h"

#include <cerrno>
#include <cstdio>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "codes.h"
#include "damagedcopy.h"
#include "saferead.h"
#include "safewrite.h"
#include "usrdic.h"

int UdicFiles::SaveDictionary() { return ZkSaveUsrDic(); }

LearnRead UdicFiles::ReadLearn(std::vector<uint8_t>* bytes) {
  bytes->clear();
  const std::string path = LearnFilePath();
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? LearnRead::kRead : LearnRead::kUnreadable;
  // The pad replaces this file: a symlink, FIFO or device in its place is not read.
  const int fd = OpenRegularFile(path, Symlinks::kRefuse);
  if (fd < 0) return LearnRead::kUnreadable;
  if (::fstat(fd, &st) != 0 || static_cast<uint64_t>(st.st_size) > kLearnMaxBytes) {
    ::close(fd);
    return LearnRead::kTooLarge;
  }
  std::FILE* f = ::fdopen(fd, "rb");
  if (!f) {
    ::close(fd);
    return LearnRead::kUnreadable;
  }
  uint8_t block[4096];
  size_t n;
  while ((n = std::fread(block, 1, sizeof block, f)) > 0 && bytes->size() <= kLearnMaxBytes)
    bytes->insert(bytes->end(), block, block + n);
  const bool ok = !std::ferror(f) && bytes->size() <= kLearnMaxBytes;  // it may grow while read
  std::fclose(f);
  return ok ? LearnRead::kRead : LearnRead::kUnreadable;
}

bool UdicFiles::WriteLearn(const std::vector<uint8_t>& bytes) {
  const std::string path = LearnFilePath();
  ::mkdir(path.substr(0, path.rfind('/')).c_str(), 0700);  // a fresh account has no directory yet
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

bool UdicFiles::RemoveLearn() { return ::unlink(LearnFilePath().c_str()) == 0 || errno == ENOENT; }

bool UdicFiles::KeepDamagedLearn(std::string* keptAs, bool* fresh) {
  return KeepDamagedCopy(LearnFilePath(), keptAs, fresh, nullptr);
}

namespace {

// The learning file before a change: its bytes (to put back) and its readable records.
struct LearnBefore {
  bool existed = false;
  std::vector<uint8_t> bytes;
  std::vector<LearnRecord> records;
};

// Reads the learning file for a change. A damaged one is kept beside it first, as the
// change writes back only the records before the damage. False with the outcome when
// the file must not be changed.
bool ReadForChange(UdicFiles* files, LearnBefore* before, UdicResult* result) {
  const LearnRead read = files->ReadLearn(&before->bytes);
  if (read != LearnRead::kRead) {
    result->outcome = UdicOutcome::kLearnUnreadable;
    return false;
  }
  before->existed = !before->bytes.empty();
  bool clean = true;
  before->records = ParseLearnFile(before->bytes, &clean);
  if (clean) return true;
  std::string keptAs;
  bool fresh = false;
  if (!files->KeepDamagedLearn(&keptAs, &fresh)) {
    result->outcome = UdicOutcome::kLearnFailed;
    return false;
  }
  if (fresh) result->learnCopy = keptAs;
  return true;
}

bool WriteRecords(UdicFiles* files, const std::vector<LearnRecord>& records) {
  return records.empty() ? files->RemoveLearn() : files->WriteLearn(SerializeLearnFile(records));
}

// Puts the learning file back as it was before the change.
bool PutBack(UdicFiles* files, const LearnBefore& before) {
  return before.existed ? files->WriteLearn(before.bytes) : files->RemoveLearn();
}

// The dictionary save after the learning file was written failed: undo both.
UdicResult SaveFailed(UdicFiles* files, const LearnBefore& before, const std::vector<SubDicSpec>& snapshot,
                      int code, UdicResult result) {
  ZkUsrDicRestore(snapshot);  // the file was not touched
  result.outcome = PutBack(files, before) ? UdicOutcome::kDictionaryFailed : UdicOutcome::kInconsistent;
  result.code = code;
  return result;
}

bool SameRecord(const LearnRecord& a, const LearnRecord& b) {
  return a.euc[0] == b.euc[0] && a.euc[1] == b.euc[1] && a.pen == b.pen;
}

std::set<uint16_t> UserPatternCodes() {
  std::set<uint16_t> codes;
  for (uint16_t c = ZkInfoUsrDicPattern(1); c != 0; c = ZkInfoUsrDicPattern(0)) codes.insert(c);
  return codes;
}

}  // namespace

UdicResult UdicRegister(UdicFiles* files, uint16_t code, const uint8_t euc[2], const std::vector<uint16_t>& pen) {
  const int checked = ZkChrckEntryPatternUsr(code, pen.data(), pen.size());
  if (checked == kUsrAlreadyTaught) return {UdicOutcome::kAlreadyTaught, checked, {}};
  if (checked < 0) return {UdicOutcome::kDictionaryFailed, checked, {}};

  UdicResult result;
  LearnBefore before;
  if (!ReadForChange(files, &before, &result)) return result;
  std::vector<LearnRecord> records = before.records;
  LearnRecord added;
  added.euc[0] = euc[0];
  added.euc[1] = euc[1];
  added.pen = pen;
  records.push_back(std::move(added));

  const auto snapshot = ZkUsrDicSnapshot();
  const int entered = ZkEntryPatternUsr();
  if (entered < 0) return {UdicOutcome::kDictionaryFailed, entered, result.learnCopy};
  // The sample first: after a crash here the next start registers it again.
  if (!files->WriteLearn(SerializeLearnFile(records))) {
    ZkUsrDicRestore(snapshot);
    result.outcome = UdicOutcome::kLearnFailed;
    return result;
  }
  const int saved = files->SaveDictionary();
  if (saved < 0) return SaveFailed(files, before, snapshot, saved, result);
  return result;
}

UdicResult UdicDeleteRecord(UdicFiles* files, std::vector<LearnRecord>* records, int index) {
  if (index < 0 || index >= static_cast<int>(records->size())) return {UdicOutcome::kDictionaryFailed, kUsrNoPattern, {}};
  const LearnRecord& r = (*records)[index];
  const uint16_t code = EucToSjis(r.euc[0], r.euc[1]);

  UdicResult result;
  LearnBefore before;
  std::vector<LearnRecord> rest;
  bool inFile = false;
  if (!r.pen.empty()) {  // a listed pattern without sample is not in the file
    if (!ReadForChange(files, &before, &result)) return result;
    for (const auto& kept : before.records) {
      if (!inFile && SameRecord(kept, r)) {
        inFile = true;
        continue;
      }
      rest.push_back(kept);
    }
  }

  const auto snapshot = ZkUsrDicSnapshot();
  const int deleted = ZkDeletePatternUsr(code);
  // A sample whose pattern is gone already is still removed from the file.
  if (deleted < 0 && !(deleted == kUsrNoPattern && inFile)) return {UdicOutcome::kDictionaryFailed, deleted, {}};
  // The sample first: after a crash here the pattern is still listed and can be deleted.
  if (inFile && !WriteRecords(files, rest)) {
    ZkUsrDicRestore(snapshot);
    result.outcome = UdicOutcome::kLearnFailed;
    return result;
  }
  if (deleted == 0) {
    const int saved = files->SaveDictionary();
    if (saved < 0) return SaveFailed(files, before, snapshot, saved, result);
  }
  records->erase(records->begin() + index);
  return result;
}

UdicResult UdicClearAll(UdicFiles* files) {
  LearnBefore before;
  before.existed = files->ReadLearn(&before.bytes) == LearnRead::kRead && !before.bytes.empty();
  const auto snapshot = ZkUsrDicSnapshot();
  for (uint16_t c = ZkInfoUsrDicPattern(1); c != 0; c = ZkInfoUsrDicPattern(1)) {
    if (ZkDeletePatternUsr(c) < 0) {
      ZkUsrDicRestore(snapshot);
      return {UdicOutcome::kDictionaryFailed, kUsrNoPattern, {}};
    }
  }
  // The samples first: patterns left by a crash here are listed and can be deleted,
  // while samples left without patterns would be registered again at the next start.
  if (!files->RemoveLearn()) {
    ZkUsrDicRestore(snapshot);
    return {UdicOutcome::kLearnFailed, 0, {}};
  }
  const int saved = files->SaveDictionary();
  if (saved < 0) return SaveFailed(files, before, snapshot, saved, {});
  return {};
}

UdicListing UdicBrowserRecords(UdicFiles* files) {
  UdicListing listing;
  std::vector<uint8_t> bytes;
  listing.read = files->ReadLearn(&bytes);
  if (listing.read == LearnRead::kRead) listing.records = ParseLearnFile(bytes, &listing.clean);
  std::set<uint16_t> sampled;
  for (const auto& r : listing.records) sampled.insert(EucToSjis(r.euc[0], r.euc[1]));
  for (uint16_t code : UserPatternCodes()) {
    if (sampled.count(code)) continue;
    char euc[2];
    SjisToEucBytes(code, euc);
    LearnRecord orphan;
    orphan.euc[0] = static_cast<uint8_t>(euc[0]);
    orphan.euc[1] = static_cast<uint8_t>(euc[1]);
    listing.records.push_back(std::move(orphan));
  }
  return listing;
}

UdicStartReport UdicCheckAtStart(UdicFiles* files, bool dictionaryDamaged) {
  UdicStartReport report;
  std::vector<uint8_t> bytes;
  report.learnRead = files->ReadLearn(&bytes);
  std::vector<LearnRecord> records;
  if (report.learnRead == LearnRead::kRead) {
    bool clean = true;
    records = ParseLearnFile(bytes, &clean);
    std::string keptAs;
    bool fresh = false;
    // Written back without the damage, so that it is met (and reported) only once.
    if (!clean && files->KeepDamagedLearn(&keptAs, &fresh) && WriteRecords(files, records) && fresh)
      report.learnCopy = keptAs;
  }

  // A sample whose character has no pattern: a crash between the two writes, or a
  // damaged dictionary. Its pen data gives the pattern back.
  std::set<uint16_t> taught = UserPatternCodes();
  for (const auto& r : records) {
    const uint16_t code = EucToSjis(r.euc[0], r.euc[1]);
    if (taught.count(code)) continue;
    if (ZkChrckEntryPatternUsr(code, r.pen.data(), r.pen.size()) >= 0 && ZkEntryPatternUsr() == 0) {
      taught.insert(code);
      ++report.registered;
    } else {
      ++report.unregistrable;
    }
  }

  if (dictionaryDamaged || report.registered > 0) {
    if (files->SaveDictionary() == 0) {
      report.dictionaryChanged = true;
      if (ZkUsrDicDamagedCopyFresh()) report.dictionaryCopy = ZkUsrDicDamagedCopy();
    } else {
      report.dictionaryUnsaved = dictionaryDamaged;
    }
  }
  return report;
}
