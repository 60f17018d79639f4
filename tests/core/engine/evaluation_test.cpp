#include "core/engine/evaluation.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/cp932.hpp"
#include "support/record_builders.hpp"

namespace orvane {
namespace {

using test::PastRunBlock;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

std::string Sjis(std::string_view utf8) { return ToCp932(utf8); }

// Today: 東京 芝 1600 m on 2007/05/20.
const RaceSummary& TurfMile() {
  static const RaceSummary race = ParseRaceHeader(test::RaceHeader().Turf().Distance(1600).str());
  return race;
}

std::string Horse(const std::vector<PastRunBlock>& runs) {
  test::HorseRecord horse;
  for (size_t k = 0; k < runs.size(); ++k) horse.Run(static_cast<int>(k), runs[k]);
  return horse.str();
}

TBachu Evaluate(const std::vector<PastRunBlock>& runs) {
  auto runner = EvaluatePastRuns(Horse(runs), TurfMile());
  EXPECT_TRUE(runner.has_value());
  return runner.value_or(TBachu{});
}

PastRunBlock Corner(std::string_view corner) { return PastRunBlock().LastCorner(corner); }

TEST(EvaluatePastRuns, StyleAndDistanceChange) {
  struct Case {
    const char* name;
    std::vector<PastRunBlock> runs;
    const char* style;
    const char* change;
    std::array<bool, 3> counted;
  };
  const Case cases[] = {
      {"no run at all", {}, "", "", {false, false, false}},
      {"circled 41 alone is a front runner", {Corner("41")}, "逃げ", "同距離", {true, false, false}},
      {"00 is skipped, 05 then 03", {Corner("00"), Corner("05"), Corner("03")}, "差し", "同距離", {true, true, true}},
      {"30-39 count as no position", {Corner("33"), Corner("39"), Corner("02")}, "逃げ", "同距離", {true, true, true}},
      {"40 counts as no position", {Corner("40"), Corner("04")}, "先行", "同距離", {true, true, false}},
      {"first alone 6", {Corner("06")}, "差し", "同距離", {true, false, false}},
      {"first alone 9", {Corner("09")}, "追込", "同距離", {true, false, false}},
      {"1 then 9", {Corner("01"), Corner("09")}, "先行", "同距離", {true, true, false}},
      {"9 then 1", {Corner("09"), Corner("01")}, "先行", "同距離", {true, true, false}},
      {"3 then 3", {Corner("03"), Corner("03")}, "先行", "同距離", {true, true, false}},
      {"3 then 1", {Corner("03"), Corner("01")}, "逃げ", "同距離", {true, true, false}},
      {"5 then 12", {Corner("05"), Corner("12")}, "追込", "同距離", {true, true, false}},
      {"a negative position counts as other", {Corner("-1"), Corner("05")}, "追込", "同距離", {true, true, false}},
      {"the third non-zero position is not read", {Corner("01"), Corner("02"), Corner("15")}, "逃げ", "同距離",
       {true, true, true}},
      {"ダ last time", {Corner("03").Dirt()}, "先行", "別ﾄﾗｯｸ", {true, false, false}},
      {"longer last time", {Corner("03").Distance(1800)}, "先行", "短縮", {true, false, false}},
      {"shorter last time", {Corner("03").Distance(1400)}, "先行", "延長", {true, false, false}},
      {"no surface leaves the change to the next run",
       {Corner("03").Put(1180, " "), Corner("03").Distance(1800)}, "先行", "短縮", {true, true, false}},
      {"skipped runs: other course, no finish, 障",
       {Corner("01").Course("10"), Corner("01").Finish("00"), Corner("01").Obstacle(), Corner("07").Distance(1200)}, "差し",
       "延長", {false, false, false}},
      {"a finish that is no number is skipped", {Corner("01").Finish("AB"), Corner("05")}, "差し", "同距離",
       {false, true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TBachu r = Evaluate(c.runs);
    EXPECT_EQ(r.RunningStyle, Sjis(c.style));
    EXPECT_EQ(r.DistanceChange, Sjis(c.change));
    EXPECT_EQ(r.PastCounted, c.counted);
  }
}

TEST(EvaluatePastRuns, SkippedRunsStillShowSurfaceDistanceDateAndText) {
  const TBachu r = Evaluate({PastRunBlock().Obstacle().Distance(3000).Date("20070303"),
                             PastRunBlock().Course("10").Dirt().Distance(1200), PastRunBlock().Date("2007 303")});
  EXPECT_EQ(r.PastCounted, (std::array<bool, 3>{false, false, true}));
  EXPECT_EQ(r.PastSurface, (std::array<int, 3>{3, 2, 1}));
  EXPECT_EQ(r.PastDistance, (std::array<int, 3>{3000, 1200, 1600}));
  EXPECT_EQ(r.PastDate[0], Date(year(2007), month(3), day(3)));
  EXPECT_EQ(r.PastDate[2], std::nullopt);
  EXPECT_TRUE(r.PastText[0].starts_with(Sjis("中03/03")));
  EXPECT_TRUE(r.PastText[1].starts_with(Sjis("大04/15")));
  EXPECT_EQ(r.RaceDate, Date(year(2007), month(5), day(20)));
  EXPECT_EQ(r.HorseName, Sjis("テストホース"));
}

TEST(EvaluatePastRuns, DatesThatAreNoDates) {
  for (const char* date : {"        ", "20070231", "2007041X", "20071301"}) {
    SCOPED_TRACE(date);
    EXPECT_EQ(Evaluate({PastRunBlock().Date(date)}).PastDate[0], std::nullopt);
  }
}

TEST(PastRunText, FullText) {
  const TBachu r = Evaluate({PastRunBlock()});
  EXPECT_EQ(r.PastText[0], Sjis("中04/15 1000万     騎手56.0     2人<BR>"
                                "芝16       1345  3着 ｱｲﾃﾑ(0.3)<BR>"
                                "M前35.2後34.1[<font color=\"#FF0000\"> 3- 3- 3-<B> 3</B></font>] 16ﾄ 5ｹﾞ"));
  EXPECT_EQ(r.PastText[1], "");  // no such run: the course decodes to "----"
}

TEST(PastRunText, Pieces) {
  struct Case {
    const char* name;
    PastRunBlock run;
    const char* piece;
  };
  const Case cases[] = {
      {"中京 is 名", PastRunBlock().Course("02"), "名04/15"},
      {"other courses by their first character", PastRunBlock().Course("65"), "UA04/15"},
      {"race name at a JRA course comes before the class",
       PastRunBlock().PutText(1124, "ＮＨＫ", 6).Put(1165, "00004").Put(1138, "0"), "04/15 ＮＨＫG1   騎手"},
      {"race name alone elsewhere", PastRunBlock().Course("10").PutText(1124, "ＮＨＫ", 6), "04/15 ＮＨＫ     騎手"},
      {"graded open", PastRunBlock().Put(1165, "00004").Put(1138, "2"), "04/15 G3         騎手"},
      {"新馬", PastRunBlock().Put(1165, "00001"), "04/15 新馬       騎手"},
      {"未勝利", PastRunBlock().Put(1165, "00003"), "04/15 未勝利     騎手"},
      {"a class below 100 is dropped", PastRunBlock().Put(1165, "00500"), "04/15            騎手"},
      {"class 0 is empty", PastRunBlock().Put(1165, "     "), "04/15            騎手"},
      {"handicap", PastRunBlock().Put(1139, "02"), "騎手H56.0   "},
      {"no popularity", PastRunBlock().Put(1424, "00"), "--人<BR>"},
      {"two-digit popularity", PastRunBlock().Put(1424, "12"), " 12人<BR>"},
      {"course side and rail", PastRunBlock().Put(1182, "1").Put(1183, "4").Distance(2400), "芝24外A1   1345"},
      {"dirt sprint", PastRunBlock().Dirt().Distance(1000), "ダ10       1345"},
      {"blank time", PastRunBlock().Put(1439, "    "), "       ----  3着"},
      {"short time", PastRunBlock().Put(1439, " 58 "), "         58  3着"},
      {"no finish", PastRunBlock().Finish("00"), "--着 ｱｲﾃﾑ(0.3)"},
      {"winner's margin is negative", PastRunBlock().Finish("01").Put(1446, "005"), " 1着 ｱｲﾃﾑ(-0.5)"},
      {"loser's margin", PastRunBlock().Put(1446, "005"), "ｱｲﾃﾑ(0.5)<BR>"},
      {"998 is no margin", PastRunBlock().Put(1446, "998"), "ｱｲﾃﾑ<BR>"},
      {"blank margin", PastRunBlock().Put(1446, "   "), "ｱｲﾃﾑ<BR>"},
      {"opponent cut to 8 bytes", PastRunBlock().PutText(1581, "ｱｲｳｴｵｶｷｸｹ", 18), " ｱｲｳｴｵｶｷｸ(0.3)"},
      {"opponent not cut inside a character", PastRunBlock().PutText(1581, "アイウ漢字漢", 18),
       " ｱｲｳ漢字(0.3)"},
      {"blank split times", PastRunBlock().Put(1449, "      ").Put(1192, " "), "<BR>前--.-後--.- ["},
      {"uncounted run's corners are plain", PastRunBlock().Finish("00").Corners("01", "41", "40", "05"),
       "[ 1-①-　 5] 16ﾄ"},
      {"blank corners of an uncounted run", PastRunBlock().Finish("00").Corners("00", "  ", "00", "00"),
       "後34.1              16ﾄ"},
      {"blank corners of a counted run keep the bold tags", PastRunBlock().Corners("00", "00", "00", "00"),
       "[<font color=\"#FF0000\">         <B>   </B></font>] 16ﾄ"},
      {"accident codes", PastRunBlock().Finish("00").Corners("  ", "  ", "  ", "31"), "[         落] 16ﾄ"},
      {"no runner count or gate", PastRunBlock().Put(1188, "00").Put(1217, "  "), "--ﾄ--ｹﾞ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = Evaluate({c.run}).PastText[0];
    EXPECT_NE(text.find(Sjis(c.piece)), std::string::npos) << ToUtf8(text);
  }
}

TEST(PastRunText, CornerThatIsNoNumberFailsTheEvaluation) {
  const auto runner = EvaluatePastRuns(Horse({PastRunBlock().Corners("03", "AB", "03", "03")}), TurfMile());
  ASSERT_FALSE(runner.has_value());
  EXPECT_NE(runner.error().message.find("AB"), std::string::npos);
}

TEST(ApplyPoints, TypeFromWinAndReturnPoints) {
  struct Case {
    double win, ret;
    const char* type;
  };
  for (const Case& c : {Case{5.0, 8.0, "SS"}, Case{4.9, 8.0, "D"}, Case{5.0, 4.9, "M"}, Case{5.0, 7.9, "S"},
                        Case{5.0, 5.0, "S"}, Case{4.9, 5.0, "D"}, Case{4.9, 4.9, ""}, Case{0, 0, ""}}) {
    SCOPED_TRACE(std::to_string(c.win) + " " + std::to_string(c.ret));
    EXPECT_EQ(TypeClassOf(c.win, c.ret), c.type);
  }
}

TEST(ApplyPoints, CellOfStyleAndChange) {
  CourseParams params;
  params.Loaded = true;
  for (auto* table : {&params.WinParams, &params.ReturnParams}) {
    for (auto& row : *table) row.fill("0.0");
  }
  params.WinParams[2][1] = "6.2";
  params.ReturnParams[2][1] = "8.1";
  params.WinParams[0][3] = "x";

  TBachu runner;
  runner.RunningStyle = Sjis("差し");
  runner.DistanceChange = Sjis("短縮");
  ApplyPoints(runner, params);
  EXPECT_DOUBLE_EQ(runner.WinPoints, 6.2);
  EXPECT_DOUBLE_EQ(runner.ReturnPoints, 8.1);
  EXPECT_DOUBLE_EQ(runner.TotalPoints, 14.3);
  EXPECT_EQ(runner.TypeClass, "SS");
  EXPECT_EQ(TypeRank(runner), 3);

  runner.DistanceChange.clear();  // a style without a change
  ApplyPoints(runner, params);
  EXPECT_EQ(runner.TotalPoints, 0);
  EXPECT_EQ(runner.TypeClass, "");
  EXPECT_EQ(TypeRank(runner), -1);

  runner.RunningStyle.clear();
  runner.DistanceChange = Sjis("短縮");  // a change without a style
  ApplyPoints(runner, params);
  EXPECT_EQ(runner.TotalPoints, 0);
  EXPECT_EQ(TypeRank(runner), -2);
}

TEST(TypeRank, ByTypeThenByStyle) {
  TBachu r;
  const std::pair<const char*, int> ranks[] = {{"SS", 3}, {"S", 2}, {"M", 1}, {"D", 0}};
  for (const auto& [type, rank] : ranks) {
    r.TypeClass = type;
    EXPECT_EQ(TypeRank(r), rank) << type;
  }
}

TEST(ApplyEntry, WeightJockeyAndRating) {
  TBachu runner;
  ApplyEntry(runner, test::Entry().Weight("575").Jockey("武豊").Rating(87).str());
  EXPECT_EQ(runner.WeightText, "57.5");
  EXPECT_EQ(runner.Jockey, Sjis("武豊"));
  EXPECT_EQ(runner.Rating, 87);
  ApplyEntry(runner, test::Entry().Weight("5 5").Put(706, "ABC").str());
  EXPECT_EQ(runner.WeightText, "");
  EXPECT_EQ(runner.Rating, 0);
}

TEST(SexAgeCoat, PaddedToSixBytesEach) {
  const std::string horse = test::HorseRecord().Coat("04").str();
  EXPECT_EQ(SexAgeCoat(test::Entry().Sex("1").Age(4).str(), horse), Sjis("牝4   黒鹿毛"));
  EXPECT_EQ(SexAgeCoat(test::Entry().Sex("2").Age(10).str(), test::HorseRecord().Coat("99").str()),
            Sjis("セン10鹿毛  "));
}

}  // namespace
}  // namespace orvane
