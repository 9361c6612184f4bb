// The colour legend as data: tick rows, label texts, the range each fill style shows and the
// colour bands of a scheme.

#include <gtest/gtest.h>

#include <memory>

#include "model/Graph.h"
#include "render/surfaces/LegendLayout.h"

namespace {

std::vector<std::string> Labels(float lo, float hi) {
  std::vector<std::string> labels;
  const LegendTicks t = LegendTickStep(lo, hi);
  if (!t.Valid) return labels;
  for (int32_t i = 0; i <= t.Count; ++i)
    labels.push_back(LegendLabel(t.Step * static_cast<float>(i) + t.First, QLocale::c()));
  return labels;
}

using Row = std::vector<std::string>;

TEST(LegendTicks, RowsOfTypicalRanges) {
  EXPECT_EQ(Labels(0, 250), (Row{"0", "50", "100", "150", "200", "250"}));
  EXPECT_EQ(Labels(-3, 7), (Row{"-2", "0", "2", "4", "6"}));
  EXPECT_EQ(Labels(-0.04f, 1.04f), (Row{"0", "0.2", "0.4", "0.6", "0.8", "1"}));
  // The step 0.2 in single precision lies a little above 0.2: the last tick is 0.8.
  EXPECT_EQ(Labels(0, 1), (Row{"0", "0.2", "0.4", "0.6", "0.8"}));
  EXPECT_EQ(Labels(0, 0.3f), (Row{"0", "0.05", "0.1", "0.15", "0.2", "0.25", "0.3"}));
  // A span of 0 counts from 0.
  EXPECT_EQ(Labels(5, 5), (Row{"0", "1", "2", "3", "4", "5"}));
  EXPECT_TRUE(Labels(3, 1).empty());
}

TEST(LegendTicks, SpansJustBelowAPowerOfTenKeepTheirStep) {
  // log10 of this span rounds to 1 in single precision, which once lost the step.
  const LegendTicks t = [] {
    float lo = 0.0f, hi = 9.9999995f;
    return LegendTickStep(lo, hi);
  }();
  ASSERT_TRUE(t.Valid);
  EXPECT_FLOAT_EQ(t.Step, 1.0f);
  EXPECT_EQ(t.Count, 9);
  float lo = 0.0f, hi = 0.099999994f;
  EXPECT_FLOAT_EQ(LegendTickStep(lo, hi).Step, 0.01f);
}

TEST(LegendTicks, LabelsOfValuesAHairOffAShortDecimal) {
  EXPECT_EQ(LegendLabel(0.1f * 7.0f, QLocale::c()), "0.7");
  EXPECT_EQ(LegendLabel(1.3999999f, QLocale::c()), "1.4");
  EXPECT_EQ(LegendLabel(1.4000001f, QLocale::c()), "1.4");
  EXPECT_EQ(LegendLabel(0.125f, QLocale::c()), "0.125");
  EXPECT_EQ(LegendLabel(0.00012f, QLocale::c()), "0.0001");
  EXPECT_EQ(LegendLabel(-0.5f, QLocale::c()), "-0.5");
  EXPECT_EQ(LegendLabel(12000.0f, QLocale(QLocale::English)), "12,000");
  EXPECT_EQ(CeilWithTolerance(-1.5f), -1.0f);
  EXPECT_EQ(CeilWithTolerance(2.0f), 2.0f);
}

std::shared_ptr<Graph> MakeGraph(int32_t type, int32_t style) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type;
  g->FillStyle = style;
  g->FirstColor = 255;       // red
  g->SecondColor = 16711680; // blue
  return g;
}

TEST(LegendLayout, RangeFollowsTheFillStyleAlongTheAxisItColours) {
  // Box: formula x 0 .. 1, y 0 .. 2, value 0 .. 4; 4D values 0 .. 8.
  auto range = [](int32_t type, int32_t style) {
    auto g = MakeGraph(type, style);
    const LegendLayout l = ComputeLegendLayout(*g, 0, 1, 0, 2, 0, 4, 0, 8, QLocale::c());
    return l.Shown ? l.Hi : -1.0f;
  };
  EXPECT_EQ(range(Surface3D, GradientLeftRight), 2.0f); // left to right: the formula's y
  EXPECT_EQ(range(Surface3D, GradientFrontBack), 1.0f); // front to back: the formula's x
  EXPECT_EQ(range(Surface3D, GradientTopBottom), 4.0f);
  EXPECT_EQ(range(Surface3D, ColorMapFill), 4.0f);
  EXPECT_EQ(range(Surface3D, SingleColor), -1.0f);
  EXPECT_EQ(range(Function4D, GradientLeftRight), 8.0f);
  EXPECT_EQ(range(Function4D, SingleColor), -1.0f);
  EXPECT_EQ(range(Function4DLegendOnly, GradientTopBottom), -1.0f);
  EXPECT_EQ(range(Curve3D, GradientTopBottom), -1.0f);

  auto g = MakeGraph(Surface3D, GradientTopBottom);
  const LegendLayout l = ComputeLegendLayout(*g, 0, 1, 0, 2, 0, 4, 0, 1, QLocale::c());
  ASSERT_EQ(l.Polygons.size(), 1u);
  EXPECT_EQ(l.Polygons[0][0].Colour, (std::array<float, 3>{0, 0, 1})); // low end: second colour
  EXPECT_EQ(l.Polygons[0][1].Colour, (std::array<float, 3>{1, 0, 0}));
  ASSERT_EQ(l.Ticks.size(), 9u); // 0, 0.5 .. 4
  EXPECT_FLOAT_EQ(l.Ticks[4].Y, 50.0f);
  EXPECT_EQ(l.Ticks[4].Text, "2");
  EXPECT_EQ(l.Ticks[5].Text, "2.5");
  // No extent: no legend.
  EXPECT_FALSE(ComputeLegendLayout(*g, 0, 1, 0, 2, 3, 3, 0, 1).Shown);
}

TEST(LegendLayout, ColourMapBandsPlaceTheStops) {
  auto g = MakeGraph(Function4D, ColorMapFill);
  g->ColorName = "Grey";
  g->ColorNum = 2;
  g->ColorPos[0] = 0;
  g->ColorPos[1] = 100;
  const LegendLayout l = ComputeLegendLayout(*g, 0, 1, 0, 1, 0, 1, -2, 2, QLocale::c());
  ASSERT_EQ(l.Polygons.size(), 1u);
  EXPECT_FLOAT_EQ(l.Polygons[0][0].Y, 30.0f);
  EXPECT_FLOAT_EQ(l.Polygons[0][1].Y, 70.0f);
  EXPECT_FLOAT_EQ(l.Polygons[0][0].Colour[0], 200.0f / 255.0f);
  EXPECT_FLOAT_EQ(l.Polygons[0][1].Colour[0], 50.0f / 255.0f);
}

} // namespace
