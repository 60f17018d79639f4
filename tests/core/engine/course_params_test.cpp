#include "core/engine/course_params.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/record_builders.hpp"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// One plain line: six groups of win value, return value, case count.
struct Group {
  std::string win, ret, cases;
};

std::string Line(const std::vector<Group>& groups) {
  std::string line;
  for (const auto& g : groups) line += (line.empty() ? "" : ",") + g.win + "," + g.ret + "," + g.cases;
  return line;
}

// Every column with enough cases; `win` marks the line in the tables.
std::string PlainLine(const std::string& win) {
  return Line({{win, "2.0", "40"}, {win, "2.0", "40"}, {win, "2.0", "40"}, {win, "2.0", "40"}, {"0", "0", "40"},
               {"0", "0", "40"}});
}

// Eight lines whose win values tell which line each row came from.
std::vector<std::string> NumberedLines() {
  std::vector<std::string> lines;
  for (int i = 1; i <= 8; ++i) lines.push_back(PlainLine(std::to_string(i)));
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

std::vector<std::string> FirstColumn(const ParamTable& table) {
  return {table[0][0], table[1][0], table[2][0], table[3][0]};
}

RaceSummary Race(std::string_view course, bool turf, std::string_view side, int distance) {
  test::RaceHeader header;
  header.Course(course).CourseSide(side).Distance(distance);
  if (turf) {
    header.Turf();
  } else {
    header.Dirt();
  }
  return ParseRaceHeader(header.str());
}

TEST(CourseParamFileName, CourseSurfaceAndDistance) {
  EXPECT_EQ(CourseParamFileName(Race("04", true, "0", 1600)), "04S1600.dat");
  EXPECT_EQ(CourseParamFileName(Race("05", true, "1", 1600)), "05SO1600.dat");
  EXPECT_EQ(CourseParamFileName(Race("05", true, "2", 2000)), "05S2000.dat");  // 外内 is not 外
  EXPECT_EQ(CourseParamFileName(Race("08", false, "1", 1800)), "08D1800.dat");
  EXPECT_EQ(CourseParamFileName(Race("10", true, "0", 1600)), std::nullopt);  // not a JRA course
  EXPECT_EQ(CourseParamFileName(ParseRaceHeader(test::RaceHeader().Obstacle().str())), std::nullopt);
}

TEST(SwapNibbles, ExchangesTheHalvesOfEveryByte) {
  EXPECT_EQ(SwapNibbles("1,\r\n"), "\x13\xC2\xD0\xA0");
  EXPECT_EQ(SwapNibbles(SwapNibbles("12.5,40")), "12.5,40");
}

TEST(ParseCourseParams, FrontRunnersChooseTheBlock) {
  const std::string plain = Joined(NumberedLines());
  EXPECT_EQ(FirstColumn(ParseCourseParams(plain, 0, "f").WinParams), (std::vector<std::string>{"1.0", "2.0", "3.0", "4.0"}));
  EXPECT_EQ(FirstColumn(ParseCourseParams(plain, 2, "f").WinParams), (std::vector<std::string>{"1.0", "2.0", "3.0", "4.0"}));
  EXPECT_EQ(FirstColumn(ParseCourseParams(plain, 3, "f").WinParams), (std::vector<std::string>{"5.0", "6.0", "7.0", "8.0"}));
}

TEST(ParseCourseParams, ColumnValuesAndReplacements) {
  struct Case {
    const char* name;
    std::vector<Group> groups;
    std::array<std::string, 4> win, ret;
  };
  const Case cases[] = {
      {"enough cases use the own values",
       {{"6.1", "9.2", "30"}, {"1", "2", "31"}, {"3", "4", "99"}, {"5", "6", "30"}, {"", "", "0"}, {"", "", "0"}},
       {"6.1", "1.0", "3.0", "5.0"},
       {"9.2", "2.0", "4.0", "6.0"}},
      {"29 cases take groups 4 and 5 unchanged when they have enough",
       {{"6", "9", "29"}, {"1", "2", "0"}, {"3", "4", "-5"}, {"5", "6", "10"}, {"7.3", "8.4", "40"}, {"2.2", "3.3", "30"}},
       {"7.3", "7.3", "7.3", "2.2"},
       {"8.4", "8.4", "8.4", "3.3"}},
      {"a small replacement group gives two thirds, never below 1.0",
       {{"", "", "5"}, {"", "", "5"}, {"", "", "5"}, {"", "", "10"}, {"9.0", "1.5", "29"}, {"1.2", "6.0", "12"}},
       {"6.0", "6.0", "6.0", "1.0"},
       {"1.0", "1.0", "1.0", "4.0"}},
      {"halves round away from zero on the written value",
       {{"0.25", "1.45", "30"}, {"2.675", "12.34", "30"}, {"7", "-0.25", "30"}, {"0.05", "0.04", "30"}, {"", "", "0"},
        {"", "", "0"}},
       {"0.3", "2.7", "7.0", "0.1"},
       {"1.5", "12.3", "-0.3", "0.0"}},
      {"values that are no numbers count 0 when read directly",
       {{"abc", "", "30"}, {"1.0x", "--", "30"}, {"", "", "1"}, {"", "", "1"}, {"x", "y", "30"}, {"z", "", "31"}},
       {"0.0", "0.0", "0.0", "0.0"},
       {"0.0", "0.0", "0.0", "0.0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines(8, PlainLine("0"));
    lines[1] = Line(c.groups);  // row 先行
    const CourseParams params = ParseCourseParams(Joined(lines), 0, "f");
    ASSERT_TRUE(params.Loaded);
    EXPECT_EQ(params.Message, "");
    EXPECT_EQ(params.WinParams[1], c.win);
    EXPECT_EQ(params.ReturnParams[1], c.ret);
  }
}

TEST(ParseCourseParams, MalformedUsedLineStopsWithTheMessage) {
  const Group ok{"1", "1", "40"};
  const struct {
    const char* name;
    std::string line;
  } cases[] = {
      {"17 fields", Line({ok, ok, ok, ok, ok}) + ",1,1"},
      {"19 fields", Line({ok, ok, ok, ok, ok, ok}) + ","},
      {"a case count with a fraction", Line({ok, ok, {"1", "1", "30.5"}, ok, ok, ok})},
      {"an empty case count", Line({ok, ok, ok, ok, ok, {"1", "1", ""}})},
      {"a case count that is text", Line({{"1", "1", "3O"}, ok, ok, ok, ok, ok})},
      {"a needed replacement value that is no number",
       Line({{"1", "1", "3"}, ok, ok, ok, {"x", "1", "12"}, ok})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines(8, PlainLine("1"));
    lines[6] = c.line;
    const CourseParams params = ParseCourseParams(Joined(lines), 3, "04S1600.dat");
    EXPECT_FALSE(params.Loaded);
    EXPECT_EQ(params.Message, "04S1600.datが不正です。処理を中止します。");
    // The other block is not looked at.
    EXPECT_TRUE(ParseCourseParams(Joined(lines), 0, "04S1600.dat").Loaded);
  }
}

TEST(ParseCourseParams, ShortFilesAndExtraLines) {
  std::vector<std::string> lines = NumberedLines();
  lines.pop_back();
  std::string seven = Joined(lines);
  seven.resize(seven.size() - 2);  // seven lines, no final line end
  const CourseParams shortFile = ParseCourseParams(seven, 0, "f");
  EXPECT_FALSE(shortFile.Loaded);
  EXPECT_EQ(shortFile.Message, "");
  EXPECT_EQ(shortFile.WinParams[0][0], "0.0");
  // Seven lines each ending in CR LF are still seven: no message, whatever the block.
  for (int frontRunners : {0, 3}) {
    const CourseParams sevenEnded = ParseCourseParams(Joined(lines), frontRunners, "f");
    EXPECT_FALSE(sevenEnded.Loaded);
    EXPECT_EQ(sevenEnded.Message, "");
  }
  // An empty eighth line is a line: the block that uses it is malformed.
  const CourseParams emptyEighth = ParseCourseParams(Joined(lines) + "\r\n", 3, "f");
  EXPECT_FALSE(emptyEighth.Loaded);
  EXPECT_EQ(emptyEighth.Message, "fが不正です。処理を中止します。");
  EXPECT_TRUE(ParseCourseParams(Joined(lines) + "\r\n", 0, "f").Loaded);
  // Eight lines without a final line end are eight.
  std::string eight = Joined(NumberedLines());
  eight.resize(eight.size() - 2);
  EXPECT_TRUE(ParseCourseParams(eight, 3, "f").Loaded);

  lines = NumberedLines();
  lines.push_back("anything at all");
  EXPECT_TRUE(ParseCourseParams(Joined(lines), 3, "f").Loaded);
  // An unscrambled line end after the scrambled text turns into stray bytes of a ninth line.
  EXPECT_TRUE(ParseCourseParams(Joined(NumberedLines()) + SwapNibbles("\r\n"), 3, "f").Loaded);
}

class LoadCourseParamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(::testing::TempDir()) / ("course_params_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "Data");
  }
  void TearDown() override { fs::remove_all(root_); }

  void WriteFile(const std::string& name, const std::string& win) {
    test::WriteCourseParamFile(root_ / "Data" / name, std::vector<std::string>(8, PlainLine(win)));
  }

  fs::path root_;
};

TEST_F(LoadCourseParamsTest, ReadsTheRaceFile) {
  WriteFile("04S1600.dat", "3.3");
  const CourseParams params = LoadCourseParams(ProgramFolder(root_), Race("04", true, "0", 1600), 0);
  EXPECT_TRUE(params.Loaded);
  EXPECT_EQ(params.WinParams[3][2], "3.3");
  EXPECT_EQ(params.ReturnParams[3][2], "2.0");
}

TEST_F(LoadCourseParamsTest, OuterCourseFallsBackToTheInnerFile) {
  WriteFile("05S1600.dat", "4.0");
  const RaceSummary outer = Race("05", true, "1", 1600);
  EXPECT_EQ(LoadCourseParams(ProgramFolder(root_), outer, 0).WinParams[0][0], "4.0");
  WriteFile("05SO1600.dat", "5.0");
  EXPECT_EQ(LoadCourseParams(ProgramFolder(root_), outer, 0).WinParams[0][0], "5.0");
}

TEST_F(LoadCourseParamsTest, MissingFileOrNoSurfaceLoadsNothingSilently) {
  WriteFile("04D1600.dat", "4.0");
  for (const RaceSummary& race : {Race("04", true, "0", 1600), Race("04", false, "0", 1400),
                                  ParseRaceHeader(test::RaceHeader().Obstacle().str())}) {
    const CourseParams params = LoadCourseParams(ProgramFolder(root_), race, 0);
    EXPECT_FALSE(params.Loaded);
    EXPECT_EQ(params.Message, "");
    for (const auto& row : params.WinParams) EXPECT_EQ(row, (std::array<std::string, 4>{"0.0", "0.0", "0.0", "0.0"}));
  }
}

TEST_F(LoadCourseParamsTest, MalformedFileNamesItself) {
  test::WriteCourseParamFile(root_ / "Data" / "04S1600.dat", std::vector<std::string>(8, "1,2,3"));
  const CourseParams params = LoadCourseParams(ProgramFolder(root_), Race("04", true, "0", 1600), 0);
  EXPECT_FALSE(params.Loaded);
  EXPECT_EQ(params.Message, "04S1600.datが不正です。処理を中止します。");
}

}  // namespace
}  // namespace orvane
