// The steps of rescoring: resetting the state, choosing which candidates take
// part, scoring the paths through a sentence and applying the best one, and the
// cost of one transition as the segmentation and the word rescoring weigh it.
#include <algorithm>
#include <cmath>

#include "codes.h"
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
  SNrun.SNthres_dist = 0;
  SNrun.SNnopunc = 0;
  std::fill(std::begin(SNrun.SNpunc), std::end(SNrun.SNpunc), 0);
  SNrun.SNnopath = 0;
  std::fill(std::begin(SNrun.SNpath_prbl), std::end(SNrun.SNpath_prbl), 0.0);
  std::fill(std::begin(SNrun.SNpath_syutu), std::end(SNrun.SNpath_syutu), 0.0);
  std::fill(std::begin(SNrun.SNpath_dist), std::end(SNrun.SNpath_dist), 0);
  for (auto& row : SNrun.SNpath_pcode) std::fill(std::begin(row), std::end(row), 0);
}

bool SeniEndsSentence(uint16_t code) {
  if (code <= 0xFF) code = ZkAsciiToSJis(code);
  return std::find(std::begin(kSentenceEnds), std::end(kSentenceEnds), code) != std::end(kSentenceEnds);
}

double SeniTransitionCost(uint16_t from, uint16_t to) {
  if (SeniEndsSentence(from)) return 0;
  int32_t occurrences = 0, pairs = 0;
  if (SeniGetPrbl(from, to, &occurrences, &pairs) != kSeniDone) return 0;
  const double p = std::max<double>(pairs, 0.5) / std::max<int32_t>(occurrences, 1);
  return std::clamp(-std::log10(p), 0.0, 4.0);
}

void SeniPunc() {
  SNrun.SNnopunc = 0;
  for (uint16_t code : kSentenceEnds)
    if (SNrun.SNnopunc < SNmapunc) SNrun.SNpunc[SNrun.SNnopunc++] = code;
}

void SeniSelect() {
  SNrun.SNthres_dist = kSeniThreshold;
  if (SNrun.SNmojiretu_koho == nullptr) return;
  for (int i = 0; i < SNrun.SNmojiretusuu; ++i) {
    SeniCharRecord& r = SNrun.SNmojiretu_koho[i];
    const int held = HeldCandidates(r);
    if (held == 0) {
      r.selected = 0;
      continue;
    }
    int selected = 1;
    while (selected < held && r.cand[selected].distance - r.cand[0].distance <= SNrun.SNthres_dist) ++selected;
    r.selected = static_cast<int16_t>(selected);
  }
}

int SeniCalc(int start, int length) {
  SNrun.SNnopath = 0;
  if (SNrun.SNmojiretu_koho == nullptr || start < 0 || length < 1 || start > SNrun.SNmojiretusuu - length)
    return kSeniOverflow;
  if (length > kSeniPathChars) return kSeniOverflow;
  const SeniCharRecord* row = SNrun.SNmojiretu_koho + start;

  const int firstSelected = SelectedCandidates(row[0]);
  if (firstSelected >= SNmapath) return kSeniOverflow;
  for (int p = 0; p < firstSelected; ++p) {
    SNrun.SNpath_prbl[p] = 1.0;
    SNrun.SNpath_syutu[p] = 0.0;
    SNrun.SNpath_dist[p] = row[0].cand[p].distance;
    SNrun.SNpath_pcode[0][p] = static_cast<int16_t>(p);
  }
  SNrun.SNnopath = firstSelected;

  for (int k = 1; k < length && SNrun.SNnopath > 0; ++k) {
    const int selected = SelectedCandidates(row[k]);
    if (selected >= SNmapath) return kSeniOverflow;
    double score[SNmapath];
    double occurrences[SNmapath];
    int from[SNmapath];
    for (int c = 0; c < selected; ++c) {
      const uint16_t b = row[k].cand[c].code;
      from[c] = -1;
      for (int q = 0; q < SNrun.SNnopath; ++q) {
        const uint16_t a = row[k - 1].cand[SNrun.SNpath_pcode[k - 1][q]].code;
        int32_t ca, pab;
        const int r = SeniGetPrbl(a, b, &ca, &pab);
        if (r != kSeniDone) return r;
        if (ca < 1) ca = 1;  // a data type without from-entries has no largest count
        const double count = pab != 0 ? pab : kUnknownPairCount;
        const double s = k == 1 ? count : SNrun.SNpath_prbl[q] * count / ca;
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
      for (int j = 0; j < k; ++j) history[j][c] = SNrun.SNpath_pcode[j][from[c]];
      history[k][c] = static_cast<int16_t>(c);
    }
    for (int c = 0; c < selected; ++c) {
      for (int j = 0; j <= k; ++j) SNrun.SNpath_pcode[j][c] = history[j][c];
      SNrun.SNpath_prbl[c] = score[c];
      SNrun.SNpath_syutu[c] = occurrences[c];
      SNrun.SNpath_dist[c] = row[k].cand[c].distance;
    }
    SNrun.SNnopath = selected;
  }
  return kSeniDone;
}

void SeniChng(int start, int length) {
  if (SNrun.SNmojiretu_koho == nullptr || SNrun.SNnopath < 1 || start < 0 || length < 1 ||
      start > SNrun.SNmojiretusuu - length || length > kSeniPathChars)
    return;
  int best = 0;
  for (int p = 1; p < SNrun.SNnopath; ++p)
    if (SNrun.SNpath_prbl[p] > SNrun.SNpath_prbl[best]) best = p;
  for (int k = 0; k < length; ++k) {
    SeniCharRecord& r = SNrun.SNmojiretu_koho[start + k];
    const int j = SNrun.SNpath_pcode[k][best];
    if (j > 0 && j < HeldCandidates(r)) std::swap(r.cand[0].code, r.cand[j].code);
  }
}
