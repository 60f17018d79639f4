#include "core/data/race_card.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/data/cp932.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {
namespace fs = std::filesystem;

using test::RecordLine;

// A race header with the fields the loader and the titles read.
std::string Header(int raceNumber, int runners, const char* name = "", int edition = 0, char grade = ' ',
                   char domestic = ' ') {
  return RecordLine(777)
      .Put(1, "04")
      .Put(7, "03")
      .Put(9, "10")
      .Put(11, raceNumber, 2)
      .Put(13, "20070520")
      .Put(21, "02")
      .Put(25, "0")
      .Put(26, edition, 3)
      .PutText(29, name, 30)
      .Put(73, std::string(1, grade))
      .Put(74, "03")
      .Put(94, "24")
      .Put(96, "01")
      .Put(98, "3")
      .Put(100, "00004")
      .Put(105, "1")
      .Put(106, "1")
      .Put(107, "0")
      .Put(108, "2")
      .Put(109, "2400")
      .Put(332, "15:40")
      .Put(337, runners, 2)
      .Put(358, std::string(1, domestic))
      .str();
}

class RaceCardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void Write(const char* file, const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::ofstream out(dir_ / file, std::ios::binary);
    for (const auto& l : lines) out << l << end;
  }
  // A day of races with the given runner counts; entry and horse lines carry their runner index.
  void WriteDay(const std::vector<int>& runners) {
    std::vector<std::string> headers, entries, horses, odds;
    for (size_t r = 0; r < runners.size(); ++r) {
      headers.push_back(Header(static_cast<int>(r) + 1, runners[r]));
      odds.push_back(headers.back().substr(0, 22) + "odds" + std::to_string(r));
      for (int k = 0; k < runners[r]; ++k) {
        entries.push_back("entry" + std::to_string(entries.size()));
        horses.push_back("horse" + std::to_string(horses.size()));
      }
    }
    Write(kRaceHeaderFile, headers);
    Write(kEntryFile, entries);
    Write(kHorseFile, horses);
    Write(kOddsFile, odds);
  }
  fs::path dir_;
  RaceCard card_;
};

TEST_F(RaceCardTest, LinksRunnersByPosition) {
  WriteDay({16, 18, 12});
  ASSERT_TRUE(card_.Load(dir_).loaded);
  EXPECT_EQ(card_.RaceCount(), 3);
  EXPECT_EQ(card_.FirstEntry(2), 34);
  EXPECT_EQ(card_.EntryLine(card_.FirstEntry(2)), "entry34");
  EXPECT_EQ(card_.HorseLine(card_.FirstEntry(2) + 11), "horse45");
  EXPECT_EQ(card_.EntryLine(46), "");  // past the lines read
  EXPECT_EQ(card_.OddsFor(1).substr(22), "odds1");
}

TEST_F(RaceCardTest, MissingMainFileChangesNothingButOddsAreStillRead) {
  WriteDay({10, 12});
  ASSERT_TRUE(card_.Load(dir_).loaded);
  fs::remove(dir_ / kHorseFile);
  Write(kOddsFile, {Header(1, 10).substr(0, 22) + "fresh"});
  const LoadResult result = card_.Load(dir_);
  EXPECT_FALSE(result.loaded);
  EXPECT_TRUE(result.error.empty());
  EXPECT_EQ(card_.RaceCount(), 2);
  EXPECT_EQ(card_.HorseLine(0), "horse0");
  EXPECT_EQ(card_.OddsFor(0).substr(22), "fresh");
  EXPECT_EQ(card_.OddsLine(1), "");  // the new odds file has one line
}

TEST_F(RaceCardTest, ASmallerDayLeavesNoStaleLines) {
  WriteDay({8, 8, 8, 8});
  ASSERT_TRUE(card_.Load(dir_).loaded);
  WriteDay({8, 8});
  ASSERT_TRUE(card_.Load(dir_).loaded);
  EXPECT_EQ(card_.RaceCount(), 2);
  EXPECT_EQ(card_.MenuCaptions().size(), 2u);
  EXPECT_EQ(card_.RaceLine(2), "");
  EXPECT_EQ(card_.EntryLine(16), "");
  EXPECT_EQ(card_.OddsLine(3), "");
  EXPECT_EQ(card_.Summary(3).TitleText, "");
}

TEST_F(RaceCardTest, OddsOfAnotherDayAreIgnored) {
  WriteDay({8});
  std::string other = Header(1, 8);
  other.replace(13, 8, "20070527");  // race date lies inside the 22-byte key
  Write(kOddsFile, {other.substr(0, 22) + "00023"});
  ASSERT_TRUE(card_.Load(dir_).loaded);
  EXPECT_EQ(card_.OddsFor(0), "");
}

TEST_F(RaceCardTest, EofMarkAndLoneCrAreHandledWhileReading) {
  Write(kRaceHeaderFile, {Header(1, 2)});
  Write(kEntryFile, {"e\r0", "e1", "\x1A"}, "\r\n");
  Write(kHorseFile, {"h0", "h1"}, "\n");
  ASSERT_TRUE(card_.Load(dir_).loaded);
  EXPECT_EQ(card_.EntryLine(0), "e0");
  EXPECT_EQ(card_.EntryLine(2), "");
  EXPECT_EQ(card_.HorseLine(1), "h1");
}

struct CapacityCase {
  const char* file;
  size_t lines;
};

class RaceCardCapacityTest : public RaceCardTest, public ::testing::WithParamInterface<CapacityCase> {};

TEST_P(RaceCardCapacityTest, OversizedSetIsRefusedAndNothingChanges) {
  WriteDay({8});
  ASSERT_TRUE(card_.Load(dir_).loaded);
  const auto before = card_.Summary(0).TitleText;
  Write(GetParam().file, std::vector<std::string>(GetParam().lines, Header(1, 1)));
  const LoadResult result = card_.Load(dir_);
  EXPECT_FALSE(result.loaded);
  EXPECT_NE(result.error.find(GetParam().file), std::string::npos) << result.error;
  EXPECT_EQ(card_.RaceCount(), 1);
  EXPECT_EQ(card_.Summary(0).TitleText, before);
  EXPECT_EQ(card_.OddsFor(0).substr(22), "odds0");
}

INSTANTIATE_TEST_SUITE_P(Limits, RaceCardCapacityTest,
                         ::testing::Values(CapacityCase{kRaceHeaderFile, 40}, CapacityCase{kEntryFile, 1001},
                                           CapacityCase{kHorseFile, 1001}, CapacityCase{kOddsFile, 41}));

TEST_F(RaceCardTest, AcceptsTheLargestDay) {
  std::vector<int> runners(39, 25);
  runners.back() = 1000 - 38 * 25;
  WriteDay(runners);
  EXPECT_TRUE(card_.Load(dir_).loaded);
  EXPECT_EQ(card_.RaceCount(), 39);
}

}  // namespace
}  // namespace orvane
