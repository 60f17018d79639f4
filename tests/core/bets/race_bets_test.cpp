#include "core/bets/race_bets.hpp"

#include <gtest/gtest.h>

#include "core/bets/formation.hpp"

namespace orvane {
namespace {

std::vector<TBachu> SixteenRunnersByPopularity() {
  std::vector<TBachu> runners(16);
  for (size_t i = 0; i < runners.size(); ++i) runners[i].Popularity = static_cast<int>(i) + 1;
  return runners;
}

TEST(BetsForRace, MarkedRaceChoosesItsFormationWhateverCameBefore) {
  const auto runners = SixteenRunnersByPopularity();
  const MarkHorses marks{12, 3, 7, 1, 15, 9};
  const RaceBets late = BetsForRace("11", marks, runners, kFormationsAB2);
  EXPECT_EQ(late.Lists.FormationPattern, kFormationA);
  EXPECT_EQ(late.Lists.TrifectaCodes.size(), 40u);
  EXPECT_FALSE(late.Panel.CardVisible[3]);

  const RaceBets early = BetsForRace("08", marks, runners, kFormationsAB2);
  EXPECT_EQ(early.Lists.FormationPattern, kTrioPattern);
  EXPECT_TRUE(early.Lists.TrifectaCodes.empty());
}

TEST(BetsForRace, RaceWithoutMarksKeepsThePreviousPattern) {
  const RaceBets bets = BetsForRace("05", MarkHorses{}, SixteenRunnersByPopularity(), kFormationsAB2);
  EXPECT_EQ(bets.Lists.FormationPattern, kFormationsAB2);
  EXPECT_EQ(bets.Lists.TrifectaCodes, std::vector<std::string>(60, "000000"));
  EXPECT_FALSE(bets.Lists.HasBets());
  EXPECT_FALSE(bets.Panel.CardVisible[0]);
}

}  // namespace
}  // namespace orvane
