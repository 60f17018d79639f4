#include "core/race/grid_cells.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/data/cp932.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {

std::string Sjis(std::string_view utf8) { return ToCp932(utf8); }

// An entry record with the fields the grid shows.
std::string EntryLine() {
  return test::RecordLine()
      .Put(23, "6")
      .PutText(33, "サクラバクシン", 18)
      .Put(65, "1")
      .Put(66, "04")
      .PutText(157, "美浦・藤沢", 12)
      .str();
}

TBachu Runner(std::string_view style, std::string_view change, std::string type, double win, double ret) {
  TBachu r;
  r.RunningStyle = Sjis(style);
  r.DistanceChange = Sjis(change);
  r.TypeClass = std::move(type);
  r.WinPoints = win;
  r.ReturnPoints = ret;
  r.TotalPoints = win + ret;
  r.WeightText = "55.0";
  return r;
}

TEST(RaceGridCells, RunnerWithStyleAndParams) {
  const TBachu r = Runner("先行", "短縮", "S", 6.4, 5.0);
  EXPECT_EQ(MarkCell(1), Sjis("<BR><P ALIGN=\"center\">◎</P>"));
  EXPECT_EQ(BracketCell(EntryLine()), "<BR><P ALIGN=\"center\">6</P>");
  EXPECT_EQ(HorseNumberCell(7), "<BR><P ALIGN=\"center\">7</P>");
  EXPECT_EQ(HorseNameCell(EntryLine(), 7, r),
            Sjis("牝4歳<BR><font color=\"#0000FF\"><A HREF=\"7\">サクラバクシン</A></font><BR>55.0 美浦・藤沢"));
  EXPECT_EQ(PatternCell(r), Sjis("<BR><font color=\"#0066FF\">先行</font>・短縮"));
  EXPECT_EQ(TypeCell(r, true), Sjis("<BR><P ALIGN=\"center\"><font color=\"#00CC00\"><B>Ｓ</B></P>"));
  EXPECT_EQ(TypePicture(r), 2);
  EXPECT_EQ(PopularityCell(3), Sjis("<BR><P ALIGN=\"center\">3位</P>"));
  EXPECT_EQ(WinPointsCell(r, true), "<BR><P ALIGN=\"right\"><font color=\"#663399\">6.4&nbsp;</font></P>");
  EXPECT_EQ(ReturnPointsCell(r, true), "<BR><P ALIGN=\"right\"><font color=\"#006600\">5.0&nbsp;</font></P>");
  EXPECT_EQ(TotalPointsCell(r, true), "<BR><P ALIGN=\"right\"><font color=\"#FF0000\"><B>11.4</B></font>&nbsp;</P>");
}

TEST(RaceGridCells, RunnerWithoutStyleOrParams) {
  const TBachu none = Runner("", "", "", 0, 0);
  EXPECT_EQ(MarkCell(99), "");
  EXPECT_EQ(PatternCell(none), "<BR>");
  EXPECT_EQ(TypeCell(none, true), "<BR>");
  EXPECT_EQ(TypePicture(none), std::nullopt);
  EXPECT_EQ(WinPointsCell(none, true), "");
  EXPECT_EQ(ReturnPointsCell(none, true), "");
  EXPECT_EQ(TotalPointsCell(none, true), "");

  // Without the course parameters the point and type columns stay empty,
  // whatever the record holds; the pattern still shows.
  const TBachu styled = Runner("逃げ", "同距離", "SS", 6.0, 9.0);
  EXPECT_EQ(PatternCell(styled), Sjis("<BR><font color=\"#FF3333\">逃げ</font>・同距離"));
  for (auto cell : {TypeCell(styled, false), WinPointsCell(styled, false), ReturnPointsCell(styled, false),
                    TotalPointsCell(styled, false)}) {
    EXPECT_EQ(cell, "");
  }
}

TEST(RaceGridCells, MarksByPosition) {
  EXPECT_EQ(MarkText(2), Sjis("○"));
  for (int position : {3, 4, 5, 6}) EXPECT_EQ(MarkCell(position), Sjis("<BR><P ALIGN=\"center\">△</P>"));
  for (int position : {0, 7, 99}) EXPECT_EQ(MarkText(position), "");
}

TEST(RaceGridCells, PatternTexts) {
  struct Case {
    const char* style;
    const char* change;
    const char* text;
  };
  const Case cases[] = {
      {"逃げ", "延長", "<font color=\"#FF3333\">逃げ</font>・延長"},
      {"差し", "別ﾄﾗｯｸ", "<font color=\"#FF6600\">差し</font>・別ﾄﾗｯｸ"},
      {"追込", "短縮", "<font color=\"#339900\">追込</font>・短縮"},
      {"", "延長", "延長"},
      {"先行", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PatternText(Runner(c.style, c.change, "", 0, 0)), Sjis(c.text));
  }
  EXPECT_EQ(FullWidthPatternText(Runner("差し", "別ﾄﾗｯｸ", "", 0, 0)),
            Sjis("<font color=\"#FF6600\">差し</font>・別トラック"));
}

TEST(RaceGridCells, TypeTexts) {
  struct Case {
    const char* type;
    const char* text;
    std::optional<int> picture;
  };
  const Case cases[] = {
      {"SS", "<P ALIGN=\"center\"><font color=\"#009900\"><B>ＳＳ</B></P>", 3},
      {"S", "<P ALIGN=\"center\"><font color=\"#00CC00\"><B>Ｓ</B></P>", 2},
      {"M", "<P ALIGN=\"center\"><font color=\"#FF9900\"><B>Ｍ</B></P>", 1},
      {"D", "<P ALIGN=\"center\"><font color=\"#9966CC\"><B>Ｄ</B></P>", 0},
      {"", "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    const TBachu r = Runner("先行", "短縮", c.type, 0, 0);
    EXPECT_EQ(TypeText(r), Sjis(c.text));
    EXPECT_EQ(TypePicture(r), c.picture);
  }
}

TEST(RaceGridCells, TotalIsRedFromEleven) {
  struct Case {
    double win, ret;
    const char* text;
  };
  const Case cases[] = {
      {5.5, 5.5, "<font color=\"#FF0000\"><B>11.0</B></font>"},
      {3.3, 7.7, "<font color=\"#FF0000\"><B>11.0</B></font>"},
      {9.9, 9.9, "<font color=\"#FF0000\"><B>19.8</B></font>"},
      {5.5, 5.4, "<font color=\"#0033CC\">10.9</font>"},
      {0.1, 0.2, "<font color=\"#0033CC\">0.3</font>"},
      {-2.0, 0, "<font color=\"#0033CC\">-2.0</font>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TotalText(Runner("", "", "", c.win, c.ret)), c.text);
  }
}

TEST(RaceGridCells, HorseNumberReadBackFromItsCell) {
  for (int horse : {1, 9, 10, 18}) EXPECT_EQ(HorseNumberFromCell(HorseNumberCell(horse)), horse);
  EXPECT_EQ(HorseNumberCell(9).size(), 27u);
  EXPECT_EQ(HorseNumberCell(10).size(), 28u);
  EXPECT_EQ(HorseNumberFromCell(""), 0);
  EXPECT_EQ(HorseNumberFromCell("<BR><P ALIGN=\"center\">100</P>"), 0);
}

TEST(PopularityEditor, ItemsCellsAndRanksReadBack) {
  EXPECT_EQ(PopularityEditorItems(3), (std::vector<std::string>{"", Sjis("1位"), Sjis("2位"), Sjis("3位")}));
  EXPECT_EQ(EditedPopularityCell(Sjis("12位")), Sjis("<BR><P Align=\"center\">12位</p>"));
  EXPECT_EQ(EditedPopularityCell(""), "");

  struct Case {
    std::string cell;
    int rank;
  };
  const Case cases[] = {
      {EditedPopularityCell(Sjis("12位")), 12},
      {PopularityCell(4), 4},
      {PopularityCell(0), 0},
      {"", 0},
      {Sjis("<BR>7位"), 0},                          // no centring tag
      {"<BR><P ALIGN=\"center\">5</P>", 0},           // no 位
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell);
    EXPECT_EQ(RankFromPopularityCell(c.cell), c.rank);
  }
}

}  // namespace
}  // namespace orvane
