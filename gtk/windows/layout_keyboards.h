// The keyboard windows: SoftKey1 (standard), SoftKey2 (enlarged), SoftKey3 (reduced),
// Key51 (kana) and Key52 (kana, reduced).
#pragma once

#include <gtk/gtk.h>

// Normal faces (EUC-JP) of the latch keys, filled by the builders: [2k] left, [2k+1]
// right key of keyboard k (0-2); CapsLock [k]; the ten-key toggle [2k] off, [2k+1] on.
extern const char* Soft_sft[6];
extern const char* Soft_ctl[6];
extern const char* Soft_alt[6];
extern const char* Soft_cap[3];
extern const char* Soft_s10[10];

// Builds keyboard k (0-4), not shown; fills its Soft_wid latch slots and its selector
// entries in Comb_wid. Start-up stores the window in Soft_wid.window[k].
GtkWidget* create_Keyboard(int k);

void on_Soft_clicked(GtkButton* button, gpointer value);
void on_Soft_toggled(GtkToggleButton* toggle, gpointer value);
void on_50k_clicked(GtkButton* button, gpointer value);
gboolean on_Soft_press_event(GtkWidget* widget, GdkEventButton* event, gpointer data);
gboolean on_Soft_notify_event(GtkWidget* widget, GdkEventMotion* event, gpointer data);
gboolean on_Soft_release_event(GtkWidget* widget, GdkEventButton* event, gpointer data);
