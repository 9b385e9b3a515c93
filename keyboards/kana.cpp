// Kana keys as romaji key strokes.
#include "keyboards/kana.h"

#include "keyboards/kbdstate.h"
#include "keyboards/soft.h"
#include "keyboards/typing.h"
#include "pad/commit.h"
#include "pad/keysend.h"

namespace {

// Keysyms of the romaji letters are their ASCII codes.
constexpr uint32_t R(char c) { return static_cast<uint32_t>(static_cast<unsigned char>(c)); }

constexpr int kKaFirst = 106, kToLast = 120;  // か .. と
constexpr int kHaFirst = 126, kHoLast = 130;  // は .. ほ
constexpr int kBaEntry = 15, kPaEntry = 20;   // entries of ba and pa in dakuon_tbl

// Each romaji letter with Shift where the keyboard map needs it (flushed).
void Type(const uint32_t* keysyms, int count) {
  for (int i = 0; i < count && keysyms[i] != 0; ++i) TypeAscii(static_cast<int>(keysyms[i]));
}

// BackSpace over the kana typed last, then its new spelling.
void Retype(const uint32_t (&spelling)[2]) {
  KeyTap(kKeysymBackSpace);
  Type(spelling, 2);
}

}  // namespace

const uint32_t kana_keys_tbl[kKanaLast - kKanaFirst + 1][3] = {
    {R('a')}, {R('i')}, {R('u')}, {R('e')}, {R('o')},
    {R('k'), R('a')}, {R('k'), R('i')}, {R('k'), R('u')}, {R('k'), R('e')}, {R('k'), R('o')},
    {R('s'), R('a')}, {R('s'), R('i')}, {R('s'), R('u')}, {R('s'), R('e')}, {R('s'), R('o')},
    {R('t'), R('a')}, {R('t'), R('i')}, {R('t'), R('u')}, {R('t'), R('e')}, {R('t'), R('o')},
    {R('n'), R('a')}, {R('n'), R('i')}, {R('n'), R('u')}, {R('n'), R('e')}, {R('n'), R('o')},
    {R('h'), R('a')}, {R('h'), R('i')}, {R('h'), R('u')}, {R('h'), R('e')}, {R('h'), R('o')},
    {R('m'), R('a')}, {R('m'), R('i')}, {R('m'), R('u')}, {R('m'), R('e')}, {R('m'), R('o')},
    {R('y'), R('a')}, {R('y'), R('u')}, {R('y'), R('o')}, {R(',')}, {R('.')},
    {R('r'), R('a')}, {R('r'), R('i')}, {R('r'), R('u')}, {R('r'), R('e')}, {R('r'), R('o')},
    {R('w'), R('a')}, {R('w'), R('i')}, {R('w'), R('e')}, {R('w'), R('o')}, {R('n'), R('n')},
    {R('x'), R('a')}, {R('x'), R('i')}, {R('x'), R('u')}, {R('x'), R('e')}, {R('x'), R('o')},
    {R('x'), R('y'), R('a')}, {R('x'), R('y'), R('u')}, {R('x'), R('y'), R('o')},
    {R('x'), R('t'), R('u')}, {R('x'), R('w'), R('a')},
    {R('-')},  // ー: the input method's long-vowel mark
};

const uint32_t dakuon_tbl[25][2] = {
    {R('g'), R('a')}, {R('g'), R('i')}, {R('g'), R('u')}, {R('g'), R('e')}, {R('g'), R('o')},
    {R('z'), R('a')}, {R('z'), R('i')}, {R('z'), R('u')}, {R('z'), R('e')}, {R('z'), R('o')},
    {R('d'), R('a')}, {R('d'), R('i')}, {R('d'), R('u')}, {R('d'), R('e')}, {R('d'), R('o')},
    {R('b'), R('a')}, {R('b'), R('i')}, {R('b'), R('u')}, {R('b'), R('e')}, {R('b'), R('o')},
    {R('p'), R('a')}, {R('p'), R('i')}, {R('p'), R('u')}, {R('p'), R('e')}, {R('p'), R('o')},
};

void Keybord50s(int value) {
  if (value >= kKanaFirst && value <= kKanaLast) {
    if (FocusWindow()) Type(kana_keys_tbl[value - kKanaFirst], 3);
    Kbd.K50button = value;
    return;
  }
  if (value == kKanaVoiced || value == kKanaSemiVoiced) {
    const int last = Kbd.K50button;
    Kbd.K50button = 0;
    const bool haRow = last >= kHaFirst && last <= kHoLast;
    if (value == kKanaVoiced && last >= kKaFirst && last <= kToLast) {
      if (FocusWindow()) Retype(dakuon_tbl[last - kKaFirst]);
    } else if (haRow && FocusWindow()) {
      Retype(dakuon_tbl[(value == kKanaVoiced ? kBaEntry : kPaEntry) + last - kHaFirst]);
    }
    return;
  }
  // The commands and function keys are those of the full keyboards (kana keyboards
  // have no latches).
  SftKeybord(value, 0);
}
