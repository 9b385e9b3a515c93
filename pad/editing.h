// Character editing: the kana-to-kanji entry box Kbox.
#pragma once

// The entry box's text changed.
void KboxsChang();
// The entry box's keys: 0 cancel, 1 confirm.
void KboxsClick(int value);
