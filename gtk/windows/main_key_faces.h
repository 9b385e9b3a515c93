// The faces of the main window's keys on press and release: the settings keys show
// their mode, the candidate keys and 確定 are drawn by the pad's display.
#pragma once

// The face of main-window key k (1..kKeyShrink), pressed or released.
void MainKeyFace(int k, bool pressed);
