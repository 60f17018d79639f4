#include "core/output/day_files.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/data/cp932.hpp"
#include "core/data/line_reader.hpp"
#include "support/record_builders.hpp"
#include "support/test_race_day.hpp"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

constexpr Date kToday{std::chrono::year(2007), std::chrono::month(5), std::chrono::day(21)};

// The test race day: race 0 is 東京 11R with marks 1, 2, 4, 6, 3, 5 (pattern 2),
// race 1 札幌 3R has no parameter file and so no marks, race 2 東京 12R has
// three runners and marks 2, 3, 1 (pattern 1).
class DayFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(::testing::TempDir()) /
            ("day_files_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    folder_ = ProgramFolder(root_);
    Write(test::MakeTestRaceDay());
  }
  void TearDown() override { fs::remove_all(root_); }

  void Write(const test::TestRaceDay& day) {
    test::WriteTestRaceDay(root_, day);
    ASSERT_TRUE(card_.Load(root_).loaded);
  }

  DayRun Run() { return DayRun{card_, folder_, false, 0, kToday, {}, {}}; }

  std::string Utf8File(const fs::path& path) { return ToUtf8(ReadFileBytes(path).value_or("(missing)")); }

  fs::path root_;
  ProgramFolder folder_{{}};
  RaceCard card_;
};

const char* const kIndexText =
    "展開Ｐ\r\n"
    "04,20070520,11,1,ダイ1,15.0\r\n"
    "04,20070520,11,2,ダイ2,11.0\r\n"
    "04,20070520,11,3,ダイ3,2.0\r\n"
    "04,20070520,11,4,ダイ4,10.0\r\n"
    "04,20070520,11,5,ダイ5,\r\n"
    "04,20070520,11,6,ダイ6,7.0\r\n"
    "08,20070520,03,1,サツ1,\r\n"
    "08,20070520,03,2,サツ2,\r\n"
    "08,20070520,03,3,サツ3,\r\n"
    "08,20070520,03,4,サツ4,\r\n"
    "04,20070520,12,1,ニゲ1,2.0\r\n"
    "04,20070520,12,2,ニゲ2,2.0\r\n"
    "04,20070520,12,3,ニゲ3,2.0\r\n";

TEST_F(DayFilesTest, IndexFileHasEveryRunnerOfEveryRace) {
  ASSERT_TRUE(WriteIndexFile(root_ / "ov070520.idx", Run()));
  EXPECT_EQ(Utf8File(root_ / "ov070520.idx"), kIndexText);
}

TEST_F(DayFilesTest, BulkFileHasTheMarkedRacesEachAfterItsMarkLine) {
  ASSERT_TRUE(WriteBulkBetFile(root_ / "ov070520.kmi", Run()));
  const auto lines = SplitRecordLines(ReadFileBytes(root_ / "ov070520.kmi").value_or(""));
  ASSERT_EQ(lines.size(), (1u + 9 + 10 + 40) * 2);
  EXPECT_EQ(lines[0], "'rank=1,2,4,6,3,5");
  EXPECT_EQ(lines[1], "0420070520113010200");
  EXPECT_EQ(lines[20], "0420070520117010204") << "pattern 2 starts with formation B1";
  EXPECT_EQ(lines[60], "'rank=2,3,1");
  EXPECT_EQ(lines[61], "0420070520123020300");
  EXPECT_EQ(lines[80], "0420070520127020301");
  EXPECT_EQ(lines[81], "0420070520127020300") << "a ticket with an empty mark position";
  for (const auto& line : lines) EXPECT_FALSE(line.starts_with("082007052003")) << "race 1 has no marks";
}

TEST_F(DayFilesTest, EndingTheRunKeepsTheRacesDone) {
  std::vector<std::pair<int, int>> asked;
  DayRun run = Run();
  run.Continue = [&](int done, int total) {
    asked.emplace_back(done, total);
    return done < 2;
  };
  ASSERT_TRUE(WriteIndexFile(root_ / "ov.idx", run));
  EXPECT_THAT(asked, ElementsAre(std::pair{0, 3}, std::pair{1, 3}, std::pair{2, 3}));
  const std::string all = kIndexText;
  EXPECT_EQ(Utf8File(root_ / "ov.idx"), all.substr(0, all.find("04,20070520,12")));
}

TEST_F(DayFilesTest, MalformedParameterFileIsNoticedForEachRaceAndTheRunCarriesOn) {
  test::TestRaceDay day = test::MakeTestRaceDay();
  day.paramLines[0] = day.paramLines[4] = "1,1,40";  // both blocks, for races 0 and 2
  Write(day);
  std::vector<std::string> notices;
  DayRun run = Run();
  run.Notice = [&](const std::string& message) { notices.push_back(message); };
  const auto lines = BulkBetFileLines(run);
  ASSERT_TRUE(lines);
  EXPECT_TRUE(lines->empty()) << "no race has marks without its parameters";
  EXPECT_THAT(notices, ElementsAre("04S1600.datが不正です。処理を中止します。", "04S1600.datが不正です。処理を中止します。"));
}

TEST_F(DayFilesTest, RaceThatCannotBeComputedLeavesTheFileAsItWas) {
  test::TestRaceDay day = test::MakeTestRaceDay();
  day.horseLines[7] = test::HorseRecord().Run(0, test::PastRunBlock().Corners("ab", "03", "03", "03")).str();
  Write(day);
  ASSERT_TRUE(WriteFileAtomically(root_ / "ov.idx", "old"));
  const auto written = WriteIndexFile(root_ / "ov.idx", Run());
  ASSERT_FALSE(written);
  EXPECT_FALSE(written.error().empty());
  EXPECT_EQ(ReadFileBytes(root_ / "ov.idx").value_or(""), "old");
}

TEST_F(DayFilesTest, FileNameFromTheFirstRaceDate) {
  EXPECT_EQ(DayExportFileName(card_.Summary(0), ".idx"), "ov070520.idx");
  EXPECT_EQ(DayExportFileName(card_.Summary(0), ".kmi"), "ov070520.kmi");
}

}  // namespace
}  // namespace orvane
