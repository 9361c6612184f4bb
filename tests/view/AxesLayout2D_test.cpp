// Geometry of the 2D axes as data: tick steps and counts, the equal-scale rule, the cap on the
// number of ticks, tick and label placement, arrowheads and the pi ticks.

#include <gtest/gtest.h>

#include "model/ProgramState.h"
#include "view/axes/AxesLayout.h"

#include <limits>
#include <string>
#include <vector>

using namespace AxesLayout;

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

Axes2DInput Input(float minX, float maxX, float minY, float maxY, float sx, float sy) {
  Axes2DInput in;
  in.minX = minX, in.maxX = maxX, in.minY = minY, in.maxY = maxY;
  in.steps = {sx, sy};
  in.locale = kUs;
  return in;
}

// The tick labels of the layout (without the origin label and the two titles).
std::vector<std::string> TickTexts(const Axes2D& ax) {
  std::vector<std::string> t;
  for (size_t i = 0; i + 3 < ax.labels.size(); ++i)
    t.push_back(ax.labels[i].text);
  return t;
}

void ExpectVec(const Vec3& v, float x, float y, float z = 0.0f) {
  EXPECT_NEAR(v.x, x, 1e-5f);
  EXPECT_NEAR(v.y, y, 1e-5f);
  EXPECT_NEAR(v.z, z, 1e-5f);
}

TEST(AxesLayout2D, HalfAxisCountsUseTheDistanceFromTheOrigin) {
  struct Case {
    float bound, step;
    int count;
  };
  const std::vector<Case> cases = {
      {2.0f, 1.0f, 2},  {-2.0f, 1.0f, 2}, {10.0f, 1.0f, 10}, {0.0f, 1.0f, 0},   {0.5f, 0.2f, 3},
      {-0.5f, 0.2f, 3}, {3.0f, 0.5f, 6},  {2.0f, 0.0f, 0},   {1e9f, 0.2f, 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bound) + " / " + std::to_string(c.step));
    EXPECT_EQ(HalfAxisCount(c.bound, c.step), c.count);
  }
}

TEST(AxesLayout2D, EqualScaleRuleChangesAtMostOneStep) {
  struct Case {
    float sx, sy, minX, maxX, minY, maxY;
    float wantX, wantY;
  };
  const std::vector<Case> cases = {
      // X -0.5 .. 0.5 against Y -50 .. 50: one X step reaching past 0.5.
      {0.2f, 20.0f, -0.5f, 0.5f, -50.0f, 50.0f, 1.0f, 20.0f},
      // The mirror case: Y takes one step.
      {20.0f, 0.2f, -50.0f, 50.0f, -0.5f, 0.3f, 20.0f, 1.0f},
      // Comparable ranges keep both steps.
      {1.0f, 1.0f, -5.0f, 5.0f, -5.0f, 5.0f, 1.0f, 1.0f},
      // The larger of |min| and max decides; a negative-only range reaches its far bound.
      {0.5f, 20.0f, -3.2f, 1.0f, -50.0f, 50.0f, 4.0f, 20.0f},
      {0.5f, 20.0f, -3.0f, -1.0f, -50.0f, 50.0f, 3.0f, 20.0f},
  };
  for (const Case& c : cases) {
    float sx = c.sx, sy = c.sy;
    ApplyEqualScaleRule(sx, sy, c.minX, c.maxX, c.minY, c.maxY);
    EXPECT_EQ(sx, c.wantX);
    EXPECT_EQ(sy, c.wantY);
  }
}

TEST(AxesLayout2D, StepsAreCappedSoNoHalfAxisOverrunsTheLabelTables) {
  // X 1000 .. 1001 under ScaleSquare: the step 0.2 of Coord would need 5005 ticks from the origin.
  Steps2D s = FinishSteps2D(0.2f, 0.2f, 1000.0f, 1001.0f, 0.0f, 1.0f, ScaleSquare);
  EXPECT_EQ(s.sx, 5.0f);
  EXPECT_EQ(s.sy, 0.2f);
  EXPECT_LE(HalfAxisCount(1001.0f, s.sx), MaxTicks);
  // A step that fits is kept; an unusable one is 0.
  EXPECT_EQ(CoarsenStep(0.5f, -3.0f, 3.0f), 0.5f);
  EXPECT_EQ(CoarsenStep(0.0f, -3.0f, 3.0f), 0.0f);
  EXPECT_EQ(CoarsenStep(1.0f, -3.0f, std::numeric_limits<float>::infinity()), 0.0f);
  // The pi ticks coarsen by whole multiples.
  EXPECT_EQ(CoarsenFactor(PiStep, -5.0f, 7.0f), 1);
  EXPECT_EQ(CoarsenFactor(PiStep, -10000.0f, 10000.0f), 10);

  Axes2DInput in = Input(1000.0f, 1001.0f, 0.0f, 1.0f, s.sx, s.sy);
  Axes2D ax = LayoutAxes2D(in);
  // The counts keep measuring from the origin, so the negative half-axis mirrors the positive.
  EXPECT_EQ(ax.nxp, 201);
  EXPECT_EQ(ax.nxn, 200);
  EXPECT_EQ(ax.labels[199].text, "-1,000");
  EXPECT_EQ(ax.labels[200 + 199].text, "1,000");
  EXPECT_EQ(ax.labels[200 + 200].text, "1,005");
}

TEST(AxesLayout2D, TicksStartOnBothSidesOfTheOriginAndTheAxisRunsPastThem) {
  // X from 2 to 10 with tick step 1: the negative half-axis still gets -1 and -2.
  Axes2DInput in = Input(2.0f, 10.0f, 0.0f, 5.0f, 1.0f, 1.0f);
  in.showSecondaryTicks = false;
  Axes2D ax = LayoutAxes2D(in);
  EXPECT_EQ(ax.nxn, 2);
  EXPECT_EQ(ax.nxp, 10);
  EXPECT_EQ(ax.nyn, 0);
  EXPECT_EQ(ax.nyp, 5);
  ASSERT_EQ(ax.ticks.size(), 17u);
  // Order: negative X, negative Y (none), positive X, positive Y.
  ExpectVec(ax.ticks[0].from, -1, 0);
  ExpectVec(ax.ticks[0].to, -1, 0.3f);
  ExpectVec(ax.ticks[1].from, -2, 0);
  ExpectVec(ax.ticks[2].from, 1, 0);
  ExpectVec(ax.ticks[11].to, 10, 0.3f);
  ExpectVec(ax.ticks[12].from, 0, 1);
  ExpectVec(ax.ticks[12].to, 0.3f, 1);
  ExpectVec(ax.axisX.from, -4.1f, 0);
  ExpectVec(ax.axisX.to, 12.1f, 0);
  ExpectVec(ax.axisY.from, 0, -2.1f);
  ExpectVec(ax.axisY.to, 0, 7.1f);
  const std::vector<std::string> want = {"-1", "-2", "1",  "2", "3", "4", "5", "6", "7",
                                         "8",  "9",  "10", "1", "2", "3", "4", "5"};
  EXPECT_EQ(TickTexts(ax), want);
  // The origin label and the fixed titles come last.
  const size_t n = ax.labels.size();
  EXPECT_EQ(ax.labels[n - 3].text, "0");
  ExpectVec(ax.labels[n - 3].at, -0.5f, -0.5f);
  EXPECT_EQ(ax.labels[n - 2].text, "X");
  ExpectVec(ax.labels[n - 2].at, 12.0f, -0.5f);
  EXPECT_EQ(ax.labels[n - 1].text, "Y");
  ExpectVec(ax.labels[n - 1].at, -0.5f, 7.0f);
}

TEST(AxesLayout2D, MinorTicksComeBeforeEachMajorTick) {
  Axes2DInput in = Input(0.0f, 2.0f, 0.0f, 0.0f, 1.0f, 1.0f);
  Axes2D ax = LayoutAxes2D(in);
  ASSERT_EQ(ax.ticks.size(), 10u);
  const float want[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.2f, 1.4f, 1.6f, 1.8f, 2.0f};
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(ax.ticks[i].from.x, want[i], 1e-6f);
    EXPECT_NEAR(ax.ticks[i].to.y, (i % 5 == 4) ? 0.3f : 0.2f, 1e-6f);
  }
}

TEST(AxesLayout2D, LabelPlacementDependsOnTheTextLength) {
  Axes2DInput in = Input(-0.5f, 10.0f, -1.0f, 1.0f, 0.5f, 1.0f);
  in.showSecondaryTicks = false;
  Axes2D ax = LayoutAxes2D(in);
  // First label: -0.5 (4 characters) is shifted left by 0.45 like any longer text.
  EXPECT_EQ(ax.labels[0].text, "-0.5");
  ExpectVec(ax.labels[0].at, -0.5f - 0.45f, -0.5f);
  // Then the negative Y label "-1" at -(2 / 5 + 0.3), 0.2 below its tick.
  EXPECT_EQ(ax.labels[1].text, "-1");
  ExpectVec(ax.labels[1].at, -0.7f, -1.2f);
  // Positive X: "0.5" (3 characters) 0.45, "1" 0.15, "10" 0.3.
  EXPECT_EQ(ax.labels[2].text, "0.5");
  ExpectVec(ax.labels[2].at, 0.05f, -0.5f);
  EXPECT_EQ(ax.labels[3].text, "1");
  ExpectVec(ax.labels[3].at, 0.85f, -0.5f);
  EXPECT_EQ(ax.labels[21].text, "10");
  ExpectVec(ax.labels[21].at, 9.7f, -0.5f);
}

TEST(AxesLayout2D, PiTicksAndLabels) {
  Axes2DInput in = Input(-5.0f, 7.0f, 0.0f, 1.0f, 1.0f, 0.2f);
  in.showPI = true;
  in.showSecondaryTicks = false;
  Axes2D ax = LayoutAxes2D(in);
  EXPECT_EQ(ax.nxn, 2);
  EXPECT_EQ(ax.nxp, 3);
  const std::vector<std::string> want = {"-pi", "-2pi", "pi",  "2pi", "3pi",
                                         "0.2", "0.4",  "0.6", "0.8", "1"};
  EXPECT_EQ(TickTexts(ax), want);
  ExpectVec(ax.ticks[0].from, -3.1416f, 0);
  ExpectVec(ax.ticks[1].from, -6.2832f, 0);
  ExpectVec(ax.ticks[4].from, 3.0f * 3.1416f, 0);
  ExpectVec(ax.axisX.to, 3.0f * 3.1416f + 2.1f, 0);
  // The Y axis is unaffected.
  ExpectVec(ax.ticks[5].from, 0, 0.2f);
}

TEST(AxesLayout2D, ArrowheadsMoveOffTheAxisWithTheLineWidth) {
  Axes2DInput in = Input(-1.0f, 1.0f, -1.0f, 1.0f, 1.0f, 1.0f);
  Axes2D ax = LayoutAxes2D(in);
  ExpectVec(ax.arrowX[0], 3.2f, 0);
  ExpectVec(ax.arrowX[1], 3.0f, 0.2f);
  ExpectVec(ax.arrowX[2], 3.0f, -0.2f);
  ExpectVec(ax.arrowY[0], 0, 3.2f);
  in.axisWidth = 5;
  ax = LayoutAxes2D(in);
  ExpectVec(ax.arrowX[0], 3.2f, -0.04f);
  ExpectVec(ax.arrowX[1], 3.0f, 0.16f);
  ExpectVec(ax.arrowY[0], -0.04f, 3.2f);
  ExpectVec(ax.arrowY[2], -0.24f, 3.0f);
}

TEST(AxesLayout2D, ScalesAndSceneCentreMoveEverything) {
  Axes2DInput in = Input(0.0f, 4.0f, 0.0f, 2.0f, 1.0f, 1.0f);
  in.showSecondaryTicks = false;
  in.scaleX = 2.0f;
  in.centre = {1.0f, 0.5f, 0.25f};
  Axes2D ax = LayoutAxes2D(in);
  // Tick 4 of X: data 4, scene 2, moved by the centre.
  ExpectVec(ax.ticks[3].from, 2.0f - 1.0f, -0.5f, -0.25f);
  ExpectVec(ax.axisX.to, 2.0f + 2.1f - 1.0f, -0.5f, -0.25f);
}

TEST(AxesLayout2D, AnAxisWithoutAUsableStepStillSpansItsData) {
  Axes2DInput in = Input(-3.0f, 4.0f, 0.0f, 1.0f, 0.0f, 0.5f);
  Axes2D ax = LayoutAxes2D(in);
  EXPECT_EQ(ax.nxn, 0);
  EXPECT_EQ(ax.nxp, 0);
  ExpectVec(ax.axisX.from, -5.1f, 0);
  ExpectVec(ax.axisX.to, 6.1f, 0);
}

} // namespace
