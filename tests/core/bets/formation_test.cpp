#include "core/bets/formation.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Sixteen runners; horses 1 and 2 are the two most popular unless a case says otherwise.
std::vector<TBachu> Runners(std::initializer_list<std::pair<int, int>> popularityByHorse,
                            std::initializer_list<std::pair<int, const char*>> typeByHorse) {
  std::vector<TBachu> runners(16);
  for (size_t i = 0; i < runners.size(); ++i) runners[i].Popularity = static_cast<int>(i) + 1;
  for (auto [horse, popularity] : popularityByHorse) runners[static_cast<size_t>(horse - 1)].Popularity = popularity;
  for (auto [horse, type] : typeByHorse) runners[static_cast<size_t>(horse - 1)].TypeClass = type;
  return runners;
}

constexpr MarkHorses kMarks{12, 3, 7, 1, 15, 9};

TEST(ChooseFormation, RaceEightOrEarlierIsTrio) {
  const auto runners = Runners({}, {{12, "S"}, {3, "M"}});
  EXPECT_EQ(ChooseFormation("08", kMarks, runners), kTrioPattern);
  EXPECT_EQ(ChooseFormation("01", kMarks, runners), kTrioPattern);
}

TEST(ChooseFormation, PopularMarkAndTypesOfFirstTwoMarks) {
  // Horse 1 is M4 and most popular.
  EXPECT_EQ(ChooseFormation("09", kMarks, Runners({}, {{12, "S"}, {3, "S"}})), kFormationA);
  EXPECT_EQ(ChooseFormation("09", kMarks, Runners({}, {{12, "S"}, {3, "M"}})), kFormationsB1B2);
  EXPECT_EQ(ChooseFormation("12", kMarks, Runners({}, {})), kFormationA) << "two empty types are equal";
}

TEST(ChooseFormation, PopularityTwoOrLessOrUnsetMakesAPopularMark) {
  const auto types = {std::pair{12, "SS"}, std::pair{3, "SS"}};
  struct Case {
    int popularityOfHorse9;  // M6
    int expected;
  };
  for (const Case& c : {Case{2, kFormationA}, Case{0, kFormationA}, Case{3, kFormationsAB2}}) {
    // No other mark is among the most popular: horses 1 and 2 rank far back.
    const auto runners = Runners({{1, 10}, {2, 11}, {9, c.popularityOfHorse9}, {16, 1}, {14, 2}}, types);
    EXPECT_EQ(ChooseFormation("11", kMarks, runners), c.expected) << c.popularityOfHorse9;
  }
}

TEST(ChooseFormation, EmptyPositionsAreNotPopularMarks) {
  const MarkHorses marks{5, 6, 0, 0, 0, 0};
  EXPECT_EQ(ChooseFormation("10", marks, Runners({{5, 3}, {6, 4}}, {})), kFormationsAB2);
}

TEST(ChooseFormation, EmptySecondMarkHasNoType) {
  const MarkHorses marks{1, 0, 0, 0, 0, 0};
  EXPECT_EQ(ChooseFormation("10", marks, Runners({}, {{1, "S"}})), kFormationsB1B2);
  EXPECT_EQ(ChooseFormation("10", marks, Runners({}, {})), kFormationA);
}

TEST(ChooseFormation, RaceNumberBoundary) {
  EXPECT_FALSE(IsTrifectaRace("08"));
  EXPECT_TRUE(IsTrifectaRace("09"));
  EXPECT_TRUE(IsTrifectaRace("12"));
}

}  // namespace
}  // namespace orvane
