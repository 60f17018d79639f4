#include "core/data/text_helpers.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

TEST(LenientNumbers, Integers) {
  const struct {
    const char* text;
    int value;  // LenientInt; LenientIntOrOne gives 1 where `number` is false
    bool number;
  } cases[] = {
      {"05", 5, true},
      {"  7", 7, true},
      {"-12", -12, true},
      {"+3", 3, true},
      {"0", 0, true},
      {"2147483647", INT_MAX, true},
      {"-2147483648", INT_MIN, true},
      {"7 ", 0, false},
      {"", 0, false},
      {"  ", 0, false},
      {"-", 0, false},
      {"abc", 0, false},
      {"1.5", 0, false},
      {"1a", 0, false},
      {"- 1", 0, false},
      {"2147483648", 0, false},
      {"-2147483649", 0, false},
      {"99999999999999999999999", 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LenientInt(c.text), c.value) << "'" << c.text << "'";
    EXPECT_EQ(LenientIntOrOne(c.text), c.number ? c.value : 1) << "'" << c.text << "'";
  }
}

TEST(LenientNumbers, Reals) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1.5", 1.5}, {" 2.25", 2.25}, {"2.25 ", 2.25}, {"-0.5", -0.5}, {"+4", 4.0}, {".5", 0.5},  {"7", 7.0},
      {"1e2", 100}, {"", 0.0},       {"abc", 0.0},    {"1.5x", 0.0}, {"inf", 0.0}, {"nan", 0.0}, {"-", 0.0},
      {"1e999", 0.0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LenientReal(c.text), c.value) << "'" << c.text << "'";
}

TEST(LenientNumbers, NumberTextDropsZerosAndBlanks) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {{"05", "5"}, {"  ", "0"}, {" 12", "12"}, {"-03", "-3"}, {"x", "0"}, {"10", "10"}};
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.text), c.expected) << "'" << c.text << "'";
}

TEST(TwoColumn, IntegersGetABlankBelowTen) {
  const struct {
    int value;
    const char* expected;
  } cases[] = {{0, " 0"}, {7, " 7"}, {9, " 9"}, {10, "10"}, {123, "123"}, {-1, " -1"}};
  for (const auto& c : cases) EXPECT_EQ(TwoColumn(c.value), c.expected) << c.value;
}

TEST(TwoColumn, StrictTextForm) {
  const struct {
    const char* text;
    const char* expected;  // nullptr: conversion error
  } cases[] = {
      {"05", " 5"}, {"12", "12"}, {" 3", " 3"}, {"00", " 0"}, {"3 ", nullptr}, {"", nullptr}, {"ab", nullptr},
      {"99999999999", nullptr},
  };
  for (const auto& c : cases) {
    const auto result = TwoColumnStrict(c.text);
    if (c.expected) {
      ASSERT_TRUE(result.has_value()) << "'" << c.text << "'";
      EXPECT_EQ(*result, c.expected);
    } else {
      ASSERT_FALSE(result.has_value()) << "'" << c.text << "'";
      EXPECT_NE(result.error().message.find(std::string("'") + c.text + "'"), std::string::npos);
    }
  }
}

TEST(Padding, FillsButNeverCuts) {
  EXPECT_EQ(PadLeft("ab", 3), " ab");
  EXPECT_EQ(PadLeft("abcd", 3), "abcd");
  EXPECT_EQ(PadLeft("", 2), "  ");
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
  EXPECT_EQ(PadRight("abcd", 3), "abcd");
  EXPECT_EQ(ToUtf8(PadRight(ToCp932("鹿毛"), 6)), "鹿毛  ");  // widths count CP932 bytes
  EXPECT_EQ(ToUtf8(PadLeft(ToCp932("鹿毛"), 4)), "鹿毛");
  EXPECT_EQ(ZeroPad("7", 2), "07");
  EXPECT_EQ(ZeroPad("123", 2), "123");
  EXPECT_EQ(ZeroPad("", 2), "00");
}

TEST(Padding, DropLastBytes) {
  EXPECT_EQ(DropLast("abcde", 2), "abc");
  EXPECT_EQ(DropLast("ab", 2), "");
  EXPECT_EQ(DropLast("ab", 5), "");
  EXPECT_EQ(DropLast("", 1), "");
  EXPECT_EQ(DropLast("ab", 0), "ab");
}

TEST(DelimitedField, SplitsAfterCollapsingAndTrimming) {
  const struct {
    char delimiter;
    const char* line;
    int index;
    const char* expected;
  } cases[] = {
      {',', "a,,b,c", 1, "b"},
      {',', "a,,,,b,c", 2, "c"},
      {',', "a,b", 0, "a"},
      {',', "a,b", 1, "b"},
      {',', "a,b", 5, "b"},  // past the end: the last field again
      {',', "  x  ", 0, "x"},
      {',', "\tx,y\r\n", 1, "y"},
      {',', " a , b ", 1, " b"},  // only the ends of the line are trimmed
      {',', ",a,b", 0, ""},       // a leading comma still opens an empty first field
      {',', "", 0, ""},
      {',', "a,b", -1, ""},
      {'/', "a//b", 1, ""},  // only commas collapse
      {'/', "a//b", 2, "b"},
      {'\t', "1\t2\t3", 2, "3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DelimitedField(c.delimiter, c.line, c.index), c.expected)
        << "'" << c.delimiter << "' '" << c.line << "' " << c.index;
  }
}

TEST(FolderPath, EndsInOneBackslash) {
  EXPECT_EQ(FolderPath("C:\\Data"), "C:\\Data\\");
  EXPECT_EQ(FolderPath("C:\\Data\\"), "C:\\Data\\");
  EXPECT_EQ(FolderPath(""), "\\");
  // 表 is 0x95 0x5C: its second byte is not a delimiter.
  const std::string table = ToCp932("C:\\表");
  ASSERT_EQ(table.back(), '\\');
  EXPECT_EQ(FolderPath(table), table + "\\");
  EXPECT_EQ(FolderPath(table + "\\"), table + "\\");
}

TEST(OneDecimal, RoundsHalvesAwayFromZeroAsWritten) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {0.25, "0.3"},   {1.45, "1.5"},     {2.675, "2.7"},   {12.34, "12.3"}, {7, "7.0"},     {0, "0.0"},
      {-0.25, "-0.3"}, {-0.04, "0.0"},    {-0.0, "0.0"},    {9.95, "10.0"},  {99.96, "100.0"}, {0.05, "0.1"},
      {0.049, "0.0"},  {-1.45, "-1.5"},   {1.44999, "1.4"}, {123456.78, "123456.8"}, {1e-7, "0.0"},
      {-12.0, "-12.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(OneDecimal(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace orvane
