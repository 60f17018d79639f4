// orvane-cli bets, kmi, idx and bulk: the bet details text line for line, and
// the files exactly as the core writes them for the desktop program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <expected>
#include <filesystem>
#include <fstream>
#include <functional>

#include "core/bets/formation.hpp"
#include "core/data/line_reader.hpp"
#include "core/output/bet_file.hpp"
#include "core/output/day_files.hpp"
#include "support/cli_runner.hpp"
#include "support/test_race_day.hpp"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

using test::CliRun;
using test::ReadWholeFile;

constexpr Date kToday{std::chrono::year(2007), std::chrono::month(5), std::chrono::day(21)};

// The test race day: race 0 東京 11R with marks 1, 2, 4, 6, 3, 5 (formations
// B1 + B2), race 1 without marks, race 2 東京 12R with three runners.
class ExportCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::path(::testing::TempDir()) /
            ("cli_export_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(base_);
    fs::create_directories(base_ / "out");
    test::WriteTestRaceDay(base_ / "home");
  }
  void TearDown() override { fs::remove_all(base_); }

  CliRun Cli(const std::vector<std::string>& arguments) { return test::RunCli(ORVANE_CLI, base_ / "home", arguments); }

  std::string Out(const char* name) const { return (base_ / "out" / name).string(); }

  // What the core writes for the desktop program, into out/expected.
  std::string CoreFile(const std::function<std::expected<void, std::string>(const fs::path&)>& write) {
    const fs::path path = base_ / "out" / "expected";
    EXPECT_TRUE(write(path));
    return ReadWholeFile(path);
  }

  RaceCard LoadedCard() {
    RaceCard card;
    EXPECT_TRUE(card.Load(base_ / "home").loaded);
    return card;
  }

  fs::path base_;
};

TEST_F(ExportCommandsTest, BetsPrintsTheBetDetailsText) {
  const CliRun run = Cli({"bets", "0"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "[馬連] 計9点\n"
            " 1- 2   1- 4   1- 6   1- 3   1- 5   2- 4\n"
            " 2- 6   2- 3   2- 5  \n"
            "\n"
            "[馬単] 計10点\n"
            " 1- 2   1- 4   1- 6   1- 3   1- 5   2- 1\n"
            " 2- 4   2- 6   2- 3   2- 5  \n"
            "\n"
            "[3連単] 計40点\n"
            " 1- 2- 4   1- 2- 6   1- 2- 3   1- 2- 5   1- 4- 2   1- 4- 6\n"
            " 1- 4- 3   1- 4- 5   1- 6- 2   1- 6- 4   1- 6- 3   1- 6- 5\n"
            " 1- 3- 2   1- 3- 4   1- 3- 6   1- 3- 5   1- 5- 2   1- 5- 4\n"
            " 1- 5- 6   1- 5- 3   2- 1- 4   2- 1- 6   2- 1- 3   2- 1- 5\n"
            " 4- 1- 2   4- 1- 6   4- 1- 3   4- 1- 5   6- 1- 2   6- 1- 4\n"
            " 6- 1- 3   6- 1- 5   3- 1- 2   3- 1- 4   3- 1- 6   3- 1- 5\n"
            " 5- 1- 2   5- 1- 4   5- 1- 6   5- 1- 3\n");
  EXPECT_EQ(Cli({"bets", "1"}).out, "このレースの買い目はありません\n");
}

TEST_F(ExportCommandsTest, KmiWritesTheBetFileOfTheRace) {
  ASSERT_EQ(Cli({"kmi", "0", Out("kaime.kmi")}).exitCode, 0);
  const std::string bytes = ReadWholeFile(Out("kaime.kmi"));
  EXPECT_EQ(bytes.size(), (9u + 10 + 40) * 21);
  EXPECT_TRUE(bytes.starts_with("0420070520113010200\r\n0420070520113010400\r\n")) << bytes.substr(0, 42);

  const RaceCard card = LoadedCard();
  const auto view = ComputeRace(card, 0, ProgramFolder(base_ / "home"), false, kTrioPattern, kToday);
  ASSERT_TRUE(view);
  EXPECT_EQ(bytes, CoreFile([&](const fs::path& path) {
              return WriteBetFile(path, card.RaceLine(0), view->Marks, view->Bets.Lists);
            }));

  ASSERT_EQ(Cli({"kmi", "1", Out("kaime.kmi")}).exitCode, 0);
  EXPECT_EQ(ReadWholeFile(Out("kaime.kmi")), "") << "a race without marks gives an empty file";
}

TEST_F(ExportCommandsTest, IdxAndBulkWriteTheFilesOfAllRaces) {
  ASSERT_EQ(Cli({"idx", Out("ov070520.idx")}).exitCode, 0);
  ASSERT_EQ(Cli({"bulk", Out("ov070520.kmi")}).exitCode, 0);
  const RaceCard card = LoadedCard();
  const ProgramFolder folder(base_ / "home");
  const DayRun run{card, folder, false, kTrioPattern, kToday, {}, {}};

  const std::string index = ReadWholeFile(Out("ov070520.idx"));
  EXPECT_TRUE(index.starts_with("\x93\x57\x8A\x4A\x82\x6F\r\n04,20070520,11,1,")) << "展開Ｐ in CP932";
  EXPECT_EQ(index, CoreFile([&](const fs::path& path) { return WriteIndexFile(path, run); }));

  const std::string bulk = ReadWholeFile(Out("ov070520.kmi"));
  EXPECT_TRUE(bulk.starts_with("'rank=1,2,4,6,3,5\r\n0420070520113010200\r\n"));
  EXPECT_EQ(bulk, CoreFile([&](const fs::path& path) { return WriteBulkBetFile(path, run); }));
}

TEST_F(ExportCommandsTest, FailuresGiveTheirExitCodeAndMessage) {
  struct Case {
    std::vector<std::string> arguments;
    int exitCode;
    const char* err;
  };
  const Case cases[] = {
      {{"kmi", "3", Out("k.kmi")}, 2, "レース番号が範囲外です: 3"},
      {{"bets", "x"}, 2, "レース番号が範囲外です: x"},
      {{"kmi", "0"}, 1, "usage:"},
      {{"idx"}, 1, "usage:"},
      {{"idx", (base_ / "missing" / "ov.idx").string()}, 2, "ファイルを作成できません"},
      {{"bulk", (base_ / "missing" / "ov.kmi").string()}, 2, "ファイルを作成できません"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments[0];
    EXPECT_THAT(run.err, HasSubstr(c.err)) << c.arguments[0];
  }
  EXPECT_FALSE(fs::exists(Out("k.kmi")));
}

TEST_F(ExportCommandsTest, MalformedParameterFileIsReportedAndTheCommandCarriesOn) {
  test::TestRaceDay day = test::MakeTestRaceDay();
  day.paramLines[0] = "1,1,40";
  test::WriteTestRaceDay(base_ / "home", day);
  const CliRun run = Cli({"bets", "0"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "このレースの買い目はありません\n");
  EXPECT_EQ(run.err, "04S1600.datが不正です。処理を中止します。\n");
}

}  // namespace
}  // namespace orvane
