// The user-dictionary registration dialog, opened from the options dialog.
#pragma once

// Opens the registration dialog (the options dialog has been hidden and cancelled).
void Udic_Open();
