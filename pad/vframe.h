// The variable frame of pen input: the square drawn around the character being
// written, which decides whether a stroke joins it or starts the next character.
#pragma once

#include <vector>

#include "app/geometry.h"

constexpr int kVFrameMinHalf = 40;  // the square is at least 80 pixels wide

// The decision of VFrameChk for the stroke box `stroke` against the character box
// `charBox` and the frame on screen `frame`: 1 when the stroke starts a new character,
// else 0 (the stroke joins, and the character box grows). The frame becomes the
// squared box of the character or of the new stroke.
int VFrameDecide(Rect16* charBox, const Rect16& stroke, Rect16* frame, int margin, int screenW,
                 int screenH);

// Squares `frame` around the centre of its box with half side max(w/2, h/2) + margin
// (at least 40), kept right of and below (1, 1) and cut at the screen's right and
// bottom edges.
void VFrameSquare(Rect16* frame, int margin, int screenW, int screenH);

// Characters the frame cut too finely (a 氵 written apart from 毎 makes up to four)
// would fill the twelve of a sequence before the writer has written twelve. When a
// stroke would start a 13th, two neighbouring finished characters whose joint box is
// at most kFragmentPairWidth of the tallest character wide (as wide as the
// segmentation merges: 日 written far from its 寺) are joined into one
// instead (the segmentation parts them again where that reads better): the index of
// the first of the narrowest such pair, or -1 when none fits (nor in 30 strokes).
constexpr double kFragmentPairWidth = 1.6;
constexpr int kFragmentMaxStrokes = 30;  // what one character's pen data holds
int VFrameFragmentPair(const Rect16* boxes, const int* strokes, int count);

// When no pair fits, a stroke that would start a 13th character stays with the last
// one if together they are no wider than a joined pair (い's second stroke, a 。
// written close): whether `stroke` may join the last of `count` characters, which
// holds `lastStrokes` strokes. Otherwise the stroke is forgotten.
bool VFrameKeepWithLast(const Rect16* boxes, int count, int lastStrokes, const Rect16& stroke);

// The characters the pen-up decisions make of strokes with these boxes, written in
// this order: the character of each stroke (0, 1, ...), or -1 for a stroke the pad
// forgets because it would start character maxChars + 1, no fragments could be
// joined to make room and it may not stay with the last character. A character that holds 30 strokes takes no more: the next
// stroke starts a new one. (makeRoom false: neither, as the pad once did, when
// strokes past the 30th of a character were not stored.)
std::vector<int> VFrameGroup(const std::vector<Rect16>& strokes, int margin, int screenW, int screenH,
                             int maxChars, bool makeRoom = true);
