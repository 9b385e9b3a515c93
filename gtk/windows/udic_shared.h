// What the user-dictionary dialog and the browser of taught samples share.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <vector>

// Shows a message built from a catalogue format and its values. The EUC form formats
// in EUC-JP (for "%.2s" of a two-byte character) and shows the text in UTF-8.
void UdicMessage(int style, const char* format, ...) __attribute__((format(printf, 2, 3)));
void UdicMessageEuc(int style, const char* format, ...) __attribute__((format(printf, 2, 3)));
struct UdicResult;
// Tells that a change kept a damaged learning file or user dictionary under another
// name (when it did, once per copy).
void UdicTellCopies(const UdicResult& r);
// Tells that the learning file is too large or unreadable and was left alone.
void UdicTellUnreadable();

// Resets: 1 codes and sample, 2 also the right area, the name and the alternative
// keys, 3 also the browser's records.
void UdicCleaEx(int mode);

// Draws pen data in a drawing area, every coordinate divided by `divisor`; with
// `pause` each line is flushed and followed by the replay pause.
void UdicDrawPen(GtkWidget* area, const std::vector<uint16_t>& pen, int divisor, bool pause);
