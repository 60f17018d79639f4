#include "core/bets/bet_details.hpp"

#include <gtest/gtest.h>

#include "core/bets/formation.hpp"
#include "core/data/cp932.hpp"

namespace orvane {
namespace {

constexpr MarkHorses kMarks{12, 3, 7, 1, 15, 9};

std::vector<std::string> Utf8Lines(const BetLists& bets, std::string_view raceNumber) {
  std::vector<std::string> lines;
  for (const auto& line : BetDetailsLines(bets, raceNumber)) lines.push_back(ToUtf8(line));
  return lines;
}

// The 馬連 and 馬単 blocks of kMarks: the first line of six codes, the second
// with every code followed by two blanks.
const std::vector<std::string> kQuinellaAndExacta = {
    "[馬連] 計9点",
    " 3-12   7-12   1-12  12-15   9-12   3- 7",
    " 1- 3   3-15   3- 9  ",
    "",
    "[馬単] 計10点",
    "12- 3  12- 7  12- 1  12-15  12- 9   3-12",
    " 3- 7   3- 1   3-15   3- 9  ",
    "",
};

std::vector<std::string> WithQuinellaAndExacta(std::vector<std::string> tail) {
  std::vector<std::string> lines = kQuinellaAndExacta;
  lines.insert(lines.end(), tail.begin(), tail.end());
  return lines;
}

TEST(BetDetailsLines, EarlyRaceEndsWithTheTrioBlock) {
  EXPECT_EQ(Utf8Lines(BuildBets(kMarks, kTrioPattern, "05"), "05"),
            WithQuinellaAndExacta({
                "[3連複] 計16点",
                " 3- 7-12   1- 3-12   3-12-15   3- 9-12   1- 7-12   7-12-15",
                " 7- 9-12   1-12-15   1- 9-12   9-12-15   1- 3- 7   3- 7-15",
                " 3- 7- 9   1- 3-15   1- 3- 9   3- 9-15",
            }));
}

TEST(BetDetailsLines, PatternThreeCountsSixtyTicketsInTenLinesOfSix) {
  const auto lines = Utf8Lines(BuildBets(kMarks, kFormationsAB2, "11"), "11");
  ASSERT_EQ(lines.size(), kQuinellaAndExacta.size() + 11);
  EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 8), kQuinellaAndExacta);
  EXPECT_EQ(lines[8], "[3連単] 計60点");
  EXPECT_EQ(lines[9], "12- 3- 7  12- 3- 1  12- 3-15  12- 3- 9  12- 7- 3  12- 7- 1");
  EXPECT_EQ(lines[12], "12- 9- 1  12- 9-15   3-12- 7   3-12- 1   3-12-15   3-12- 9");
  // Formation B2 starts at ticket 41 with the four tickets that were 21-24.
  EXPECT_EQ(lines[15], " 3- 9-12   3- 9- 7   3- 9- 1   3- 9-15   3-12- 7   3-12- 1");
  EXPECT_EQ(lines[16], " 3-12-15   3-12- 9   7-12- 3   7-12- 1   7-12-15   7-12- 9");
  EXPECT_EQ(lines[18], "15-12- 1  15-12- 9   9-12- 3   9-12- 7   9-12- 1   9-12-15");
  for (size_t i = 9; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 6 * 8 + 5 * 2) << "line " << i;
}

TEST(BetDetailsLines, FortyTicketsEndWithAShortLineWithoutTrailingBlanks) {
  const auto lines = Utf8Lines(BuildBets(kMarks, kFormationA, "09"), "09");
  ASSERT_EQ(lines.size(), kQuinellaAndExacta.size() + 8);
  EXPECT_EQ(lines[8], "[3連単] 計40点");
  EXPECT_EQ(lines.back(), " 3- 9-12   3- 9- 7   3- 9- 1   3- 9-15");
}

TEST(BetDetailsLines, RaceWithoutBetsSaysSo) {
  EXPECT_EQ(Utf8Lines(BuildBets(MarkHorses{}, kFormationsAB2, "11"), "11"),
            std::vector<std::string>{"このレースの買い目はありません"});
}

}  // namespace
}  // namespace orvane
