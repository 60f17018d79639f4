#include "core/race/grid_newsletter.hpp"

#include <gtest/gtest.h>

#include "core/data/cp932.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {

std::string Sjis(std::string_view utf8) { return ToCp932(utf8); }

TBachu Marked() {
  TBachu r;
  r.HorseName = Sjis("メジロマックイーン");
  r.WeightText = "58.0";
  r.Jockey = Sjis("武豊");
  r.RunningStyle = Sjis("差し");
  r.DistanceChange = Sjis("別ﾄﾗｯｸ");
  r.TypeClass = "SS";
  r.WinPoints = 6.0;
  r.ReturnPoints = 8.5;
  r.TotalPoints = 14.5;
  r.Popularity = 2;
  return r;
}

TEST(NewsletterRow, AllCellsOfAMarkedRunner) {
  const std::string entry = test::RecordLine().Put(23, "5").str();
  const NewsletterRow row = NewsletterRowCells(entry, 12, Marked(), 1, true);
  const NewsletterRow expected{
      Sjis("<P ALIGN=\"center\">◎</P>"),
      "<P ALIGN=\"center\">5</P>",
      "<P ALIGN=\"right\">12</P>",
      Sjis("メジロマックイーン"),
      "<P ALIGN=\"center\">58.0</P>",
      Sjis("武豊"),
      Sjis("<font color=\"#FF6600\">差し</font>・別トラック"),
      Sjis("<P ALIGN=\"center\"><font color=\"#009900\"><B>ＳＳ</B></P>"),
      Sjis("<P ALIGN=\"right\">2位</P>"),
      "<P ALIGN=\"right\"><font color=\"#663399\">6.0</font></P>",
      "<P ALIGN=\"right\"><font color=\"#006600\">8.5</font></P>",
      "<P ALIGN=\"right\"><font color=\"#FF0000\"><B>14.5</B></font></P>",
  };
  for (size_t c = 0; c < row.size(); ++c) EXPECT_EQ(row[c], expected[c]) << "column " << c;
  // The export finds the bracket digit at byte 19.
  EXPECT_EQ(row[1][18], '5');
}

TEST(NewsletterRow, EmptyCellsWithoutMarkParamsOrRank) {
  TBachu r = Marked();
  r.Popularity = 0;
  r.RunningStyle.clear();
  r.DistanceChange.clear();
  const NewsletterRow row = NewsletterRowCells(test::RecordLine().Put(23, "3").str(), 3, r, 99, false);
  for (size_t c : {0u, 6u, 7u, 8u, 9u, 10u, 11u}) EXPECT_EQ(row[c], "") << "column " << c;
  EXPECT_EQ(row[1], "<P ALIGN=\"center\">3</P>");
  EXPECT_EQ(row[2], "<P ALIGN=\"right\">3</P>");

  // A change without style keeps its full-width form; an entry line without
  // a bracket shows 0.
  r.DistanceChange = Sjis("延長");
  const NewsletterRow bare = NewsletterRowCells("", 3, r, 4, false);
  EXPECT_EQ(bare[0], Sjis("<P ALIGN=\"center\">△</P>"));
  EXPECT_EQ(bare[1], "<P ALIGN=\"center\">0</P>");
  EXPECT_EQ(bare[6], Sjis("延長"));
}

}  // namespace
}  // namespace orvane
