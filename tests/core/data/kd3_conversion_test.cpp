#include "core/data/kd3_conversion.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/data/line_reader.hpp"
#include "core/data/record.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {
namespace fs = std::filesystem;

using test::RecordLine;

class RewriteAsKd2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / "kd3" / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }

  // Writes `bytes` as the .kd3 file `name`, converts it and returns the lines of the .kd2 file.
  std::vector<std::string> Convert(const char* name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    const auto done = RewriteAsKd2(dir_ / name);
    EXPECT_TRUE(done.has_value()) << (done ? "" : done.error());
    EXPECT_FALSE(fs::exists(dir_ / name));
    const auto kd2 = ReadFileBytes(fs::path(dir_ / name).replace_extension(".kd2"));
    EXPECT_TRUE(kd2.has_value());
    if (!kd2) return {};
    EXPECT_TRUE(kd2->empty() || kd2->ends_with("\r\n"));
    return SplitRecordLines(*kd2);
  }

  fs::path dir_;
};

TEST_F(RewriteAsKd2Test, RaceHeaderFieldsLandAtTheirKd2Positions) {
  // Bytes that the .kd2 layout has no place for are marked X.
  const std::string kd3 = RecordLine(846)
                              .Put(1, "0400000203101120260531")
                              .Put(73, "0")          // grade code
                              .Put(74, "1")          // domestic grade flag
                              .Put(75, "03")         // weight condition, .kd2 74
                              .Put(110, "2400")      // distance, .kd2 109
                              .Put(333, "15:40")     // post time, .kd2 332
                              .Put(338, "18")        // runners, .kd2 337
                              .Put(351, std::string(68, 'X'))
                              .Put(419, "ABCDEFGH")  // .kd2 350-357
                              .Put(427, "X")
                              .Put(428, "<")         // .kd2 359
                              .Put(846, ">")         // .kd2 777
                              .str() +
                          "XXXX";
  const auto lines = Convert("rvx_den1.kd3", kd3 + "\r\n");
  ASSERT_EQ(lines.size(), 1u);
  const std::string& kd2 = lines[0];
  EXPECT_EQ(kd2.size(), 777u);
  EXPECT_EQ(kd2.find('X'), std::string::npos);
  EXPECT_EQ(Field(kd2, 1, 22), "0400000203101120260531");
  EXPECT_EQ(Field(kd2, 73, 1), "0");
  EXPECT_EQ(Field(kd2, 358, 1), Field(kd3, 74, 1));
  EXPECT_EQ(Field(kd2, 74, 2), "03");
  EXPECT_EQ(Field(kd2, 109, 4), "2400");
  EXPECT_EQ(Field(kd2, 332, 5), "15:40");
  EXPECT_EQ(Field(kd2, 337, 2), "18");
  EXPECT_EQ(Field(kd2, 350, 8), "ABCDEFGH");
  EXPECT_EQ(Field(kd2, 359, 1), "<");
  EXPECT_EQ(Field(kd2, 777, 1), ">");
}

TEST_F(RewriteAsKd2Test, EntryFieldsLandAtTheirKd2Positions) {
  const std::string kd3 = RecordLine(900)
                              .Put(23, "4")
                              .PutText(33, "サンプルウマ", 18)
                              .Put(149, "570")
                              .Put(255, "a")
                              .Put(256, "X")
                              .Put(257, "b")    // .kd2 256
                              .Put(694, "c")    // .kd2 693
                              .Put(695, std::string(33, 'X'))
                              .Put(740, "095")  // RT, .kd2 706
                              .Put(743, std::string(101, 'X'))
                              .Put(844, "d")    // .kd2 709
                              .Put(876, "e")    // .kd2 741
                              .Put(877, std::string(24, 'X'))
                              .str();
  const auto lines = Convert("rvx_den2.kd3", kd3 + "\r\n");
  ASSERT_EQ(lines.size(), 1u);
  const std::string& kd2 = lines[0];
  EXPECT_EQ(kd2.size(), 741u);
  EXPECT_EQ(kd2.find('X'), std::string::npos);
  EXPECT_EQ(Field(kd2, 1, 255), Field(kd3, 1, 255));
  EXPECT_EQ(Field(kd2, 256, 1), "b");
  EXPECT_EQ(Field(kd2, 693, 1), "c");
  EXPECT_EQ(Field(kd2, 706, 3), "095");
  EXPECT_EQ(Field(kd2, 709, 1), "d");
  EXPECT_EQ(Field(kd2, 741, 1), "e");
}

TEST_F(RewriteAsKd2Test, OddsKeepTheirPositionsBehindAnInsertedBlank) {
  const std::string kd3 = RecordLine(1520)
                              .Put(1, "0400000203101120260531")
                              .Put(73, "k")
                              .Put(74, "X")
                              .Put(75, "m")    // .kd2 74
                              .Put(161, "n")   // .kd2 160
                              .Put(162, "00035000480012000007")
                              .Put(1502, "z")
                              .Put(1503, std::string(18, 'X'))
                              .str();
  const auto lines = Convert("rvx_ods.kd3", kd3 + "\r\n");
  ASSERT_EQ(lines.size(), 1u);
  const std::string& kd2 = lines[0];
  EXPECT_EQ(kd2.size(), 1502u);
  EXPECT_EQ(kd2.find('X'), std::string::npos);
  EXPECT_EQ(Field(kd2, 1, 22), "0400000203101120260531");
  EXPECT_EQ(Field(kd2, 73, 2), "km");
  EXPECT_EQ(Field(kd2, 160, 2), "n ");
  EXPECT_EQ(Field(kd2, 162, 20), "00035000480012000007");
  EXPECT_EQ(Field(kd2, 1502, 1), "z");
}

// Lines end at CR, LF or CR LF; short lines give the parts they have.
TEST_F(RewriteAsKd2Test, SplitsLinesAtEveryKindOfLineEnd) {
  struct Case {
    const char* file;
    std::string kd3;
    std::vector<std::string> kd2;
  };
  const Case cases[] = {
      {"rvx_den1.kd3", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"rvx_den1.kd3", "a\n\r\n\rb\r\n", {"a", "", "", "b"}},
      {"rvx_den1.kd3", "", {}},
      {"rvx_ods.kd3", "a\r\n\r\n", {"a ", " "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.kd3));
    EXPECT_EQ(Convert(c.file, c.kd3), c.kd2);
  }
}

TEST_F(RewriteAsKd2Test, OtherNamesGiveAnEmptyFile) {
  EXPECT_TRUE(Convert("rvx_other.kd3", "a line\r\n").empty());
  EXPECT_EQ(fs::file_size(dir_ / "rvx_other.kd2"), 0u);
}

TEST_F(RewriteAsKd2Test, KeepsTheKd3FileWhenTheKd2FileCannotBeWritten) {
  std::ofstream(dir_ / "rvx_den1.kd3", std::ios::binary) << "a line\r\n";
  fs::create_directory(dir_ / "rvx_den1.kd2");
  fs::create_directory(dir_ / "rvx_den1.kd2" / "occupied");

  EXPECT_FALSE(RewriteAsKd2(dir_ / "rvx_den1.kd3").has_value());
  EXPECT_TRUE(fs::exists(dir_ / "rvx_den1.kd3"));
  EXPECT_FALSE(RewriteAsKd2(dir_ / "rvx_den2.kd3").has_value());  // missing
}

}  // namespace
}  // namespace orvane
