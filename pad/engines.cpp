// Starting and ending the recognition engine and the transition rescoring with the
// pad; a failure to start either ends the program.
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
