// The X side of the commit: the input-focus query, the clipboard hand-over through
// the hidden entry Text151, and the paste timer's handler.
#pragma once

#include <glib.h>

// Installs the focus query and the clipboard hand-over of pad/platform.h.
void InstallCommitPorts();

// Commits Over_text (timer slot 1 is removed first); returns FALSE, so it serves as
// the one-shot paste timer.
gboolean TimOverpEx(gpointer data);
