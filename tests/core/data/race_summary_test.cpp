#include "core/data/race_summary.hpp"

#include <gtest/gtest.h>

#include "core/data/cp932.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {

using test::RecordLine;

struct HeaderFields {
  const char* name = "";
  int edition = 0;
  const char* grade = " ";
  const char* domestic = " ";
  const char* obstacle = "0";
};

// Race 11 of the 10th day of the 3rd Tokyo meeting, 2007/05/20 (Sunday), turf 2400 m left inner C.
std::string Header(const HeaderFields& f) {
  return RecordLine(777)
      .Put(1, "04").Put(7, "03").Put(9, "10").Put(11, "11").Put(13, "20070520").Put(21, "02")
      .Put(25, f.obstacle).Put(26, f.edition, 3).PutText(29, f.name, 30).Put(73, f.grade).Put(74, "03")
      .Put(94, "24").Put(96, "01").Put(98, "3").Put(100, "00004").Put(105, "1").Put(106, "1").Put(107, "0")
      .Put(108, "2").Put(109, "2400").Put(332, "15:40").Put(337, "16").Put(358, f.domestic);
}

std::string Utf8(const std::string& cp932) { return ToUtf8(cp932); }

TEST(ParseRaceHeader, DerivesTheFixedTexts) {
  const RaceSummary s = ParseRaceHeader(Header({.name = "東京優駿", .edition = 74, .grade = "0"}));
  EXPECT_EQ(Utf8(s.DateText), "2007/05/20(日)");
  EXPECT_EQ(Utf8(s.VenueName), "東京");
  EXPECT_EQ(Utf8(s.MeetingText), "3回東京10日目");
  EXPECT_EQ(s.RunnerCount, "16");
  EXPECT_EQ(s.RaceNumberText, "11");
  EXPECT_EQ(s.DistanceText, "2400");
  EXPECT_EQ(Utf8(s.SurfaceName), "芝");
  EXPECT_EQ(Utf8(s.CourseSideText), "内");
  EXPECT_EQ(Utf8(s.ClassText), "オープン");
  EXPECT_EQ(s.RaceDate, "20070520");
  EXPECT_EQ(Utf8(s.DescriptionText), "2007年5月20日(日) サラ3歳以上オープン (指定) 牡 定量 芝左内C2400m 16頭");
  EXPECT_EQ(Utf8(s.ShortTitle), "サラ3歳以上 オープン 定量 東京優駿 G1 ");
  EXPECT_EQ(Utf8(s.BetTitle), "東京11R サラ3歳以上 オープン 定量 東京優駿 G1 ");
  EXPECT_EQ(Utf8(s.MenuCaption), "東京11R サラ3歳以上 オープン 東京優駿 G1 ");
}

struct TitleCase {
  const char* label;
  HeaderFields fields;
  const char* title;
  const char* gradeLabel;
};

class TitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleTest, BuildsTheFirstTitleLine) {
  const RaceSummary s = ParseRaceHeader(Header(GetParam().fields));
  EXPECT_EQ(Utf8(s.TitleText), GetParam().title);
  EXPECT_EQ(Utf8(s.GradeLabel), GetParam().gradeLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Races, TitleTest,
    ::testing::Values(
        TitleCase{"GradedNumbered", {.name = "東京優駿", .edition = 74, .grade = "0"},
                  "3回東京10日目11R　第74回　東京優駿 (G1)  発走15:40", "G1"},
        TitleCase{"DomesticGrade", {.name = "ダービーチャレンジトロフィー", .edition = 5, .grade = "1", .domestic = "1"},
                  "3回東京10日目11R　第5回　ダービーＣＴ (Jpn(G2))  発走15:40", "Jpn(G2)"},
        TitleCase{"UngradedNumbered", {.name = "青葉賞", .edition = 12},
                  "3回東京10日目11R　第12回　青葉賞 ()  発走15:40", "オープン"},
        TitleCase{"NamedWithoutEdition", {.name = "チャレンジカップ", .grade = "2"},
                  "3回東京10日目11R　ＣＣ  発走15:40", "G3"},
        TitleCase{"Unnamed", {}, "3回東京10日目11R  発走15:40", "オープン"},
        TitleCase{"ObstacleGradeIsNoGrade", {.name = "中山大障害", .edition = 3, .grade = "3", .obstacle = "1"},
                  "3回東京10日目11R　第3回　中山大障害 ()  発走15:40", "オープン"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ParseRaceHeader, ShortLineGivesEmptyFieldsNotACrash) {
  const RaceSummary s = ParseRaceHeader("04");
  EXPECT_EQ(Utf8(s.VenueName), "東京");
  EXPECT_EQ(s.RunnerCount, "");
  EXPECT_EQ(Utf8(s.MeetingText), "0回東京0日目");
}

}  // namespace
}  // namespace orvane
