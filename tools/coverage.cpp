// Target ranges and the coverage table of the system dictionary.
#include "coverage.h"

#include <cstdio>

#include "char_map.h"
#include "codes.h"
#include "textconv.h"
#include "types.h"

namespace {

std::vector<uint16_t> JisRange(uint16_t first, uint16_t last) {
  std::vector<uint16_t> codes;
  for (uint32_t c = first; c <= last; ++c)
    if (IsJisX0208Code(static_cast<uint16_t>(c))) codes.push_back(static_cast<uint16_t>(c));
  return codes;
}

std::vector<uint16_t> CodesOf(const char* utf8) {
  std::vector<uint16_t> codes;
  for (const std::string& one : Utf8Characters(utf8))
    if (one != " ") codes.push_back(Utf8ToSjisCode(one));
  return codes;
}

// The 49 kanji beyond level 1 that the transition table counts.
const uint16_t kTransitionExtraKanji[] = {
    0x98D0, 0x9AA0, 0x9C41, 0x9E5B, 0x9E77, 0x9FA9, 0x9FAB, 0xE056, 0xE0F4, 0xE1A9, 0xE1C6, 0xE2C4, 0xE38A,
    0xE3C4, 0xE3F9, 0xE49D, 0xE4BB, 0xE4BF, 0xE4DD, 0xE6E0, 0xE78C, 0xE8F1, 0xEA9F, 0x997A, 0x99A4, 0x9AF5,
    0x9BC3, 0x9C61, 0x9DE3, 0x9DE5, 0x9DEE, 0x9DED, 0x9DF4, 0x9E78, 0x9EBD, 0x9F7B, 0x9FE4, 0x9FF9, 0xE059,
    0xE086, 0xE099, 0xE0A0, 0xE299, 0xE364, 0xE359, 0xE66D, 0xE678, 0xE944, 0xEA74};

}  // namespace

std::vector<uint16_t> RequiredSymbols() {
  // The pad's keys, the marks and brackets people write, and every symbol the
  // candidate rules name (marks, voiced marks, the symbol-to-letter leaders).
  return CodesOf(
      "、。，．・：；？！゛゜ー〜（）「」『』［］＋−±×÷＝≠＜＞％＆＊＠＃￥＄"
      "○◇□△☆※〒→←↑↓／＼＿〃々");
}

std::vector<CoverageTarget> DictionaryTargets() {
  std::vector<CoverageTarget> targets;
  targets.push_back({"level-1 kanji 889F-9872", JisRange(0x889F, 0x9872), true});
  targets.push_back({"level-2 kanji 989F-EAA4", JisRange(0x989F, 0xEAA4), false});
  targets.push_back({"transition-table kanji (49)",
                     std::vector<uint16_t>(std::begin(kTransitionExtraKanji), std::end(kTransitionExtraKanji)),
                     true});
  targets.push_back({"hiragana 829F-82F1", JisRange(0x829F, 0x82F1), true});
  targets.push_back({"katakana 8340-8396", JisRange(0x8340, 0x8396), true});
  targets.push_back({"digits 824F-8258", JisRange(0x824F, 0x8258), true});
  targets.push_back({"capital letters 8260-8279", JisRange(0x8260, 0x8279), true});
  targets.push_back({"small letters 8281-829A", JisRange(0x8281, 0x829A), true});
  targets.push_back({"handwritten symbols", RequiredSymbols(), true});
  return targets;
}

std::string ClassNameOf(uint16_t code) {
  switch (ZkCheckJisyu(code)) {
    case kClassKanji: return "kanji";
    case kClassHiragana: return "hiragana";
    case kClassKatakana: return "katakana";
    case kClassCapital: return "capitals";
    case kClassSmall: return "small letters";
    case kClassDigit: return "digits";
    case kClassSymbol: return "symbols";
    default: return "other";
  }
}

CoverageReport CheckCoverage(const std::map<uint16_t, size_t>& patternsPerCode,
                             const std::vector<CoverageTarget>& targets, const std::set<uint16_t>& byRule) {
  CoverageReport report;
  report.byRule = byRule;
  for (const auto& [code, patterns] : patternsPerCode) {
    if (patterns == 0) continue;
    ClassCount& count = report.classes[ClassNameOf(code)];
    count.patterns += patterns;
    count.characters += 1;
  }
  for (const CoverageTarget& target : targets) {
    CoverageLine line;
    line.name = target.name;
    line.required = target.required;
    line.wanted = target.codes.size();
    for (uint16_t code : target.codes) {
      const auto it = patternsPerCode.find(code);
      const bool patterned = it != patternsPerCode.end() && it->second > 0;
      if (!patterned && !byRule.count(code)) line.missing.push_back(code);
    }
    if (target.required && !line.missing.empty()) report.complete = false;
    report.lines.push_back(std::move(line));
  }
  return report;
}

std::string FormatCoverage(const CoverageReport& report, size_t listLimit) {
  std::string out;
  char buf[256];
  out += "class            patterns  characters\n";
  size_t totalPatterns = 0, totalChars = 0;
  for (const char* name : {"kanji", "hiragana", "katakana", "capitals", "small letters", "digits", "symbols", "other"}) {
    const auto it = report.classes.find(name);
    if (it == report.classes.end()) continue;
    std::snprintf(buf, sizeof buf, "%-15s %9zu %11zu\n", name, it->second.patterns, it->second.characters);
    out += buf;
    totalPatterns += it->second.patterns;
    totalChars += it->second.characters;
  }
  std::snprintf(buf, sizeof buf, "%-15s %9zu %11zu\n", "total", totalPatterns, totalChars);
  out += buf;
  if (!report.byRule.empty()) {
    out += "from the engine's small-form rule (no patterns of their own): " + std::to_string(report.byRule.size()) + "\n   ";
    for (uint16_t code : report.byRule) out += " " + SjisCodeToUtf8(code);
    out += "\n";
  }
  out += "\ntarget                          present / wanted  missing\n";
  for (const CoverageLine& line : report.lines) {
    std::snprintf(buf, sizeof buf, "%-30s %8zu / %-6zu %7zu%s\n", line.name.c_str(),
                  line.wanted - line.missing.size(), line.wanted, line.missing.size(),
                  line.missing.empty() ? "" : (line.required ? "  REQUIRED" : "  (as far as the source has them)"));
    out += buf;
    if (line.missing.empty()) continue;
    out += "    missing:";
    for (size_t i = 0; i < line.missing.size() && i < listLimit; ++i) {
      std::snprintf(buf, sizeof buf, " %04X", line.missing[i]);
      out += buf;
      const std::string ch = SjisCodeToUtf8(line.missing[i]);
      if (!ch.empty()) out += "(" + ch + ")";
    }
    if (line.missing.size() > listLimit) out += " ...";
    out += "\n";
  }
  out += report.complete ? "\ncoverage complete\n" : "\ncoverage INCOMPLETE: required characters are missing\n";
  return out;
}
