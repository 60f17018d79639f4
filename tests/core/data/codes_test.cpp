#include "core/data/codes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

using Decoder = std::string (*)(std::string_view);

struct DecoderCase {
  const char* table;
  Decoder decode;
  const char* code;      // UTF-8; only the course code lookup takes non-ASCII input
  const char* expected;  // UTF-8
};

const DecoderCase kDecoderCases[] = {
    {"course", CourseName, "00", "京都"},
    {"course", CourseName, "48", ""},
    {"course", CourseName, "49", ""},
    {"course", CourseName, "56", "岩見"},
    {"course", CourseName, "72", "ﾁﾘ"},
    {"course", CourseName, "79", "ﾍﾞﾙｷﾞｰ"},
    {"course", CourseName, "80", "ﾏｶｵ"},
    {"course", CourseName, "81", "----"},
    {"course", CourseName, "92", "----"},
    {"course", CourseName, "99", "北海"},
    {"course", CourseName, "5", "----"},
    {"course", CourseName, "  ", "----"},
    {"course", CourseName, "005", "----"},
    {"course code", CourseCode, "東京", "04"},
    {"course code", CourseCode, "函館", "09"},
    {"course code", CourseCode, "大井", ""},
    {"course code", CourseCode, "", ""},
    {"weekday", WeekdayMark, "01", "(土)"},
    {"weekday", WeekdayMark, "07", "(金)"},
    {"weekday", WeekdayMark, "00", "(祝)"},
    {"weekday", WeekdayMark, "08", "(祝)"},
    {"weekday", WeekdayMark, "  ", "(祝)"},
    {"weekday", WeekdayMark, "1", "(祝)"},
    {"direction", CourseDirection, "2", "直"},
    {"direction", CourseDirection, "3", ""},
    {"side", CourseSide, "3", "ﾀｽ"},
    {"side", CourseSide, "5", "内2"},
    {"side", CourseSide, "7", ""},
    {"rail", RailSetting, "5", "A2"},
    {"rail", RailSetting, "6", "E"},
    {"category", RaceCategory, "A", "アラブ4歳以上"},
    {"category", RaceCategory, "a", ""},
    {"category", RaceCategory, "8", "サラ障害3歳以上"},
    {"grade", GradeText, "0", "G1 "},
    {"grade", GradeText, "3", "JG1 "},
    {"grade", GradeText, "6", ""},
    {"grade", GradeText, " ", ""},
    {"weight", WeightCondition, "02", "ハンデ"},
    {"weight", WeightCondition, "90", "規定"},
    {"weight", WeightCondition, "2", ""},
    {"symbol", RaceSymbol, "00", " 勝入"},
    {"symbol", RaceSymbol, "24", " 牡"},
    {"symbol", RaceSymbol, "34", " ＪＲＡ認定"},
    {"symbol", RaceSymbol, "40", " (国際)牡・牝"},
    {"symbol", RaceSymbol, "41", ""},
    {"symbol", RaceSymbol, "  ", ""},
    {"designation", DesignationMark, "01", " (指定)"},
    {"designation", DesignationMark, "02", " (特指) "},
    {"designation", DesignationMark, "05", ""},
    {"class", ClassText, "00001", "新馬"},
    {"class", ClassText, "00004", "オープン"},
    {"class", ClassText, "00000", "0万"},
    {"class", ClassText, "05000", "500万"},
    {"class", ClassText, "10000", "1000万"},
    {"class", ClassText, "16009", "1600万"},
    {"class", ClassText, "     ", "0万"},
    {"class", ClassText, "00005", "0万"},
    {"sex", SexName, "2", "セン"},
    {"sex", SexName, "3", ""},
    {"coat", CoatColour, "01", "栗毛"},
    {"coat", CoatColour, "13", "粕"},
    {"coat", CoatColour, "21", "芦毛"},
    {"coat", CoatColour, "35", "黒鹿毛"},
    {"coat", CoatColour, "36", "鹿毛"},
    {"coat", CoatColour, "99", "鹿毛"},
    {"coat", CoatColour, "  ", "鹿毛"},
    {"coat", CoatColour, "1", "鹿毛"},
    {"horse mark", HorseMark, "00", ""},
    {"horse mark", HorseMark, "11", "(外)(地)"},
    {"horse mark", HorseMark, "22", "(外)(地)"},
    {"horse mark", HorseMark, "13", ""},
    {"horse mark", HorseMark, "27", "(父)[外]"},
    {"horse mark", HorseMark, "28", ""},
    {"going", GoingName, "1", "稍"},
    {"going", GoingName, "4", ""},
    {"pace", PaceMark, "2", "S"},
    {"pace", PaceMark, "3", ""},
    {"centre", TrainingCentreMark, "50", " (栗)"},
    {"centre", TrainingCentreMark, "53", ""},
    {"handicap", HandicapMark, "02", "H"},
    {"handicap", HandicapMark, "2", ""},
    {"handicap", HandicapMark, "00", ""},
    {"lane", StraightLane, "0", "最内"},
    {"lane", StraightLane, "1", "内　"},
    {"lane", StraightLane, "4", "大外"},
    {"lane", StraightLane, "7", "　　"},
    {"lane", StraightLane, "", "　　"},
    {"birthplace", Birthplace, "000", "北檜山"},
    {"birthplace", Birthplace, "055", "森    "},
    {"birthplace", Birthplace, "112", "木古内"},
    {"birthplace", Birthplace, "113", ""},
    {"birthplace", Birthplace, "150", ""},
    {"birthplace", Birthplace, "200", "アルジ"},
    {"birthplace", Birthplace, "228", "      "},
    {"birthplace", Birthplace, "250", "土国  "},
    {"birthplace", Birthplace, "255", "ロシア"},
    {"birthplace", Birthplace, "256", ""},
    {"birthplace", Birthplace, "55", ""},
    {"birthplace", Birthplace, "   ", ""},
};

TEST(CodeTables, DecodeExactCodes) {
  for (const auto& c : kDecoderCases) {
    EXPECT_EQ(ToUtf8(c.decode(ToCp932(c.code))), c.expected) << c.table << " table, code '" << c.code << "'";
  }
}

// Every result of every table converts to CP932 (no "?" stand-ins), and the
// fixed-width tables keep their widths whatever the code.
TEST(CodeTables, EveryTextIsWellFormed) {
  std::vector<std::string> codes = {"", " ", "  ", "   ", "     ", "A", "B", "C"};
  for (int i = 0; i < 1000; ++i) {
    const std::string n = std::to_string(i);
    if (i < 10) codes.push_back(n);
    if (i < 100) codes.push_back(std::string(2 - std::min<size_t>(2, n.size()), '0') + n);
    codes.push_back(std::string(3 - n.size(), '0') + n);
  }
  for (int i = 0; i < 100; ++i) codes.push_back("000" + std::string(i < 10 ? "0" : "") + std::to_string(i));

  const Decoder decoders[] = {CourseName, WeekdayMark,     CourseDirection,    CourseSide,   RailSetting,
                              RaceCategory, GradeText,     WeightCondition,    RaceSymbol,   DesignationMark,
                              ClassText,  SexName,         CoatColour,         HorseMark,    GoingName,
                              PaceMark,   TrainingCentreMark, StraightLane,    Birthplace};
  for (const auto& code : codes) {
    for (Decoder decode : decoders) EXPECT_EQ(decode(code).find('?'), std::string::npos) << "code '" << code << "'";
    EXPECT_EQ(StraightLane(code).size(), 4u) << code;
    const std::string place = Birthplace(code);
    EXPECT_TRUE(place.empty() || place.size() == 6) << code;
  }
}

TEST(CodeTables, SurfaceFromObstacleAndTurfFlags) {
  const struct {
    const char* obstacle;
    const char* turf;
    const char* expected;
  } cases[] = {
      {"1", "0", "障"}, {"1", "1", "障"}, {"1", " ", "障"}, {"0", "1", "芝"},
      {"0", "0", "ダ"}, {"0", " ", ""},   {" ", "1", "芝"}, {"0", "2", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf8(SurfaceName(c.obstacle, c.turf)), c.expected) << "'" << c.obstacle << "' '" << c.turf << "'";
  }
}

TEST(CodeTables, SurfaceNumberAndLetterAreInverse) {
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(SurfaceNumber(SurfaceLetter(n)), n);
  EXPECT_EQ(ToUtf8(SurfaceLetter(1)), "芝");
  EXPECT_EQ(ToUtf8(SurfaceLetter(3)), "障");
  for (int n : {0, 4, -1}) EXPECT_EQ(SurfaceLetter(n), "") << n;
  for (const char* text : {"", "X", "芝芝", "ダート"}) EXPECT_EQ(SurfaceNumber(ToCp932(text)), 0) << text;
}

TEST(CodeTables, ClassAndGradeOfPastRuns) {
  const struct {
    const char* classCode;
    const char* grade;
    const char* expected;
  } cases[] = {
      {"00000", "0", "未受"},
      {"00004", "2", "G3"},
      {"00004", "3", "J.G1"},
      {"00004", "9", "オープン"},
      {"00004", " ", "オープン"},
      {"00007", "0", "勝入オープン"},
      {"00005", "0", "オープン，牝馬"},
      {"00009", " ", "オーブン，牝馬，アラブ混合"},
      {"00044", " ", "D4"},
      {"00094", " ", "能力試験"},
      {"00045", " ", "4万"},
      {"10000", "0", "1000万"},
      {"     ", " ", "0万"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf8(ClassGradeText(c.classCode, c.grade)), c.expected) << c.classCode << " / '" << c.grade << "'";
  }
}

TEST(CodeTables, CircledNumbers) {
  EXPECT_EQ(ToUtf8(CircledNumber(1)), "①");
  EXPECT_EQ(ToUtf8(CircledNumber(10)), "⑩");
  EXPECT_EQ(ToUtf8(CircledNumber(18)), "⑱");
  for (int n = 1; n <= 18; ++n) EXPECT_EQ(CircledNumber(n).size(), 2u) << n;
  for (int n : {0, 19, -1, 100}) EXPECT_EQ(CircledNumber(n), "") << n;
}

TEST(FinishMark, PositionTexts) {
  const struct {
    const char* code;
    bool last;
    bool bold;
    const char* expected;
  } cases[] = {
      {"05", false, false, " 5-"},
      {"05", true, false, " 5"},
      {"12", true, false, "12"},
      {"12", false, false, "12-"},
      {" 5", true, false, " 5"},
      {"41", false, false, "①-"},
      {"41", true, false, "①"},
      {"58", false, false, "⑱-"},
      {"40", false, false, "　"},
      {"59", false, false, "   -"},
      {"60", false, false, "   -"},
      {"60", true, false, "   "},
      {"00", false, false, "   "},
      {"  ", false, false, "   "},
      {"31", false, false, "落"},
      {"33", false, false, "止"},
      {"35", true, false, "除"},
      {"36", false, false, "36-"},
      {"05", false, true, "<B> 5-</B>"},
      {"41", true, true, "<B>①</B>"},
      {"40", false, true, "<B>　</B>"},
      {"00", false, true, "<B>   </B>"},
      {"33", false, true, "<B>止</B>"},
  };
  for (const auto& c : cases) {
    const auto mark = FinishMark(c.code, c.last, c.bold);
    ASSERT_TRUE(mark.has_value()) << c.code;
    EXPECT_EQ(ToUtf8(*mark), c.expected) << "'" << c.code << "' last=" << c.last << " bold=" << c.bold;
  }
}

TEST(FinishMark, NonNumericCodeIsAConversionError) {
  for (const char* code : {"ab", "5 ", "1-", "*"}) {
    const auto mark = FinishMark(code, false, true);
    ASSERT_FALSE(mark.has_value()) << code;
    EXPECT_NE(mark.error().message.find(std::string("'") + code + "'"), std::string::npos) << mark.error().message;
  }
}

}  // namespace
}  // namespace orvane
