// Reader of the help file.
#include "dialogs/helpfile.h"

#include <sstream>

#include "saferead.h"
#include "textconv.h"

const char* const kHelpTopicNames[kHelpTopics] = {
    "文字の削除",     "全角/半角の変更", "字種指定",           "文字の分離結合",
    "かな漢字変換",   "文字の大小変換",  "ユーザ辞書登録",     "入力の確定/改行",
    "誤認識の訂正",   "ソフトキーボード", "後処理の有無",      "認識開始時間の設定",
    "固定枠/可変枠", "困った時のQ＆A",   "バージョン情報",
};

namespace {

constexpr const char* kUnreadable = "〓";

bool IsEucByte(unsigned char c) { return c >= 0xA1 && c <= 0xFE; }
bool IsLeadByte(unsigned char c) { return c == 0x8E || c == 0x8F || IsEucByte(c); }

// Length of the EUC-JP character at `pos`: 1 for ASCII, 2 or 3 for a complete
// multi-byte character, 0 when the bytes there form none.
size_t EucCharLength(const std::string& s, size_t pos) {
  const unsigned char c = static_cast<unsigned char>(s[pos]);
  const size_t left = s.size() - pos;
  auto at = [&](size_t i) { return static_cast<unsigned char>(s[pos + i]); };
  if (c < 0x80) return c == 0 ? 0 : 1;
  if (c == 0x8E) return left >= 2 && at(1) >= 0xA1 && at(1) <= 0xDF ? 2 : 0;
  if (c == 0x8F) return left >= 3 && IsEucByte(at(1)) && IsEucByte(at(2)) ? 3 : 0;
  if (IsEucByte(c)) return left >= 2 && IsEucByte(at(1)) ? 2 : 0;
  return 0;
}

// One line without its line end ("\n", or "\r\n"); at most kHelpMaxLineBytes are kept,
// cut before a character that would not fit whole. False at the end of the input.
bool ReadLine(std::istream& in, std::string* line) {
  line->clear();
  int c = in.get();
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    if (line->size() < kHelpMaxLineBytes) line->push_back(static_cast<char>(c));
    c = in.get();
  }
  if (!line->empty() && line->back() == '\r') line->pop_back();
  if (line->size() >= kHelpMaxLineBytes) {
    // Drop a character the cut left incomplete: a lead byte too close to the end.
    size_t pos = 0;
    while (pos < line->size()) {
      const size_t n = EucCharLength(*line, pos);
      if (n == 0 && IsLeadByte(static_cast<unsigned char>((*line)[pos])) &&
          line->size() - pos < (static_cast<unsigned char>((*line)[pos]) == 0x8F ? 3u : 2u))
        break;
      pos += n ? n : 1;
    }
    line->resize(pos);
  }
  return true;
}

}  // namespace

std::string EucToUtf8Readable(const std::string& euc) {
  std::string out;
  out.reserve(euc.size() * 3 / 2);
  size_t pos = 0;
  while (pos < euc.size()) {
    const size_t n = EucCharLength(euc, pos);
    if (n == 1) {
      out.push_back(euc[pos]);
      ++pos;
      continue;
    }
    std::string utf8;
    if (n > 1 && EucToUtf8(euc.substr(pos, n), &utf8) && !utf8.empty())
      out += utf8;
    else
      out += kUnreadable;
    pos += n ? n : 1;
  }
  return out;
}

HelpTopic ReadHelpTopic(std::istream& in, int n) {
  HelpTopic topic;
  std::string line;
  for (int count = 1; count < n;) {
    if (!ReadLine(in, &line)) return topic;
    if (line.empty()) ++count;
  }
  if (!ReadLine(in, &line)) return topic;
  topic.found = true;
  topic.title = EucToUtf8Readable(line);
  while (ReadLine(in, &line) && !line.empty()) {
    if (topic.lines.size() >= kHelpMaxBodyLines) continue;  // read on to the topic's end
    topic.lines.push_back(line[0] == '$' ? std::string() : EucToUtf8Readable(line));
  }
  return topic;
}

bool LoadHelpTopic(const std::string& path, int n, HelpTopic* topic, bool* tooLarge) {
  std::string bytes;  // a FIFO or device in the file's place is not read
  if (!ReadRegularFile(path, &bytes, kHelpMaxFileBytes, tooLarge)) return false;
  std::istringstream in(bytes);
  *topic = ReadHelpTopic(in, n);
  return true;
}
