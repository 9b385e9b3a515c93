// Starting and ending the recognition engine, the transition rescoring and the word
// model with the pad; a failure to start the engine or the transition table ends the
// program, a missing word model only leaves rows read without words.
#include "gtk/lifecycle/engines.h"

#include <sys/stat.h>

#include <string>

#include "app/i18n.h"
#include "app/settings.h"
#include "dicfile.h"
#include "gtk/lifecycle/fatal.h"
#include "gtk/lifecycle/udicstart.h"
#include "pad/modes.h"
#include "paths.h"
#include "recog.h"
#include "seni.h"
#include "word_cost.h"

namespace {

bool running = false;
bool filesChecked = false;  // the taught files are mended once per run

[[noreturn]] void Fatal(const std::string& message) { FatalExit(message.c_str()); }

// A dictionary the engine refused: missing, or there but unreadable or damaged.
std::string DictionaryFailure(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return path + Msg("がありません\n");
  return path + Msg("が壊れています\n");
}

}  // namespace

void Pad_StartEngines() {
  Pad_EndEngines();  // starting again re-reads the user dictionary
  int engine = ZkCRecInitializes();
  if (engine == kDicNoSystem) Fatal(DictionaryFailure(ZkDefaultSystemDicPath()));
  if (engine != kDicOk && engine != kDicUserDamaged) Fatal(Msg("認識エンジン初期化異常\n"));
  // A damaged dictionary met later in the run (changed behind the pad's back) is
  // handled the same way; the same damage is neither copied nor reported twice.
  if (!filesChecked || engine == kDicUserDamaged) {
    filesChecked = true;
    if (Udic_CheckFilesAtStart(engine == kDicUserDamaged)) {
      ZkCRecEnd();  // read the mended dictionary and index it
      engine = ZkCRecInitializes();
      if (engine != kDicOk && engine != kDicUserDamaged) Fatal(Msg("認識エンジン初期化異常\n"));
    }
  }
  const int seni = SeniJisho();
  if (seni == kSeniNoFile || seni == kSeniBadFile) {
    ZkCRecEnd();
    Fatal(DictionaryFailure(ZkDefaultTransitionDicPath()));
  }
  if (seni != kSeniLoaded) {
    ZkCRecEnd();
    Fatal(Msg("後処理初期化異常\n"));
  }
  // The word model is opened once (a memory map: well under a millisecond) and kept
  // across restarts; without it one line on standard error says rows are read
  // without words.
  SharedWordCost();
  running = true;
  Pad_SetEngineOptions();
}

void Pad_EndEngines() {
  if (!running) return;
  ZkCRecEnd();
  SeniClose();
  running = false;
}

void Pad_SetEngineOptions() { SetEngineOptions(Ap_table.alc_mode, Ap_table.dbl_mode, &ZkOption); }
