#include "core/data/width.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

struct Case {
  const char* in;        // UTF-8
  const char* expected;  // UTF-8
};

TEST(FullWidth, ConvertsHalfWidthText) {
  const Case cases[] = {
      {"", ""},
      {"Ab9", "Ａｂ９"},
      {"ｶﾞ", "ガ"},
      {"ﾄﾞ", "ド"},
      {"ﾊﾟ", "パ"},
      {"ﾎﾟ", "ポ"},
      {"ﾊﾞﾋﾟ", "バピ"},
      {"ｶﾟ", "キ"},  // ｶ-ﾄ take ﾟ as "two codes on" like ﾊ-ﾎ
      {"ｱﾞ", "ア゛"},
      {"ｳﾞ", "ウ゛"},
      {"ｯﾟ", "ッ゜"},
      {"ｦ", "ヲ"},
      {"ﾝ", "ン"},
      {"ｽｰﾊﾟｰ", "スーパー"},
      {"ﾞ", "ﾞ"},    // a mark that follows no kana stays as it is
      {"Aﾞ", "Ａﾞ"},
      {"ｰﾞ", "ーﾞ"},
      {"[x]", "「ｘ」"},
      {"\\~", "￥￣"},
      {"｢｣", "｢｣"},
      {"､｡･", "、。・"},
      {"a b", "ａ　ｂ"},
      {"\"'`", "”’‘"},
      {"漢字1", "漢字１"},
      {"ガ", "ガ"},
      {"\t\n", "\t\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUtf8(ToFullWidth(ToCp932(c.in))), c.expected) << c.in;
}

TEST(HalfWidth, ConvertsFullWidthText) {
  const Case cases[] = {
      {"", ""},
      {"ガ", "ｶﾞ"},
      {"パピ", "ﾊﾟﾋﾟ"},
      {"ヴ", "ｳﾞ"},
      {"ヲ", "ｵ"},
      {"を", "ｵ"},
      {"が", "ｶﾞ"},
      {"ぽん", "ﾎﾟﾝ"},
      {"ゎゐゑ", "ﾜｲｴ"},
      {"ヮヰヱヵヶ", "ﾜｲｴｶｹ"},
      {"ァッョ", "ｧｯｮ"},
      {"ＡＢ１ｚ", "AB1z"},
      {"「」￥￣", "[]\\~"},
      {"　ー、。・", " ｰ､｡･"},
      {"漢字①", "漢字①"},
      {"abc ｱ", "abc ｱ"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUtf8(ToHalfWidth(ToCp932(c.in))), c.expected) << c.in;
}

// Every printable ASCII byte and every half-width katakana except ｦ (which
// comes back as ｵ) has a full-width form that converts back to it.
TEST(Width, HalfWidthBytesRoundTrip) {
  for (int b = 0x20; b <= 0xDF; ++b) {
    if ((b > 0x7E && b < 0xA1) || b == 0xA6) continue;
    const std::string half(1, static_cast<char>(b));
    EXPECT_EQ(ToHalfWidth(ToFullWidth(half)), half) << std::hex << b;
  }
}

TEST(Width, KatakanaAndHiraganaShareHalfWidthForms) {
  const std::string katakana = ToCp932(
      "ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネノハバパヒビピフブプヘベペ"
      "ホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲン");
  const std::string hiragana = ToCp932(
      "ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢっつづてでとどなにぬねのはばぱひびぴふぶぷへべぺ"
      "ほぼぽまみむめもゃやゅゆょよらりるれろゎわゐゑをん");
  EXPECT_EQ(ToHalfWidth(hiragana), ToHalfWidth(katakana));
  for (size_t i = 0; i < katakana.size(); i += 2) {
    const std::string kana = katakana.substr(i, 2);
    const std::string half = ToHalfWidth(kana);
    EXPECT_NE(half, kana) << ToUtf8(kana);
    const std::string u = ToUtf8(kana);
    const bool merged = u == "ヮ" || u == "ヰ" || u == "ヱ" || u == "ヲ";  // share another kana's form
    if (!merged) {
      EXPECT_EQ(ToFullWidth(half), kana) << u;
    }
  }
}

TEST(Width, DanglingLeadByteIsCopied) {
  EXPECT_EQ(ToFullWidth("a\x82"), ToCp932("ａ") + "\x82");
  EXPECT_EQ(ToHalfWidth("\x82"), "\x82");
}

}  // namespace
}  // namespace orvane
