// Settings: defaults, the section reader and the writer of "Sorenix.dat".
#include "app/settings.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

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

// Where the upper bound of a position comes from: the screen size less `hi`.
enum class Bound { kFixed, kScreenWidthLess, kScreenHeightLess };

// The fields of one section in the order the file writes them, with their ranges.
struct FieldSpec {
  const char* key;
  long lo, hi;
  Bound upper;
  void (*store)(ApTableRec* t, long v);
};

struct SectionSpec {
  const char* name;
  FieldSpec fields[3];
};

// Upper bound first, then lower bound: a range that is empty on a small screen gives lo.
long Clamp(long v, long lo, long hi) {
  if (v > hi) v = hi;
  if (v < lo) v = lo;
  return v;
}

constexpr long kAny = LONG_MAX;
constexpr Bound kW = Bound::kScreenWidthLess, kH = Bound::kScreenHeightLess, kF = Bound::kFixed;

const SectionSpec kSections[] = {
    {"[WINDOW]", {{"X", 0, 700, kW, [](ApTableRec* t, long v) { t->win_x = int32_t(v); }},
                  {"Y", 0, 93, kH, [](ApTableRec* t, long v) { t->win_y = int32_t(v); }}}},
    {"[SMALL]", {{"X", 0, 400, kW, [](ApTableRec* t, long v) { t->small_x = int32_t(v); }},
                 {"Y", 0, 120, kH, [](ApTableRec* t, long v) { t->small_y = int32_t(v); }}}},
    {"[DOUBLE]", {{"MODE", 1, 2, kF, [](ApTableRec* t, long v) { t->dbl_mode = int16_t(v); }}}},
    {"[ALCMOD]", {{"JISYU", 0, 6, kF, [](ApTableRec* t, long v) { t->alc_mode = int16_t(v); }}}},
    {"[LFRAME]", {{"X", 0, 400, kW, [](ApTableRec* t, long v) { t->lframe_x = int32_t(v); }},
                  {"Y", 0, 100, kH, [](ApTableRec* t, long v) { t->lframe_y = int32_t(v); }},
                  {"SIZE", 1, 3, kF, [](ApTableRec* t, long v) { t->lframe_size = int16_t(v); }}}},
    {"[VFRAME]", {{"MERGIN", 0, 60, kF, [](ApTableRec* t, long v) { t->vframe_margin = int16_t(v); }}}},
    {"[RECOG]", {{"TIMER", 200, 5000, kF, [](ApTableRec* t, long v) { t->recog_timer = int32_t(v); }}}},
    {"[PCOL]", {{"COLOR", 0, 5, kF, [](ApTableRec* t, long v) { t->pen_color = int16_t(v); }}}},
    {"[PBOL]", {{"BOLD", 1, 5, kF, [](ApTableRec* t, long v) { t->pen_bold = int16_t(v); }}}},
    {"[SENI]", {{"EXEC", -kAny, kAny, kF, [](ApTableRec* t, long v) { t->seni_exec = v != 0; }}}},
    {"[DSLEEP]", {{"TIMER", 0, 50, kF, [](ApTableRec* t, long v) { t->dsleep = int32_t(v); }}}},
    {"[IMODE]", {{"MODE", 1, 12, kF, [](ApTableRec* t, long v) { t->imode = int16_t(v); }}}},
    {"[PMODE]", {{"MODE", 0, 2, kF, [](ApTableRec* t, long v) { t->pmode = int16_t(v); }}}},
    {"[TOPEX]", {{"EXEC", 0, 1, kF, [](ApTableRec* t, long v) { t->top_ex = int16_t(v); }}}},
    {"[PAST]", {{"TYPE", kPasteControlV, kPasteShiftInsert, kF, [](ApTableRec* t, long v) { t->past_type = int16_t(v); }}}},
    {"[COLOR]", {{"BACK", -kAny, kAny, kF,
                  [](ApTableRec* t, long v) { t->back_color = static_cast<uint32_t>(v) & 0xFFFFFFu; }},
                 {"HEAD", -kAny, kAny, kF,
                  [](ApTableRec* t, long v) { t->head_color = static_cast<uint32_t>(v) & 0xFFFFFFu; }}}},
};

long UpperBound(const FieldSpec& f, int sw, int sh) {
  if (f.upper == Bound::kScreenWidthLess) return sw - f.hi;
  if (f.upper == Bound::kScreenHeightLess) return sh - f.hi;
  return f.hi;
}

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool SameKey(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

// A whole number as strtol reads it with base 0 ("0x" hex, "0" octal), nothing after it.
bool ParseNumber(const std::string& text, long* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  *value = std::strtol(text.c_str(), &end, 0);
  return end != text.c_str() && *end == '\0';
}

struct Assignment {
  const FieldSpec* field;
  long value;
};

// Reads a values line "KEY=VALUE, KEY=VALUE" of a section into assignments. A key the
// section knows names its field; any other key (or a bare value) takes the field at
// its position in the line, as files written by hand always have. Empty on a fault,
// with the reason in `why`.
std::vector<Assignment> ParseValues(const SectionSpec& section, const std::string& line, std::string* why) {
  std::vector<Assignment> out;
  size_t start = 0;
  for (size_t position = 0;; ++position) {
    const size_t comma = line.find(',', start);
    const std::string item = Trim(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    const size_t eq = item.find('=');
    const std::string key = eq == std::string::npos ? "" : Trim(item.substr(0, eq));
    const std::string text = Trim(eq == std::string::npos ? item : item.substr(eq + 1));
    const FieldSpec* field = nullptr;
    for (const FieldSpec& f : section.fields)
      if (f.key && SameKey(key, f.key)) field = &f;
    if (!field && position < std::size(section.fields)) field = section.fields[position].key ? &section.fields[position] : nullptr;
    long value = 0;
    if (!field) {
      *why = "more values than " + std::string(section.name) + " holds";
      return {};
    }
    if (!ParseNumber(text, &value)) {
      *why = "\"" + item + "\" is not KEY=NUMBER";
      return {};
    }
    out.push_back({field, value});
    if (comma == std::string::npos) return out;
    start = comma + 1;
  }
}

}  // namespace

void ApTableRead(BoundedLineReader& in, const std::string& fileName, int screenWidth, int screenHeight,
                 ApTableRec* table, std::vector<std::string>* warnings) {
  const SectionSpec* section = nullptr;
  bool inUnknownSection = false;
  size_t named = 0;
  long unnamed = 0;  // malformed lines past the ones named
  std::string raw;
  while (in.Next(&raw)) {
    auto warn = [&](const std::string& why) {
      if (!warnings) return;
      if (named < kSettingsWarningsNamed) {
        warnings->push_back(fileName + ":" + std::to_string(in.LineNumber()) + ": " + why);
        ++named;
      } else {
        ++unnamed;
      }
    };
    const std::string line = Trim(raw);
    if (in.Truncated()) {
      warn("line longer than " + std::to_string(kSettingsLineSize) + " bytes, skipped");
      continue;
    }
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line[0] == '[') {
      // A section line names its section from its start ("[TOPEX]" in "[TOPEX] old").
      section = nullptr;
      for (const SectionSpec& s : kSections)
        if (line.compare(0, std::strlen(s.name), s.name) == 0) section = &s;
      inUnknownSection = section == nullptr;  // a later program's section: its lines are not ours
      continue;
    }
    if (inUnknownSection) continue;
    if (!section) {
      warn("values outside any [SECTION], skipped");
      continue;
    }
    std::string why;
    const std::vector<Assignment> values = ParseValues(*section, line, &why);
    if (values.empty()) {
      warn(why + ", line skipped");
      continue;
    }
    for (const Assignment& a : values)
      a.field->store(table, Clamp(a.value, a.field->lo, UpperBound(*a.field, screenWidth, screenHeight)));
  }
  if (unnamed > 0)
    warnings->push_back(fileName + ": " + std::to_string(unnamed) + " more malformed line" + (unnamed > 1 ? "s" : "") +
                        " skipped");
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

bool ApTableLoad(const std::string& path, int screenWidth, int screenHeight, ApTableRec* table,
                 std::vector<std::string>* warnings, std::string* refusal) {
  std::string why;
  // The pad replaces this file: a symlink, FIFO or device in its place is not read.
  const int fd = OpenRegularFile(path, Symlinks::kRefuse, &why);
  if (fd < 0) {
    struct stat st;
    if (refusal && !(::lstat(path.c_str(), &st) != 0 && errno == ENOENT)) *refusal = why;
    return false;
  }
  BoundedLineReader in(fd, kSettingsLineSize, true);
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    if (refusal) *refusal = path + ": " + std::strerror(errno);
    return false;
  }
  if (st.st_size > kSettingsFileMax) {
    if (refusal)
      *refusal = path + ": " + std::to_string(static_cast<long long>(st.st_size)) +
                 " bytes, more than a settings file can hold (" + std::to_string(kSettingsFileMax) + ")";
    return false;
  }
  ApTableRead(in, path, screenWidth, screenHeight, table, warnings);
  return true;
}

bool ApTableSave(const std::string& path, const ApTableRec& table, std::string* error) {
  return WriteFileAtomically(path, ApTableText(table), error);
}

namespace {
void (*saveFailureHandler)(const char*) = nullptr;
// Set when loading found a file it could not read: saving over it would lose it.
bool keepUnreadFile = false;
std::string unreadReason;
}  // namespace

void SetSettingsSaveFailureHandler(void (*handler)(const char* reason)) {
  saveFailureHandler = handler;
}

void ApTableEx(int mode) {
  const std::string path = UserFilePath(kSettingsFileName);
  if (mode == 0) {
    std::vector<std::string> warnings;
    std::string refusal;
    keepUnreadFile = !ApTableLoad(path, App.screen_w, App.screen_h, &Ap_table, &warnings, &refusal) && !refusal.empty();
    for (const std::string& w : warnings) std::fprintf(stderr, "%s\n", w.c_str());
    if (keepUnreadFile) {
      unreadReason = refusal + "; not read, the defaults are used and the file is kept as it is";
      std::fprintf(stderr, "sorenix: %s\n", unreadReason.c_str());
    }
    return;
  }
  // A file that was not read is never saved over; the user hears of it like of any
  // other save that cannot be made.
  std::string error = unreadReason;
  if (!keepUnreadFile && ApTableSave(path, Ap_table, &error)) {
    Trace("SETTINGS saved x=%d y=%d imode=%d", Ap_table.win_x, Ap_table.win_y, Ap_table.imode);
    return;
  }
  Trace(keepUnreadFile ? "SETTINGS unwritable kept unread file" : "SETTINGS unwritable");
  // Said once: the settings are saved at every change, and one message is enough.
  static bool told = false;
  if (told) return;
  told = true;
  std::fprintf(stderr, "sorenix: %s\n", error.c_str());
  if (saveFailureHandler) saveFailureHandler(error.c_str());
}
