#include "core/data/race_name.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/cp932.hpp"
#include "core/data/divide.hpp"

namespace orvane {
namespace {

TEST(AbbreviateRaceName, ShortensLongWords) {
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"有馬記念", "有馬記念"},
      {"チャレンジカップ", "ＣＣ"},
      {"阪神ジュベナイルＦ", "阪神ＪＦ"},
      {"ジャパンカップ", "ジャパンＣ"},
      {"チャンピオンＳ", "ＣＳ"},
      // Replacements run in a fixed order: ステークス shortens after チャンピオンＳ has had its turn.
      {"チャンピオンステークス", "チャンピオンＳ"},
      {"京王杯スプリングステークス", "京王杯スプリングＳ"},
      {"ステークスステークス", "ＳＳ"},
      {"レーシングプログラムトロフィー", "ＲプログラムＴ"},
      {"カップ カップ", "Ｃ Ｃ"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUtf8(AbbreviateRaceName(ToCp932(c.name))), c.expected) << c.name;
}

TEST(TDivide, EverySeparatorEndsAField) {
  using Fields = std::vector<std::string>;
  const struct {
    const char* text;
    char separator;
    Fields expected;
  } cases[] = {
      {"", ',', {""}},
      {"a", ',', {"a"}},
      {"a,b", ',', {"a", "b"}},
      {"a,,b", ',', {"a", "", "b"}},
      {"a,", ',', {"a", ""}},
      {",", ',', {"", ""}},
      {" a , b ", ',', {" a ", " b "}},
      {"\"x,y\"", ',', {"\"x", "y\""}},
      {"1\t2", '\t', {"1", "2"}},
      {"1,2", '\t', {"1,2"}},
  };
  for (const auto& c : cases) {
    const TDivide divide(c.text, c.separator);
    EXPECT_EQ(divide.Fields(), c.expected) << "'" << c.text << "'";
    EXPECT_EQ(divide.Count(), static_cast<int>(c.expected.size())) << "'" << c.text << "'";
  }
}

}  // namespace
}  // namespace orvane
