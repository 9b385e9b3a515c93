// Face texts of the main window that follow the settings, and the input-window names
// of the keyboard selector. Literals as written; they pass through the catalogue.
#pragma once

// [dbl_mode - 1]: half-width, full-width
inline constexpr const char* dob_mode[2] = {"50;1:13:半 10:26:角", "50;1:13:全 10:26:角"};

// [alc_mode]: character-type restriction
inline constexpr const char* alm_mode[7] = {
    "50;1:13:自 10:26:動", "50;1:13:漢 10:26:字", "50;1:13:ひ 10:26:ら", "50;1:13:カ 10:26:ナ",
    "50;1:13:数 10:26:字", "50;1:13:英 10:26:字", "50;1:13:記 10:26:号",
};

// [pmode]: mouse, pen, fixed frame
inline constexpr const char* pen_mode[3] = {"48;7:15:マウス 14:30:入力", "48;14:15:ペン 14:30:入力",
                                            "48;7:23:固定枠"};

inline constexpr const char* Comb_txt[3] = {"手書KB", "英数KB", "50音KB"};
