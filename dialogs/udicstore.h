// Registering, deleting and clearing taught samples: the user dictionary and the
// learning file change together. A change is made in memory, the dictionary is saved,
// then the learning file is replaced; when a step fails the dictionary is put back
// as it was (in memory and on disk), so the two files never disagree unless the
// user is told exactly which one could not be restored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/learnfile.h"

// The files behind the dialogs; tests replace them with ones that fail on demand.
class UdicFiles {
 public:
  virtual ~UdicFiles() = default;
  // ZkSaveUsrDic: 0 or a negative result.
  virtual int SaveDictionary();
  // The learning file's bytes; a missing file reads as empty. False: unreadable.
  virtual bool ReadLearn(std::vector<uint8_t>* bytes);
  // Replaces the learning file atomically.
  virtual bool WriteLearn(const std::vector<uint8_t>& bytes);
  // Removes the learning file (a missing file counts as removed).
  virtual bool RemoveLearn();
};

enum class UdicOutcome {
  kDone,
  kAlreadyTaught,     // the character already has a user pattern
  kDictionaryFailed,  // the dictionary refused or could not be saved; nothing changed
  kLearnFailed,       // the learning file could not be written; the dictionary was put back
  kInconsistent,      // the learning file failed and the dictionary could not be put back
};

struct UdicResult {
  UdicOutcome outcome = UdicOutcome::kDone;
  int code = 0;  // the engine's result for kDictionaryFailed
};

// Registers `pen` (pen data with its end mark) as the character `code` (Shift-JIS)
// shown as `euc`, and appends the sample to the learning file.
UdicResult UdicRegister(UdicFiles* files, uint16_t code, const uint8_t euc[2], const std::vector<uint16_t>& pen);

// Deletes record `index` of `records` from the dictionary and the learning file;
// on kDone `records` no longer holds it.
UdicResult UdicDeleteRecord(UdicFiles* files, std::vector<LearnRecord>* records, int index);

// Removes every user pattern and the learning file. kLearnFailed here means the
// dictionary is empty but the learning file could not be removed.
UdicResult UdicClearAll(UdicFiles* files);
