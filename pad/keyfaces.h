// Pressed and released faces of the main window's keys (codes 100 + k and 200 + k).
#pragma once

#include <string>

// Key codes of the main window (slots of Main_wid).
constexpr int kKeyJoinSplit = 1;
constexpr int kKeyKanji = 2;
constexpr int kKeyLargeSmall = 3;
constexpr int kKeyWidth = 4;
constexpr int kKeyCharType = 5;
constexpr int kKeyHelp = 6;
constexpr int kKeySymbolFirst = 7;     // 、 。 ． ， space 0..9 up to 21
constexpr int kKeySymbolLast = 21;
constexpr int kKeyCandidateFirst = 22; // Result2..Result10 up to 30
constexpr int kKeyCandidateLast = 30;
constexpr int kKeyArrowFirst = 31;     // ← ↑ → ↓ up to 34
constexpr int kKeyArrowLast = 34;
constexpr int kKeyEnter = 35;
constexpr int kKeyBackSpace = 36;
constexpr int kKeyOptions = 37;
constexpr int kKeyTenKey = 38;
constexpr int kKeyPenMode = 39;
constexpr int kKeyShrink = 40;
constexpr int kKeyClose = 41;
constexpr int kSlotPasteEntry = 42;
constexpr int kSlotPendingArea = 43;
constexpr int kSlotInputSelector = 44;
constexpr int kSlotAssignSelector = 45;
constexpr int kMainSlots = 46;

constexpr int kPressOffset = 100;
constexpr int kReleaseOffset = 200;

// The face literal (before the catalogue) that key k shows when pressed or released,
// for keys whose faces are fixed; "" for the keys whose faces follow the settings or
// the pad's state (4, 5, 22..30, 35, 39) and for key 41, which has none.
std::string MainKeyFixedFace(int k, bool pressed);

// The pressed variant of a settings face: "51" (keys 4, 5) or "49" (key 39) in place
// of its first two characters.
std::string MainKeyPressedVariant(int k, const std::string& face);
