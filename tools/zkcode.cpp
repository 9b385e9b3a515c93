// zkcode: shows the engine's view of characters: Shift-JIS code, class, EUC-JP
// bytes and single-byte equivalent; for a single-byte character (ASCII, half-width
// katakana) also the engine's code it stands for. Usage: zkcode TEXT...
#include <cstdio>
#include <string>

#include "codes.h"
#include "textconv.h"

namespace {

const char* ClassName(uint32_t cls) {
  switch (cls) {
    case kClassKanji: return "kanji";
    case kClassHiragana: return "hiragana";
    case kClassKatakana: return "katakana";
    case kClassCapital: return "capital";
    case kClassSmall: return "small";
    case kClassDigit: return "digit";
    case kClassSymbol: return "symbol";
    case kClassGesture: return "gesture";
    default: return "none";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zkcode TEXT...\n");
    return 2;
  }
  for (int a = 1; a < argc; ++a) {
    const std::string text = argv[a];
    for (size_t pos = 0; pos < text.size();) {
      const size_t len = Utf8CharLength(text, pos);
      if (len == 0) {
        std::fprintf(stderr, "zkcode: not UTF-8: %s\n", argv[a]);
        return 1;
      }
      const std::string ch = text.substr(pos, len);
      pos += len;
      const uint16_t code = Utf8ToSjisCode(ch);
      if (code == 0) {
        std::printf("%s  no Shift-JIS code\n", ch.c_str());
        continue;
      }
      if (code <= 0xFF) {
        // The engine knows only double-byte codes: a single byte is read as the one its
        // table maps it to. EUC-JP keeps ASCII as it is and puts 0x8E before a
        // half-width katakana.
        const uint16_t engine = ZkAsciiToSJis(code);
        char euc[8];
        std::snprintf(euc, sizeof euc, code < 0x80 ? "%02X" : "8E %02X", code);
        std::printf("%s  sjis %02X  class %-8s (%07X)  euc %s  single %02X  engine ", ch.c_str(), code,
                    ClassName(ZkCheckJisyu(engine)), ZkCheckJisyu(engine), euc, code);
        if (engine == 0) std::printf("none\n");
        else std::printf("%04X %s\n", engine, SjisCodeToUtf8(engine).c_str());
        continue;
      }
      const uint16_t euc = SjisToEuc(code);
      std::printf("%s  sjis %04X  class %-8s (%07X)  euc %02X %02X  single %02X\n", ch.c_str(), code,
                  ClassName(ZkCheckJisyu(code)), ZkCheckJisyu(code), euc & 0xFF, euc >> 8, ZkSJisToAscii(code));
    }
  }
  return 0;
}
