// Dragging, raising, shrinking and the pen grab.
#include "gtk/windows/winhandle.h"

#include <vector>

#include "app/appstate.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/platform/timers.h"
#include "gtk/windows/widgets.h"

namespace {

constexpr int kRaisePeriodMs = 500;
constexpr int kShrunkBelowWidth = 120;

// What Win_Icon changed, to undo it (one set for the program).
struct IconState {
  GtkWidget* window = nullptr;
  bool shrunk = false;
  int x = 0, y = 0, width = 0, height = 0;
  GtkWidget* strip = nullptr;               // the drag strip, narrowed to nothing
  int stripWidth = -1, stripHeight = -1;    // its requested size before
  std::vector<GtkWidget*> hidden;           // rows hidden below the title strip
};
IconState Icon_save;
GtkWidget* dragWindow = nullptr;  // the window Win_Down started to drag

GdkWindow* WindowOf(GtkWidget* widget) { return gtk_widget_get_window(widget); }

void WindowOrigin(GtkWidget* window, int* x, int* y) {
  *x = *y = 0;
  if (WindowOf(window)) gdk_window_get_origin(WindowOf(window), x, y);
}

// The main window's toplevel box holds the title row first; its drawing area is the strip.
GtkWidget* TitleStripOf(GtkWidget* titleRow) {
  if (!GTK_IS_CONTAINER(titleRow)) return nullptr;
  GtkWidget* strip = nullptr;
  GList* children = gtk_container_get_children(GTK_CONTAINER(titleRow));
  for (GList* c = children; c; c = c->next)
    if (GTK_IS_DRAWING_AREA(c->data)) strip = GTK_WIDGET(c->data);
  g_list_free(children);
  return strip;
}

void ShowIfFlagged(GtkWidget* window, int flag) {
  if (window && App.wind_dsp[flag]) gtk_widget_show(window);
}

void Shrink(GtkWidget* window, int stripWidth) {
  Icon_save = IconState{};
  Icon_save.window = window;
  WindowOrigin(window, &Icon_save.x, &Icon_save.y);
  GtkAllocation alloc;
  gtk_widget_get_allocation(window, &alloc);
  Icon_save.width = alloc.width;
  Icon_save.height = alloc.height;

  // The window keeps its requested size, so it shrinks by hiding all rows but the
  // title strip and narrowing the strip: the shrink and close keys stay.
  GtkWidget* box = gtk_bin_get_child(GTK_BIN(window));
  if (box && GTK_IS_BOX(box)) {
    GList* rows = gtk_container_get_children(GTK_CONTAINER(box));
    GtkWidget* title = rows ? GTK_WIDGET(rows->data) : nullptr;
    for (GList* r = rows ? rows->next : nullptr; r; r = r->next) {
      if (gtk_widget_get_visible(GTK_WIDGET(r->data))) {
        Icon_save.hidden.push_back(GTK_WIDGET(r->data));
        gtk_widget_hide(GTK_WIDGET(r->data));
      }
    }
    g_list_free(rows);
    Icon_save.strip = TitleStripOf(title);
    if (Icon_save.strip) {
      gtk_widget_get_size_request(Icon_save.strip, &Icon_save.stripWidth, &Icon_save.stripHeight);
      int others = 0;
      GList* keys = gtk_container_get_children(GTK_CONTAINER(title));
      for (GList* k = keys; k; k = k->next) {
        if (k->data == Icon_save.strip || !gtk_widget_get_visible(GTK_WIDGET(k->data))) continue;
        GtkRequisition req;
        gtk_widget_size_request(GTK_WIDGET(k->data), &req);
        others += req.width;
      }
      g_list_free(keys);
      // A requested width of 0 counts as none: a strip with no room is hidden.
      if (stripWidth > others)
        gtk_widget_set_size_request(Icon_save.strip, stripWidth - others, Icon_save.stripHeight);
      else
        gtk_widget_hide(Icon_save.strip);
    }
  }
  if (Wid.Fram_wid[0]) gtk_widget_hide(Wid.Fram_wid[0]);  // shown flags stay set
  if (Wid.Tenk_wid[0]) gtk_widget_hide(Wid.Tenk_wid[0]);
  Icon_save.shrunk = true;
  MoveWindowTo(window, 2, App.screen_h - 22);
  Trace("ICON shrunk width=%d height=%d x=2 y=%d", stripWidth, kTitleStripHeight, App.screen_h - 22);
}

void Restore(GtkWidget* window) {
  if (Icon_save.strip) {
    gtk_widget_set_size_request(Icon_save.strip, Icon_save.stripWidth, Icon_save.stripHeight);
    gtk_widget_show(Icon_save.strip);
  }
  for (GtkWidget* row : Icon_save.hidden) gtk_widget_show(row);
  Icon_save.shrunk = false;
  MoveWindowTo(window, Icon_save.x, Icon_save.y);
  ShowIfFlagged(Wid.Fram_wid[0], kShownFrame);
  ShowIfFlagged(Wid.Tenk_wid[0], kShownTenKey);
  Trace("ICON restored width=%d height=%d x=%d y=%d", Icon_save.width, Icon_save.height,
        Icon_save.x, Icon_save.y);
}

}  // namespace

void MoveWindowTo(GtkWidget* window, int x, int y) {
  gtk_window_move(GTK_WINDOW(window), x, y);
  if (WindowOf(window) && gtk_widget_get_mapped(window)) gdk_window_move(WindowOf(window), x, y);
}

int Win_Down(GtkWidget* window, GdkEventButton* event, int has_icon_key) {
  if (!window || !WindowOf(window) || !gtk_widget_get_visible(window)) return 0;
  int ox, oy;
  WindowOrigin(window, &ox, &oy);
  // From the event's root position, so a press that came to another window (under the
  // pen grab) is judged against this one.
  const int x = static_cast<int>(event->x_root) - ox;
  const int y = static_cast<int>(event->y_root) - oy;
  GtkAllocation alloc;
  gtk_widget_get_allocation(window, &alloc);
  if (x >= alloc.width || y >= alloc.height) return 0;
  if (!DragStartsAt(x, y, alloc.width, has_icon_key != 0)) return 0;

  dragWindow = window;
  DragBegin(&Mov_data, ox, oy, alloc.width, alloc.height, static_cast<int>(event->x_root),
            static_cast<int>(event->y_root));
  FreeGrabEx(0);
  GdkCursor* fleur = gdk_cursor_new(GDK_FLEUR);
  gdk_pointer_grab(WindowOf(window), FALSE,
                   static_cast<GdkEventMask>(GDK_BUTTON_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                             GDK_BUTTON_RELEASE_MASK),
                   nullptr, fleur, event->time);
  gdk_cursor_unref(fleur);
  Trace("DRAG start x=%d y=%d", ox, oy);
  return 1;
}

GtkWidget* DraggedWindow() { return Mov_data.dragging ? dragWindow : nullptr; }

void Win_Move(GtkWidget*, GdkEventMotion* event) {
  if (!DraggedWindow()) return;
  DragFollow(&Mov_data, static_cast<int>(event->x_root), static_cast<int>(event->y_root));
  MoveWindowTo(dragWindow, Mov_data.x, Mov_data.y);
}

int Win_Upex(GtkWidget* window, GdkEventButton* event) {
  if (!DraggedWindow() || window != dragWindow) return 0;
  Mov_data.dragging = 0;
  DragFollow(&Mov_data, static_cast<int>(event->x_root), static_cast<int>(event->y_root));
  // Dropped partly off the screen, the window comes back whole: its keys stay reachable.
  WinPosition(Mov_data.width, Mov_data.height, &Mov_data.x, &Mov_data.y);
  gdk_pointer_ungrab(event->time);
  MoveWindowTo(window, Mov_data.x, Mov_data.y);
  FreeGrabEx(1);
  Trace("DRAG end x=%d y=%d", Mov_data.x, Mov_data.y);
  return 1;
}

void Win_Tops(GtkWidget* window) {
  if (Ap_table.top_ex && App.Rais_paus && window && WindowOf(window)) gdk_window_raise(WindowOf(window));
}

gboolean Win_Tops2(gpointer window) {
  GtkWidget* w = static_cast<GtkWidget*>(window);
  if (App.Rais_paus && w && WindowOf(w)) gdk_window_raise(WindowOf(w));
  return TRUE;
}

void RaiseTimerCheck(GtkWidget* window, int x, int y, int maxX, int maxY) {
  TimerRemove(kTimerRaise);
  if (Ap_table.top_ex && OutsideRaiseArea(x, y, maxX, maxY))
    TimerStart(kTimerRaise, kRaisePeriodMs, Win_Tops2, window);
}

void Win_Icon(GtkWidget* window, int strip_width) {
  if (!window) return;
  GtkAllocation alloc;
  gtk_widget_get_allocation(window, &alloc);
  // Shrunk when narrower than 120 pixels; the saved state also covers the moment
  // before the window has taken its new size.
  const bool shrunk =
      (Icon_save.window == window && Icon_save.shrunk) || alloc.width < kShrunkBelowWidth;
  if (shrunk && Icon_save.window == window && Icon_save.shrunk)
    Restore(window);
  else if (!shrunk && strip_width > 0)
    Shrink(window, strip_width);
  if (WindowOf(window)) gdk_window_raise(WindowOf(window));
}

// The root point relative to `widget` (its allocation, also for widgets without a
// window of their own); true when it lies on the widget.
bool PointOnWidget(GtkWidget* widget, int rootX, int rootY, int* x, int* y) {
  if (!widget || !gtk_widget_get_mapped(widget)) return false;
  int ox, oy;
  gdk_window_get_origin(gtk_widget_get_window(widget), &ox, &oy);
  GtkAllocation a;
  gtk_widget_get_allocation(widget, &a);
  if (!gtk_widget_get_has_window(widget)) {  // allocated inside its parent's window
    ox += a.x;
    oy += a.y;
  }
  *x = rootX - ox;
  *y = rootY - oy;
  return *x >= 0 && *y >= 0 && *x < a.width && *y < a.height;
}
