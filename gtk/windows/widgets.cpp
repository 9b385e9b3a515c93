// Definitions of the widget tables.
#include "gtk/windows/widgets.h"

WidgetTables Wid;
