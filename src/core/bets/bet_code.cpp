#include "core/bets/bet_code.hpp"

#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {

std::string TwoDigitHorse(int horse) { return horse > 9 ? std::to_string(horse) : "0" + std::to_string(horse); }

std::string BetCode(int first, int second, int third) {
  return TwoDigitHorse(first) + TwoDigitHorse(second) + TwoDigitHorse(third);
}

std::string BetText(std::string_view code, int horses) {
  std::string text;
  for (int i = 0; i < horses; ++i) {
    if (i > 0) text += '-';
    text += TwoColumn(LenientInt(Field(code, 2 * i + 1, 2)));
  }
  return text;
}

}  // namespace orvane
