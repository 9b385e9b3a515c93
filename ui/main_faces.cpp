// The settings-dependent face tables.
#include "ui/main_faces.h"

const char* const dob_mode[2] = {"50;1:13:半 10:26:角", "50;1:13:全 10:26:角"};

const char* const alm_mode[7] = {
    "50;1:13:自 10:26:動", "50;1:13:漢 10:26:字", "50;1:13:ひ 10:26:ら", "50;1:13:カ 10:26:ナ",
    "50;1:13:数 10:26:字", "50;1:13:英 10:26:字", "50;1:13:記 10:26:号",
};

const char* const pen_mode[3] = {"48;7:15:マウス 14:30:入力", "48;14:15:ペン 14:30:入力",
                                 "48;7:23:固定枠"};

const char* const Comb_txt[3] = {"手書KB", "英数KB", "50音KB"};
