// Definitions of the start-up state.
#include "app/appstate.h"

#include <cstring>

AppStateRec App;

void ResetStartupState(int screenWidth, int screenHeight) {
  std::memset(App.Buff_text, 0, sizeof App.Buff_text);
  std::memset(App.Over_text, 0, sizeof App.Over_text);
  std::memset(App.wind_dsp, 0, sizeof App.wind_dsp);
  std::memset(App.Timer_id, 0, sizeof App.Timer_id);
  App.Soft_old[0] = 0;
  App.Soft_old[1] = 3;
  App.Rais_paus = 1;
  App.Boot_soft = 0;
  App.Main_rct = Rect16{0, 0, 0, 0};
  App.Focus_win = 0;
  App.MboxReturn = 0;
  App.screen_w = screenWidth;
  App.screen_h = screenHeight;
}
