// The toolkit side of character editing (gtk/control/editing_gtk.cpp).
#pragma once

// Editing messages go to the message box from now on.
void InstallEditPorts();
