// The ten-key pad's symbol pages: 19 pages of full-width characters (EUC-JP) and 3
// pages of half-width ASCII characters, 16 keys each in grid order (row by row).
#pragma once

constexpr int kTenkGridKeys = 16;
constexpr int kTenkWidePages = 19;
constexpr int kTenkHalfPages = 3;

// Entry i of page p goes to grid key i + 1: one full-width character and its NUL.
extern const char (&tenk_wide_tbl)[kTenkWidePages][kTenkGridKeys][3];
// 16 characters per page; 0 is a key without a character.
extern const char tenk_half_tbl[kTenkHalfPages * kTenkGridKeys];
