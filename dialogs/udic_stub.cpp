// Stand-in for the registration dialog until it is built.
#include "dialogs/udic.h"

#include "app/i18n.h"
#include "app/msgbox.h"

void Udic_Open() { MessageBox(Msg("この機能はまだ使えません"), 0); }
