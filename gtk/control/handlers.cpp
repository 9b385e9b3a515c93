// Forwarding handlers of the main window, the selector lists and the kanji box.
#include "gtk/control/handlers.h"

#include "gtk/control/commands.h"
#include "gtk/control/ink.h"
#include "gtk/control/pointer.h"
#include "gtk/windows/selector.h"
#include "gtk/windows/winhandle.h"
#include "pad/editing.h"
#include "pad/pending.h"

void on_Main_clicked(GtkButton*, gpointer code) { Main_Click(GPOINTER_TO_INT(code)); }

gboolean on_Main_button_event(GtkWidget*, GdkEventButton*, gpointer code) {
  Main_Click(GPOINTER_TO_INT(code));
  return FALSE;
}

gboolean on_Main_expose_event(GtkWidget*, GdkEventExpose*, gpointer) {
  TxbuffDisp();
  return FALSE;
}

gboolean on_MouseDown(GtkWidget*, GdkEventButton* event, gpointer is_main) {
  Mouse_Down(event, GPOINTER_TO_INT(is_main));
  return FALSE;
}

gboolean on_MouseMove(GtkWidget*, GdkEventMotion* event, gpointer is_main) {
  Mouse_Move(event, GPOINTER_TO_INT(is_main));
  return FALSE;
}

gboolean on_MouseUp(GtkWidget*, GdkEventButton* event, gpointer is_main) {
  Mouse_Upex(event, GPOINTER_TO_INT(is_main));
  return FALSE;
}

gboolean on_RaiseWindow(GtkWidget* widget, GdkEventVisibility*, gpointer) {
  Win_Tops(widget);
  return FALSE;
}

gboolean on_Combo_button(GtkWidget*, GdkEventButton*, gpointer value) {
  Comb_Select(GPOINTER_TO_INT(value));
  return FALSE;
}

gboolean on_ComboDown(GtkWidget*, GdkEventButton* event, gpointer which) {
  Comb_Down(event, GPOINTER_TO_INT(which));
  return FALSE;
}

gboolean on_ComboMove(GtkWidget*, GdkEventMotion* event, gpointer which) {
  Comb_Move(event, GPOINTER_TO_INT(which));
  return FALSE;
}

gboolean on_ComboUp(GtkWidget*, GdkEventButton*, gpointer which) {
  Comb_Select(GPOINTER_TO_INT(which) != 0 ? 6 : 5);
  return FALSE;
}

void on_Kbox_changed(GtkEditable*, gpointer) { KboxsChang(); }

void on_Kbox_clicked(GtkButton*, gpointer value) { KboxsClick(GPOINTER_TO_INT(value)); }
