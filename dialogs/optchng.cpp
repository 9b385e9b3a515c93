// The options dialog's working copy and the faces of its keys.
#include "dialogs/optchng.h"

#include <cstdio>

OptChngRec Opt_chng;

const char* const opt_name[6] = {
    "63;14:17:可変枠：小", "63;14:17:可変枠：中", "63;14:17:可変枠：大",
    "63;14:17:後処理：無", "63;14:17:後処理：有", "63;9:17:%d.%d秒後認識",
};

namespace {

constexpr int kPauseFace = 5;
constexpr int kSeniOffFace = 3;
constexpr int kColorButtons = 6;
constexpr int kWidthButtons = 3;

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

OptChngRec OptFromSettings(const ApTableRec& t) {
  return OptChngRec{t.pen_bold, t.pen_color, t.vframe_margin, t.recog_timer, t.seni_exec};
}

void OptToSettings(const OptChngRec& w, ApTableRec* t) {
  t->pen_bold = w.pen_bold;
  t->pen_color = w.pen_color;
  t->vframe_margin = w.vframe_margin;
  t->recog_timer = w.recog_timer;
  t->seni_exec = w.seni_exec;
}

bool OptPenChanged(const OptChngRec& w, const ApTableRec& t) {
  return w.pen_bold != t.pen_bold || w.pen_color != t.pen_color;
}

int32_t NextRecogTimer(int32_t ms) {
  return static_cast<int32_t>(static_cast<uint32_t>(ms) % 5000u + 500u);
}

int16_t NextMargin(int16_t margin) {
  return static_cast<int16_t>((Clamp(margin, 0, 89) + 30) % 90);
}

uint32_t NextSeni(uint32_t seni) { return seni == 0 ? 1 : 0; }

std::string PauseFace(int32_t ms) {
  // Negative values cannot come from the settings (200..5000); shown as 0.0 all the same.
  const int t = ms < 0 ? 0 : ms;
  char face[128];
  std::snprintf(face, sizeof face, opt_name[kPauseFace], t / 1000,
                t % 1000 >= 500 ? 5 : 0);
  return face;
}

const char* MarginFace(int16_t margin) { return opt_name[Clamp(margin, 0, 89) / 30]; }

const char* SeniFace(uint32_t seni) { return opt_name[kSeniOffFace + (seni != 0 ? 1 : 0)]; }

std::string OptPressedFace(const std::string& face) {
  return face.size() < 2 ? face : "64" + face.substr(2);
}

int ColorButtonIndex(int16_t penColor) { return Clamp(penColor, 0, kColorButtons - 1); }

int WidthButtonIndex(int16_t penBold) { return Clamp((penBold - 1) / 2, 0, kWidthButtons - 1); }

bool OptApplyControl(int code, OptChngRec* w) {
  if (code >= kOptColorFirst && code < kOptColorFirst + kColorButtons) {
    w->pen_color = static_cast<int16_t>(code - kOptColorFirst);
  } else if (code == kOptWidthFirst || code == kOptWidthFirst + 2 || code == kOptWidthFirst + 4) {
    w->pen_bold = static_cast<int16_t>(code - 10);
  } else if (code == kOptPause) {
    w->recog_timer = NextRecogTimer(w->recog_timer);
  } else if (code == kOptMargin) {
    w->vframe_margin = NextMargin(w->vframe_margin);
  } else if (code == kOptSeni) {
    w->seni_exec = NextSeni(w->seni_exec);
  } else {
    return false;
  }
  return true;
}
