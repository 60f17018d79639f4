// orvane-cli show and params: the race as the grid shows it, and a course
// parameter file in plain text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_runner.hpp"
#include "support/record_builders.hpp"
#include "support/test_race_day.hpp"

namespace {
namespace fs = std::filesystem;

using orvane::test::CliRun;

class CliShowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = fs::path(::testing::TempDir()) / ("cli_show_" + std::to_string(::getpid()));
    fs::remove_all(home_);
    orvane::test::WriteTestRaceDay(home_);
  }
  void TearDown() override { fs::remove_all(home_); }

  CliRun Run(const std::vector<std::string>& arguments) { return orvane::test::RunCli(ORVANE_CLI, home_, arguments); }

  fs::path home_;
};

TEST_F(CliShowTest, RaceWithMarksAndPoints) {
  const CliRun run = Run({"show", "0"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.Lines().size(), 3u + 6u);
  EXPECT_TRUE(run.Lines()[0].starts_with("3回東京10日目11R　テストＳ  発走15:40")) << run.Lines()[0];
  EXPECT_TRUE(run.Lines()[1].starts_with("2007年5月20日(日)")) << run.Lines()[1];
  EXPECT_EQ(run.Lines()[2], "逃げ頭数⇒2頭");
  EXPECT_EQ(run.Lines()[3], "◎\t1\t1\tダイ1\t逃げ\t同距離\tSS\t3\t6.0\t9.0\t15.0");
  EXPECT_EQ(run.Lines()[4], "○\t2\t2\tダイ2\t先行\t短縮\tS\t1\t6.0\t5.0\t11.0");
  EXPECT_EQ(run.Lines()[5], "△\t3\t3\tダイ3\t差し\t同距離\t\t5\t1.0\t1.0\t2.0");
  EXPECT_EQ(run.Lines()[7], "△\t5\t5\tダイ5\t\t\t\t6\t0.0\t0.0\t0.0");
}

TEST_F(CliShowTest, RaceWithoutParametersOrOdds) {
  const CliRun run = Run({"show", "1"});
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.Lines().size(), 3u + 4u);
  EXPECT_EQ(run.Lines()[2], "逃げ頭数⇒0頭");
  EXPECT_EQ(run.Lines()[3], "\t1\t1\tサツ1\t差し\t延長\t\t\t\t\t");
}

TEST_F(CliShowTest, MalformedParameterFileIsReportedAndTheRaceStillShown) {
  orvane::test::WriteCourseParamFile(home_ / "Data" / "04S1600.dat", std::vector<std::string>(8, "1,2"));
  const CliRun run = Run({"show", "0"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "04S1600.datが不正です。処理を中止します。\n");
  ASSERT_EQ(run.Lines().size(), 3u + 6u);
  EXPECT_EQ(run.Lines()[3], "\t1\t1\tダイ1\t逃げ\t同距離\t\t3\t\t\t");
}

TEST_F(CliShowTest, ManualModeWithoutUserFileHasNoPopularity) {
  const CliRun run = Run({"--manual", "show", "0"});
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.Lines().size(), 3u + 6u);
  EXPECT_EQ(run.Lines()[3], "\t1\t1\tダイ1\t逃げ\t同距離\tSS\t\t6.0\t9.0\t15.0");
}

TEST_F(CliShowTest, RaceOutsideTheCard) {
  const CliRun run = Run({"show", "3"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.Lines().empty());
  EXPECT_NE(run.err, "");
}

TEST_F(CliShowTest, ParamsPrintsThePlainFile) {
  orvane::test::WriteCourseParamFile(home_ / "Data" / "05D1200.dat", {"1.5,2.5,30", "a,b,c"});
  for (const std::string& file : {std::string("05D1200.dat"), (home_ / "Data" / "05D1200.dat").string()}) {
    const CliRun run = Run({"params", file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.Lines(), (std::vector<std::string>{"1.5,2.5,30", "a,b,c"}));
  }
  const CliRun missing = Run({"params", "04S9999.dat"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err, "");
}

}  // namespace
