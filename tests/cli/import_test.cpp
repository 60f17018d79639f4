// orvane-cli import: the archive goes into the program folder and the races
// are listed; a refused archive gives its message on standard error and exit 2.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.hpp"

namespace {
namespace fs = std::filesystem;
using ::testing::HasSubstr;

const fs::path kFixtures = fs::path(ORVANE_SOURCE_DIR) / "tests/fixtures/lha";

TEST(CliImport, ListsTheRacesOrReportsWhyNot) {
  struct Case {
    const char* fixture;
    int exitCode;
    const char* out;  // a part of standard output
    const char* err;  // a part of standard error
  };
  const Case cases[] = {
      {"hb260531.lzh", 0, "2\t東京03R サラ3歳 オープン 東京優駿", ""},
      {"no_data.lzh", 2, "", "指定した書庫ファイルにデータは含まれておりません。\n\n正しいRVXデータをご利用ください。"},
      {"escape.lzh", 2, "", "データの展開でエラーが発生しました。\n\n1 : ../escape.kd2: "},
      {"j260531.lzh", 2, "", "レースデータがありません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixture);
    const fs::path base = fs::path(::testing::TempDir()) / "cli_import" / fs::path(c.fixture).stem();
    fs::remove_all(base);
    fs::create_directories(base / "home");
    fs::copy_file(kFixtures / c.fixture, base / c.fixture);

    const auto run = orvane::test::RunCli(ORVANE_CLI, base / "home", {"import", (base / c.fixture).string()});

    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_THAT(run.out, HasSubstr(c.out));
    EXPECT_THAT(run.err, HasSubstr(c.err));
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
  }
}

}  // namespace
