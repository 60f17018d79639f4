#include "core/race/grid_sort.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

TEST(HeaderClick, ChoosesTheSortAndASecondClickGoesBack) {
  using enum SortType;
  struct Case {
    int column;
    SortType current;
    std::optional<SortType> chosen;
  };
  const Case cases[] = {
      {6, HorseNumber, Popularity}, {6, Popularity, HorseNumber}, {6, Total, Popularity},
      {0, HorseNumber, Mark},       {0, Mark, HorseNumber},       {2, HorseNumber, HorseNumber},
      {2, Type, HorseNumber},       {3, HorseNumber, Weight},     {3, Weight, HorseNumber},
      {5, Mark, Type},              {5, Type, HorseNumber},       {7, HorseNumber, Win},
      {8, Win, Return},             {9, Return, Total},           {9, Total, HorseNumber},
      {1, Total, std::nullopt},     {4, Total, std::nullopt},     {10, Total, std::nullopt},
      {11, HorseNumber, std::nullopt}, {12, Mark, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "column " << c.column << " current " << static_cast<int>(c.current));
    EXPECT_EQ(SortTypeForHeaderClick(c.column, c.current), c.chosen);
    // The sort mark goes on the clicked column, or on 馬 after a second click.
    if (c.chosen) {
      EXPECT_EQ(SortRuleOf(*c.chosen).gridColumn, *c.chosen == HorseNumber ? 2 : c.column);
    }
  }
}

TEST(HeaderClick, HintsOnTheSortableHeaders) {
  EXPECT_EQ(HeaderHint(0), ToCp932("印でソート"));
  EXPECT_EQ(HeaderHint(5), ToCp932("タイプでソート"));
  EXPECT_EQ(HeaderHint(9), ToCp932("合計ポイントでソート"));
  for (int column : {1, 4, 10, 11, 12}) EXPECT_EQ(HeaderHint(column), "") << column;
}

std::vector<SortRow> Rows(std::initializer_list<SortRow> rows) { return rows; }

TEST(SortRaceGrid, PopularityTwiceThenHorseNumber) {
  // Ranks as the odds give them; rank 0 (not set) would come first.
  std::vector<SortRow> screen;
  const int ranks[] = {3, 1, 3, 2, 5};
  for (int horse = 1; horse <= 5; ++horse) screen.push_back({.HorseNumber = horse, .Popularity = ranks[horse - 1]});

  const std::vector<int> byPopularity = SortRaceGrid(screen, SortType::Popularity);
  EXPECT_EQ(byPopularity, (std::vector<int>{2, 4, 1, 3, 5}));

  std::vector<SortRow> reordered;
  for (int horse : byPopularity) reordered.push_back(screen[static_cast<size_t>(horse - 1)]);
  const auto second = SortTypeForHeaderClick(6, SortType::Popularity);
  ASSERT_EQ(second, SortType::HorseNumber);
  EXPECT_EQ(SortRaceGrid(reordered, *second), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(SortRaceGrid, TypeOrderSsFirstThenWithoutType) {
  TBachu ss, s, m, d, styled, bare;
  ss.TypeClass = "SS";
  s.TypeClass = "S";
  m.TypeClass = "M";
  d.TypeClass = "D";
  styled.RunningStyle = ToCp932("追込");
  const TBachu* runners[] = {&bare, &d, &styled, &ss, &m, &s, &bare, &ss};
  std::vector<SortRow> screen;
  for (int k = 0; k < 8; ++k) screen.push_back(MakeSortRow(k + 1, *runners[k], 99));
  EXPECT_EQ(SortRaceGrid(screen, SortType::Type), (std::vector<int>{4, 8, 6, 5, 2, 3, 1, 7}));
}

TEST(SortRaceGrid, TiesKeepTheOrderOnScreen) {
  // On screen in total order; sorting by mark keeps the unmarked rows in it.
  const auto screen = Rows({{.HorseNumber = 5, .MarkPosition = 99},
                            {.HorseNumber = 2, .MarkPosition = 2},
                            {.HorseNumber = 7, .MarkPosition = 99},
                            {.HorseNumber = 1, .MarkPosition = 1},
                            {.HorseNumber = 3, .MarkPosition = 99}});
  EXPECT_EQ(SortRaceGrid(screen, SortType::Mark), (std::vector<int>{1, 2, 5, 7, 3}));
}

TEST(SortRaceGrid, DescendingColumnsCompareNumbersAsShown) {
  auto runner = [](std::string weight, double win, double ret) {
    TBachu r;
    r.WeightText = std::move(weight);
    r.WinPoints = win;
    r.ReturnPoints = ret;
    r.TotalPoints = win + ret;
    return r;
  };
  const TBachu runners[] = {runner("54.0", 4.96, 5.0), runner("57.0", 5.0, 5.04), runner("9.0", 4.0, 7.0),
                            runner("", 0, 0)};
  std::vector<SortRow> screen;
  for (int k = 0; k < 4; ++k) screen.push_back(MakeSortRow(k + 1, runners[k], 99));

  // 54.0 < 57.0 as numbers; 9.0 is last but before the runner without weight.
  EXPECT_EQ(SortRaceGrid(screen, SortType::Weight), (std::vector<int>{2, 1, 3, 4}));
  // 4.96 and 5.0 both show 5.0: a tie that keeps its order.
  EXPECT_EQ(SortRaceGrid(screen, SortType::Win), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(SortRaceGrid(screen, SortType::Return), (std::vector<int>{3, 1, 2, 4}));
  // Totals 9.96, 10.04, 11.0 show 10.0, 10.0, 11.0.
  EXPECT_EQ(SortRaceGrid(screen, SortType::Total), (std::vector<int>{3, 1, 2, 4}));
}

}  // namespace
}  // namespace orvane
