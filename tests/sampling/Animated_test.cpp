// Sampling of the animated curves, ribbons and surfaces: one set of points per frame step, the
// frame values, the pairing of the animated kinds, the points that are created even when the
// graph's Animation flag is off, and long samplings that report their steps and stop at Cancel.

#include "SamplingFixture.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/WorkProgress.h"

using namespace sampling_test;

namespace {

class Animated : public SamplingTest {};

TEST_F(Animated, FrameStepsRunFromMinTToMaxT) {
  auto g = MakeGraph(Curve2DAnimation, Cartesian2D, Explicit, "0", "0", "t");
  Domain(*g, 0, 1, 1, 0, 1, 2);
  Animate(*g, 0, 1, 10);
  ASSERT_TRUE(g->GetPoints());
  ASSERT_EQ(g->Anim2D.Upper(0), 2);
  ASSERT_EQ(g->Anim2D.Upper(1), 10);
  for (int32_t k = 0; k <= 10; ++k)
    for (int32_t i = 0; i <= 2; ++i)
      EXPECT_EQ(g->Anim2D(i, k).y, float(0.0 + k * double(0.1f))) << i << "," << k;
  EXPECT_EQ(g->Anim2D(1, 10).y, 1.0f);
  EXPECT_EQ(g->Anim2D(2, 3).x, 1.0f);
}

TEST_F(Animated, FormulaWithoutTIsTheSameAtEveryStep) {
  auto g = MakeGraph(Curve3DAnimation, Cartesian3D, Parametric, "cos(u)", "sin(u)", "u");
  Domain(*g, 0, 3, 6, 0, 1, 1);
  g->Animation = true;
  FrameCount = 3;
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 6; ++j)
    for (int32_t k = 1; k <= 3; ++k)
      EXPECT_EQ(g->AnimCurve3D(j, k), g->AnimCurve3D(j, 0));
}

TEST_F(Animated, ExplicitSurfaceTakesItsPositionFromTheSamples) {
  auto g = MakeGraph(Surface3DAnimation, Cartesian3D, Explicit, "7", "y*9", "sin(x+t)");
  Domain(*g, 0, 1, 2, 0, 1, 4);
  Animate(*g, 0, 2, 2);
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 2; ++j)
    for (int32_t i = 0; i <= 4; ++i)
      for (int32_t k = 0; k <= 2; ++k) {
        const float u = j * 0.5f, v = i * 0.25f, t = float(k);
        EXPECT_TRUE(Near(g->Anim3D(j, i, k), {v, std::sin(u + t), u})) << j << i << k;
      }
  EXPECT_TRUE(AtOrigin(g->Vert3D(0, 0)));
}

TEST_F(Animated, SurfaceCoordinateSystems) {
  auto cyl = MakeGraph(Surface3DAnimation, Cylindrical, Explicit, "0", "0", "t");
  Domain(*cyl, 0, kPi / 2, 1, 1, 2, 1);
  Animate(*cyl, 0, 4, 1);
  ASSERT_TRUE(cyl->GetPoints());
  EXPECT_TRUE(Near(cyl->Anim3D(1, 1, 1), {2, 4, 0}, 1e-6f));
  auto sph = MakeGraph(Surface3DAnimation, Spherical, Explicit, "0", "0", "1+t");
  Domain(*sph, 0, 1, 1, 0, kPi / 2, 1);
  sph->Animation = true;
  sph->MaxT = 1;
  ASSERT_TRUE(sph->GetPoints());
  EXPECT_TRUE(Near(sph->Anim3D(0, 0, 1), {0, 2, 0}));
  EXPECT_TRUE(Near(sph->Anim3D(0, 1, 1), {0, 0, 2}, 1e-6f));
  auto par = MakeGraph(Surface3DAnimation, Cartesian3D, Parametric, "u", "v", "t");
  Domain(*par, 0, 1, 1, 0, 1, 1);
  par->Animation = true;
  par->MaxT = 5;
  ASSERT_TRUE(par->GetPoints());
  EXPECT_TRUE(Near(par->Anim3D(1, 0, 1), {0, 5, 1}));
}

TEST_F(Animated, CurvesAreMarkedWithTheScenePairing) {
  ViewMinX = 1;
  ViewMaxX = 2;
  auto anim = MakeGraph(Curve2DAnimation, Cartesian2D, Explicit, "0", "0", "x*t");
  Domain(*anim, 0, 1, 1, 0, 3, 3);
  Animate(*anim, 0, 1, 1);
  ASSERT_TRUE(anim->GetPoints());
  for (const GraphPoint& p : anim->Anim2D.Cells())
    EXPECT_EQ(p.z, U);
  EXPECT_TRUE(Near(anim->Anim2D(3, 1), {3, 3, U}));
  // The still curve keeps z and loses x outside 1 .. 2.
  auto still = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x");
  Domain(*still, 0, 1, 1, 0, 3, 3);
  ASSERT_TRUE(still->GetPoints());
  EXPECT_TRUE(Near(still->Vert3D(0, 0), {U, 0, 0}));
  EXPECT_TRUE(Near(still->Vert3D(0, 1), {1, 1, 0}));
  EXPECT_TRUE(Near(still->Vert3D(0, 3), {U, 3, 0}));
}

TEST_F(Animated, ImplicitCurveMarksNothingButAnImplicitRibbonDoes) {
  ViewMinX = 1;
  auto curve = MakeGraph(Curve2DAnimation, Cartesian2D, Implicit, "x^2+y^2-1", "0", "0");
  Domain(*curve, -1, 1, 2, -1, 1, 2);
  curve->Animation = true;
  FrameCount = 2;
  ASSERT_TRUE(curve->GetPoints());
  for (const GraphPoint& p : curve->Anim2D.Cells())
    EXPECT_TRUE(AtOrigin(p));
  auto ribbon = MakeGraph(Ribbon25DAnimation, Cartesian2D, Implicit, "x^2+y^2-1", "0", "0");
  Domain(*ribbon, -1, 1, 2, -1, 1, 2);
  ribbon->Animation = true;
  ASSERT_TRUE(ribbon->GetPoints());
  for (int32_t i = 0; i <= 2; ++i)
    for (int32_t k = 0; k <= 2; ++k) {
      EXPECT_TRUE(Near(ribbon->AnimRibbon(0, i, k), {0, 0, U}));
      EXPECT_TRUE(AtOrigin(ribbon->AnimRibbon(1, i, k))); // the back edge is GetBox's
    }
}

TEST_F(Animated, Explicit3DCurveScansItsVariable) {
  auto g = MakeGraph(Curve3DAnimation, Cartesian3D, Explicit, "0", "0", "x*t");
  Domain(*g, 0, 2, 2, 0, 1, 1);
  Animate(*g, 1, 3, 2);
  ASSERT_TRUE(g->GetPoints());
  for (int32_t j = 0; j <= 2; ++j)
    for (int32_t k = 0; k <= 2; ++k)
      EXPECT_TRUE(Near(g->AnimCurve3D(j, k), {0, float(j) * (1.0f + k), float(j)}));
}

TEST_F(Animated, RibbonSamplesRowZeroOfEveryFrame) {
  auto g = MakeGraph(Ribbon25DAnimation, Polar, Explicit, "0", "0", "t");
  Domain(*g, 0, 1, 1, 0, kPi, 2);
  Animate(*g, 1, 2, 1);
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(Near(g->AnimRibbon(0, 0, 1), {2, 0, 0}));
  EXPECT_TRUE(Near(g->AnimRibbon(0, 2, 0), {-1, 0, 0}, 1e-6f));
}

TEST_F(Animated, Function4DAnimationLaysOutAnim4DWithoutPoints) {
  auto g = Make4DGraph(Function4DAnimation, "x");
  Domain(*g, 0, 1, 2, 0, 1, 2);
  g->StepW = 2;
  g->Animation = true;
  FrameCount = 3;
  ASSERT_TRUE(g->GetPoints());
  EXPECT_TRUE(g->Anim4D.Allocated());
  EXPECT_FALSE(g->Anim4D.HasPoints());
  EXPECT_EQ(g->Anim4D.Upper(3), 3);
}

// Many frames take long to sample: a graph's sampling tells the work in progress how far it is,
// step by step, and stops at the first step after Cancel, leaving the rest unsampled.
TEST_F(Animated, LongSamplingReportsItsStepsAndStopsAtCancel) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<Graph>()> make;
    std::function<float(const Graph&)> lastSample; // 0 until sampled (or laid out)
  };
  const Case cases[] = {
      {"surface",
       [] {
         auto g = MakeGraph(Surface3DAnimation, Cartesian3D, Explicit, "0", "0", "1+t");
         Domain(*g, 0, 1, 40, 0, 1, 40);
         Animate(*g, 0, 1, 2000);
         return g;
       },
       [](const Graph& g) {
         return g.Anim3D.InRange({40, 40, 2000}) ? g.Anim3D(40, 40, 2000).y : 0;
       }},
      {"4D",
       [] {
         auto g = Make4DGraph(Function4DAnimation, "1+t");
         Domain(*g, 0, 1, 15, 0, 1, 15);
         DomainW(*g, 0, 1, 15);
         Animate(*g, 0, 1, 1100);
         return g;
       },
       [](const Graph& g) {
         return g.FrameGridV.InRange({15, 15, 15, 1100}) ? g.FrameGridV(15, 15, 15, 1100) : 0;
       }},
      {"2D curve",
       [] {
         auto g = MakeGraph(Curve2DAnimation, Cartesian2D, Explicit, "0", "0", "1+t");
         Domain(*g, 0, 1, 1, 0, 1, 30);
         Animate(*g, 0, 1, 50);
         return g;
       },
       [](const Graph& g) {
         return g.Anim2D.InRange({30, 50}) ? g.Anim2D(30, 50).y : 0;
       }},
      {"3D curve",
       [] {
         auto g = MakeGraph(Curve3DAnimation, Cartesian3D, Parametric, "u", "u", "1+t");
         Domain(*g, 0, 1, 30, 0, 1, 1);
         Animate(*g, 0, 1, 50);
         return g;
       },
       [](const Graph& g) {
         return g.AnimCurve3D.InRange({30, 50}) ? g.AnimCurve3D(30, 50).y : 0;
       }},
      {"point",
       [] {
         auto g = MakeGraph(PointAnimation, Cartesian3D, Explicit, "0", "0", "1+t");
         Animate(*g, 0, 1, 3000);
         return g;
       },
       [](const Graph& g) { return g.Anim1D.InRange({3000}) ? g.Anim1D(3000).y : 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedProgressShower progress;
    SetProgressShower(&progress);
    {
      WorkScope work("Sampling...");
      auto g = c.make();
      EXPECT_TRUE(g->GetPoints());
      EXPECT_GE(progress.steps, 2) << "one graph's sampling reports its own steps";
      EXPECT_NE(c.lastSample(*g), 0.0f);
    }
    progress.steps = 0;
    progress.cancelAtStep = 2;
    {
      WorkScope work("Sampling...");
      auto g = c.make();
      EXPECT_FALSE(g->GetPoints());
      EXPECT_TRUE(WorkWasCancelled());
      EXPECT_EQ(progress.steps, 2) << "no step after Cancel";
      EXPECT_EQ(c.lastSample(*g), 0.0f) << "stopped before the last sample";
    }
    SetProgressShower(nullptr);
  }
  EXPECT_TRUE(dialogs.prompter.shown.empty()) << "Cancel is no failure to report";
}

// A progress window whose user presses Cancel at the first report that finds rows sampled, and
// notes how many rows were sampled then.
class CancelWhenRowsAreSampled : public ProgressShower {
public:
  explicit CancelWhenRowsAreSampled(std::function<int64_t()> rowsSampled)
      : m_rowsSampled(std::move(rowsSampled)) {}
  int64_t rowsAtCancel = 0;

  std::unique_ptr<WorkProgress> Begin(const std::string&) override {
    return std::make_unique<Window>(*this);
  }

private:
  struct Window : WorkProgress {
    explicit Window(CancelWhenRowsAreSampled& shower) : user(shower) {}
    bool Step(int64_t, int64_t) override {
      if (user.rowsAtCancel == 0) user.rowsAtCancel = user.m_rowsSampled();
      return user.rowsAtCancel == 0;
    }
    CancelWhenRowsAreSampled& user;
  };
  std::function<int64_t()> m_rowsSampled;
};

// A graph large enough to be sampled in several pieces stops within the piece after Cancel, not
// at the end of its rows: Cancel pressed at the first report of sampled rows leaves every later
// row unsampled, whether the rows are the x samples of a still 4D graph or the frame steps and x
// samples of an animated one.
TEST_F(Animated, CancelStopsALargeGraphWithinThePieceAfterIt) {
  // Values from 1 to 3: a value of 0 is a sample not yet written.
  const std::string values = "2+sin(x)*cos(y)*sin(z+t)";
  struct Case {
    const char* name;
    std::function<std::unique_ptr<Graph>()> make;
    int64_t rows;
    std::function<int64_t(const Graph&)> rowsSampled;
  };
  const Case cases[] = {
      {"still",
       [&] {
         auto g = Make4DGraph(Function4D, values);
         Domain(*g, -1, 1, 150, -1, 1, 80);
         DomainW(*g, -1, 1, 80);
         return g;
       },
       151,
       [](const Graph& g) {
         int64_t sampled = 0;
         if (g.SampleGridV.InRange({150, 80, 80}))
           for (int32_t i = 0; i <= 150; ++i)
             sampled += g.SampleGridV(i, 0, 0) != 0.0f;
         return sampled;
       }},
      {"animated",
       [&] {
         auto g = Make4DGraph(Function4DAnimation, values);
         Domain(*g, -1, 1, 40, -1, 1, 40);
         DomainW(*g, -1, 1, 40);
         Animate(*g, 0, 1, 20);
         return g;
       },
       21 * 41,
       [](const Graph& g) {
         int64_t sampled = 0;
         if (g.FrameGridV.InRange({40, 40, 40, 20}))
           for (int32_t f = 0; f <= 20; ++f)
             for (int32_t i = 0; i <= 40; ++i)
               sampled += g.FrameGridV(i, 0, 0, f) != 0.0f;
         return sampled;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<Graph> g = c.make();
    CancelWhenRowsAreSampled user([&] { return c.rowsSampled(*g); });
    SetProgressShower(&user);
    {
      WorkScope work("Sampling...");
      EXPECT_FALSE(g->GetPoints());
      EXPECT_TRUE(WorkWasCancelled());
    }
    SetProgressShower(nullptr);
    // The first piece was reported before the last rows: the graph takes several pieces.
    ASSERT_GT(user.rowsAtCancel, 0);
    ASSERT_LE(user.rowsAtCancel * 3, c.rows) << "the graph is sampled in several pieces";
    // After Cancel at most the piece under way when it came; the piece reported was the first,
    // so a piece is as many rows as it had.
    const int64_t after = c.rowsSampled(*g) - user.rowsAtCancel;
    EXPECT_LE(after, user.rowsAtCancel)
        << after << " rows sampled after Cancel, " << user.rowsAtCancel << " before, of " << c.rows;
  }
  EXPECT_TRUE(dialogs.prompter.shown.empty()) << "Cancel is no failure to report";
}

} // namespace
