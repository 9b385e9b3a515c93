// The learning file "Learn.dat": the samples the user taught, one record each (the
// character in EUC-JP, the pen data's length in bytes as u32 little-endian, the pen
// data in 16-bit little-endian words ending with 0xF001), with no header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Largest pen data a record may carry: the dialog's ink buffer (30 strokes of 1024 points).
constexpr size_t kLearnInkBytes = 126980;

// Largest learning file read: 512 records that each fill the whole ink buffer. A real
// sample takes a few kilobytes, so this is tens of thousands of taught characters, far
// more than anyone teaches, while a runaway file cannot make the dialogs hold gigabytes.
constexpr size_t kLearnMaxRecords = 512;
constexpr size_t kLearnMaxBytes = kLearnMaxRecords * (6 + kLearnInkBytes);

struct LearnRecord {
  uint8_t euc[2] = {0, 0};
  std::vector<uint16_t> pen;  // end mark included
};

// The records of a file's bytes, in order. Reading ends at the first record that is
// short, longer than the ink buffer, of odd length, or whose pen data does not end
// with the end mark; *clean (when given) tells whether the whole file was read.
std::vector<LearnRecord> ParseLearnFile(const std::vector<uint8_t>& bytes, bool* clean = nullptr);

// The bytes of the records, as the file stores them.
std::vector<uint8_t> SerializeLearnFile(const std::vector<LearnRecord>& records);

constexpr const char* kLearnFileName = "Learn.dat";

// The file's path: "$HOME/.ZkCrec/Learn.dat".
std::string LearnFilePath();
