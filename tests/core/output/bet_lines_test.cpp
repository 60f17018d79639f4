#include "core/output/bet_lines.hpp"

#include <gtest/gtest.h>

#include "core/bets/formation.hpp"
#include "core/output/race_key.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {

constexpr MarkHorses kMarks{12, 3, 7, 1, 15, 9};

// Race header of course 05 on 20 May 2007 with the given race number.
std::string Header(int raceNumber) {
  return test::RecordLine(400).Put(1, "05").Put(11, raceNumber, 2).Put(13, "20070520").str();
}

TEST(RaceKey, CourseDateAndRaceNumber) { EXPECT_EQ(RaceKey(Header(11)), "052007052011"); }

TEST(MarkListText, StopsAtTheFirstEmptyPosition) {
  EXPECT_EQ(MarkListText(kMarks), "rank=12,3,7,1,15,9");
  EXPECT_EQ(MarkListText(MarkHorses{4, 2, 0, 8, 0, 0}), "rank=4,2");
}

TEST(AppendBetLines, LateRaceWritesEveryTrifectaEntry) {
  struct Case {
    int pattern;
    size_t lines;
  };
  for (const Case& c : {Case{kFormationA, 59}, Case{kFormationsB1B2, 59}, Case{kFormationsAB2, 79}}) {
    std::vector<std::string> lines;
    AppendBetLines(lines, Header(11), kMarks, BuildBets(kMarks, c.pattern, "11"), false);
    ASSERT_EQ(lines.size(), c.lines) << c.pattern;
    EXPECT_EQ(lines.front(), "0520070520113031200");
    EXPECT_EQ(lines[9], "0520070520115120300");
    EXPECT_EQ(lines[19], "0520070520117120307");
    EXPECT_EQ(lines.back().substr(12, 1), "7");
    if (c.pattern == kFormationsAB2) {
      for (size_t i = 0; i < 4; ++i) EXPECT_EQ(lines[19 + 20 + i], lines[19 + 40 + i]);
    }
  }
}

TEST(AppendBetLines, EarlyRaceEndsWithSixteenTrioLines) {
  std::vector<std::string> lines{"kept"};
  AppendBetLines(lines, Header(5), kMarks, BuildBets(kMarks, kTrioPattern, "05"), false);
  ASSERT_EQ(lines.size(), 1u + 35);
  EXPECT_EQ(lines[0], "kept");
  for (size_t i = 20; i < lines.size(); ++i) EXPECT_EQ(lines[i].substr(0, 13), "0520070520056") << i;
  EXPECT_EQ(lines[20], "0520070520056030712");
}

TEST(AppendBetLines, MarkLineComesFirstWhenAsked) {
  std::vector<std::string> lines;
  AppendBetLines(lines, Header(5), kMarks, BuildBets(kMarks, kTrioPattern, "05"), true);
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_EQ(lines[0], "'rank=12,3,7,1,15,9");
}

TEST(AppendBetLines, RaceWithoutMarksAddsNothingNotEvenTheMarkLine) {
  std::vector<std::string> lines;
  AppendBetLines(lines, Header(11), MarkHorses{}, BuildBets(MarkHorses{}, kFormationsAB2, "11"), true);
  EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace orvane
