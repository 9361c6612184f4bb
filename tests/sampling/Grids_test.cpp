// Sampling into value grids: 4D functions (still and animated), implicit surfaces in the three
// space coordinate systems, the value range, grids sized from the counts, and the same results
// on one thread and on several.

#include "SamplingFixture.h"
#include "sampling/SamplingInternal.h"

#include <cmath>

using namespace sampling_test;

namespace {

class Grids : public SamplingTest {
protected:
  std::unique_ptr<Graph> Make4D(int32_t type, const char* v, int32_t steps, float lo = 0,
                                float hi = 1) {
    auto g = Make4DGraph(type, v);
    Domain(*g, lo, hi, steps, lo, hi, steps);
    DomainW(*g, lo, hi, steps);
    return g;
  }
};

TEST_F(Grids, SumOfThreeVariables) {
  auto g = Make4D(Function4D, "x+y+z", 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->SampleGridV(2, 2, 2), 3.0f);
  EXPECT_EQ(g->SampleGrid1(1, 0, 2), 0.5f);
  EXPECT_EQ(g->SampleGrid2(1, 0, 2), 0.0f);
  EXPECT_EQ(g->SampleGrid3(1, 0, 2), 1.0f);
  EXPECT_EQ(g->SampleGridV(1, 0, 2), 1.5f);
  EXPECT_EQ(g->MinVV, 0.0f);
  EXPECT_EQ(g->MaxVV, 3.0f);
}

TEST_F(Grids, AnimatedFramesAndRange) {
  auto g = Make4D(Function4DAnimation, "x+t", 2);
  Animate(*g, 0, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  for (int32_t i = 0; i <= 2; ++i)
    for (int32_t f = 0; f <= 2; ++f)
      EXPECT_EQ(g->FrameGridV(i, 1, 2, f), i * 0.5f + f * 0.5f) << i << "," << f;
  EXPECT_EQ(g->FrameGrid1(2, 0, 0, 1), 1.0f);
  EXPECT_EQ(g->MinVV, 0.0f);
  EXPECT_EQ(g->MaxVV, 2.0f);
}

TEST_F(Grids, OtherFormsAndSystems) {
  auto g = Make4D(Function4D, "x", 2);
  g->FunForm = Implicit;
  g->MinVV = 7;
  g->MaxVV = 8;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->MinVV, 7.0f);
  EXPECT_EQ(g->MaxVV, 8.0f);
  EXPECT_FALSE(g->SampleGridV.InRange({0, 0, 0}));
  g->FunForm = Explicit;
  g->CoordType = Cylindrical;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->MinVV, 100000000.0f);
  EXPECT_EQ(g->MaxVV, -100000000.0f);
  EXPECT_FALSE(g->SampleGridV.InRange({0, 0, 0}));
}

TEST_F(Grids, ExpressVIsSampledOnlyIn4DDocuments) {
  auto g = Make4D(Function4D, "x+1", 2);
  DocumentType = DocumentType3D;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->MinVV, 100000000.0f);
  EXPECT_EQ(g->SampleGridV(2, 2, 2), 0.0f);
}

TEST_F(Grids, UndefinedValueTakesPartInTheRange) {
  auto g = Make4D(Function4D, "1/x+1", 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->SampleGridV(0, 1, 1), U);
  EXPECT_EQ(g->MinVV, U);
  EXPECT_EQ(g->MaxVV, 3.0f);
}

TEST_F(Grids, SmallerCountsLeaveTheRestOfTheGrid) {
  auto g = Make4D(Function4D, "x+10", 4);
  ASSERT_TRUE(g->GetPoints());
  g->ExpressV = "x+20";
  g->StepU = g->StepV = g->StepW = 2;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->SampleGridV(2, 2, 2), 21.0f);
  EXPECT_EQ(g->SampleGridV(3, 3, 3), 10.75f);
  EXPECT_EQ(g->SampleGridV(4, 0, 4), 11.0f);
  EXPECT_EQ(g->MaxVV, 21.0f);
}

// Beyond the fixed size grids have always had (101 samples each way; 51 and 11 frame steps), a
// grid gives back what smaller counts no longer need; up to it the samples beyond the counts stay.
TEST_F(Grids, GridsBeyondTheirFixedSizeGiveTheirStorageBackWhenTheCountsShrink) {
  auto g = Make4D(Function4D, "x", 150, 0, 150);
  g->StepV = g->StepW = 3;
  ASSERT_TRUE(g->GetPoints());
  g->StepU = 2;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->SampleGridV.Upper(0), 100);
  EXPECT_EQ(g->SampleGridV(100, 3, 3), 100.0f) << "kept within the fixed size";
  EXPECT_EQ(g->SampleGridV.Values().size(), 101u * 4 * 4);

  auto a = Make4D(Function4DAnimation, "t", 2);
  Animate(*a, 0, 2000, 2000);
  ASSERT_TRUE(a->GetPoints());
  FrameCount = 20;
  ASSERT_TRUE(a->GetPoints());
  EXPECT_EQ(a->FrameGridV.Upper(3), 20);
  EXPECT_EQ(a->FrameGridV.Values().size(), 3u * 3 * 3 * 21);
}

TEST_F(Grids, GridsFollowTheCountsBeyondTheOldCapacity) {
  auto g = Make4D(Function4D, "x", 150, 0, 150);
  g->StepV = g->StepW = 3;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->SampleGridV(150, 3, 3), 150.0f);
  auto a = Make4D(Function4DAnimation, "t", 60, 0, 1);
  a->StepV = a->StepW = 1;
  Animate(*a, 0, 20, 20);
  ASSERT_TRUE(a->GetPoints());
  EXPECT_EQ(a->FrameGridV(60, 1, 1, 20), 20.0f);
}

struct ImplicitRow {
  const char* name;
  int32_t coord;
  const char* f;
  int32_t i, j, k;
  P3 grid; // grids 1, 2, 3
  float value;
};

class ImplicitColumns : public SamplingTest, public ::testing::WithParamInterface<ImplicitRow> {};

TEST_P(ImplicitColumns, StoreInPointOrder) {
  const ImplicitRow& r = GetParam();
  auto g = MakeGraph(Surface3D, r.coord, Implicit, r.f, "0", "0");
  Domain(*g, -1, 1, 2, -1, 1, 2);
  DomainW(*g, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  GraphPoint p;
  p.x = g->SampleGrid1(r.i, r.j, r.k);
  p.y = g->SampleGrid2(r.i, r.j, r.k);
  p.z = g->SampleGrid3(r.i, r.j, r.k);
  EXPECT_TRUE(Near(p, r.grid, 1e-6f));
  EXPECT_FLOAT_EQ(g->SampleGridV(r.i, r.j, r.k), r.value);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, ImplicitColumns,
    ::testing::Values(
        ImplicitRow{"SphereCentre", Cartesian3D, "x^2+y^2+z^2-1", 1, 1, 1, {0, 0, 0}, -1},
        ImplicitRow{"SphereEdge", Cartesian3D, "x^2+y^2+z^2-1", 0, 2, 1, {1, 0, -1}, 1},
        // angle u = -1, radius v = 1, height w = 1
        ImplicitRow{"Cylindrical",
                    Cylindrical,
                    "r+z",
                    0,
                    2,
                    2,
                    {float(std::sin(-1.0)), 1, float(std::cos(-1.0))},
                    2},
        // azimuth u = 1, polar angle v = 1, radius w = -1
        ImplicitRow{"Spherical",
                    Spherical,
                    "r*b",
                    2,
                    2,
                    0,
                    {float(-std::sin(1.0) * std::sin(1.0)), float(-std::cos(1.0)),
                     float(-std::sin(1.0) * std::cos(1.0))},
                    -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Grids, ImplicitSurfaceKeepsItsValueRange) {
  auto g = MakeGraph(Surface3D, Cartesian3D, Implicit, "x^2+y^2+z^2-1", "0", "0");
  Domain(*g, -1, 1, 2, -1, 1, 2);
  DomainW(*g, -1, 1, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->GridValueMin, -1.0f);
  EXPECT_EQ(g->GridValueMax, 2.0f);
  EXPECT_EQ(g->MinVV, 0.0f); // the 4D range is not touched
}

TEST_F(Grids, AnimatedImplicitSurface) {
  auto g = MakeGraph(Surface3DAnimation, Cartesian3D, Implicit, "x+y+z+t", "0", "0");
  Domain(*g, 0, 1, 1, 0, 2, 2);
  DomainW(*g, 0, 3, 3);
  Animate(*g, 0, 10, 2);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_EQ(g->FrameGrid1(1, 2, 3, 2), 2.0f); // v
  EXPECT_EQ(g->FrameGrid2(1, 2, 3, 2), 3.0f); // w
  EXPECT_EQ(g->FrameGrid3(1, 2, 3, 2), 1.0f); // u
  EXPECT_EQ(g->FrameGridV(1, 2, 3, 2), 16.0f);
  for (const GraphPoint& p : g->Anim3D.Cells())
    EXPECT_TRUE(AtOrigin(p));
  // Other systems sample nothing.
  auto c = MakeGraph(Surface3DAnimation, Cylindrical, Implicit, "r", "0", "0");
  c->Animation = true;
  ASSERT_TRUE(c->GetPoints());
  EXPECT_FALSE(c->FrameGridV.InRange({0, 0, 0, 0}));
}

// ---------------------------------------------------------------------------------------------
// One thread or several: the same results, bit for bit.

struct GridSnapshot {
  std::vector<float> values;
  std::vector<GraphPoint> points;
  float min = 0, max = 0, gmin = 0, gmax = 0;
};

GridSnapshot Snapshot(Graph& g) {
  GridSnapshot s;
  for (ValueGrid<3>* grid : {&g.SampleGrid1, &g.SampleGrid2, &g.SampleGrid3, &g.SampleGridV})
    s.values.insert(s.values.end(), grid->Values().begin(), grid->Values().end());
  for (ValueGrid<4>* grid : {&g.FrameGrid1, &g.FrameGrid2, &g.FrameGrid3, &g.FrameGridV})
    s.values.insert(s.values.end(), grid->Values().begin(), grid->Values().end());
  for (PointArray<2>* a : {&g.Vert3D, &g.VertPX})
    s.points.insert(s.points.end(), a->Cells().begin(), a->Cells().end());
  if (g.Anim3D.HasPoints())
    s.points.insert(s.points.end(), g.Anim3D.Cells().begin(), g.Anim3D.Cells().end());
  s.min = g.MinVV;
  s.max = g.MaxVV;
  s.gmin = g.GridValueMin;
  s.gmax = g.GridValueMax;
  return s;
}

void ExpectSame(const GridSnapshot& a, const GridSnapshot& b) {
  ASSERT_EQ(a.values.size(), b.values.size());
  ASSERT_EQ(a.points.size(), b.points.size());
  size_t differing = 0;
  for (size_t n = 0; n < a.values.size(); ++n)
    differing += Bits(a.values[n]) != Bits(b.values[n]);
  for (size_t n = 0; n < a.points.size(); ++n)
    differing += !(a.points[n] == b.points[n]);
  EXPECT_EQ(differing, 0u);
  EXPECT_EQ(Bits(a.min), Bits(b.min));
  EXPECT_EQ(Bits(a.max), Bits(b.max));
  EXPECT_EQ(Bits(a.gmin), Bits(b.gmin));
  EXPECT_EQ(Bits(a.gmax), Bits(b.gmax));
}

struct ThreadRow {
  const char* name;
  int32_t type, coord, form;
  const char *x, *y, *z, *v;
  int32_t steps;
};

class OneOrManyThreads : public SamplingTest, public ::testing::WithParamInterface<ThreadRow> {};

TEST_P(OneOrManyThreads, GiveTheSameGrid) {
  const ThreadRow& r = GetParam();
  DocumentType = DocumentType4D;
  FrameCount = 3;
  auto make = [&r]() {
    auto g = MakeGraph(r.type, r.coord, r.form, r.x, r.y, r.z);
    g->ExpressV = r.v;
    Domain(*g, -1.3f, 1.7f, r.steps, -2, 0.9f, r.steps);
    DomainW(*g, -0.7f, 2.1f, r.steps);
    g->MaxT = 2;
    g->Animation = true;
    g->ShowSurPX = r.type == Surface3D && r.form == Explicit;
    return g;
  };
  auto one = make();
  SamplingThreads = 1;
  ASSERT_TRUE(one->GetPoints());
  auto many = make();
  SamplingThreads = 7;
  ASSERT_TRUE(many->GetPoints());
  ExpectSame(Snapshot(*one), Snapshot(*many));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OneOrManyThreads,
    ::testing::Values(ThreadRow{"Grid4D", Function4D, Cartesian3D, Explicit, "0", "0", "0",
                                "sin(x*y)+log(z)-sqr(x-y)", 100},
                      ThreadRow{"ImplicitSurface", Surface3D, Cartesian3D, Implicit,
                                "x^2+y^2-z^2/(x+y)", "0", "0", "0", 100},
                      ThreadRow{"ImplicitSpherical", Surface3D, Spherical, Implicit, "r-1-0*a*b",
                                "0", "0", "0", 40},
                      ThreadRow{"ExplicitSurface", Surface3D, Cartesian3D, Explicit, "x", "y",
                                "sqr(x*y)", "0", 200},
                      ThreadRow{"AnimatedGrid4D", Function4DAnimation, Cartesian3D, Explicit, "0",
                                "0", "0", "x*t-y/z", 30},
                      ThreadRow{"AnimatedSurface", Surface3DAnimation, Cartesian3D, Parametric, "u",
                                "v", "t/(u+v)", "0", 120}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Sampling runs each formula along a whole row or column of samples where it can; with the
// evaluation errors reported it goes point by point. Formulas without faults give the same bits
// both ways.
class AlongOrPointByPoint : public SamplingTest, public ::testing::WithParamInterface<ThreadRow> {};

TEST_P(AlongOrPointByPoint, GiveTheSameGrid) {
  const ThreadRow& r = GetParam();
  DocumentType = DocumentType4D;
  auto make = [&r]() {
    auto g = MakeGraph(r.type, r.coord, r.form, r.x, r.y, r.z);
    g->ExpressV = r.v;
    Domain(*g, -1.3f, 1.7f, r.steps, -2, 0.9f, r.steps + 3);
    DomainW(*g, 0.7f, 2.1f, r.steps + 1);
    return g;
  };
  auto along = make();
  ASSERT_TRUE(along->GetPoints());
  auto single = make();
  ShowEvaluationErrors = true;
  const bool ok = single->GetPoints();
  ShowEvaluationErrors = false;
  ASSERT_TRUE(ok);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  ExpectSame(Snapshot(*along), Snapshot(*single));
}

INSTANTIATE_TEST_SUITE_P(Kinds, AlongOrPointByPoint,
                         ::testing::Values(ThreadRow{"Grid4D", Function4D, Cartesian3D, Explicit,
                                                     "0", "0", "0", "sin(x*y)+z^3-x/z", 20},
                                           ThreadRow{"ImplicitCylindrical", Surface3D, Cylindrical,
                                                     Implicit, "r^2-z*cos(a)", "0", "0", "0", 20},
                                           ThreadRow{"ImplicitSpherical", Surface3D, Spherical,
                                                     Implicit, "r-1-0*a*b", "0", "0", "0", 20},
                                           ThreadRow{"ExplicitSurface", Surface3D, Cartesian3D,
                                                     Explicit, "x*2", "y-1", "sin(x)*cos(y)*50",
                                                     "0", 30},
                                           ThreadRow{"ParametricSurface", Surface3D, Cartesian3D,
                                                     Parametric, "u*v", "v", "u-v", "0", 30}),
                         [](const auto& info) { return std::string(info.param.name); });

// A loop is split only when its work pays for the threads even on a busy machine, and then into
// more chunks than threads, each of enough work. The work counts what the points really run: the
// x and y formulas of a surface over the plane cost next to nothing beside its height.
TEST(ChunksForTest, SplitsOnlyWorkThatPaysAndIntoSmallChunks) {
  const int64_t plain = sampling::SampledFormula("XX ", nullptr, false).Work();
  const int64_t height = sampling::SampledFormula("XX SIN YY COS * ", nullptr, false).Work();
  const int64_t sphere =
      sampling::SampledFormula("XX 2 ^ YY 2 ^ + ZZ 2 ^ + 1 - ", nullptr, false).Work();
  EXPECT_LE(plain, 4);
  EXPECT_GE(height, 3 * plain);
  const int64_t surfacePoint = 2 * plain + height + 2;
  struct Row {
    const char* what;
    int64_t count, perIndex;
    int threads, chunks;
  } rows[] = {
      {"a 150 x 150 surface", 151, 151 * surfacePoint, 8, 1},
      {"a 300 x 300 surface", 301, 301 * surfacePoint, 8, 1},
      {"a 400 x 400 surface", 401, 401 * surfacePoint, 8, 8},
      {"a 40^3 grid", 41, 41 * 41 * (sphere + 2), 8, 1},
      {"a 100^3 grid", 101, 101 * 101 * (sphere + 2), 8, 64},
      {"one thread asked for", 101, 101 * 101 * (sphere + 2), 1, 1},
      {"no more chunks than indices", 3, 10'000'000, 8, 3},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const int chunks = sampling::ChunksFor(r.count, r.perIndex, r.threads);
    const int64_t work = r.count * r.perIndex;
    if (r.chunks == 1) {
      EXPECT_EQ(chunks, 1);
      continue;
    }
    EXPECT_GE(work, sampling::MinWorkToSplit);
    EXPECT_GE(chunks, std::min<int64_t>(r.threads, r.count));
    EXPECT_LE(chunks, std::min<int64_t>(8 * r.threads, r.count));
    if (chunks > r.threads) {
      EXPECT_GE(work / chunks, sampling::MinWorkPerChunk);
    }
  }
}

// A formula that draws random numbers keeps the order of its draws: it is sampled on one thread.
TEST(SampledFormulaTest, KnowsWhenItDrawsRandomNumbers) {
  EXPECT_TRUE(sampling::SampledFormula("1 RND XX + ", nullptr, false).UsesRandom());
  EXPECT_FALSE(sampling::SampledFormula("XX SIN ", nullptr, false).UsesRandom());
  EXPECT_FALSE(sampling::SampledFormula("1 XX + ", nullptr, false).UsesRandom());
}

} // namespace
