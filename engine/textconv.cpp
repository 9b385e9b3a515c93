// iconv-based text conversions. Shift-JIS is read as CP932 and EUC-JP as
// EUC-JP-MS so that both directions agree on the vendor rows (circled digits).
#include "textconv.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

constexpr const char* kSjisCharset = "CP932";
constexpr const char* kEucCharset = "EUC-JP-MS";

// An iconv descriptor; each thread keeps its own (a descriptor holds conversion
// state and may not be shared).
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Run(const std::string& in, std::string* out) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> buf(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = buf.data();
    size_t dstLeft = buf.size();
    if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) return false;
    if (iconv(cd_, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1)) return false;
    out->assign(buf.data(), static_cast<size_t>(dst - buf.data()));
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string SjisCodeToUtf8(uint16_t code) {
  std::string in;
  if (code <= 0xFF) {
    if (code == 0) return "";
    in.push_back(static_cast<char>(code));
  } else {
    in.push_back(static_cast<char>(code >> 8));
    in.push_back(static_cast<char>(code & 0xFF));
  }
  thread_local Converter conv("UTF-8", kSjisCharset);
  std::string out;
  if (!conv.Run(in, &out)) return "";
  return out;
}

uint16_t Utf8ToSjisCode(const std::string& text) {
  const size_t len = Utf8CharLength(text, 0);
  if (len == 0) return 0;
  thread_local Converter conv(kSjisCharset, "UTF-8");
  std::string out;
  if (!conv.Run(text.substr(0, len), &out)) return 0;
  if (out.size() == 1) return static_cast<uint8_t>(out[0]);
  if (out.size() == 2)
    return static_cast<uint16_t>((static_cast<uint8_t>(out[0]) << 8) | static_cast<uint8_t>(out[1]));
  return 0;
}

bool EucToUtf8(const std::string& euc, std::string* utf8) {
  thread_local Converter conv("UTF-8", kEucCharset);
  return conv.Run(euc, utf8);
}

bool Utf8ToEuc(const std::string& utf8, std::string* euc) {
  thread_local Converter conv(kEucCharset, "UTF-8");
  return conv.Run(utf8, euc);
}

size_t Utf8CharLength(const std::string& text, size_t pos) {
  if (pos >= text.size()) return 0;
  const uint8_t lead = static_cast<uint8_t>(text[pos]);
  size_t len;
  if (lead < 0x80) len = 1;
  else if ((lead & 0xE0) == 0xC0) len = 2;
  else if ((lead & 0xF0) == 0xE0) len = 3;
  else if ((lead & 0xF8) == 0xF0) len = 4;
  else return 0;
  if (pos + len > text.size()) return 0;
  for (size_t i = 1; i < len; ++i)
    if ((static_cast<uint8_t>(text[pos + i]) & 0xC0) != 0x80) return 0;
  return len;
}

std::string Utf8FromCodePoint(uint32_t cp) {
  std::string s;
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return s;
  if (cp < 0x80) {
    s.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    s.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    s.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    s.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    s.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
  return s;
}

std::vector<std::string> Utf8Characters(const std::string& text) {
  std::vector<std::string> chars;
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = Utf8CharLength(text, pos);
    if (length == 0) break;
    chars.push_back(text.substr(pos, length));
    pos += length;
  }
  return chars;
}
