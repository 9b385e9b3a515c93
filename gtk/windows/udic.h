// The user-dictionary registration dialog (opened from the options dialog) and the
// browser of taught samples.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <string>
#include <vector>

// Opens the registration dialog (the options dialog has been hidden and cancelled).
void Udic_Open();

// Every key of both windows: 1-5 the dialog's keys, 11-19 the alternatives (31-39
// press, 41-49 release), 101-105 the browser's keys.
void Udic_Click(int value);

// Pen handlers of the registration dialog.
void Usdic_Down(GdkEventButton* event);
void Usdic_Move(GdkEventMotion* event);
void Usdic_Upex(GdkEventButton* event);
// The recognition timer of the dialog; returns FALSE (runs once).
gboolean TimUrdicEx(gpointer data);
void LeaDicSave();
// Resets: 1 codes and sample, 2 also the right area, the name and the alternative
// keys, 3 also the browser's records.
void UdicCleaEx(int mode);

// The browser.
void LeaDicStrt();
void LeaDicDisp();
void LeaInkDisp();
void LeaDicDelt();
void Udic_Selct(GdkEventButton* event);
// The browser's keys 101-105 (from Udic_Click) and the redraw of cell 1-8.
void Udic_BrowserKey(int value);
void Udic_RedrawCell(int cell);

// Redraws the ink of a drawing area after an expose: Udic_wid slot 1 (the sample)
// or 12-19 (the browser's cells).
void Udic_Redraw(int slot);

// Draws pen data in a drawing area, every coordinate divided by `divisor`; with
// `pause` each line is flushed and followed by the replay pause.
void UdicDrawPen(GtkWidget* area, const std::vector<uint16_t>& pen, int divisor, bool pause);

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

// The windows: the registration dialog (fills Udic_wid 0-11) and the browser (fills
// Udic_wid 12-28), built once and not shown.
GtkWidget* create_Udic();
GtkWidget* create_UdicDsp();
// Handlers the browser's builder connects too.
void on_Udic_clicked(GtkButton* button, gpointer value);
// A key of either window whose press and release only change its look (faces are
// catalogue literals); its click goes to Udic_Click with `value`.
GtkWidget* UdicKey(GtkWidget* top, const char* name, const char* face, const char* pressed, int value);
gboolean on_Udic_expose(GtkWidget* area, GdkEventExpose* event, gpointer slot);
