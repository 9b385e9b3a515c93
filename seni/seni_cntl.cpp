// Rescoring a written row: the row is cut into sentences after each character
// whose best candidate ends a sentence, and each sentence gets its best path.
#include "codes.h"
#include "seni_state.h"

namespace {

struct Sentence {
  int start, length;
};

// In half-width mode the engine hands 、 。 ， ． and the space over as single
// bytes; they end a sentence just as their full-width forms do.
bool EndsSentence(const SeniCharRecord& r) {
  if (r.count < 1) return false;
  uint16_t code = r.cand[0].code;
  if (code <= 0xFF) code = ZkAsciiToSJis(code);
  for (int i = 0; i < SNrun.SNnopunc; ++i)
    if (SNrun.SNpunc[i] == code) return true;
  return false;
}

// Rescores the row in place; the caller's records are only borrowed for the call.
int RescoreRow(int count, SeniCharRecord* records) {
  SeniInit();
  SeniPunc();
  SeniSelect();

  // Every sentence is checked before any is changed, so a refused row stays as it was.
  Sentence sentences[kSeniMaxSentences];
  int sentenceCount = 0;
  int start = 0;
  for (int i = 0; i < count; ++i) {
    if (i != count - 1 && !EndsSentence(records[i])) continue;
    const int length = i - start + 1;
    if (sentenceCount == kSeniMaxSentences || length > kSeniPathChars) return kSeniOverflow;
    sentences[sentenceCount++] = {start, length};
    start = i + 1;
  }
  for (int s = 0; s < sentenceCount; ++s) {
    const int r = SeniCalc(sentences[s].start, sentences[s].length);
    if (r > 0) return r;
    SeniChng(sentences[s].start, sentences[s].length);
  }
  return kSeniDone;
}

}  // namespace

int SeniCntl(int dataType, int count, SeniCharRecord* records) {
  if (dataType < 0 || dataType >= SNtable.SNnomng) return kSeniBadType;
  if (records == nullptr || count < 1) return kSeniDone;
  SNrun.SNdatatype = dataType;
  SNrun.SNmojiretusuu = count;
  SNrun.SNmojiretu_koho = records;
  const int result = RescoreRow(count, records);
  SNrun.SNmojiretu_koho = nullptr;
  SNrun.SNmojiretusuu = 0;
  return result;
}
