// The two-file changes of the user-dictionary dialogs and their rollback.
#include "dialogs/udicstore.h"

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

#include "codes.h"
#include "saferead.h"
#include "safewrite.h"
#include "usrdic.h"

int UdicFiles::SaveDictionary() { return ZkSaveUsrDic(); }

bool UdicFiles::ReadLearn(std::vector<uint8_t>* bytes) {
  bytes->clear();
  const std::string path = LearnFilePath();
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;  // nothing taught yet
  // The pad replaces this file: a symlink, FIFO or device in its place is not read.
  const int fd = OpenRegularFile(path, Symlinks::kRefuse);
  std::FILE* f = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
  if (!f) {
    if (fd >= 0) ::close(fd);
    return false;
  }
  uint8_t block[4096];
  size_t n;
  while ((n = std::fread(block, 1, sizeof block, f)) > 0) bytes->insert(bytes->end(), block, block + n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

bool UdicFiles::WriteLearn(const std::vector<uint8_t>& bytes) {
  const std::string path = LearnFilePath();
  ::mkdir(path.substr(0, path.rfind('/')).c_str(), 0700);  // a fresh account has no directory yet
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

bool UdicFiles::RemoveLearn() { return ::unlink(LearnFilePath().c_str()) == 0 || errno == ENOENT; }

namespace {

// Puts the dictionary back as the snapshot has it, in memory and on disk.
bool Restore(UdicFiles* files, const std::vector<SubDicSpec>& snapshot) {
  return ZkUsrDicRestore(snapshot) == 0 && files->SaveDictionary() == 0;
}

UdicResult Failed(int code) { return {UdicOutcome::kDictionaryFailed, code}; }

// After the dictionary was saved: the learning file failed, so undo the dictionary.
UdicResult LearnFailed(UdicFiles* files, const std::vector<SubDicSpec>& snapshot) {
  return {Restore(files, snapshot) ? UdicOutcome::kLearnFailed : UdicOutcome::kInconsistent, 0};
}

}  // namespace

UdicResult UdicRegister(UdicFiles* files, uint16_t code, const uint8_t euc[2], const std::vector<uint16_t>& pen) {
  const int checked = ZkChrckEntryPatternUsr(code, pen.data(), pen.size());
  if (checked == kUsrAlreadyTaught) return {UdicOutcome::kAlreadyTaught, checked};
  if (checked < 0) return Failed(checked);

  // A learning file that cannot be read is not overwritten.
  std::vector<uint8_t> old;
  if (!files->ReadLearn(&old)) return {UdicOutcome::kLearnFailed, 0};
  std::vector<LearnRecord> records = ParseLearnFile(old);
  LearnRecord added;
  added.euc[0] = euc[0];
  added.euc[1] = euc[1];
  added.pen = pen;
  records.push_back(std::move(added));

  const auto snapshot = ZkUsrDicSnapshot();
  const int entered = ZkEntryPatternUsr();
  if (entered < 0) return Failed(entered);
  const int saved = files->SaveDictionary();
  if (saved < 0) {
    ZkUsrDicRestore(snapshot);  // the file was not touched
    return Failed(saved);
  }
  if (!files->WriteLearn(SerializeLearnFile(records))) return LearnFailed(files, snapshot);
  return {};
}

UdicResult UdicDeleteRecord(UdicFiles* files, std::vector<LearnRecord>* records, int index) {
  if (index < 0 || index >= static_cast<int>(records->size())) return Failed(kUsrNoPattern);
  const LearnRecord& r = (*records)[index];
  const uint16_t code = EucToSjis(r.euc[0], r.euc[1]);
  const auto snapshot = ZkUsrDicSnapshot();
  const int deleted = ZkDeletePatternUsr(code);
  if (deleted < 0) return Failed(deleted);
  const int saved = files->SaveDictionary();
  if (saved < 0) {
    ZkUsrDicRestore(snapshot);
    return Failed(saved);
  }
  std::vector<LearnRecord> rest = *records;
  rest.erase(rest.begin() + index);
  const bool written = rest.empty() ? files->RemoveLearn() : files->WriteLearn(SerializeLearnFile(rest));
  if (!written) return LearnFailed(files, snapshot);
  *records = std::move(rest);
  return {};
}

UdicResult UdicClearAll(UdicFiles* files) {
  const auto snapshot = ZkUsrDicSnapshot();
  for (uint16_t c = ZkInfoUsrDicPattern(1); c != 0; c = ZkInfoUsrDicPattern(1)) {
    if (ZkDeletePatternUsr(c) < 0) {
      ZkUsrDicRestore(snapshot);
      return Failed(kUsrNoPattern);
    }
  }
  const int saved = files->SaveDictionary();
  if (saved < 0) {
    ZkUsrDicRestore(snapshot);
    return Failed(saved);
  }
  // An empty dictionary with a stale learning file only lists samples that no longer
  // count; the user is told, as the old dictionary cannot be wanted back.
  if (!files->RemoveLearn()) return {UdicOutcome::kLearnFailed, 0};
  return {};
}
