// orvane-cli import: the archive goes into the program folder and the races
// are listed; a refused archive gives its message on standard error and exit 2.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
namespace fs = std::filesystem;
using ::testing::HasSubstr;

const fs::path kFixtures = fs::path(ORVANE_SOURCE_DIR) / "tests/fixtures/lha";

struct CliRun {
  int exitCode;
  std::string out;
  std::string err;
};

std::string Slurp(const fs::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

CliRun ImportWithCli(const fs::path& home, const fs::path& archive) {
  const std::string command = std::string("'") + ORVANE_CLI + "' --home '" + home.string() + "' import '" +
                              archive.string() + "' >'" + (home / "out.txt").string() + "' 2>'" +
                              (home / "err.txt").string() + "'";
  const int status = std::system(command.c_str());
  CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(home / "out.txt"), Slurp(home / "err.txt")};
  fs::remove(home / "out.txt");
  fs::remove(home / "err.txt");
  return run;
}

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

    const CliRun run = ImportWithCli(base / "home", base / c.fixture);

    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_THAT(run.out, HasSubstr(c.out));
    EXPECT_THAT(run.err, HasSubstr(c.err));
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
  }
}

}  // namespace
