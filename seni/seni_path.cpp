// The steps of rescoring: resetting the state, choosing which candidates take
// part, scoring the paths through a sentence and applying the best one.
#include <algorithm>

#include "seni_state.h"

namespace {

// Sentence-ending codes: 、 。 ， ． and the full-width space.
constexpr uint16_t kSentenceEnds[] = {0x8141, 0x8142, 0x8143, 0x8144, 0x8140};

// Unknown pairs count as half an occurrence.
constexpr double kUnknownPairCount = 0.5;

// Candidates a record really holds, whatever its count field says.
int HeldCandidates(const SeniCharRecord& r) { return std::clamp<int>(r.count, 0, kSeniCandidates); }
int SelectedCandidates(const SeniCharRecord& r) { return std::clamp<int>(r.selected, 0, HeldCandidates(r)); }

}  // namespace

void SeniInit() {
  SNthres_dist = 0;
  SNnopunc = 0;
  std::fill(std::begin(SNpunc), std::end(SNpunc), 0);
  SNnopath = 0;
  std::fill(std::begin(SNpath_prbl), std::end(SNpath_prbl), 0.0);
  std::fill(std::begin(SNpath_syutu), std::end(SNpath_syutu), 0.0);
  std::fill(std::begin(SNpath_dist), std::end(SNpath_dist), 0);
  for (auto& row : SNpath_pcode) std::fill(std::begin(row), std::end(row), 0);
}

void SeniPunc() {
  SNnopunc = 0;
  for (uint16_t code : kSentenceEnds)
    if (SNnopunc < SNmapunc) SNpunc[SNnopunc++] = code;
}

void SeniSelect() {
  SNthres_dist = kSeniThreshold;
  if (SNmojiretu_koho == nullptr) return;
  for (int i = 0; i < SNmojiretusuu; ++i) {
    SeniCharRecord& r = SNmojiretu_koho[i];
    const int held = HeldCandidates(r);
    if (held == 0) {
      r.selected = 0;
      continue;
    }
    int selected = 1;
    while (selected < held && r.cand[selected].distance - r.cand[0].distance <= SNthres_dist) ++selected;
    r.selected = static_cast<int16_t>(selected);
  }
}

int SeniCalc(int start, int length) {
  SNnopath = 0;
  if (SNmojiretu_koho == nullptr || start < 0 || length < 1 || start > SNmojiretusuu - length)
    return kSeniOverflow;
  if (length > kSeniPathChars) return kSeniOverflow;
  const SeniCharRecord* row = SNmojiretu_koho + start;

  const int firstSelected = SelectedCandidates(row[0]);
  if (firstSelected >= SNmapath) return kSeniOverflow;
  for (int p = 0; p < firstSelected; ++p) {
    SNpath_prbl[p] = 1.0;
    SNpath_syutu[p] = 0.0;
    SNpath_dist[p] = row[0].cand[p].distance;
    SNpath_pcode[0][p] = static_cast<int16_t>(p);
  }
  SNnopath = firstSelected;

  for (int k = 1; k < length && SNnopath > 0; ++k) {
    const int selected = SelectedCandidates(row[k]);
    if (selected >= SNmapath) return kSeniOverflow;
    double score[SNmapath];
    double occurrences[SNmapath];
    int from[SNmapath];
    for (int c = 0; c < selected; ++c) {
      const uint16_t b = row[k].cand[c].code;
      from[c] = -1;
      for (int q = 0; q < SNnopath; ++q) {
        const uint16_t a = row[k - 1].cand[SNpath_pcode[k - 1][q]].code;
        int32_t ca, pab;
        const int r = SeniGetPrbl(a, b, &ca, &pab);
        if (r != kSeniDone) return r;
        if (ca < 1) ca = 1;  // a data type without from-entries has no largest count
        const double count = pab != 0 ? pab : kUnknownPairCount;
        const double s = k == 1 ? count : SNpath_prbl[q] * count / ca;
        if (from[c] < 0 || s > score[c]) {
          from[c] = q;
          score[c] = s;
          occurrences[c] = ca;
        }
      }
    }
    // Each new path continues the history of the path it came from.
    int16_t history[kSeniPathChars][SNmapath];
    for (int c = 0; c < selected; ++c) {
      for (int j = 0; j < k; ++j) history[j][c] = SNpath_pcode[j][from[c]];
      history[k][c] = static_cast<int16_t>(c);
    }
    for (int c = 0; c < selected; ++c) {
      for (int j = 0; j <= k; ++j) SNpath_pcode[j][c] = history[j][c];
      SNpath_prbl[c] = score[c];
      SNpath_syutu[c] = occurrences[c];
      SNpath_dist[c] = row[k].cand[c].distance;
    }
    SNnopath = selected;
  }
  return kSeniDone;
}

void SeniChng(int start, int length) {
  if (SNmojiretu_koho == nullptr || SNnopath < 1 || start < 0 || length < 1 ||
      start > SNmojiretusuu - length || length > kSeniPathChars)
    return;
  int best = 0;
  for (int p = 1; p < SNnopath; ++p)
    if (SNpath_prbl[p] > SNpath_prbl[best]) best = p;
  for (int k = 0; k < length; ++k) {
    SeniCharRecord& r = SNmojiretu_koho[start + k];
    const int j = SNpath_pcode[k][best];
    if (j > 0 && j < HeldCandidates(r)) std::swap(r.cand[0].code, r.cand[j].code);
  }
}
