#include "core/race/race_view.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/bets/bet_lists.hpp"
#include "core/bets/formation.hpp"
#include "core/data/cp932.hpp"
#include "core/race/grid_cells.hpp"
#include "support/record_builders.hpp"
#include "support/test_race_day.hpp"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string Sjis(std::string_view utf8) { return ToCp932(utf8); }

constexpr Date kToday{std::chrono::year(2007), std::chrono::month(5), std::chrono::day(21)};

class RaceViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(::testing::TempDir()) / ("race_view_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    test::WriteTestRaceDay(root_);
    Reload();
  }
  void TearDown() override { fs::remove_all(root_); }

  void Reload() { ASSERT_TRUE(card_.Load(root_).loaded); }

  RaceView Compute(int race, bool userOddsMode = false, int previousPattern = 0) {
    auto view = ComputeRace(card_, race, ProgramFolder(root_), userOddsMode, previousPattern, kToday);
    EXPECT_TRUE(view.has_value()) << (view ? "" : view.error());
    return view.value_or(RaceView{});
  }

  static std::vector<int> Popularities(const RaceView& view) {
    std::vector<int> ranks;
    for (const TBachu& r : view.Runners) ranks.push_back(r.Popularity);
    return ranks;
  }

  fs::path root_;
  RaceCard card_;
};

TEST_F(RaceViewTest, RaceWithParametersOddsAndMarks) {
  const RaceView view = Compute(0);
  ASSERT_EQ(view.Runners.size(), 6u);
  EXPECT_EQ(view.Summary.RaceNumberText, "11");
  EXPECT_TRUE(view.ParamsLoaded);
  EXPECT_EQ(view.ParamsMessage, "");
  EXPECT_EQ(view.FrontRunners, 2);
  EXPECT_EQ(view.FrontRunnerLabel, Sjis("逃げ頭数⇒2頭"));

  const struct {
    const char* style;
    const char* change;
    const char* type;
    double win, ret;
    int popularity;
  } expected[] = {
      {"逃げ", "同距離", "SS", 6, 9, 3}, {"先行", "短縮", "S", 6, 5, 1}, {"差し", "同距離", "", 1, 1, 5},
      {"追込", "別ﾄﾗｯｸ", "D", 4, 6, 2},  {"", "", "", 0, 0, 6},           {"逃げ", "延長", "M", 5, 2, 4},
  };
  for (size_t k = 0; k < 6; ++k) {
    SCOPED_TRACE(k + 1);
    const TBachu& r = view.Runners[k];
    EXPECT_EQ(r.HorseName, Sjis("ダイ" + std::to_string(k + 1)));
    EXPECT_EQ(r.RunningStyle, Sjis(expected[k].style));
    EXPECT_EQ(r.DistanceChange, Sjis(expected[k].change));
    EXPECT_EQ(r.TypeClass, expected[k].type);
    EXPECT_DOUBLE_EQ(r.WinPoints, expected[k].win);
    EXPECT_DOUBLE_EQ(r.ReturnPoints, expected[k].ret);
    EXPECT_EQ(r.Popularity, expected[k].popularity);
    EXPECT_EQ(r.WeightText, "55.0");
    EXPECT_EQ(view.Rows[k].Sort.Popularity, expected[k].popularity);
    EXPECT_EQ(view.Rows[k].Cells[6], PopularityCell(expected[k].popularity));
    EXPECT_EQ(view.Rows[k].Cells[10], r.PastText[0]);
  }

  EXPECT_TRUE(view.Marked);
  EXPECT_EQ(view.Marks, (MarkHorses{1, 2, 4, 6, 3, 5}));
  EXPECT_EQ(view.MarkPositions, (std::vector<int>{1, 2, 5, 3, 6, 4}));
  EXPECT_EQ(view.Rows[0].Cells[0], MarkCell(1));
  EXPECT_EQ(view.Rows[4].Cells[0], MarkCell(6));
  EXPECT_EQ(view.Rows[3].Sort.MarkPosition, 3);
  EXPECT_EQ(view.Rows[0].Sort.TotalPoints, 15.0);

  const BetLists lists = BuildBets(view.Marks, view.Bets.Lists.FormationPattern, "11");
  EXPECT_EQ(view.Bets.Lists.QuinellaCodes, lists.QuinellaCodes);
  EXPECT_EQ(view.Bets.Lists.TrifectaCodes, lists.TrifectaCodes);
  EXPECT_TRUE(view.Bets.Lists.HasBets());
  EXPECT_FALSE(view.BetDetails.empty());

  // Cells and colours of the grid.
  EXPECT_EQ(view.Rows[1].Cells[2], HorseNumberCell(2));
  EXPECT_EQ(view.Rows[1].Bracket, "2");
  EXPECT_EQ(view.Rows[0].TypePicture, 3);
  EXPECT_EQ(view.Rows[4].TypePicture, std::nullopt);
  EXPECT_EQ(view.Rows[4].Cells[4], "<BR>");
  EXPECT_EQ(view.Rows[4].Colours[4].Background, kGrey);
  EXPECT_EQ(view.Rows[0].Colours[4].Background, kWhite);
  EXPECT_EQ(view.Rows[1].Colours[1], (CellColours{kWhite, kBlack}));
  EXPECT_EQ(view.Rows[1].PrintColours[2].Font, std::nullopt);
  // Horse 1 ran on Jan 1: more than three months before the race.
  EXPECT_EQ(view.Rows[0].RestBorder, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(view.Rows[1].RestBorder, (std::array<bool, 3>{false, false, false}));
  EXPECT_EQ(view.SexAgeCoat[0], Sjis("牡4   鹿毛  "));
}

TEST_F(RaceViewTest, RaceWithoutParametersOrOdds) {
  const RaceView view = Compute(1, false, kFormationsB1B2);
  ASSERT_EQ(view.Runners.size(), 4u);
  EXPECT_EQ(view.Runners[0].HorseName, Sjis("サツ1"));  // the runners after race 0's six
  EXPECT_EQ(view.Runners[0].RunningStyle, Sjis("差し"));
  EXPECT_EQ(view.Runners[0].DistanceChange, Sjis("延長"));
  EXPECT_FALSE(view.ParamsLoaded);
  EXPECT_EQ(view.ParamsMessage, "");
  EXPECT_EQ(Popularities(view), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_FALSE(view.Marked);
  EXPECT_EQ(view.MarkPositions, (std::vector<int>{99, 99, 99, 99}));
  EXPECT_EQ(view.Bets.Lists.FormationPattern, kFormationsB1B2);  // kept from the race before
  EXPECT_FALSE(view.Bets.Lists.HasBets());
  for (const auto& row : view.Rows) {
    for (int c : {0, 5, 6, 7, 8, 9}) EXPECT_EQ(row.Cells[c], "") << c;
    EXPECT_NE(row.Cells[4], "<BR>");
  }
}

TEST_F(RaceViewTest, ThreeFrontRunnersUseTheSecondBlock) {
  const RaceView view = Compute(2);
  EXPECT_EQ(view.FrontRunnerLabel, Sjis("逃げ頭数⇒3頭"));
  for (const TBachu& r : view.Runners) EXPECT_EQ(r.TotalPoints, 2.0);
  EXPECT_EQ(view.Marks, (MarkHorses{2, 3, 1, 0, 0, 0}));
}

TEST_F(RaceViewTest, MalformedParameterFileIsReportedAndTheRaceShownWithoutPoints) {
  test::WriteCourseParamFile(root_ / "Data" / "04S1600.dat", std::vector<std::string>(8, "1,2"));
  const RaceView view = Compute(0);
  EXPECT_FALSE(view.ParamsLoaded);
  EXPECT_EQ(view.ParamsMessage, "04S1600.datが不正です。処理を中止します。");
  EXPECT_FALSE(view.Marked);
  EXPECT_EQ(view.Runners[0].TotalPoints, 0);
  EXPECT_EQ(view.Runners[0].RunningStyle, Sjis("逃げ"));
}

TEST_F(RaceViewTest, ManualModeReadsTheUserFile) {
  RaceView view = Compute(0, true);
  EXPECT_EQ(Popularities(view), (std::vector<int>(6, 0)));  // no file yet
  EXPECT_FALSE(view.Marked);
  EXPECT_EQ(view.Rows[0].Colours[6].Background, (Rgb{0xFF, 0xFF, 0xEE}));

  ASSERT_TRUE(WriteUserPopularity(ProgramFolder(root_), card_.Summary(0), std::vector<int>{1, 2, 3, 4, 5, 6}));
  view = Compute(0, true);
  EXPECT_EQ(Popularities(view), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(view.Marked);
  EXPECT_EQ(view.Marks[0], 1);
}

TEST_F(RaceViewTest, ApplyPopularityRedoesMarksAndBets) {
  RaceView view = Compute(0);
  ApplyPopularity(view, true, std::nullopt);  // manual mode without a saved entry keeps the odds ranks
  EXPECT_TRUE(view.UserOddsMode);
  EXPECT_EQ(Popularities(view), (std::vector<int>{3, 1, 5, 2, 6, 4}));
  EXPECT_EQ(view.Marks, (MarkHorses{1, 2, 4, 6, 3, 5}));
  EXPECT_EQ(view.Rows[0].Colours[6].Background, (Rgb{0xFF, 0xFF, 0xEE}));

  ApplyPopularity(view, true, PopularityRanks{{0, 1, 2, 3, 4, 5}, true});  // horse 1 without popularity
  EXPECT_FALSE(view.Marked);
  EXPECT_EQ(view.Marks, (MarkHorses{}));
  EXPECT_EQ(view.Rows[0].Cells[0], "");
  EXPECT_EQ(view.Rows[1].Cells[6], PopularityCell(1));
  EXPECT_FALSE(view.Bets.Lists.HasBets());

  ApplyPopularity(view, false, ClearedPopularity(6));
  EXPECT_EQ(view.Rows[1].Cells[6], "");
  EXPECT_EQ(view.Rows[1].Sort.Popularity, 0);
}

TEST_F(RaceViewTest, EditedPopularityCountsOnceEveryCellIsFilled) {
  RaceView view = Compute(0, true);
  const std::vector<const char*> items = {"6位", "5位", "4位", "3位", "2位"};
  for (size_t k = 0; k < items.size(); ++k) EXPECT_FALSE(EditPopularity(view, static_cast<int>(k) + 1, Sjis(items[k])));
  EXPECT_FALSE(view.Marked);
  EXPECT_TRUE(EditPopularity(view, 6, Sjis("1位")));
  EXPECT_EQ(Popularities(view), (std::vector<int>{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(view.Rows[5].Cells[6], EditedPopularityCell(Sjis("1位")));
  EXPECT_EQ(view.Rows[5].Sort.Popularity, 1);
  EXPECT_TRUE(view.Marked);

  EXPECT_FALSE(EditPopularity(view, 3, ""));  // emptied: ranks and marks stay until filled again
  EXPECT_EQ(Popularities(view), (std::vector<int>{6, 5, 4, 3, 2, 1}));
  EXPECT_TRUE(view.Marked);
  EXPECT_FALSE(EditPopularity(view, 7, Sjis("1位")));
}

TEST_F(RaceViewTest, Failures) {
  EXPECT_FALSE(ComputeRace(card_, 3, ProgramFolder(root_), false, 0, kToday).has_value());
  EXPECT_FALSE(ComputeRace(card_, -1, ProgramFolder(root_), false, 0, kToday).has_value());

  test::TestRaceDay day = test::MakeTestRaceDay();
  day.horseLines[2] = test::HorseRecord().Run(0, test::PastRunBlock().Corners("1X", "03", "03", "03")).str();
  test::WriteTestRaceDay(root_, day);
  Reload();
  const auto view = ComputeRace(card_, 0, ProgramFolder(root_), false, 0, kToday);
  ASSERT_FALSE(view.has_value());
  EXPECT_TRUE(view.error().starts_with("3番")) << view.error();
  EXPECT_TRUE(ComputeRace(card_, 1, ProgramFolder(root_), false, 0, kToday).has_value());
}

}  // namespace
}  // namespace orvane
