// The axes object as data: its values at creation and after SetDefault, access by id, and the
// tick steps of Coord with CeilToWhole.

#include <gtest/gtest.h>

#include "model/AxesSettings.h"

#include <cmath>
#include <string>

namespace {

std::string ValueText(const AxesSettings& a, AxesSettingsProp p) {
  switch (AxesSettingsPropertyTable[static_cast<std::size_t>(p)].kind) {
  case PropKind::Boolean:
    return a.GetBool(p) ? "True" : "False";
  case PropKind::Integer:
    return std::to_string(a.GetInt(p));
  default:
    return a.GetText(p);
  }
}

struct AxesRow {
  AxesSettingsProp property;
  const char* atCreation;
  const char* afterSetDefault; // on an object whose every value was changed first
};

const char* const kChanged = "changed";

} // namespace

TEST(AxesSettings, ValuesAtCreationAndAfterSetDefault) {
  using enum AxesSettingsProp;
  const std::string grey204 = std::to_string(204 * 65793), grey153 = std::to_string(153 * 65793);
  const AxesRow rows[] = {
      {Show, "False", "True"},
      {ShowXYPanel, "False", "False"},
      {ShowXZPanel, "False", "False"},
      {ShowYZPanel, "False", "False"},
      {ShowXYXGrid, "True", "True"},
      {ShowXYYGrid, "True", "True"},
      {ShowXZXGrid, "True", "True"},
      {ShowXZZGrid, "True", "True"},
      {ShowYZYGrid, "True", "True"},
      {ShowYZZGrid, "True", "True"},
      {BetterFonts, "False", "True"},
      {LabelNumX, "2", "2"},
      {LabelNumY, "2", "2"},
      {LabelNumZ, "2", "2"},
      {XYPanelColor, grey204.c_str(), grey204.c_str()},
      {XZPanelColor, grey204.c_str(), grey204.c_str()},
      {YZPanelColor, grey204.c_str(), grey204.c_str()},
      {XYGridColor, grey153.c_str(), grey153.c_str()},
      {XZGridColor, grey153.c_str(), grey153.c_str()},
      {YZGridColor, grey153.c_str(), grey153.c_str()},
      {XYPanelMaterial, "4", "4"},
      {XZPanelMaterial, "4", "4"},
      {YZPanelMaterial, "4", "4"},
      {AxisColor, "0", "0"},
      {AxisWidth, "1", "1"},
      {TitleX, "X", "X"},
      {TitleY, "Y", "Y"},
      {TitleZ, "Z", "Z"},
      {ShowprimaryGrid, "False", kChanged},
      {ShowSecondaryGrid, "False", kChanged},
      {ShowBackground, "False", kChanged},
      {BackStyle, "2", kChanged},
      {BackColor, "65280", kChanged},
      {BackColor2, "16777215", kChanged},
      {PriGridColor, "65280", kChanged},
      {SecGridColor, "65280", kChanged},
      {ShowSecondaryLabel, "True", kChanged},
      {ShowPI, "False", kChanged},
      {ShowShadow, "False", kChanged},
      {AxisStyle, "1", kChanged},
  };
  ASSERT_EQ(std::size(rows), AxesSettingsPropertyTable.size());

  const AxesSettings fresh;
  AxesSettings reset;
  // Change every value, then reset.
  for (const auto& row : rows) {
    switch (AxesSettingsPropertyTable[static_cast<std::size_t>(row.property)].kind) {
    case PropKind::Boolean:
      reset.SetBool(row.property, !fresh.GetBool(row.property));
      break;
    case PropKind::Integer:
      reset.SetInt(row.property, 12345);
      break;
    default:
      reset.SetText(row.property, "T");
      break;
    }
  }
  AxesSettings changed = reset;
  reset.SetDefault();
  for (const auto& row : rows) {
    const auto name = AxesSettingsPropertyTable[static_cast<std::size_t>(row.property)].name;
    EXPECT_EQ(ValueText(fresh, row.property), row.atCreation) << name;
    const std::string expected =
        row.afterSetDefault == kChanged ? ValueText(changed, row.property) : row.afterSetDefault;
    EXPECT_EQ(ValueText(reset, row.property), expected) << name;
  }
  // The program-wide object is made with the creation values.
  EXPECT_EQ(&DocumentAxes(), &DocumentAxes());
}

TEST(AxesSettings, RecordCarriesEveryPropertyButAxisStyle) {
  int carried = 0;
  for (const auto& info : AxesSettingsPropertyTable) {
    if (info.inRecord)
      ++carried;
    else
      EXPECT_EQ(info.name, "AxisStyle");
  }
  EXPECT_EQ(carried, 39);
  EXPECT_EQ(AxesSettingsPropertyTable.front().name, "Show");
  EXPECT_EQ(AxesSettingsPropertyTable[38].name, "ShowShadow");
  AxesSettings a;
  EXPECT_THROW(a.SetInt(AxesSettingsProp::TitleX, 3), std::logic_error);
  EXPECT_THROW((void)a.GetBool(AxesSettingsProp::LabelNumX), std::logic_error);
}

struct CoordRow {
  float vmin, vmax;
  float step, lower, upper;
  int32_t k;
  float vminAfter;
};

TEST(AxesSettings, CoordRows) {
  const CoordRow rows[] = {
      {0, 1, 0.2f, 0, 1, 5, 0},
      {-3, 7, 2, -2, 8, 5, -3},
      {3, 3, 0.5f, 0, 3, 6, 0},
      {-0.5f, 0.5f, 0.2f, -0.4f, 0.6f, 5, -0.5f},
      {0, 4.99f, 0.5f, 0, 5, 10, 0},
      {-10, -2, 1, -10, -2, 8, -10},
      {0, 1000, 200, 0, 1000, 5, 0},
      {0, 100, 20, 0, 100, 5, 0},
      {0, 0.03f, 0.005f, 0, 0.03f, 6, 0},
      {0, 5, 1, 0, 5, 5, 0},
      {0, 1.99f, 0.2f, 0, 2, 10, 0},
      {2.5f, 2.5f, 0.5f, 0, 2.5f, 5, 0},
      // a range just below a power of ten: the step of the power below, never no step
      {0, 999.99994f, 100, 0, 1000, 10, 0},
      // no extent at 0: one unit from 0
      {0, 0, 0.2f, 0, 1, 5, 0},
      // a flat range below 0: from the value up to 0
      {-3, -3, 0.5f, -3, 0, 6, 0},
      // reversed: from the smaller to the larger end
      {5, 1, 0.5f, 1, 5, 8, 5},
  };
  for (const auto& r : rows) {
    float vmin = r.vmin, vmax = r.vmax, step = 0, lower = 0, upper = 0;
    int32_t k = 0;
    AxesSettings::Coord(vmin, vmax, step, lower, upper, k);
    const std::string what = std::to_string(r.vmin) + " .. " + std::to_string(r.vmax);
    EXPECT_FLOAT_EQ(step, r.step) << what;
    EXPECT_FLOAT_EQ(lower, r.lower) << what;
    EXPECT_FLOAT_EQ(upper, r.upper) << what;
    EXPECT_EQ(k, r.k) << what;
    EXPECT_EQ(vmin, r.vminAfter) << what;
    EXPECT_EQ(vmax, r.vmax) << what;
  }
}

TEST(AxesSettings, CoordAlwaysGivesAPositiveStep) {
  const float inf = INFINITY, nan = NAN;
  const float cases[][2] = {{nan, 1},         {0, nan},        {-inf, inf},    {inf, inf},
                            {1e-44f, 2e-44f}, {-3e38f, 3e38f}, {1e30f, 1e30f}, {-1, -1e-30f}};
  for (const auto& c : cases) {
    float vmin = c[0], vmax = c[1], step = 0, lower = 0, upper = 0;
    int32_t k = -1;
    AxesSettings::Coord(vmin, vmax, step, lower, upper, k);
    EXPECT_TRUE(step > 0 && std::isfinite(step)) << c[0] << " .. " << c[1];
    EXPECT_TRUE(std::isfinite(lower) && std::isfinite(upper)) << c[0] << " .. " << c[1];
    EXPECT_LE(lower, upper) << c[0] << " .. " << c[1];
    EXPECT_GE(k, 0) << c[0] << " .. " << c[1];
  }
}

TEST(AxesSettings, CeilToWhole) {
  const float rows[][2] = {{-1.5f, -1}, {3.5f, 4}, {-2, -2},    {-2.5f, -2},
                           {0, 0},      {2, 2},    {0.0001f, 1}};
  for (const auto& r : rows)
    EXPECT_EQ(AxesSettings::CeilToWhole(r[0]), r[1]) << r[0];
}
