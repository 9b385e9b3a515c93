// The selector's list windows on screen.
#include "gtk/windows/selector_lists.h"

#include "app/appstate.h"
#include "app/trace.h"
#include "gtk/windows/winhandle.h"
#include "gtk/windows/widgets.h"
#include "keyboards/selector_logic.h"

namespace {

bool listShown[2];  // input list, assignment list

int ListIndex(int which) { return which == 0 ? 0 : 1; }
GtkWidget* ListWindow(int which) { return Wid.Comb_wid[which == 0 ? kCombSelectWindow : kCombAkeysWindow]; }

}  // namespace

void OpenSelectorList(int which, GtkWidget* entry) {
  GtkWidget* window = ListWindow(which);
  if (!window || !entry || !gtk_widget_get_window(entry)) return;
  listShown[ListIndex(which)] = true;
  App.Rais_paus = 0;
  FreeGrabEx(0);

  int ex, ey;
  gdk_window_get_origin(gtk_widget_get_window(entry), &ex, &ey);
  GtkAllocation a;
  gtk_widget_get_allocation(entry, &a);
  if (!gtk_widget_get_has_window(entry)) {
    ex += a.x;
    ey += a.y;
  }
  GtkRequisition req;
  gtk_widget_size_request(window, &req);
  int x, y;
  CombListPlace(ex, ey, a.width, a.height, req.width, req.height, App.screen_w, App.screen_h, &x, &y);
  MoveWindowTo(window, x, y);
  gtk_widget_show(window);
  gdk_window_raise(gtk_widget_get_window(window));
  GdkCursor* arrow = gdk_cursor_new(GDK_LEFT_PTR);
  const GdkGrabStatus status = gdk_pointer_grab(
      gtk_widget_get_window(window), FALSE,
      static_cast<GdkEventMask>(GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_BUTTON_MOTION_MASK),
      nullptr, arrow, GDK_CURRENT_TIME);
  gdk_cursor_unref(arrow);
  Trace("LIST open which=%d x=%d y=%d width=%d height=%d grab=%d", which, x, y, req.width,
        req.height, static_cast<int>(status));
}

void CloseSelectorList(int which) {
  const int i = ListIndex(which);
  if (!listShown[i]) return;
  listShown[i] = false;
  if (ListWindow(which)) gtk_widget_hide(ListWindow(which));
  App.Rais_paus = 1;
  FreeGrabEx(1);
  Trace("LIST closed which=%d", which);
}

void CloseSelectorLists() {
  gdk_pointer_ungrab(GDK_CURRENT_TIME);
  CloseSelectorList(0);
  CloseSelectorList(2);
}

bool SelectorListShown(int which) { return listShown[ListIndex(which)]; }

