#include "core/data/cp932.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Cp932, RoundTripsTheWindowsExtensions) {
  // ① and ～ exist only in the Windows form of Shift-JIS.
  for (const char* text : {"東京11R", "①⑱", "～", "ｶﾞ", "ABC"}) EXPECT_EQ(ToUtf8(ToCp932(text)), text) << text;
  EXPECT_EQ(ToCp932("①"), "\x87\x40");
  EXPECT_EQ(ToCp932("　"), "\x81\x40");
}

TEST(Cp932, InvalidBytesNeverStopTheConversion) {
  EXPECT_EQ(ToUtf8("a\x81"), "a\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8("\xA0" "b"), "\xEF\xBF\xBD" "b");
}

}  // namespace
}  // namespace orvane
