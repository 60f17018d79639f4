#include "core/data/archive_import.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "core/data/cp932.hpp"
#include "core/data/line_reader.hpp"
#include "core/data/record.hpp"

namespace orvane {
namespace {
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

const fs::path kFixtures = fs::path(ORVANE_SOURCE_DIR) / "tests/fixtures/lha";

constexpr const char* kNoDataMessage =
    "指定した書庫ファイルにデータは含まれておりません。\r\n\r\n正しいRVXデータをご利用ください。";
constexpr const char* kErrorHead = "データの展開でエラーが発生しました。\r\n";
constexpr const char* kErrorTail = "\r\n\r\n開発元にお問い合わせください。";

using FolderSnapshot = std::map<std::string, size_t>;  // file name -> hash of its bytes

// The program folder lives alone in a parent folder, so anything written
// outside it shows up in the parent. Archives come from a separate folder.
class ArchiveImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::path(::testing::TempDir()) / "import" / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(base_);
    fs::create_directories(Program());
    fs::create_directories(Downloads());
  }

  fs::path Parent() const { return base_ / "parent"; }
  fs::path Program() const { return Parent() / "program"; }
  fs::path Downloads() const { return base_ / "downloads"; }

  fs::path Copy(const std::string& fixture, const std::string& as = "") {
    const fs::path to = Downloads() / (as.empty() ? fixture : as);
    fs::copy_file(kFixtures / fixture, to, fs::copy_options::overwrite_existing);
    return to;
  }

  ImportResult Import(const fs::path& archive, const ExtractionProgress& progress = {}) {
    return ImportArchive(archive, ProgramFolder(Program()), card_, progress);
  }

  // Imports an archive that must load (its companion copied beside it when named).
  void ImportCard(const std::string& fixture, const std::string& companion = "") {
    if (!companion.empty()) Copy(companion);
    const ImportResult result = Import(Copy(fixture));
    ASSERT_TRUE(result.loaded) << result.message;
    ASSERT_EQ(result.message, "");
  }

  FolderSnapshot Snapshot(const fs::path& folder) const {
    FolderSnapshot files;
    for (const auto& entry : fs::directory_iterator(folder)) {
      files[entry.path().filename().string()] =
          entry.is_regular_file() ? std::hash<std::string>()(*ReadFileBytes(entry.path())) : 0;
    }
    return files;
  }
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& [name, hash] : Snapshot(Program())) names.push_back(name);
    return names;
  }

  std::string WinOdds(int race) const { return std::string(Field(card_.OddsFor(race), 162, 5)); }
  std::vector<std::string> Menu() const {
    std::vector<std::string> captions;
    for (const auto& c : card_.MenuCaptions()) captions.push_back(ToUtf8(c));
    return captions;
  }

  fs::path base_;
  RaceCard card_;
};

TEST_F(ArchiveImportTest, RefusesArchivesWithoutADataMember) {
  struct Case {
    const char* what;
    std::function<fs::path()> archive;
  };
  const Case cases[] = {
      {"race headers and entries only", [&] { return Copy("no_data.lzh"); }},
      {"names that only resemble data files", [&] { return Copy("near_names.lzh"); }},
      {"not an archive",
       [&] {
         std::ofstream(Downloads() / "hb260531.lzh") << "plain text\r\n";
         return Downloads() / "hb260531.lzh";
       }},
      {"missing file", [&] { return Downloads() / "hb999999.lzh"; }},
  };
  ImportCard("hb260531.lzh", "j260531.lzh");
  fs::remove(Downloads() / "j260531.lzh");
  const FolderSnapshot before = Snapshot(Program());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ImportResult result = Import(c.archive());
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.message, kNoDataMessage);
    EXPECT_EQ(Snapshot(Program()), before);
    EXPECT_EQ(card_.RaceCount(), 3);
  }
}

TEST_F(ArchiveImportTest, ExtractsTheCompanionOddsArchiveWhenItIsBeside) {
  struct Case {
    const char* archive;                                 // the race-card archive is imported under this name
    std::vector<std::pair<const char*, const char*>> beside;  // odds archives: fixture, name
    const char* winOdds;                                 // of race 0's horse 1; "" = no odds
  };
  const Case cases[] = {
      {"hb260531.lzh", {{"j260531.lzh", "j260531.lzh"}}, "00035"},
      {"hb260531.lzh", {}, ""},
      {"hb260531_extra.lzh", {{"j260531.lzh", "j260531_ext"}}, "00035"},  // cut to 10 bytes
      {"hb260531_extra.lzh", {{"j260531.lzh", "j260531_extra.lzh"}}, ""},
      {"kd3_hb260531.lzh", {{"kd3_jb260531.lzh", "kd3_jb260531.lzh"}}, "00035"},
      {"kd3_hb260531_extra.lzh", {{"kd3_jb260531.lzh", "kd3_jb260531_ext"}}, "00035"},
      {"kd3_hb260531.lzh", {{"j260531_late.lzh", "j3_hb260531"}, {"kd3_jb260531.lzh", "kd3_jb260531.lzh"}}, "00041"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.archive + ::testing::PrintToString(c.beside));
    for (const fs::path& folder : {Program(), Downloads()}) {
      fs::remove_all(folder);
      fs::create_directories(folder);
    }
    card_ = RaceCard();
    for (const auto& [fixture, name] : c.beside) Copy(fixture, name);

    const ImportResult result = Import(Copy("hb260531.lzh", c.archive));

    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(card_.RaceCount(), 3);
    EXPECT_EQ(WinOdds(0), c.winOdds);
    EXPECT_EQ(fs::exists(Program() / "rvx_ods.kd2"), *c.winOdds != '\0');
  }
}

TEST_F(ArchiveImportTest, ReportsProgressPerArchiveAndAnEndAfterEach) {
  std::vector<int> events;  // percentages; -1 for an end
  const ExtractionProgress progress{[&](int percent) { events.push_back(percent); }, [&] { events.push_back(-1); }};
  Copy("j260531.lzh");

  ASSERT_TRUE(Import(Copy("hb260531.lzh"), progress).loaded);

  ASSERT_EQ(std::ranges::count(events, -1), 2);
  const auto firstEnd = std::ranges::find(events, -1);
  for (const auto& run : {std::vector<int>(events.begin(), firstEnd), std::vector<int>(firstEnd + 1, events.end() - 1)}) {
    ASSERT_FALSE(run.empty());
    EXPECT_TRUE(std::ranges::is_sorted(run));
    EXPECT_GE(run.front(), 0);
    EXPECT_EQ(run.back(), 100);
  }
  EXPECT_EQ(events.back(), -1);
}

TEST_F(ArchiveImportTest, Kd3ArchivesLeaveTheSameKd2FilesAsKd2Archives) {
  ImportCard("hb260531.lzh", "j260531.lzh");
  const FolderSnapshot kd2 = Snapshot(Program());
  fs::remove_all(Program());
  fs::create_directories(Program());

  ImportCard("kd3_hb260531.lzh", "kd3_jb260531.lzh");

  EXPECT_THAT(FileNames(), ElementsAre("rvx_den1.kd2", "rvx_den2.kd2", "rvx_ods.kd2", "rvx_uma.kd2"));
  EXPECT_EQ(Snapshot(Program()), kd2);
  EXPECT_EQ(ToUtf8(card_.Summary(2).GradeLabel), "Jpn(G1)");  // the .kd3 domestic flag reached byte 358
}

TEST_F(ArchiveImportTest, SpecialRegistrationsReplaceTheRaceFiles) {
  ImportCard("hb260531.lzh");
  ImportCard("tok260628.lzh");

  EXPECT_THAT(FileNames(), ElementsAre("rvx_den1.kd2", "rvx_den2.kd2", "rvx_uma.kd2"));
  ASSERT_EQ(card_.RaceCount(), 1);
  EXPECT_THAT(Menu(), ElementsAre(HasSubstr("特別登録ステークス")));
  EXPECT_EQ(card_.RunnerCount(0), 4);
  EXPECT_EQ(ToUtf8(TrimmedField(card_.EntryLine(3), 33, 18)), "サンプルヨテイ");
}

TEST_F(ArchiveImportTest, AnOddsOnlyArchiveUpdatesTheCardInTheFolder) {
  ImportCard("hb260531.lzh", "j260531.lzh");
  const std::string header = *ReadFileBytes(Program() / "rvx_den1.kd2");

  ImportCard("j260531_late.lzh");

  EXPECT_EQ(card_.RaceCount(), 3);
  EXPECT_EQ(WinOdds(0), "00041");
  EXPECT_EQ(*ReadFileBytes(Program() / "rvx_den1.kd2"), header);
}

TEST_F(ArchiveImportTest, OddsWithoutACardWaitForTheCard) {
  const ImportResult oddsOnly = Import(Copy("j260531.lzh"));
  EXPECT_FALSE(oddsOnly.loaded);
  EXPECT_EQ(oddsOnly.message, "");
  EXPECT_THAT(FileNames(), ElementsAre("rvx_ods.kd2"));

  fs::remove(Downloads() / "j260531.lzh");
  ImportCard("hb260531.lzh");
  EXPECT_EQ(WinOdds(0), "00035");
}

TEST_F(ArchiveImportTest, ANewCardReplacesTheOldOne) {
  ImportCard("hb260531.lzh", "j260531.lzh");
  ImportCard("hb260607.lzh");

  ASSERT_EQ(card_.RaceCount(), 2);
  EXPECT_THAT(Menu(), ElementsAre(HasSubstr("阪神01R"), HasSubstr("宝塚記念")));
  EXPECT_EQ(WinOdds(0), "");  // the odds left in the folder belong to the other day
}

// A damaged or unsafe archive is reported line by line and changes nothing:
// not the data set in the folder, not the card, and nothing outside the folder.
TEST_F(ArchiveImportTest, ExtractionErrorsChangeNothing) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, const char*>> copies;  // fixture, name; the first is imported
    std::vector<std::string> lines;                           // what each error line names
  };
  const Case cases[] = {
      {"member named ../escape.kd2", {{"escape.lzh", "hb260607.lzh"}}, {"1 : ../escape.kd2: "}},
      {"truncated archive", {{"truncated.lzh", "hb260607.lzh"}}, {"rvx_uma.kd2: "}},
      {"links, folders and paths",
       {{"unsafe_kinds.lzh", "hb260607.lzh"}},
       {"1 : sub/rvx_den1.kd2: ", "1 : /tmp/orvane-absolute.kd2: ", "1 : rvx_link.kd2: ", "1 : rvx_folder/: "}},
      {"sound archive with a truncated companion",
       {{"hb260607.lzh", "hb260607.lzh"}, {"truncated.lzh", "j260607.lzh"}},
       {"rvx_uma.kd2: "}},
      {"two errors, one from each archive",
       {{"escape.lzh", "hb260607.lzh"}, {"truncated.lzh", "j260607.lzh"}},
       {"1 : ../escape.kd2: ", "rvx_uma.kd2: "}},
  };
  ImportCard("hb260531.lzh", "j260531.lzh");
  const FolderSnapshot before = Snapshot(Program());
  ASSERT_FALSE(fs::exists("/tmp/orvane-absolute.kd2"));

  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Downloads());
    fs::create_directories(Downloads());
    for (const auto& [fixture, name] : c.copies) Copy(fixture, name);

    const ImportResult result = Import(Downloads() / c.copies.front().second);

    EXPECT_FALSE(result.loaded);
    ASSERT_TRUE(result.message.starts_with(std::string(kErrorHead) + "\r\n")) << result.message;
    ASSERT_TRUE(result.message.ends_with(kErrorTail)) << result.message;
    const std::string text = result.message.substr(
        std::string(kErrorHead).size() + 2,
        result.message.size() - std::string(kErrorHead).size() - 2 - std::string(kErrorTail).size());
    std::vector<std::string> lines;
    for (size_t start = 0, end = 0; end != std::string::npos; start = end + 2) {
      end = text.find("\r\n", start);
      lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    }
    ASSERT_EQ(lines.size(), c.lines.size()) << result.message;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_THAT(lines[i], MatchesRegex("-?[0-9]+ : .+"));
      EXPECT_THAT(lines[i], HasSubstr(c.lines[i]));
    }

    EXPECT_EQ(Snapshot(Program()), before);
    EXPECT_THAT(Snapshot(Parent()), ElementsAre(::testing::Key("program")));
    EXPECT_FALSE(fs::exists(Downloads() / "escape.kd2"));
    EXPECT_FALSE(fs::exists("/tmp/orvane-absolute.kd2"));
    EXPECT_EQ(card_.RaceCount(), 3);
    EXPECT_EQ(WinOdds(0), "00035");
  }
  RaceCard reloaded;
  EXPECT_TRUE(reloaded.Load(Program()).loaded);
  EXPECT_EQ(reloaded.RaceCount(), 3);
}

// The files of a set that the race card refuses never replace the set in place,
// so the card already loaded still loads at the next start.
TEST_F(ArchiveImportTest, AnOversizedSetIsRefusedBeforeItReplacesTheFiles) {
  ImportCard("hb260531.lzh", "j260531.lzh");
  const FolderSnapshot before = Snapshot(Program());

  const ImportResult result = Import(Copy("oversized.lzh", "hb260614.lzh"));

  EXPECT_FALSE(result.loaded);
  EXPECT_THAT(result.message, HasSubstr("rvx_den1.kd2"));
  EXPECT_THAT(result.message, HasSubstr("40"));
  EXPECT_EQ(Snapshot(Program()), before);
  EXPECT_EQ(card_.RaceCount(), 3);
  RaceCard reloaded;
  EXPECT_TRUE(reloaded.Load(Program()).loaded);
  EXPECT_EQ(reloaded.RaceCount(), 3);
}

TEST_F(ArchiveImportTest, DamagedBytesGiveAnErrorNeverACrash) {
  ImportCard("hb260607.lzh");
  const FolderSnapshot sound = Snapshot(Program());
  ImportCard("hb260531.lzh");
  const FolderSnapshot before = Snapshot(Program());
  const std::string archive = *ReadFileBytes(kFixtures / "hb260607.lzh");
  // One byte flipped at a time, every 8th byte: headers, compressed data, CRCs.
  for (size_t pos = 0; pos < archive.size(); pos += 8) {
    SCOPED_TRACE(pos);
    std::string damaged = archive;
    damaged[pos] = static_cast<char>(damaged[pos] ^ 0x5A);
    std::ofstream(Downloads() / "hb260607.lzh", std::ios::binary | std::ios::trunc) << damaged;

    const ImportResult result = Import(Downloads() / "hb260607.lzh");

    if (result.loaded) {  // the flip hit bits that the decoder never uses
      EXPECT_EQ(Snapshot(Program()), sound);
      ImportCard("hb260531.lzh");
      continue;
    }
    EXPECT_THAT(result.message, ::testing::AnyOf(::testing::StartsWith(kErrorHead), kNoDataMessage));
    EXPECT_EQ(Snapshot(Program()), before);
    EXPECT_EQ(card_.RaceCount(), 3);
  }
}

}  // namespace
}  // namespace orvane
