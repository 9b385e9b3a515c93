// The look-alike table: groups of characters that matching confuses, each entry with
// the structural checks a candidate of that character must pass.
#pragma once

#include <cstdint>

constexpr int kRuijiChecksPerEntry = 3;
constexpr int kRuijiEntriesPerGroup = 8;
constexpr int16_t kRuijiNoCheck = -1;     // check number: no further checks
constexpr uint8_t kRuijiTableEnd = 0;     // count byte that ends the table
constexpr uint8_t kRuijiNeverGroup = 255; // count byte of the group that never matches

// One check slot: a check number and its four signed-byte parameters.
struct RuijiCheck {
  int16_t number;
  int8_t p[4];
};

struct RuijiEntry {
  uint16_t code;  // Shift-JIS
  RuijiCheck check[kRuijiChecksPerEntry];
};

// Entry 0 is the leader, entries 1 .. count - 1 the members in ascending code order.
struct RuijiGroup {
  uint8_t count;
  uint8_t zero;
  RuijiEntry entry[kRuijiEntriesPerGroup];
};

// The groups in the order they are consulted, then a group of count 255 (leader
// 0xFFFF) and a group of count 0 that ends the table.
extern const RuijiGroup ZkRuijiTable[];

// The first group led by code, or null. Only groups of 2 to 8 entries are consulted,
// so the closing groups never match, not even a candidate coded 0xFFFF.
const RuijiGroup* RuijiFindGroup(uint16_t code);

// The code a check names by two of its parameters (high byte first).
inline uint16_t RuijiParamCode(int8_t high, int8_t low) {
  return static_cast<uint16_t>((static_cast<uint8_t>(high) << 8) | static_cast<uint8_t>(low));
}
