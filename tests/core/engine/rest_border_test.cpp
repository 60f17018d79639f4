#include "core/engine/rest_border.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr Date D(int y, unsigned m, unsigned d) {
  return Date{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
}

TEST(AddThreeMonths, ClampsToTheMonthEnd) {
  EXPECT_EQ(AddThreeMonths(D(2007, 1, 31)), D(2007, 4, 30));
  EXPECT_EQ(AddThreeMonths(D(2007, 11, 30)), D(2008, 2, 29));
  EXPECT_EQ(AddThreeMonths(D(2007, 2, 15)), D(2007, 5, 15));
}

TEST(RestBorder, MoreThanThreeMonthsBeforeTheNextDate) {
  struct Case {
    const char* name;
    std::optional<Date> raceDate;
    std::array<std::optional<Date>, 3> pastDates;
    std::array<bool, 3> border;
  };
  const Date today = D(2007, 6, 1);
  const Case cases[] = {
      {"exactly three months is no rest", D(2007, 5, 20), {D(2007, 2, 20), D(2006, 11, 20), D(2006, 8, 20)},
       {false, false, false}},
      {"one day more is", D(2007, 5, 20), {D(2007, 2, 19), D(2006, 11, 19), D(2006, 8, 18)}, {true, false, true}},
      {"month end", D(2007, 5, 1), {D(2007, 1, 31), D(2006, 10, 31), D(2006, 7, 30)}, {true, false, true}},
      {"a missing run date counts as today", D(2007, 5, 20), {std::nullopt, D(2006, 1, 1), std::nullopt},
       {false, true, false}},
      {"a missing race date counts as today", std::nullopt, {D(2007, 2, 28), std::nullopt, std::nullopt},
       {true, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TBachu r;
    r.RaceDate = c.raceDate;
    r.PastDate = c.pastDates;
    for (int k = 0; k < 3; ++k) EXPECT_EQ(RestBorder(r, k, today), c.border[k]) << k;
  }
}

}  // namespace
}  // namespace orvane
