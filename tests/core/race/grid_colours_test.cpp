#include "core/race/grid_colours.hpp"

#include <gtest/gtest.h>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

constexpr Rgb kUserOdds{0xFF, 0xFF, 0xEE};
constexpr Rgb kTurf{0xEE, 0xFF, 0xEE};
constexpr Rgb kDirt{0xFF, 0xF9, 0xEE};

Rgb Background(int column, const TBachu& runner, bool userOdds = false) {
  return RaceGridCellColours(column, runner, "1", userOdds, ColourTarget::Screen).Background.value();
}

TEST(RaceGridColours, HexText) {
  EXPECT_EQ(kGrey.Hex(), "#DDDDDD");
  EXPECT_EQ((Rgb{0x00, 0x80, 0xFF}).Hex(), "#0080FF");
}

TEST(RaceGridColours, BracketColours) {
  struct Case {
    const char* bracket;
    CellColours colours;
  };
  const Case cases[] = {
      {"1", {kBlack, kWhite}},
      {"2", {kWhite, kBlack}},
      {"3", {kWhite, Rgb{0xFF, 0x00, 0x00}}},
      {"4", {kWhite, Rgb{0x00, 0x00, 0xFF}}},
      {"5", {kBlack, Rgb{0xFF, 0xFF, 0x00}}},
      {"6", {kWhite, Rgb{0x00, 0x80, 0x00}}},
      {"7", {kBlack, Rgb{0xFF, 0x99, 0x00}}},
      {"8", {kBlack, Rgb{0xFF, 0x66, 0xFF}}},
      {"9", {}},
      {"0", {}},
      {" ", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bracket);
    EXPECT_EQ(RaceGridCellColours(1, TBachu{}, c.bracket, false, ColourTarget::Screen), c.colours);
    EXPECT_EQ(RaceGridCellColours(1, TBachu{}, c.bracket, false, ColourTarget::Print), c.colours);
  }
}

TEST(RaceGridColours, GreyWhereTheRunnerHasNothingToShow) {
  TBachu empty;
  TBachu full;
  full.RunningStyle = ToCp932("差し");
  full.WinPoints = 5.0;
  full.ReturnPoints = 2.0;
  full.TotalPoints = 7.0;
  full.Popularity = 2;

  for (int column : {0, 2, 3}) EXPECT_EQ(Background(column, empty), kWhite) << column;
  for (int column : {4, 5, 6, 7, 8, 9}) {
    EXPECT_EQ(Background(column, empty), kGrey) << column;
    EXPECT_EQ(Background(column, full), kWhite) << column;
  }
  // The type column needs both a style and points.
  TBachu styleOnly;
  styleOnly.RunningStyle = full.RunningStyle;
  EXPECT_EQ(Background(4, styleOnly), kWhite);
  EXPECT_EQ(Background(5, styleOnly), kGrey);
  TBachu pointsOnly = full;
  pointsOnly.RunningStyle.clear();
  EXPECT_EQ(Background(5, pointsOnly), kGrey);

  // The manual mode marks the 人気 column whatever the rank.
  EXPECT_EQ(Background(6, empty, true), kUserOdds);
  EXPECT_EQ(Background(6, full, true), kUserOdds);
}

TEST(RaceGridColours, PastRunsBySurfaceWhenCounted) {
  TBachu r;
  r.PastSurface = {1, 2, 3};
  r.PastCounted = {true, true, true};
  EXPECT_EQ(Background(10, r), kTurf);
  EXPECT_EQ(Background(11, r), kDirt);
  EXPECT_EQ(Background(12, r), kWhite);
  r.PastCounted = {false, true, true};
  r.PastSurface = {1, 0, 2};
  EXPECT_EQ(Background(10, r), kGrey);
  EXPECT_EQ(Background(11, r), kGrey);
  EXPECT_EQ(Background(12, r), kDirt);
}

TEST(RaceGridColours, PrintLeavesSomeFontsToThePrintFont) {
  const TBachu r;
  for (int column = 0; column <= 12; ++column) {
    if (column == 1) continue;
    const CellColours screen = RaceGridCellColours(column, r, "1", false, ColourTarget::Screen);
    const CellColours print = RaceGridCellColours(column, r, "1", false, ColourTarget::Print);
    EXPECT_EQ(screen.Font, kBlack) << column;
    EXPECT_EQ(print.Background, screen.Background) << column;
    const bool printFont = column == 0 || column == 2 || column == 3 || column == 9;
    EXPECT_EQ(print.Font, printFont ? std::nullopt : std::optional(kBlack)) << column;
  }
  EXPECT_EQ(RaceGridCellColours(13, r, "1", false, ColourTarget::Screen), CellColours{});
}

}  // namespace
}  // namespace orvane
