// The user-dictionary registration dialog, opened from the options dialog.
#pragma once

#include <gtk/gtk.h>

// Opens the registration dialog (the options dialog has been hidden and cancelled).
void Udic_Open();

// Every key of the dialog: 1-5 its keys, 11-19 the alternatives (31-39 press, 41-49
// release).
void Udic_Click(int value);

// Pen handlers of the registration dialog.
void Usdic_Down(GdkEventButton* event);
void Usdic_Move(GdkEventMotion* event);
void Usdic_Upex(GdkEventButton* event);
// The recognition timer of the dialog; returns FALSE (runs once).
gboolean TimUrdicEx(gpointer data);
void LeaDicSave();

// The dialog's window (fills Udic_wid 0-11), built once and not shown.
GtkWidget* create_Udic();
