#include "core/output/bet_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/bets/formation.hpp"
#include "core/data/line_reader.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {

class BetFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("orvane_bet_file_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

const std::string kHeader = test::RecordLine(400).Put(1, "06").Put(11, "02").Put(13, "20070107");

TEST_F(BetFileTest, EveryLineEndsInCrLf) {
  const MarkHorses marks{2, 10, 5, 1, 7, 3};
  ASSERT_TRUE(WriteBetFile(dir_ / "kaime.kmi", kHeader, marks, BuildBets(marks, kTrioPattern, "02")));
  const auto bytes = ReadFileBytes(dir_ / "kaime.kmi");
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 35u * 21);
  EXPECT_EQ(bytes->substr(0, 42), "0620070107023021000\r\n0620070107023020500\r\n");
  EXPECT_EQ(bytes->substr(bytes->size() - 21), "0620070107026030710\r\n");
}

TEST_F(BetFileTest, RaceWithoutMarksGivesAnEmptyFileInPlaceOfTheOld) {
  const auto path = dir_ / "kaime.kmi";
  ASSERT_TRUE(WriteFileAtomically(path, "old\r\n"));
  ASSERT_TRUE(WriteBetFile(path, kHeader, MarkHorses{}, BuildBets(MarkHorses{}, kTrioPattern, "02")));
  EXPECT_EQ(ReadFileBytes(path).value_or("?"), "");
}

TEST_F(BetFileTest, UnwritableFolderIsReported) {
  const MarkHorses marks{2, 10, 5, 1, 7, 3};
  const auto result = WriteBetFile(dir_ / "missing" / "kaime.kmi", kHeader, marks, BuildBets(marks, kTrioPattern, "02"));
  ASSERT_FALSE(result);
  EXPECT_FALSE(result.error().empty());
}

}  // namespace
}  // namespace orvane
