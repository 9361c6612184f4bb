// The number parsing and number-to-text rules that documents, dialogs and reports depend on.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/NumberText.h"

namespace {

struct ValRow {
  const char* text;
  double value;
};

TEST(LeadingValue, LeadingNumberOfText) {
  const ValRow rows[] = {
      {"", 0},        {"abc", 0},     {"12", 12},     {"  12  ", 12},     {"-3.5", -3.5},
      {"+4", 4},      {"- 5", -5},    {"1 2 3", 123}, {".5", 0.5},        {"1.2.3", 1.2},
      {"1e3", 1000},  {"1E-2", 0.01}, {"2D2", 200},   {"1e", 1},          {"1e+", 1},
      {"3x", 3},      {"1-2", 1},     {"\t7\n", 7},   {"&H10", 16},       {"&HFF", 255},
      {"&HFFFF", -1}, {"&O17", 15},   {"&H", 0},      {"&Q1", 0},         {"-", 0},
      {".", 0},       {"1,5", 1},     {"0.15", 0.15}, {"&H10000", 65536},
  };
  for (const auto& row : rows)
    EXPECT_DOUBLE_EQ(NumberText::LeadingValue(row.text), row.value) << row.text;
}

TEST(LeadingValue, TellsWhetherThereWasANumber) {
  EXPECT_FALSE(NumberText::LeadingNumber("x1").has_value());
  EXPECT_FALSE(NumberText::LeadingNumber("").has_value());
  EXPECT_TRUE(NumberText::LeadingNumber("0").has_value());
  EXPECT_TRUE(NumberText::LeadingNumber("0abc").has_value());
}

TEST(NumericText, TheWholeTextMustBeOneNumber) {
  const struct {
    const char* text;
    std::optional<double> value;
  } rows[] = {
      {"1.5", 1.5},     {" -2 ", -2.0}, {"+.25", 0.25}, {"3.", 3.0}, {"1E3", 1000.0},
      {"2.5d-1", 0.25}, {"&H1F", 31.0}, {"&o17", 15.0}, {"2pi", {}}, {"pi", {}},
      {"1/4", {}},      {"1 2", {}},    {"", {}},       {"  ", {}},  {".", {}},
      {"-", {}},        {"1e", {}},     {"1e+", {}},    {"&H", {}},  {"&HG", {}},
      {"1.2.3", {}},    {"1e400", {}},  {"12abc", {}},  {"--1", {}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(NumberText::NumericText(row.text), row.value) << row.text;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> rows[] = {{0.5, 0},   {1.5, 2},    {2.5, 2}, {-0.5, 0},
                                            {-1.5, -2}, {-2.5, -2},  {2.4, 2}, {2.6, 3},
                                            {-2.6, -3}, {1e10, 1e10}};
  for (auto [in, out] : rows)
    EXPECT_EQ(NumberText::RoundHalfEven(in), out) << in;
}

TEST(ToLong, RangeIsChecked) {
  EXPECT_EQ(NumberText::ToLong(2147483647.4).value(), 2147483647);
  EXPECT_EQ(NumberText::ToLong(-2147483648.0).value(), std::numeric_limits<int32_t>::min());
  EXPECT_FALSE(NumberText::ToLong(2147483648.0).has_value());
  EXPECT_FALSE(NumberText::ToLong(std::nan("")).has_value());
  EXPECT_EQ(NumberText::ToLongClamped(1e20), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(NumberText::ToLongClamped(-1e20), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(NumberText::ToLongClamped(std::nan("")), 0);
}

struct FormatRow {
  float value;
  const char* text;
};

TEST(FormatSingle, SevenSignificantDigitsLegacyStyle) {
  const FormatRow rows[] = {
      {2.0f, "2"},
      {0.1f, "0.1"},
      {3.14159265f, "3.141593"},
      {1e-5f, "1E-05"},
      {1e7f, "1E+07"},
      {123456789.0f, "1.234568E+08"},
      {-0.0f, "0"},
      {0.0f, "0"},
      {-2.5f, "-2.5"},
      {0.15f, "0.15"},
      {1e20f, "1E+20"},
      {1.0f / 3.0f, "0.3333333"},
      {-1.25f, "-1.25"},
      {1234567.0f, "1234567"},
      {9999999.0f, "9999999"},
      {0.0001f, "0.0001"},
      {0.00012345f, "0.00012345"},
      {1.5e-10f, "1.5E-10"},
      {100.0f, "100"},
      {0.12345f, "0.12345"},
      {-500.0f, "-500"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(NumberText::FormatSingle(row.value), row.text) << row.text;
}

TEST(FormatSingle, DecimalSeparatorCanBeAComma) {
  EXPECT_EQ(NumberText::FormatSingle(2.5f, ','), "2,5");
  EXPECT_EQ(NumberText::FormatSingle(1.5e-10f, ','), "1,5E-10");
}

TEST(Cp1252, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  EXPECT_EQ(NumberText::Utf8ToCp1252(NumberText::Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheSpecialCharacters) {
  EXPECT_EQ(NumberText::Cp1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(NumberText::Cp1252ToUtf8("\xE9"), "\u00E9");
  EXPECT_EQ(NumberText::Cp1252ToUtf8("\xB0"), "\u00B0");
  EXPECT_EQ(NumberText::Utf8ToCp1252("\u00E9t\u00E9 20\u00B0"), "\xE9t\xE9 20\xB0");
  EXPECT_EQ(NumberText::Utf8ToCp1252("\u03C0"), "?"); // pi has no Windows-1252 code
  EXPECT_EQ(NumberText::Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");
}

} // namespace
