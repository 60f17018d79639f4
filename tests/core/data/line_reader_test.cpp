#include "core/data/line_reader.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orvane {
namespace {

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

class SplitRecordLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitRecordLinesTest, SplitsAsTheDataFilesExpect) {
  EXPECT_EQ(SplitRecordLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitRecordLinesTest,
    ::testing::Values(SplitCase{"CrLf", "ab\r\ncd\r\n", {"ab", "cd"}},
                      SplitCase{"BareLf", "ab\ncd\n", {"ab", "cd"}},
                      SplitCase{"LastLineWithoutEnd", "ab\r\ncd", {"ab", "cd"}},
                      SplitCase{"LoneCrDropped", "a\rb\r\nc", {"ab", "c"}},
                      SplitCase{"EofMarkAfterLastLine", "ab\r\n\x1A", {"ab"}},
                      SplitCase{"EofMarkStopsReading", "ab\r\n\x1A" "cd\r\n", {"ab"}},
                      SplitCase{"EofMarkInsideLineIsData", "a\x1A" "b\r\n", {"a\x1A" "b"}},
                      SplitCase{"EmptyLinesKept", "\r\n\r\nx\r\n", {"", "", "x"}},
                      SplitCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileAtomically, ReplacesTheFileAndLeavesNoTemporary) {
  const auto dir = std::filesystem::path(::testing::TempDir()) / "atomic_write";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto file = dir / "out.txt";
  ASSERT_TRUE(WriteFileAtomically(file, "old"));
  ASSERT_TRUE(WriteFileAtomically(file, "new\r\n"));
  EXPECT_EQ(*ReadFileBytes(file), "new\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST(WriteFileAtomically, FailureKeepsTheOldFile) {
  const auto dir = std::filesystem::path(::testing::TempDir()) / "atomic_write_fail";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "blocked.txt.tmp");  // the temporary name is taken by a folder
  std::ofstream(dir / "blocked.txt") << "keep";
  EXPECT_FALSE(WriteFileAtomically(dir / "blocked.txt", "lost"));
  EXPECT_EQ(*ReadFileBytes(dir / "blocked.txt"), "keep");
}

TEST(ReadFileBytes, MissingFileIsAnErrorNamingTheFile) {
  auto bytes = ReadFileBytes("/nonexistent/rvx_den1.kd2");
  ASSERT_FALSE(bytes);
  EXPECT_NE(bytes.error().find("rvx_den1.kd2"), std::string::npos);
}

}  // namespace
}  // namespace orvane
