// The message box and its nested main loop.
#include "gtk/windows/msgbox.h"

#include <gdk/gdkx.h>

#include <cstdio>

#include "app/appstate.h"
#include "app/trace.h"
#include "app/exit_request.h"
#include "gtk/windows/winhandle.h"
#include "gtk/windows/widgets.h"

namespace {

bool boxOpen = false;

void KeyCentre(GtkWidget* key, int ox, int oy, int* x, int* y) {
  GtkAllocation a;
  gtk_widget_get_allocation(key, &a);
  *x = ox + a.x + a.width / 2;
  *y = oy + a.y + a.height / 2;
}

gboolean OnBoxMapped(GtkWidget* box, GdkEvent*, gpointer) {
  int ox, oy, okX, okY, cancelX = 0, cancelY = 0;
  gdk_window_get_origin(gtk_widget_get_window(box), &ox, &oy);
  KeyCentre(Wid.Mbox_wid[kMboxOk], ox, oy, &okX, &okY);
  const bool cancel = gtk_widget_get_visible(Wid.Mbox_wid[kMboxCancel]);
  if (cancel) KeyCentre(Wid.Mbox_wid[kMboxCancel], ox, oy, &cancelX, &cancelY);
  Trace("MSGBOX shown xid=0x%lx x=%d y=%d ok=%d,%d cancel=%d,%d",
        GDK_WINDOW_XID(gtk_widget_get_window(box)), ox, oy, okX, okY, cancelX, cancelY);
  return FALSE;
}

// If the box goes away while its loop runs, the loop must not wait for it.
void OnBoxDestroyed(GtkWidget*, gpointer) {
  for (GtkWidget*& w : Wid.Mbox_wid) w = nullptr;
  if (boxOpen) gtk_main_quit();
}

void ConnectOnce(GtkWidget* box) {
  static bool connected = false;
  if (connected) return;
  connected = true;
  g_signal_connect(box, "map-event", G_CALLBACK(OnBoxMapped), nullptr);
  g_signal_connect(box, "destroy", G_CALLBACK(OnBoxDestroyed), nullptr);
}

}  // namespace

bool MessageBox(const char* text, int style) {
  GtkWidget* box = Wid.Mbox_wid[kMboxWindow];
  if (boxOpen || !box) {
    std::fprintf(stderr, "sorenix: %s\n", text);
    return false;
  }
  App.Rais_paus = 0;
  FreeGrabEx(0);
  ConnectOnce(box);
  gtk_widget_realize(box);
  gtk_label_set_text(GTK_LABEL(Wid.Mbox_wid[kMboxLabel]), text);
  if (style & kMboxWithCancel)
    gtk_widget_show(Wid.Mbox_wid[kMboxCancel]);
  else
    gtk_widget_hide(Wid.Mbox_wid[kMboxCancel]);
  if (style & kMboxBeep) gdk_beep();

  gtk_widget_show(box);
  gdk_flush();
  App.MboxReturn = 0;
  boxOpen = true;
  // Another handler may end this loop (an exit request, for one); only an answer, an
  // exit or the box's end stop waiting.
  do {
    gtk_main();
  } while (App.MboxReturn == 0 && !ExitRequested() && Wid.Mbox_wid[kMboxWindow]);
  boxOpen = false;
  Trace("MSGBOX answer %d", App.MboxReturn);

  if (Wid.Mbox_wid[kMboxWindow]) gtk_widget_hide(Wid.Mbox_wid[kMboxWindow]);
  if (!(style & kMboxStayReleased)) {
    App.Rais_paus = 1;
    FreeGrabEx(1);
  }
  // gtk_main_quit ends only the innermost loop: pass an exit on to the outer one.
  if (ExitRequested() && gtk_main_level() > 0) gtk_main_quit();
  return App.MboxReturn == 1;
}

void on_Mbox_clicked(GtkButton*, gpointer answer) {
  if (!boxOpen) return;
  App.MboxReturn = GPOINTER_TO_INT(answer);
  gtk_main_quit();
}
