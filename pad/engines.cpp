// Starting and ending the recognition engine, the transition rescoring and the word
// model with the pad; a failure to start the engine or the transition table ends the
// program, a missing word model only leaves rows read without words.
#include "pad/engines.h"

#include <sys/stat.h>

#include <string>

#include "app/fatal.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "pad/modes.h"
#include "paths.h"
#include "recog.h"
#include "seni.h"
#include "word_cost.h"

namespace {

bool running = false;

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
  const int engine = ZkCRecInitializes();
  if (engine == 101) Fatal(DictionaryFailure(ZkDefaultSystemDicPath()));
  if (engine != 0) Fatal(Msg("認識エンジン初期化異常\n"));
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
