// Key faces on screen: button_basedisp makes a key or redraws its face from a face
// text (EUC-JP), and the generic press/release handlers of keys that only change look.
#pragma once

#include <gtk/gtk.h>

// Modes of button_basedisp.
constexpr int kFaceNewButton = 0;
constexpr int kFaceNewToggle = 2;
constexpr int kFacePressed = 1;
constexpr int kFaceReleased = -1;
constexpr int kFaceRedraw = 9;

// Mode 0 or 2: a new push or toggle key with the face (button ignored). Mode 1: the
// pressed look (nothing for an active toggle key); -1: the normal look (nothing for an
// inactive toggle key); any other mode: the normal colours regardless of toggle state.
// Returns the button, or nullptr when it did nothing.
GtkWidget* button_basedisp(int mode, GtkWidget* button, const char* face_text);


// Press/release handlers whose data is the face text to draw; they return FALSE so the
// key's own handling goes on.
gboolean on_button_event(GtkWidget* button, GdkEventButton* event, gpointer face_text);
gboolean on_s10_button_down(GtkWidget* button, GdkEventButton* event, gpointer face_text);
gboolean on_s10_button_up(GtkWidget* button, GdkEventButton* event, gpointer face_text);

// Thin key borders for every button of the program, before any window is built.
void InstallKeyStyle();

// Glyphs drawn so far that no installed font had (0 when the Japanese font is there).
int FaceUnknownGlyphs();
