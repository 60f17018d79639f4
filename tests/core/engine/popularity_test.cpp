#include "core/engine/popularity.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/data/cp932.hpp"
#include "core/data/line_reader.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// An odds record: the key, then one 5-byte odds text per horse from byte 162.
std::string OddsLine(const std::vector<std::string>& odds) {
  test::RecordLine line;
  line.Put(1, "0420070520031011000000");
  for (size_t k = 0; k < odds.size(); ++k) line.Put(162 + 5 * static_cast<int>(k), (odds[k] + "     ").substr(0, 5));
  return line;
}

TEST(ReadPopularity, RanksByOddsWithSharedRanks) {
  struct Case {
    const char* name;
    std::vector<std::string> odds;
    std::vector<int> ranks;
  };
  const Case cases[] = {
      {"tie at the top", {"00023", "00023", "00041"}, {1, 1, 3}},
      {"tie skips the next rank", {"00010", "00020", "00020", "00030"}, {1, 2, 2, 4}},
      {"no odds count as 00500, not last", {"00041", "  *  ", "00023", "00600"}, {2, 3, 1, 4}},
      {"dash, blank and junk also count as 00500", {"-", "     ", "0x1", "00500", "00499"}, {2, 2, 2, 2, 1}},
      {"nan and inf are no numbers either", {"  nan", "00023", "  inf", "00600"}, {2, 1, 2, 4}},
      {"numeric, not text order", {"  100", "00099"}, {2, 1}},
      {"single runner", {"00031"}, {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PopularityRanks r = ReadPopularity(OddsLine(c.odds), static_cast<int>(c.odds.size()));
    EXPECT_EQ(r.Ranks, c.ranks);
    EXPECT_TRUE(r.Shown);
  }
}

TEST(ReadPopularity, RunnersBeyondTheLineCountAsNoOdds) {
  const PopularityRanks r = ReadPopularity(OddsLine({"00600", "00023"}), 3);
  EXPECT_EQ(r.Ranks, (std::vector<int>{3, 1, 2}));
}

TEST(ReadPopularity, NoMatchingOddsLineClearsEveryRank) {
  EXPECT_EQ(ReadPopularity("", 3), (PopularityRanks{{0, 0, 0}, false}));
  EXPECT_EQ(ReadPopularity(OddsLine({"00023"}), 0), (PopularityRanks{{}, false}));
}

class UserPopularityFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root_);
    fs::create_directories(root_);
    race_.DateText = ToCp932("2007/05/20(日)");
    race_.VenueName = ToCp932("東京");
    race_.RaceNumberText = "11";
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path File() const { return folder_.UserOddsFolder() / "20070520.ods"; }
  void WriteRaw(const std::string& bytes) const {
    fs::create_directories(folder_.UserOddsFolder());
    std::ofstream(File(), std::ios::binary) << bytes;
  }
  std::string ReadRaw() const { return ReadFileBytes(File()).value(); }

  const fs::path root_ = fs::path(::testing::TempDir()) /
                        ("popularity_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  const ProgramFolder folder_{root_};
  RaceSummary race_;
};

TEST_F(UserPopularityFileTest, NamesFileAndSectionFromTheRace) {
  EXPECT_EQ(UserPopularityFile(folder_, race_), File());
  EXPECT_EQ(UserPopularitySection(race_), ToCp932("東京11R"));
}

TEST_F(UserPopularityFileTest, RoundTripKeepsOtherSectionsAndCrLf) {
  const std::string other = ToCp932("[中山01R]\r\nOddsRank=2,1\r\n[Memo]\r\nNote=keep\r\n");
  WriteRaw(other);
  ASSERT_TRUE(WriteUserPopularity(folder_, race_, std::vector<int>{3, 1, 5, 2, 4}).has_value());

  // Other races and sections stay as they were; the new section is added in
  // the Windows writer's form, CR LF throughout.
  EXPECT_EQ(ReadRaw(), other + ToCp932("[東京11R]\r\nOddsRank=3,1,5,2,4\r\n"));

  EXPECT_EQ(ReadUserPopularity(folder_, race_, 5), (PopularityRanks{{3, 1, 5, 2, 4}, true}));
  RaceSummary nakayama = race_;
  nakayama.VenueName = ToCp932("中山");
  nakayama.RaceNumberText = "01";
  EXPECT_EQ(ReadUserPopularity(folder_, nakayama, 2), (PopularityRanks{{2, 1}, true}));
}

TEST_F(UserPopularityFileTest, RewriteReplacesOnlyTheRacesValue) {
  ASSERT_TRUE(WriteUserPopularity(folder_, race_, std::vector<int>{1, 2}).has_value());
  ASSERT_TRUE(WriteUserPopularity(folder_, race_, std::vector<int>{2, 2}).has_value());
  EXPECT_EQ(ReadRaw(), ToCp932("[東京11R]\r\nOddsRank=2,2\r\n"));
}

TEST_F(UserPopularityFileTest, ManualReadingsThatLeaveOrClearTheRanks) {
  struct Case {
    const char* name;
    const char* file;  // UTF-8, nullptr: no file
    int runners;
    std::optional<PopularityRanks> expected;
  };
  const Case cases[] = {
      {"no file: unchanged", nullptr, 3, std::nullopt},
      {"no section: unchanged", "[東京10R]\r\nOddsRank=1,2,3\r\n", 3, std::nullopt},
      {"single runner's value has no comma: unchanged", "[東京11R]\r\nOddsRank=1\r\n", 1, std::nullopt},
      {"count mismatch: cleared", "[東京11R]\r\nOddsRank=1,2\r\n", 3, PopularityRanks{{0, 0, 0}, false}},
      {"repeats, zeros and junk parts are kept as read", "[東京11R]\r\nOddsRank=2,2,0,x\r\n", 4,
       PopularityRanks{{2, 2, 0, 0}, true}},
      {"key names ignore ASCII case; LF alone is read too", "[東京11R]\noddsrank=3,1,2\n", 3,
       PopularityRanks{{3, 1, 2}, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder_.UserOddsFolder());
    if (c.file) WriteRaw(ToCp932(c.file));
    EXPECT_EQ(ReadUserPopularity(folder_, race_, c.runners), c.expected);
  }
}

TEST_F(UserPopularityFileTest, SectionsDifferingInATrailByteStayApart) {
  // 0x83 0x41 and 0x83 0x61 are two katakana; folding the trail byte as ASCII
  // would merge the two sections.
  RaceSummary a = race_, b = race_;
  a.VenueName = "\x83\x41";
  b.VenueName = "\x83\x61";
  ASSERT_TRUE(WriteUserPopularity(folder_, a, std::vector<int>{1, 2}).has_value());
  ASSERT_TRUE(WriteUserPopularity(folder_, b, std::vector<int>{2, 1}).has_value());
  EXPECT_EQ(ReadUserPopularity(folder_, a, 2), (PopularityRanks{{1, 2}, true}));
  EXPECT_EQ(ReadUserPopularity(folder_, b, 2), (PopularityRanks{{2, 1}, true}));
}

TEST_F(UserPopularityFileTest, FailedWriteLeavesTheOldFile) {
  const std::string old = ToCp932("[東京11R]\r\nOddsRank=1,2\r\n");
  WriteRaw(old);
  fs::create_directories(fs::path(File()) += ".tmp");  // the temporary file cannot be made
  const auto written = WriteUserPopularity(folder_, race_, std::vector<int>{2, 1});
  EXPECT_FALSE(written.has_value());
  EXPECT_EQ(ReadRaw(), old);
}

TEST_F(UserPopularityFileTest, UncreatableFolderIsReported) {
  std::ofstream(folder_.UserOddsFolder()) << "a file where the folder belongs";
  const auto written = WriteUserPopularity(folder_, race_, std::vector<int>{1, 2});
  ASSERT_FALSE(written.has_value());
  EXPECT_NE(written.error().find("UserOdds"), std::string::npos) << written.error();
}

TEST_F(UserPopularityFileTest, RaceWithoutDateWritesNothing) {
  race_.DateText.clear();
  EXPECT_FALSE(WriteUserPopularity(folder_, race_, std::vector<int>{1, 2}).has_value());
  EXPECT_FALSE(fs::exists(folder_.UserOddsFolder()));
  EXPECT_EQ(ReadUserPopularity(folder_, race_, 2), std::nullopt);
}

}  // namespace
}  // namespace orvane
