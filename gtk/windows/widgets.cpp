// Definitions of the widget tables.
#include "gtk/windows/widgets.h"

GtkWidget* Main_wid[46];
GtkWidget* Comb_wid[16];
GtkWidget* Mbox_wid[4];
GtkWidget* Kbox_wid[2];
GtkWidget* Tenk_wid[23];
SoftWidgets Soft_wid;
GtkWidget* Fram_wid[7];
GtkWidget* Optn_wid[21];
GtkWidget* Udic_wid[29];
GtkWidget* Help_wid[2];
