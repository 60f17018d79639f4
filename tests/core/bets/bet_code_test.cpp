#include "core/bets/bet_code.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(BetCode, HorseNumbersAreTwoDigits) {
  EXPECT_EQ(TwoDigitHorse(0), "00");
  EXPECT_EQ(TwoDigitHorse(7), "07");
  EXPECT_EQ(TwoDigitHorse(18), "18");
  EXPECT_EQ(BetCode(12, 3), "120300");
  EXPECT_EQ(BetCode(3, 7, 12), "030712");
}

TEST(BetCode, TextShowsTwoColumnNumbersJoinedByDash) {
  struct Case {
    const char* code;
    int horses;
    const char* text;
  };
  for (const Case& c : {Case{"030500", 2, " 3- 5"}, Case{"031200", 2, " 3-12"}, Case{"030512", 3, " 3- 5-12"},
                        Case{"121018", 3, "12-10-18"}, Case{"120000", 3, "12- 0- 0"}}) {
    EXPECT_EQ(BetText(c.code, c.horses), c.text) << c.code;
  }
}

}  // namespace
}  // namespace orvane
