#include "core/data/race_name.hpp"

#include <array>
#include <utility>

#include "core/data/cp932.hpp"
#include "core/data/width.hpp"

namespace orvane {
namespace {

// Replaces every occurrence that starts on a character boundary, so a pattern
// never matches across the bytes of two neighbouring characters.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text.substr(i).starts_with(from)) {
      out += to;
      i += from.size();
      continue;
    }
    const size_t length = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    out += text.substr(i, length);
    i += length;
  }
  return out;
}

}  // namespace

std::string AbbreviateRaceName(std::string_view name) {
  // Applied in this order: ジュベナイルＦ and チャンピオンＳ before their parts.
  static const auto words = [] {
    constexpr std::pair<const char*, const char*> kWords[] = {
        {"ジュベナイルＦ", "ＪＦ"}, {"チャンピオンＳ", "ＣＳ"}, {"チャレンジ", "Ｃ"}, {"レーシング", "Ｒ"},
        {"ステークス", "Ｓ"},       {"トロフィー", "Ｔ"},       {"カップ", "Ｃ"},
    };
    std::array<std::pair<std::string, std::string>, std::size(kWords)> converted;
    for (size_t i = 0; i < std::size(kWords); ++i) converted[i] = {ToCp932(kWords[i].first), ToCp932(kWords[i].second)};
    return converted;
  }();
  std::string result(name);
  for (const auto& [from, to] : words) result = ReplaceAll(result, from, to);
  return result;
}

}  // namespace orvane
