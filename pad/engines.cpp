// Starting and ending the recognition engine and the transition rescoring with the
// pad; a failure to start either ends the program.
#include "pad/engines.h"

#include <gdk/gdk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/i18n.h"
#include "app/settings.h"
#include "pad/modes.h"
#include "paths.h"
#include "recog.h"
#include "seni.h"

namespace {

bool running = false;

[[noreturn]] void Fatal(const std::string& message) {
  gdk_beep();
  gdk_flush();
  std::fputs(message.c_str(), stderr);
  std::exit(1);
}

}  // namespace

void Pad_StartEngines() {
  Pad_EndEngines();  // starting again re-reads the user dictionary
  const int engine = ZkCRecInitializes();
  if (engine == 101) Fatal(ZkDefaultSystemDicPath() + Msg("がありません\n"));
  if (engine != 0) Fatal(Msg("認識エンジン初期化異常\n"));
  const int seni = SeniJisho();
  if (seni == kSeniNoFile) {
    ZkCRecEnd();
    Fatal(ZkDefaultTransitionDicPath() + Msg("がありません\n"));
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
