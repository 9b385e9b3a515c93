// Settings: defaults, the section reader and the writer of "Sorenix.dat".
#include "app/settings.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "app/appstate.h"
#include "app/trace.h"
#include "app/userdir.h"
#include "safewrite.h"

ApTableRec Ap_table;

ApTableRec ApTableDefaults(int screenWidth, int screenHeight) {
  (void)screenWidth;
  ApTableRec t{};
  t.win_x = 0;
  t.win_y = screenHeight - 93;
  t.small_x = 368;
  t.small_y = screenHeight - 163;
  t.lframe_x = 165;
  t.lframe_y = screenHeight - 220;
  t.tenk_x = 0;
  t.tenk_y = 0;
  t.dsleep = 25;
  t.imode = 1;
  t.pmode = 0;
  t.tenk_page = 0;
  t.dbl_mode = 2;
  t.alc_mode = 0;
  t.lframe_size = 1;
  t.top_ex = 1;
  t.past_type = kPasteShiftInsert;
  t.back_color = 0xA0A0A0;
  t.head_color = 0x606060;
  t.pen_bold = 3;
  t.pen_color = 0;
  t.vframe_margin = 30;
  t.recog_timer = 1500;
  t.seni_exec = 1;
  return t;
}

namespace {

// Reads one whitespace-separated word into a field of kSettingsWordSize bytes. A longer
// word keeps its first kSettingsWordSize-1 bytes and the rest of it is skipped, so the
// pairs of section name and values stay in step. False at the end of the input.
bool ReadWord(std::istream& in, char (&field)[kSettingsWordSize]) {
  int c = in.get();
  while (c != EOF && std::isspace(static_cast<unsigned char>(c))) c = in.get();
  if (c == EOF) return false;
  int used = 0;
  while (c != EOF && !std::isspace(static_cast<unsigned char>(c))) {
    if (used < kSettingsWordSize - 1) field[used++] = static_cast<char>(c);
    c = in.get();
  }
  field[used] = '\0';
  return true;
}

// The numbers of a values word: the first after its first "=" (the whole word when it
// has none), each further one after the next "=". strtol with base 0, so "0x" is hex.
class ValueCursor {
 public:
  explicit ValueCursor(const char* word) : word_(word), cursor_(nullptr) {}

  // False when there is no such value or it has no digits; the field then keeps its value.
  bool Next(long* value) {
    const char* start;
    if (!cursor_) {
      cursor_ = std::strchr(word_, '=');
      start = cursor_ ? cursor_ + 1 : word_;
      if (!cursor_) cursor_ = word_ + std::strlen(word_);
    } else {
      if (*cursor_ == '\0') return false;
      cursor_ = std::strchr(cursor_ + 1, '=');
      if (!cursor_) {
        cursor_ = word_ + std::strlen(word_);
        return false;
      }
      start = cursor_ + 1;
    }
    char* end = nullptr;
    const long v = std::strtol(start, &end, 0);
    if (end == start) return false;
    *value = v;
    return true;
  }

 private:
  const char* word_;
  const char* cursor_;
};

// Upper bound first, then lower bound: a range that is empty on a small screen gives lo.
long Clamp(long v, long lo, long hi) {
  if (v > hi) v = hi;
  if (v < lo) v = lo;
  return v;
}

template <typename Field>
void Store(ValueCursor& values, long lo, long hi, Field* field) {
  long v;
  if (values.Next(&v)) *field = static_cast<Field>(Clamp(v, lo, hi));
}

bool IsSection(const char* word, const char* name) {
  return std::strncmp(word, name, std::strlen(name)) == 0;
}

void ApplySection(const char* name, const char* valuesWord, int sw, int sh, ApTableRec* t) {
  ValueCursor values(valuesWord);
  long v;
  if (IsSection(name, "[WINDOW]")) {
    Store(values, 0, sw - 700, &t->win_x);
    Store(values, 0, sh - 93, &t->win_y);
  } else if (IsSection(name, "[SMALL]")) {
    Store(values, 0, sw - 400, &t->small_x);
    Store(values, 0, sh - 120, &t->small_y);
  } else if (IsSection(name, "[DOUBLE]")) {
    Store(values, 1, 2, &t->dbl_mode);
  } else if (IsSection(name, "[ALCMOD]")) {
    Store(values, 0, 6, &t->alc_mode);
  } else if (IsSection(name, "[LFRAME]")) {
    Store(values, 0, sw - 400, &t->lframe_x);
    Store(values, 0, sh - 100, &t->lframe_y);
    Store(values, 1, 3, &t->lframe_size);
  } else if (IsSection(name, "[VFRAME]")) {
    Store(values, 0, 60, &t->vframe_margin);
  } else if (IsSection(name, "[RECOG]")) {
    Store(values, 200, 5000, &t->recog_timer);
  } else if (IsSection(name, "[PCOL]")) {
    Store(values, 0, 5, &t->pen_color);
  } else if (IsSection(name, "[PBOL]")) {
    Store(values, 1, 5, &t->pen_bold);
  } else if (IsSection(name, "[SENI]")) {
    if (values.Next(&v)) t->seni_exec = v != 0;
  } else if (IsSection(name, "[DSLEEP]")) {
    Store(values, 0, 50, &t->dsleep);
  } else if (IsSection(name, "[IMODE]")) {
    Store(values, 1, 12, &t->imode);
  } else if (IsSection(name, "[PMODE]")) {
    Store(values, 0, 2, &t->pmode);
  } else if (IsSection(name, "[TOPEX]")) {
    Store(values, 0, 1, &t->top_ex);
  } else if (IsSection(name, "[PAST]")) {
    Store(values, kPasteControlV, kPasteShiftInsert, &t->past_type);
  } else if (IsSection(name, "[COLOR]")) {
    if (values.Next(&v)) t->back_color = static_cast<uint32_t>(v) & 0xFFFFFFu;
    if (values.Next(&v)) t->head_color = static_cast<uint32_t>(v) & 0xFFFFFFu;
  }
}

}  // namespace

void ApTableRead(std::istream& in, int screenWidth, int screenHeight, ApTableRec* table) {
  char name[kSettingsWordSize];
  char values[kSettingsWordSize];
  while (ReadWord(in, name) && ReadWord(in, values))
    ApplySection(name, values, screenWidth, screenHeight, table);
}

std::string ApTableText(const ApTableRec& t) {
  char buf[1024];
  const int n = std::snprintf(
      buf, sizeof buf,
      "[WINDOW]\nX=%d,Y=%d\n\n"
      "[SMALL]\nX=%d,Y=%d\n\n"
      "[DOUBLE]\nMODE=%d\n\n"
      "[ALCMOD]\nJISYU=%d\n\n"
      "[LFRAME]\nX=%d,Y=%d,SIZE=%d\n\n"
      "[VFRAME]\nMERGIN=%d\n\n"
      "[RECOG]\nTIMER=%d\n\n"
      "[PCOL]\nCOLOR=%d\n\n"
      "[PBOL]\nBOLD=%d\n\n"
      "[SENI]\nEXEC=%u\n\n"
      "[DSLEEP]\nTIMER=%d\n\n"
      "[IMODE]\nMODE=%d\n\n"
      "[PMODE]\nMODE=%d\n\n"
      "[TOPEX]\nEXEC=%d\n\n"
      "[PAST]\nTYPE=%d\n\n"
      "[COLOR]\nBACK=0x%06lX,HEAD=0x%06lX\n\n",
      t.win_x, t.win_y, t.small_x, t.small_y, t.dbl_mode, t.alc_mode, t.lframe_x, t.lframe_y,
      t.lframe_size, t.vframe_margin, t.recog_timer, t.pen_color, t.pen_bold, t.seni_exec,
      t.dsleep, t.imode, t.pmode, t.top_ex, t.past_type, static_cast<unsigned long>(t.back_color),
      static_cast<unsigned long>(t.head_color));
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

bool ApTableLoad(const std::string& path, int screenWidth, int screenHeight, ApTableRec* table) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  ApTableRead(in, screenWidth, screenHeight, table);
  return true;
}

bool ApTableSave(const std::string& path, const ApTableRec& table, std::string* error) {
  return WriteFileAtomically(path, ApTableText(table), error);
}

namespace {
void (*saveFailureHandler)(const char*) = nullptr;
}  // namespace

void SetSettingsSaveFailureHandler(void (*handler)(const char* reason)) {
  saveFailureHandler = handler;
}

void ApTableEx(int mode) {
  const std::string path = UserFilePath(kSettingsFileName);
  if (mode == 0) {
    ApTableLoad(path, screen_w, screen_h, &Ap_table);
    return;
  }
  std::string error;
  if (ApTableSave(path, Ap_table, &error)) {
    Trace("SETTINGS saved x=%d y=%d imode=%d", Ap_table.win_x, Ap_table.win_y, Ap_table.imode);
    return;
  }
  Trace("SETTINGS unwritable");
  // Said once: the settings are saved at every change, and one message is enough.
  static bool told = false;
  if (told) return;
  told = true;
  std::fprintf(stderr, "sorenix: %s\n", error.c_str());
  if (saveFailureHandler) saveFailureHandler(error.c_str());
}
