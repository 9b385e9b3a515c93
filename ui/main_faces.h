// Face texts of the main window that follow the settings, and the input-window names
// of the keyboard selector. Literals as written; they pass through the catalogue.
#pragma once

extern const char* const dob_mode[2];   // [dbl_mode - 1]: half-width, full-width
extern const char* const alm_mode[7];   // [alc_mode]: character-type restriction
extern const char* const pen_mode[3];   // [pmode]: mouse, pen, fixed frame
extern const char* const Comb_txt[3];   // "手書KB", "英数KB", "50音KB"
