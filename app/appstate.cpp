// Definitions of the start-up state.
#include "app/appstate.h"

#include <cstring>

char Buff_text[kBuffTextSize];
char Over_text[kOverTextSize];
std::vector<uint8_t> DicWorkArea;
int screen_w = 0;
int screen_h = 0;
int16_t Soft_old[2] = {0, 3};
int Rais_paus = 1;
uint8_t wind_dsp[8];
unsigned int Timer_id[4];
int Boot_soft = 0;
Rect16 Main_rct;

void ResetStartupState(int screenWidth, int screenHeight) {
  std::memset(Buff_text, 0, sizeof Buff_text);
  std::memset(Over_text, 0, sizeof Over_text);
  std::memset(wind_dsp, 0, sizeof wind_dsp);
  std::memset(Timer_id, 0, sizeof Timer_id);
  Soft_old[0] = 0;
  Soft_old[1] = 3;
  Rais_paus = 1;
  Boot_soft = 0;
  Main_rct = Rect16{0, 0, 0, 0};
  screen_w = screenWidth;
  screen_h = screenHeight;
}
