// The message about damaged or mended user files at start.
#include "gtk/lifecycle/udicstart.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "app/i18n.h"
#include "app/trace.h"
#include "dialogs/udicstore.h"
#include "gtk/windows/msgbox.h"
#include "usrdic.h"

namespace {

std::string Format(const char* format, const std::string& value) {
  char text[1024];
  std::snprintf(text, sizeof text, Msg(format), value.c_str());
  return std::string(text) + "\n";
}

std::string Format(const char* format, int value) {
  char text[512];
  std::snprintf(text, sizeof text, Msg(format), value);
  return std::string(text) + "\n";
}

std::string ReportText(const UdicStartReport& r, bool dictionaryDamaged) {
  std::string text;
  if (!r.dictionaryCopy.empty()) {
    text += Format("ユーザ辞書が壊れていました。読めた分だけを使います。元のファイルは %s に残しました。",
                   r.dictionaryCopy);
    if (r.registered > 0) text += Format("読めなかった %d 文字は学習辞書の手本から登録し直しました。", r.registered);
  }
  if (r.dictionaryUnsaved)
    text += Format("ユーザ辞書 %s が壊れていますが、写しを残せないため書き換えません。", ZkUsrDicPath());
  if (!r.learnCopy.empty())
    text += Format("学習辞書の一部が読めませんでした。読めた分だけを使います。元のファイルは %s に残しました。",
                   r.learnCopy);
  if (r.learnRead == LearnRead::kTooLarge)
    text += Format("学習辞書 %s は大きすぎるため読みません。", LearnFilePath());
  else if (r.learnRead == LearnRead::kUnreadable)
    text += Format("学習辞書 %s が読めません。", LearnFilePath());
  if (r.unregistrable > 0 && (dictionaryDamaged || r.learnRead != LearnRead::kRead))
    text += Format("学習辞書の %d 文字は辞書に登録できませんでした。", r.unregistrable);
  return text;
}

gboolean ShowReport(gpointer data) {
  std::string* text = static_cast<std::string*>(data);
  MessageBox(text->c_str(), kMboxBeep);
  delete text;
  return FALSE;
}

}  // namespace

bool Udic_CheckFilesAtStart(bool dictionaryDamaged) {
  UdicFiles files;
  const UdicStartReport r = UdicCheckAtStart(&files, dictionaryDamaged);
  Trace("UDIC check dictionary=%s learn=%s registered=%d unregistrable=%d",
        r.dictionaryCopy.empty() ? (r.dictionaryUnsaved ? "unsaved" : "-") : r.dictionaryCopy.c_str(),
        r.learnCopy.empty() ? "-" : r.learnCopy.c_str(), r.registered, r.unregistrable);
  std::string text = ReportText(r, dictionaryDamaged);
  if (!text.empty()) {
    std::fprintf(stderr, "sorenix: %s", text.c_str());
    text.pop_back();
    g_idle_add(ShowReport, new std::string(text));  // once the pad is on the screen
  }
  return r.dictionaryChanged;
}
