#include "core/bets/bet_lists.hpp"

#include <gtest/gtest.h>

#include "core/bets/formation.hpp"

namespace orvane {
namespace {

constexpr MarkHorses kMarks{12, 3, 7, 1, 15, 9};

using Codes = std::vector<std::string>;

// Trifecta tickets as mark positions 1..6 in finishing order, as the formations enumerate them.
const std::vector<std::string> kTicketsA = {
    "123", "124", "125", "126", "132", "134", "135", "136", "142", "143", "145", "146", "152", "153",
    "154", "156", "162", "163", "164", "165", "213", "214", "215", "216", "231", "234", "235", "236",
    "241", "243", "245", "246", "251", "253", "254", "256", "261", "263", "264", "265"};
const std::vector<std::string> kTicketsB2 = {"213", "214", "215", "216", "312", "314", "315",
                                               "316", "412", "413", "415", "416", "512", "513",
                                               "514", "516", "612", "613", "614", "615"};

Codes CodesOf(const std::vector<std::string>& positions, size_t from, size_t to) {
  Codes codes;
  for (size_t i = from; i < to; ++i) {
    std::string code;
    for (char p : positions[i]) {
      const int horse = kMarks[static_cast<size_t>(p - '1')];
      code += (horse < 10 ? "0" : "") + std::to_string(horse);
    }
    codes.push_back(code);
  }
  return codes;
}

Codes Concat(Codes a, const Codes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Codes NoBets(size_t n) { return Codes(n, "000000"); }

TEST(BuildBets, EarlyRaceGetsQuinellaExactaAndTrioInMarkOrder) {
  const BetLists bets = BuildBets(kMarks, kTrioPattern, "05");
  EXPECT_EQ(bets.QuinellaCodes,
            (Codes{"031200", "071200", "011200", "121500", "091200", "030700", "010300", "031500", "030900"}));
  EXPECT_EQ(bets.ExactaCodes, (Codes{"120300", "120700", "120100", "121500", "120900", "031200", "030700", "030100",
                                     "031500", "030900"}));
  EXPECT_EQ(bets.TrioCodes, (Codes{"030712", "010312", "031215", "030912", "010712", "071215", "070912", "011215",
                                   "010912", "091215", "010307", "030715", "030709", "010315", "010309", "030915"}));
  EXPECT_TRUE(bets.TrifectaCodes.empty());
  EXPECT_TRUE(bets.HasBets());
}

TEST(BuildBets, LateRaceGetsTheFormationOfItsPatternAndNoTrio) {
  struct Case {
    int pattern;
    Codes trifecta;
  };
  const Case cases[] = {
      {kFormationA, CodesOf(kTicketsA, 0, 40)},
      {kFormationsB1B2, Concat(CodesOf(kTicketsA, 0, 20), CodesOf(kTicketsB2, 0, 20))},
      {kFormationsAB2, Concat(CodesOf(kTicketsA, 0, 40), CodesOf(kTicketsB2, 0, 20))},
  };
  for (const Case& c : cases) {
    const BetLists bets = BuildBets(kMarks, c.pattern, "09");
    EXPECT_EQ(bets.FormationPattern, c.pattern);
    EXPECT_EQ(bets.TrifectaCodes, c.trifecta) << "pattern " << c.pattern;
    EXPECT_EQ(bets.TrioCodes, NoBets(16));
    EXPECT_EQ(bets.QuinellaCodes.size(), 9u);
    EXPECT_EQ(bets.ExactaCodes.size(), 10u);
  }
}

TEST(BuildBets, PatternThreeRepeatsFourTicketsAsEntries21To24And41To44) {
  const BetLists bets = BuildBets(kMarks, kFormationsAB2, "11");
  ASSERT_EQ(bets.TrifectaCodes.size(), 60u);
  for (size_t i = 20; i < 24; ++i) EXPECT_EQ(bets.TrifectaCodes[i], bets.TrifectaCodes[i + 20]) << i + 1;
  EXPECT_EQ(bets.TrifectaCodes[20], "031207");
}

TEST(BuildBets, PatternTwoHasFirstMarkFirstThenSecond) {
  const BetLists bets = BuildBets(kMarks, kFormationsB1B2, "10");
  ASSERT_EQ(bets.TrifectaCodes.size(), 40u);
  for (size_t i = 0; i < 20; ++i) EXPECT_EQ(bets.TrifectaCodes[i].substr(0, 2), "12") << i + 1;
  for (size_t i = 20; i < 40; ++i) EXPECT_EQ(bets.TrifectaCodes[i].substr(2, 2), "12") << i + 1;
}

TEST(BuildBets, RaceWithoutMarksKeepsEveryCodeEmpty) {
  for (int pattern : {kTrioPattern, kFormationA, kFormationsB1B2, kFormationsAB2}) {
    const BetLists bets = BuildBets(MarkHorses{}, pattern, "11");
    EXPECT_FALSE(bets.HasBets());
    EXPECT_EQ(bets.QuinellaCodes, NoBets(9));
    EXPECT_EQ(bets.ExactaCodes, NoBets(10));
    EXPECT_EQ(bets.TrioCodes, NoBets(16));
    EXPECT_EQ(bets.TrifectaCodes, NoBets(pattern == kTrioPattern ? 0 : pattern == kFormationsAB2 ? 60 : 40));
  }
}

TEST(BuildBets, EarlyRaceAfterALatePatternKeepsAnEmptyTrifectaList) {
  const BetLists bets = BuildBets(kMarks, kFormationsAB2, "08");
  EXPECT_EQ(bets.TrifectaCodes, NoBets(60));
  EXPECT_EQ(bets.TrioCodes.front(), "030712");
}

TEST(BuildBets, EmptyMarkPositionsCarryZeroInTheirPlace) {
  const MarkHorses marks{12, 3, 7, 1, 15, 0};
  const BetLists early = BuildBets(marks, kTrioPattern, "05");
  EXPECT_EQ(early.QuinellaCodes[4], "001200");
  EXPECT_EQ(early.ExactaCodes[4], "120000");
  EXPECT_EQ(early.TrioCodes[3], "000312");
  const BetLists late = BuildBets(marks, kFormationA, "09");
  EXPECT_EQ(late.TrifectaCodes[3], "120300");
  EXPECT_EQ(late.TrifectaCodes[16], "120003");
}

}  // namespace
}  // namespace orvane
