// Tick label texts: decimals chosen from the rounded value, regional separators and grouping,
// pi labels, one-decimal division labels and the whole numbers of the Special frame.

#include <gtest/gtest.h>

#include "view/axes/TickLabel.h"

#include <string>
#include <vector>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct RowCase {
  float step;
  int count;
  std::vector<std::string> labels; // labels 1 to count of the positive half-axis
};

// Every label of a row is as short as its value allows, including the values that the product
// of step and count puts a hair below a short decimal (7 x 0.1 = 0.69999999 in single precision).
TEST(TickLabel, RowsOfTheTwoDimensionalAxes) {
  const std::vector<RowCase> rows = {
      {0.1f, 10, {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
      {0.5f, 4, {"0.5", "1", "1.5", "2"}},
      {0.2f, 8, {"0.2", "0.4", "0.6", "0.8", "1", "1.2", "1.4", "1.6"}},
      {0.05f, 8, {"0.05", "0.1", "0.15", "0.2", "0.25", "0.3", "0.35", "0.4"}},
      {0.005f, 4, {"0.005", "0.01", "0.015", "0.02"}},
      {0.0002f, 3, {"0.0002", "0.0004", "0.0006"}},
      {0.00005f, 3, {"0.00005", "0.0001", "0.00015"}},
      {200.0f, 6, {"200", "400", "600", "800", "1,000", "1,200"}},
      {2000000.0f, 2, {"2,000,000", "4,000,000"}},
  };
  for (const RowCase& row : rows) {
    for (int i = 1; i <= row.count; ++i) {
      SCOPED_TRACE("step " + std::to_string(row.step) + " label " + std::to_string(i));
      EXPECT_EQ(TickLabel::Tick2D(row.step, i, false, kUs), row.labels[i - 1]);
      EXPECT_EQ(TickLabel::Tick2D(row.step, i, true, kUs), "-" + row.labels[i - 1]);
    }
  }
}

TEST(TickLabel, DecimalsOfSingleValues) {
  struct Case {
    float value;
    int decimals;
  };
  const std::vector<Case> cases = {
      {0.0f, 0},         {1.0f, 0},   {1234.5f, 1},   {0.1f * 7.0f, 1}, {0.2f * 7.0f, 1},
      {0.05f * 7.0f, 2}, {0.125f, 3}, {100000.1f, 1}, {0.0001234f, 6},  {12345.6f, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(TickLabel::Decimals(c.value), c.decimals);
  }
}

TEST(TickLabel, RegionalSeparatorAndGrouping) {
  EXPECT_EQ(TickLabel::Number(1234.5f, kUs), "1,234.5");
  EXPECT_EQ(TickLabel::Tick2D(0.5f, 2469, false, kUs), "1,234.5");
  EXPECT_EQ(TickLabel::Number(1234.5f, kGerman), "1.234,5");
  EXPECT_EQ(TickLabel::Number(0.5f, kGerman), "0,5");
  EXPECT_EQ(TickLabel::Division(1234.5, kUs), "1,234.5");
  EXPECT_EQ(TickLabel::Division(1250.0, kUs), "1,250.0");
  EXPECT_EQ(TickLabel::Division(-2.5, kGerman), "-2,5");
  // A locale that groups with no-break spaces gets plain blanks the glyph lists hold.
  const std::string french = TickLabel::Number(1234.5f, QLocale(QLocale::French, QLocale::France));
  EXPECT_EQ(french.find('\xC2'), std::string::npos);
  EXPECT_EQ(french.find('\xE2'), std::string::npos);
  EXPECT_EQ(french.back(), '5');
}

TEST(TickLabel, PiLabels) {
  EXPECT_EQ(TickLabel::Pi(1, false), "pi");
  EXPECT_EQ(TickLabel::Pi(2, false), "2pi");
  EXPECT_EQ(TickLabel::Pi(1, true), "-pi");
  EXPECT_EQ(TickLabel::Pi(3, true), "-3pi");
  EXPECT_EQ(TickLabel::Pi(20, false), "20pi");
}

TEST(TickLabel, DivisionLabelsHaveOneDecimal) {
  struct Case {
    double value;
    const char* text;
  };
  const std::vector<Case> cases = {
      {-5.0, "-5.0"}, {0.0, "0.0"},   {5.0, "5.0"},       {0.5, "0.5"},
      {-0.5, "-0.5"}, {2.5, "2.5"},   {-0.04, "0.0"},     {-0.06, "-0.1"},
      {7.5, "7.5"},   {10.0, "10.0"}, {1.0 / 3.0, "0.3"}, {-1666.6667, "-1,666.7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(TickLabel::Division(c.value, kUs), c.text);
  }
}

TEST(TickLabel, WholeNumbersHaveNoSeparators) {
  EXPECT_EQ(TickLabel::Whole(-7), "-7");
  EXPECT_EQ(TickLabel::Whole(0), "0");
  EXPECT_EQ(TickLabel::Whole(12), "12");
  EXPECT_EQ(TickLabel::Whole(12000), "12000");
}

} // namespace
