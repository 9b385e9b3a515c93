// Start-up: everything between the toolkit's initialisation and its main loop.
#include "gtk/app/startup.h"

#include <gtk/gtk.h>
#include <gdk/gdkx.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "app/appstate.h"
#include "app/assign.h"
#include "app/i18n.h"
#include "app/options.h"
#include "app/pidfile.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/userdir.h"
#include "app/winplace.h"
#include "dialogs/learnfile.h"
#include "gtk/control/window_controller.h"
#include "gtk/lifecycle/engines.h"
#include "gtk/lifecycle/exit.h"
#include "gtk/lifecycle/fatal.h"
#include "gtk/platform/timers.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/layout_aux.h"
#include "gtk/windows/layout_frame.h"
#include "gtk/windows/layout_keyboards.h"
#include "gtk/windows/layout_main.h"
#include "gtk/windows/layout_tenkey.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "keyboards/soft.h"
#include "pad/keyfaces.h"
#include "safewrite.h"
#include "ui/main_faces.h"

namespace {

constexpr int kRaisePeriodMs = 500;

[[noreturn]] void Fatal(const char* message) { FatalExit(Msg(message)); }

// The trace of the first map: the window, where it is, and where its keys are.
gboolean TraceReady(gpointer) {
  GtkWidget* main = Wid.Main_wid[0];
  GdkWindow* window = gtk_widget_get_window(main);
  int x, y;
  gdk_window_get_origin(window, &x, &y);
  GtkAllocation alloc;
  gtk_widget_get_allocation(main, &alloc);
  for (int k = 1; k < kMainSlots; ++k) {
    if (!Wid.Main_wid[k] || k == kSlotPasteEntry) continue;
    GtkAllocation a;
    gtk_widget_get_allocation(Wid.Main_wid[k], &a);
    Trace("KEY %d x=%d y=%d width=%d height=%d", k, a.x, a.y, a.width, a.height);
  }
  Trace("READY xid=0x%lx x=%d y=%d width=%d height=%d unknown_glyphs=%d", GDK_WINDOW_XID(window), x,
        y, alloc.width, alloc.height, FaceUnknownGlyphs());
  return FALSE;
}

gboolean OnMainMapped(GtkWidget*, GdkEvent*, gpointer) {
  static bool reported = false;
  if (!reported && TraceOn()) {
    reported = true;
    g_idle_add(TraceReady, nullptr);
  }
  return FALSE;
}

void TellSettingsUnsaved(const char* reason) {
  const std::string text = std::string(Msg("設定を保存できません")) + "\n" + reason;
  MessageBox(text.c_str(), kMboxBeep);
}

void BuildWindows() {
  InstallKeyStyle();
  const ApTableRec& t = Ap_table;
  GtkWidget* main = create_Main(MsgEuc(dob_mode[t.dbl_mode - 1]), MsgEuc(alm_mode[t.alc_mode]),
                                MsgEuc(pen_mode[t.pmode]));
  gtk_widget_set_style(main, Res.WinStyle[0]);
  Wid.Main_wid[0] = main;
  g_signal_connect(main, "map-event", G_CALLBACK(OnMainMapped), nullptr);

  for (int k = 0; k < kKeyboards; ++k) {
    Wid.Soft_wid.window[k] = create_Keyboard(k);
    gtk_widget_set_style(Wid.Soft_wid.window[k], Res.WinStyle[0]);
  }
  GtkWidget* tenkey = create_TenKey();
  gtk_widget_set_style(tenkey, Res.WinStyle[0]);
  Wid.Tenk_wid[0] = tenkey;
  GtkWidget* frame = create_Frame(t.lframe_size);
  gtk_widget_set_style(frame, Res.WinStyle[0]);
  Wid.Fram_wid[0] = frame;
  gtk_widget_realize(frame);
  GdkCursor* pencil = gdk_cursor_new(GDK_PENCIL);
  gdk_window_set_cursor(gtk_widget_get_window(frame), pencil);
  gdk_cursor_unref(pencil);

  gtk_widget_realize(create_Select(App.Boot_soft));
  gtk_widget_realize(create_Akeys());
  gtk_widget_set_style(create_Mboxs(), Res.WinStyle[0]);
  create_Kboxs();

  gtk_widget_realize(main);
  GtkAllocation alloc;
  gtk_widget_get_allocation(main, &alloc);
  App.Main_rct = Rect16{0, 0, static_cast<uint16_t>(alloc.width), static_cast<uint16_t>(alloc.height)};
}

void ShowFirstWindow() {
  if (Ap_table.imode >= 3) {
    ShowFirstKeyboard();  // the recognition engine is not started
    return;
  }
  const bool tenkeyOn = Ap_table.imode == 2;
  Imode_chng(2);
  if (tenkeyOn) {
    // Setting the toggle brings up the ten-key window (Main_Click(38)).
    button_basedisp(kFacePressed, Wid.Main_wid[kKeyTenKey], MsgEuc("58;2:22:数/記"));
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(Wid.Main_wid[kKeyTenKey]), TRUE);
  }
  if (Ap_table.top_ex && OutsideRaiseArea(Ap_table.win_x, Ap_table.win_y, App.screen_w - 772,
                                          App.screen_h - 93))
    TimerStart(kTimerRaise, kRaisePeriodMs, Win_Tops2, Wid.Main_wid[0]);
}

}  // namespace

void Main_Initl(int argc, char** argv) {
  ResetStartupState(gdk_screen_width(), gdk_screen_height());
  Ap_table = ApTableDefaults(App.screen_w, App.screen_h);
  try {
    App.DicWorkArea.assign(kDicWorkSize, 0);
  } catch (const std::bad_alloc&) {
    Fatal("メモリ不足です\n");
  }
  MakeWinStyles();

  // "-b R G B" colours the windows for this run, over the stored back_color.
  uint32_t backOption = 0;
  std::string optionError;
  const bool haveBack = BackColorOption(argc, argv, &backOption, &optionError);
  if (!optionError.empty()) std::fprintf(stderr, "%s\n", optionError.c_str());

  ApTableEx(0);
  Pad_SetEngineOptions();
  std::vector<std::string> assignmentWarnings;
  ReadAssignments(UserFilePath(kAssignmentFileName), Akey_txt, &assignmentWarnings);
  for (const std::string& w : assignmentWarnings) std::fprintf(stderr, "sorenix: %s\n", w.c_str());
  SetStyleColor(0, haveBack ? backOption : Ap_table.back_color);
  SetStyleColor(1, Ap_table.head_color);
  CreateDrawingResources(Ap_table.pen_color, Ap_table.pen_bold);
  // Checked once the message box can be drawn (nothing is written before this).
  if (Proc_Check() != 0) Fatal("起動しています\n");
  // The only copy running: temporary files of the safe writer are a crash's leftovers.
  RemoveStaleTemporaries(UserDirPath(), {Msg(kSettingsFileName), Msg(kLearnFileName), kUserDicFileName});

  if (FindOption(argc, argv, Msg("-s")) != 0) {
    App.Boot_soft = 1;
    if (Ap_table.imode < 3) Ap_table.imode = 3;
  }
  CatchTermination();
  BuildWindows();
  SetSettingsSaveFailureHandler(TellSettingsUnsaved);
  ShowFirstWindow();
}
