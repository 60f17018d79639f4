#include "core/output/index_lines.hpp"

#include <gtest/gtest.h>

#include "core/data/cp932.hpp"
#include "support/record_line.hpp"

namespace orvane {
namespace {

TBachu Runner(const char* nameUtf8, double totalPoints) {
  TBachu runner;
  runner.HorseName = ToCp932(nameUtf8);
  runner.TotalPoints = totalPoints;
  return runner;
}

TEST(AppendIndexLines, OneLinePerRunnerWithPointsOrAnEmptyLastField) {
  const std::string header = test::RecordLine(400).Put(1, "05").Put(11, "03").Put(13, "20070520");
  std::vector<std::string> lines{IndexFileHeader()};
  AppendIndexLines(lines, header,
                   {Runner("ウオッカ", 12.3), Runner("ダイワスカーレット", 0), Runner("アサクサキングス", 7)});
  std::vector<std::string> utf8;
  for (const auto& line : lines) utf8.push_back(ToUtf8(line));
  EXPECT_EQ(utf8, (std::vector<std::string>{"展開Ｐ", "05,20070520,03,1,ウオッカ,12.3",
                                            "05,20070520,03,2,ダイワスカーレット,",
                                            "05,20070520,03,3,アサクサキングス,7.0"}));
}

}  // namespace
}  // namespace orvane
