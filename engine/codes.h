// Character classes and code conversions between Shift-JIS codes (the engine's),
// single-byte codes (ASCII, half-width katakana) and EUC-JP (the pad's).
#pragma once

#include <cstdint>

#include "types.h"

// Class value of a Shift-JIS code (kClassKanji, ..., kClassNone).
uint32_t ZkCheckJisyu(uint16_t code);

// Single-byte equivalent of a Shift-JIS code, or 0 when there is none.
uint16_t ZkSJisToAscii(uint16_t code);

// Shift-JIS code of a single-byte code, or 0 when there is none.
uint16_t ZkAsciiToSJis(uint16_t byte);

// EUC-JP of a JIS X 0208 Shift-JIS code: lead byte in the low half, trail byte in
// the high half, so that the value stored little-endian reads as the EUC string.
uint16_t SjisToEuc(uint16_t code);

// Inverse of SjisToEuc for a two-byte EUC-JP character (lead, trail); 0 when the
// bytes are not a two-byte JIS X 0208 character.
uint16_t EucToSjis(uint8_t lead, uint8_t trail);

// 1 when any candidate of the list, up to the end slot, came from a user
// sub-dictionary; the list has kKohoSlots slots.
int ZkCheckDictype(const KohoSlot* list);

// Writes the two EUC bytes of SjisToEuc(code) to out[0], out[1] in display order.
void SjisToEucBytes(uint16_t code, char out[2]);
