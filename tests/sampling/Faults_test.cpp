// The mended faults of sampling, each on its own: value grids sized from the counts with a
// refusal of sizes that do not fit; a StepW of 0; animated kinds whose Animation flag is off;
// points built from an undefined value; overflow and non-finite values.

#include "SamplingFixture.h"

#include <cmath>
#include <limits>

#include "support/LimitedChild.h"

using namespace sampling_test;

namespace {

class Faults : public SamplingTest {};

// 1. The value grids follow the step and frame counts, and sizes that do not fit are refused.

TEST_F(Faults, GridsAreSizedFromTheCounts) {
  auto g = Make4DGraph(Function4D, "x*y*z");
  Domain(*g, 0, 1, 120, 0, 1, 2);
  g->StepW = 101;
  g->MaxW = 1;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->SampleGridV.Upper(0), 120);
  EXPECT_EQ(g->SampleGridV.Upper(2), 101);
  EXPECT_EQ(g->SampleGridV(120, 2, 101), 1.0f);
  // Frames beyond the old ten.
  auto a = Make4DGraph(Function4DAnimation, "t");
  Domain(*a, 0, 1, 51, 0, 1, 1);
  a->StepW = 1;
  Animate(*a, 0, 30, 30);
  ASSERT_TRUE(a->GetPoints());
  EXPECT_EQ(a->FrameGridV(51, 1, 1, 30), 30.0f);
  EXPECT_EQ(a->MaxVV, 30.0f);
}

TEST_F(Faults, CountsThatDoNotFitAreRefused) {
  auto g = Make4DGraph(Function4D, "x");
  Domain(*g, 0, 1, 2, 0, 1, 2);
  g->StepW = 2;
  ASSERT_TRUE(g->GetPoints());
  g->StepU = g->StepV = g->StepW = 5000;
  EXPECT_FALSE(g->GetPoints());
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, SamplingTooLargeMessage);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  // What the graph held stays.
  EXPECT_EQ(g->Vert3D.Upper(0), 2);
  EXPECT_EQ(g->SampleGridV.Upper(0), 2);
}

struct FitRow {
  const char* name;
  int32_t type, form, coord, u, v, w, frames;
  bool fits;
};

class CountsFit : public SamplingTest, public ::testing::WithParamInterface<FitRow> {};

TEST_P(CountsFit, AsTheArraysNeed) {
  const FitRow& r = GetParam();
  EXPECT_EQ(SamplingCountsFit(r.type, r.form, r.coord, r.u, r.v, r.w, r.frames), r.fits);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CountsFit,
    ::testing::Values(
        FitRow{"Surface200", Surface3D, Explicit, Cartesian3D, 200, 200, 0, 10, true},
        FitRow{"Grid100", Function4D, Explicit, Cartesian3D, 100, 100, 100, 10, true},
        FitRow{"Grid300", Function4D, Explicit, Cartesian3D, 300, 300, 300, 10, false},
        FitRow{"Grid300Cylindrical", Function4D, Explicit, Cylindrical, 300, 300, 300, 10, true},
        FitRow{"ImplicitSurface300", Surface3D, Implicit, Spherical, 300, 300, 300, 10, false},
        FitRow{"AnimatedGrid", Function4DAnimation, Explicit, Cartesian3D, 100, 100, 100, 20,
               false},
        FitRow{"AnimatedGridSmall", Function4DAnimation, Explicit, Cartesian3D, 50, 50, 50, 20,
               true},
        FitRow{"HugeCurve", Curve2D, Explicit, Cartesian2D, 1, 20000000, 0, 10, false},
        FitRow{"AnimatedSurface", Surface3DAnimation, Explicit, Cartesian3D, 1000, 1000, 0, 40,
               false},
        FitRow{"Negative", Curve2D, Explicit, Cartesian2D, 1, -1, 0, 10, false},
        FitRow{"ZeroCountsAreOne", Function4D, Explicit, Cartesian3D, 0, 0, 0, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Faults, NegativeCountsAreRefused) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x");
  g->StepV = -3;
  EXPECT_FALSE(g->GetPoints());
  EXPECT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_FALSE(g->Vert3D.Allocated());
}

// 2. A StepW of 0 becomes 1 like StepU and StepV.

TEST_F(Faults, StepWZeroBecomesOne) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Implicit, "z", "0", "0");
  Domain(*g, 0, 1, 1, 0, 1, 1);
  DomainW(*g, -2, 3, 0);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->StepW, 1);
  EXPECT_EQ(g->SampleGridV(1, 1, 0), -2.0f);
  EXPECT_EQ(g->SampleGridV(1, 1, 1), 3.0f);
  auto f = Make4DGraph(Function4D, "z");
  f->MaxW = 4;
  f->StepW = 0;
  ASSERT_TRUE(f->GetPoints());
  EXPECT_EQ(f->StepW, 1);
  EXPECT_EQ(f->MaxVV, 4.0f);
}

// 3. The animated kinds have their points whatever their Animation flag, every frame sampled.

TEST_F(Faults, AnimatedPointsExistWithTheFlagOff) {
  FrameCount = 2;
  struct Kind {
    int32_t type, coord, form;
  };
  for (const Kind k :
       {Kind{PointAnimation, Cartesian3D, 0}, Kind{Curve2DAnimation, Cartesian2D, Explicit},
        Kind{Ribbon25DAnimation, Cartesian2D, Explicit},
        Kind{Curve3DAnimation, Cartesian3D, Parametric},
        Kind{Surface3DAnimation, Cartesian3D, Parametric}}) {
    auto g = MakeGraph(k.type, k.coord, k.form, "0", "0", "t");
    Domain(*g, 0, 1, 1, 0, 1, 1);
    g->Animation = false;
    g->MinT = 0;
    g->MaxT = 4;
    ASSERT_TRUE(g->GetPoints()) << k.type;
    const GraphPoint* last = nullptr;
    switch (k.type) {
    case PointAnimation:
      last = &g->Anim1D(2);
      break;
    case Curve2DAnimation:
      last = &g->Anim2D(1, 2);
      break;
    case Ribbon25DAnimation:
      last = &g->AnimRibbon(0, 1, 2);
      break;
    case Curve3DAnimation:
      last = &g->AnimCurve3D(1, 2);
      break;
    default:
      last = &g->Anim3D(1, 1, 2);
      break;
    }
    EXPECT_EQ(last->y, 4.0f) << k.type;
    // GetBox may measure any step.
    EXPECT_NO_THROW(g->GetBox(2));
  }
}

// 4. A point built from a value that does not exist is undefined in all its coordinates.

struct UndefinedRow {
  const char* name;
  int32_t type, coord, form;
  const char *x, *y, *z;
};

class UndefinedInputs : public SamplingTest, public ::testing::WithParamInterface<UndefinedRow> {};

TEST_P(UndefinedInputs, MakeTheWholePointUndefined) {
  const UndefinedRow& r = GetParam();
  auto g = MakeGraph(r.type, r.coord, r.form, r.x, r.y, r.z);
  Domain(*g, 0, 1, 1, 0, 1, 1);
  g->Animation = true;
  FrameCount = 1;
  ASSERT_TRUE(g->GetPoints());
  const GraphPoint* p = nullptr;
  switch (r.type) {
  case Curve2D:
  case Surface3D:
  case PointMarker:
    p = &g->Vert3D(0, 0);
    break;
  case Curve3D:
    p = &g->VertCurve(0);
    break;
  case PointAnimation:
    p = &g->Anim1D(0);
    break;
  case Curve2DAnimation:
    p = &g->Anim2D(0, 0);
    break;
  case Surface3DAnimation:
    p = &g->Anim3D(0, 0, 0);
    break;
  default:
    FAIL();
  }
  EXPECT_TRUE(AllUndefined(*p)) << p->x << ", " << p->y << ", " << p->z;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UndefinedInputs,
    ::testing::Values(
        UndefinedRow{"PolarRadius", Curve2D, Polar, Explicit, "0", "0", "log(a)"},
        UndefinedRow{"PolarParametricAngle", Curve2D, Polar, Parametric, "0", "1/u", "1"},
        UndefinedRow{"PolarParametricHeight", Curve2D, Polar, Parametric, "sqr(u-1)", "u", "1"},
        UndefinedRow{"ParametricOneCoordinate", Curve2D, Cartesian2D, Parametric, "1/u", "1", "1"},
        UndefinedRow{"CylindricalCurveAngle", Curve3D, Cylindrical, Parametric, "log(u)", "1", "1"},
        UndefinedRow{"SphericalCurveRadius", Curve3D, Spherical, Parametric, "1", "1", "1/u"},
        UndefinedRow{"SphericalExplicitCurve", Curve3D, Spherical, Explicit, "0", "0", "log(b)"},
        UndefinedRow{"CylindricalSurfaceRadius", Surface3D, Cylindrical, Explicit, "a", "sqr(r-1)",
                     "1"},
        UndefinedRow{"SphericalSurfaceAngle", Surface3D, Spherical, Parametric, "1/u", "1", "1"},
        UndefinedRow{"CartesianSurfaceHeight", Surface3D, Cartesian3D, Explicit, "x", "y",
                     "log(x)"},
        UndefinedRow{"PolarPoint", PointMarker, Polar, 0, "0", "1", "log(0)"},
        UndefinedRow{"CylindricalPoint", PointMarker, Cylindrical, 0, "1/0", "2", "3"},
        UndefinedRow{"AnimatedPolarPoint", PointAnimation, Polar, 0, "0", "1", "1/t"},
        UndefinedRow{"AnimatedPolarCurve", Curve2DAnimation, Polar, Explicit, "0", "0", "1/t"},
        UndefinedRow{"AnimatedSphericalSurface", Surface3DAnimation, Spherical, Explicit, "0", "0",
                     "1/t"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Faults, UndefinedPolarDerivativeRadius) {
  auto g = MakeGraph(Curve2D, Polar, Explicit, "0", "0", "sqr(a)");
  Domain(*g, 0, 1, 1, -1, 1, 2);
  g->ShowDev = true;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(AllUndefined(g->VertDev(0, 0)));
  EXPECT_TRUE(AllUndefined(g->Vert3D(0, 0)));
}

// 5. Overflow and non-finite values become UndefinedValue; nothing escapes.

TEST_F(Faults, OverflowBecomesUndefined) {
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "exp(x)");
  Domain(*g, 0, 1, 1, 0, 100, 2);
  ASSERT_NO_THROW(EXPECT_TRUE(g->GetPoints()));
  EXPECT_TRUE(Near(g->Vert3D(0, 0), {0, 1, 0}));
  EXPECT_TRUE(AllUndefined(g->Vert3D(0, 2)));

  auto s = MakeGraph(Surface3D, Cartesian3D, Explicit, "x", "y", "x*10^30*10^30");
  Domain(*s, 0, 1, 1, 0, 1, 1);
  ASSERT_TRUE(s->GetPoints());
  EXPECT_TRUE(Near(s->Vert3D(0, 0), {0, 0, 0}));
  EXPECT_TRUE(AllUndefined(s->Vert3D(1, 0)));

  auto f = Make4DGraph(Function4D, "exp(100*x)");
  Domain(*f, 0, 1, 1, 0, 1, 1);
  f->StepW = 1;
  ASSERT_TRUE(f->GetPoints());
  EXPECT_EQ(f->SampleGridV(1, 0, 0), U);
  EXPECT_EQ(f->MinVV, U);
  EXPECT_EQ(f->MaxVV, 1.0f);
}

TEST_F(Faults, NonFiniteDomainGivesUndefinedSamples) {
  const float big = std::numeric_limits<float>::max();
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x");
  Domain(*g, 0, 1, 1, -big, big, 2); // the step overflows single precision
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 2; ++j) {
    const GraphPoint& p = g->Vert3D(0, j);
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
  }
  EXPECT_TRUE(AllUndefined(g->Vert3D(0, 1)));
  const BoundingBox b = g->GetBox();
  EXPECT_TRUE(std::isfinite(b.MinX) && std::isfinite(b.MaxX));
  // The arc of a polar region over an angle domain that overflows.
  auto r = MakeGraph(Curve2D, Polar, Implicit, "r-1", "0", "0");
  Domain(*r, -big, big, 1, 0, 2, 1);
  const BoundingBox arc = r->GetBox();
  for (float v : {arc.MinX, arc.MaxX, arc.MinY, arc.MaxY})
    EXPECT_TRUE(std::isfinite(v));
}

// Under an address-space limit (ulimit -v) the GL driver crashes once the space is used up, so the
// samples of a document may take at most half of what is left. Asked in a child process, which
// alone gets the limit.
TEST(SamplingBudget, StaysWithinAnAddressSpaceLimit) {
  const std::size_t free = DocumentSamplingBudget();
  EXPECT_GT(free, 0u);
  constexpr std::size_t Left = std::size_t{400} << 20;
  const LimitedChildResult child = RunInLimitedChild(Left, [](std::string&) {
    const std::size_t budget = DocumentSamplingBudget();
    return budget > 0 && budget <= Left / 2 ? 0 : 1;
  });
  ASSERT_TRUE(child.exited) << "the child was killed by signal " << child.signal;
  EXPECT_EQ(child.code, 0);
}

// A graph's bytes count the copy of its drawn points that the display lists keep, besides its
// samples: a surface's 101 x 101 points three times as samples, once more as drawn vertices.
TEST(SamplingBudget, CountsTheDrawnCopy) {
  const auto bytes = SamplingBytes(Surface3D, Explicit, Cartesian3D, 100, 100, 0, 0);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, (3 * sizeof(GraphPoint) + 80) * 101 * 101);
}

} // namespace
