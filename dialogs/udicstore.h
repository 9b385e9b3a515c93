// Registering, deleting and clearing taught samples: the user dictionary and the
// learning file change together, and what the user taught is never lost with them.
//
// The sample in the learning file is the record of truth: the dictionary pattern is
// derived from it (recognised and entered again from its pen data). So every change
// writes the learning file first and the dictionary second, and the start of the pad
// puts the two back in step (UdicCheckAtStart): a crash between the two writes leaves
// either a sample without its pattern, which is registered again at the next start, or
// (when deleting) a pattern without its sample, which the browser still lists so it can
// be deleted. A step that fails undoes the steps before it.
//
// A learning file that is partly damaged is copied to "Learn.dat.damaged" before it is
// rewritten with the records that could be read; one too large or unreadable is never
// written over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/learnfile.h"

enum class LearnRead {
  kRead,        // the bytes are read (a missing file reads as empty)
  kUnreadable,  // not a regular file, or a read failed
  kTooLarge,    // larger than kLearnMaxBytes: not read
};

// The files behind the dialogs; tests replace them with ones that fail on demand.
class UdicFiles {
 public:
  virtual ~UdicFiles() = default;
  // ZkSaveUsrDic: 0 or a negative result.
  virtual int SaveDictionary();
  // The learning file's bytes.
  virtual LearnRead ReadLearn(std::vector<uint8_t>* bytes);
  // Replaces the learning file atomically.
  virtual bool WriteLearn(const std::vector<uint8_t>& bytes);
  // Removes the learning file (a missing file counts as removed).
  virtual bool RemoveLearn();
  // Keeps the learning file as it is now beside it (KeepDamagedCopy).
  virtual bool KeepDamagedLearn(std::string* keptAs, bool* fresh);
};

enum class UdicOutcome {
  kDone,
  kAlreadyTaught,     // the character already has a user pattern
  kDictionaryFailed,  // the dictionary refused or could not be saved; nothing changed
  kLearnFailed,       // the learning file could not be written; nothing changed
  kLearnUnreadable,   // the learning file is too large or cannot be read; nothing changed
  kInconsistent,      // a step failed and the learning file could not be put back
};

struct UdicResult {
  UdicOutcome outcome = UdicOutcome::kDone;
  int code = 0;             // the engine's result for kDictionaryFailed
  std::string learnCopy;    // a damaged learning file was kept under this name just now
};

// Registers `pen` (pen data with its end mark) as the character `code` (Shift-JIS)
// shown as `euc`, and appends the sample to the learning file.
UdicResult UdicRegister(UdicFiles* files, uint16_t code, const uint8_t euc[2], const std::vector<uint16_t>& pen);

// Deletes record `index` of `records` (as UdicBrowserRecords lists them) from the
// dictionary and the learning file; on kDone `records` no longer holds it.
UdicResult UdicDeleteRecord(UdicFiles* files, std::vector<LearnRecord>* records, int index);

// Removes every user pattern and the learning file.
UdicResult UdicClearAll(UdicFiles* files);

// What the browser lists: the readable records of the learning file, then one record
// without pen data for each user pattern that has no sample (so it can be deleted).
struct UdicListing {
  LearnRead read = LearnRead::kRead;
  bool clean = true;  // the whole file was read
  std::vector<LearnRecord> records;
};
UdicListing UdicBrowserRecords(UdicFiles* files);

// What the start of the pad found and mended.
struct UdicStartReport {
  std::string dictionaryCopy;  // the damaged dictionary was kept under this name just now
  bool dictionaryUnsaved = false;  // the damaged dictionary could not be kept and replaced
  std::string learnCopy;       // the damaged learning file was kept under this name just now
  LearnRead learnRead = LearnRead::kRead;
  int registered = 0;          // samples whose pattern was missing, registered again
  int unregistrable = 0;       // samples that could not be registered
  bool dictionaryChanged = false;  // the saved dictionary differs from what the engine loaded
};

// Run once the engine is up: mends a damaged learning file (copy kept, readable records
// written back), registers every sample whose character has no user pattern, and, when
// the dictionary was loaded damaged (`dictionaryDamaged`) or gained patterns, saves it
// (the engine keeps the damaged file first). Restart the engine when dictionaryChanged.
UdicStartReport UdicCheckAtStart(UdicFiles* files, bool dictionaryDamaged);
