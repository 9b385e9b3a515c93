// The widget tables: handles of every window's widgets, filled by the window builders.
// In the main window and the ten-key pad the slot number is the key's code.
#pragma once

#include <gtk/gtk.h>

// The keyboards' widgets: the five windows with their ten-key toggles, and on each full
// keyboard (0-2) its latch toggles in the order of kLatchKeys.
struct SoftWidgets {
  GtkWidget* window[5];
  GtkWidget* tenKey[5];
  GtkWidget* latch[3][7];
};

// Every window's table, owned in one record; the tables keep their names.
struct WidgetTables {
  GtkWidget* Main_wid[46];  // 0 the main window, 1-41 keys, 42-45 see pad/keyfaces.h
  GtkWidget* Comb_wid[16];  // 0/2 selector windows, 1/3 their lists, 4.. entry pairs
  GtkWidget* Mbox_wid[4];   // 0 Message, 1 label Mbox, 2 Mok, 3 Mcancel
  GtkWidget* Kbox_wid[2];   // 0 Kbox, 1 Ktxt
  // The keyboards, the ten-key pad and the dialogs fill these when they are built.
  GtkWidget* Tenk_wid[23];  // 0 the TenKey window
  SoftWidgets Soft_wid;
  GtkWidget* Fram_wid[7];   // 0 the Frame window
  GtkWidget* Optn_wid[21];
  GtkWidget* Udic_wid[29];
  GtkWidget* Help_wid[2];
  GtkWidget* Wdlg_wid[3];   // dialog windows: 0 the options dialog, 1 Udic, 2 UdicDsp
};
extern WidgetTables Wid;

// Slots of Mbox_wid and Comb_wid.
constexpr int kMboxWindow = 0;
constexpr int kMboxLabel = 1;
constexpr int kMboxOk = 2;
constexpr int kMboxCancel = 3;
constexpr int kCombSelectWindow = 0;
constexpr int kCombSelectList = 1;
constexpr int kCombAkeysWindow = 2;
constexpr int kCombAkeysList = 3;
constexpr int kCombMainImod = 4;
constexpr int kCombMainAkeys = 5;
