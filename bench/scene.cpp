// Frames per second of the scene: a still scene of a lit mesh of about 200,000 triangles, rebuilt
// after a change of the roll, pitch or yaw and presented, presented alone (a repaint), and one
// step of a trackball drag (the rotation changed, compiled and presented while the drag is in
// progress), in an 800 x 600 framebuffer; and the still frame of a 2D document of 1 and of 100
// curves. Needs a display (run under Xvfb).

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "BenchGl.h"
#include "model/Graph.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/SceneLight.h"
#include "view/camera/Trackball.h"
#include "view/scene/GlView.h"
#include "view/scene/Scene.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr int kGrid = 317; // 2 * 316 * 316 = 199,712 triangles

// A wavy surface over [-10, 10]^2 with normals, drawn as one graph.
class MeshSource : public OneGraphSource {
public:
  MeshSource() {
    const int n = kGrid;
    points.resize(static_cast<size_t>(n * n));
    normals.resize(points.size());
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        const float x = -10.0f + 20.0f * static_cast<float>(i) / (n - 1);
        const float z = -10.0f + 20.0f * static_cast<float>(j) / (n - 1);
        const float y = 2.0f * std::sin(x) * std::cos(z);
        points[static_cast<size_t>(i * n + j)] = {x, y, z};
        const float dx = 2.0f * std::cos(x) * std::cos(z), dz = -2.0f * std::sin(x) * std::sin(z);
        const float len = std::sqrt(dx * dx + 1.0f + dz * dz);
        normals[static_cast<size_t>(i * n + j)] = {-dx / len, 1.0f / len, -dz / len};
      }
  }
  BoundingBox GetBox(int32_t) override { return BoundingBox{-10, 10, -2, 2, -10, 10}; }
  void SceneRotation(float& r, float& p, float& y) override {
    r = 0;
    p = -30;
    y = yaw;
  }
  int32_t GraphType(int32_t) override { return 2; }
  void DrawGraph(int32_t, int32_t) override {
    glColor3f(0.3f, 0.6f, 0.9f);
    glEnable(GL_COLOR_MATERIAL);
    // One triangle strip per row of the grid, as a surface is drawn: two triangles per cell.
    const int n = kGrid;
    for (int i = 0; i + 1 < n; ++i) {
      glBegin(GL_TRIANGLE_STRIP);
      for (int j = 0; j < n; ++j)
        for (int k : {i * n + j, (i + 1) * n + j}) {
          glNormal3fv(normals[static_cast<size_t>(k)].data());
          glVertex3fv(points[static_cast<size_t>(k)].data());
        }
      glEnd();
    }
  }

  std::vector<std::array<float, 3>> points, normals;
  float yaw = 45;
};

struct SceneFixture {
  SceneFixture() {
    if (!gl.ok) return;
    DocumentType = DocumentType3D;
    ShowLegend = false;
    Camera.SetScreen(kWidth, kHeight);
    Camera.SetViewRect(30, 30);
    scene.SetSource(&source);
    scene.InitializeGL();
  }
  GlSetup gl{kWidth, kHeight};
  MeshSource source;
  Scene scene;
};

void BM_RebuildAndPresent(benchmark::State& state) {
  SceneFixture f;
  if (!f.gl.ok) {
    state.SkipWithError("no OpenGL context (run under Xvfb)");
    return;
  }
  for (auto _ : state) {
    f.source.yaw += 1.0f;
    f.scene.BuildScene();
    f.scene.Display(1);
    glFinish();
  }
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RebuildAndPresent)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PresentOnly(benchmark::State& state) {
  SceneFixture f;
  if (!f.gl.ok) {
    state.SkipWithError("no OpenGL context (run under Xvfb)");
    return;
  }
  f.scene.BuildScene();
  for (auto _ : state) {
    f.scene.Display(1);
    glFinish();
  }
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PresentOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// One mouse move of a trackball drag: the main window turns CurrentRotation a little, then
// compiles and presents.
void BM_DragStep(benchmark::State& state) {
  SceneFixture f;
  if (!f.gl.ok) {
    state.SkipWithError("no OpenGL context (run under Xvfb)");
    return;
  }
  f.scene.BuildScene();
  f.scene.Display(1);
  f.scene.BeginDrag();
  Quaternion step{};
  TrackballQuaternion(step, 0.0f, 0.0f, 0.01f, 0.005f);
  for (auto _ : state) {
    CombineRotations(step, f.scene.CurrentRotation, f.scene.CurrentRotation);
    f.scene.UseTrackballRotation = true;
    f.scene.BuildScene();
    f.scene.Display(1);
    glFinish();
  }
  f.scene.EndDrag();
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// A still frame of a 2D document of n curves (range(0)): each an explicit curve of 200 segments
// in its own colour, width 2, over the document's axes; compiled and presented in its three
// passes. The 1-curve row is the reference of the 100-curve one.
// Shows n explicit curves of 200 segments each in their own colour, width 2, in a 2D document.
void ShowCurves(int n) {
  DocumentType = DocumentType2D;
  ShowLegend = false;
  Camera.SetScreen(kWidth, kHeight);
  Camera.SetViewRect(30, 30);
  ShownGraphs.FunSurfs.Clear();
  for (int k = 0; k < n; ++k) {
    auto g = std::make_shared<Graph>();
    g->ID = k + 1;
    g->GraphType = Curve2D;
    g->CoordType = Cartesian2D;
    g->FunForm = Explicit;
    g->ExpressX = "0";
    g->ExpressY = "x";
    g->ExpressZ = "sin(x+" + std::to_string(k) + "/10)*" + std::to_string(1 + k % 7);
    g->MinV = -6;
    g->MaxV = 6;
    g->StepU = 1;
    g->StepV = 200;
    g->Show2DCurve = true;
    g->LineColor = (k * 2654435) & 0xFFFFFF;
    g->LineWidth = 2;
    g->GetPoints();
    ShownGraphs.FunSurfs.Add(g);
  }
}

void BM_Curves2DStill(benchmark::State& state) {
  GlSetup gl{kWidth, kHeight};
  if (!gl.ok) {
    state.SkipWithError("no OpenGL context (run under Xvfb)");
    return;
  }
  ShowCurves(static_cast<int>(state.range(0)));
  Scene scene;
  scene.InitializeGL();
  for (auto _ : state) {
    scene.BuildScene();
    scene.Display(0);
    glFinish();
  }
  ShownGraphs.FunSurfs.Clear();
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Curves2DStill)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// 100 curves of 201 points each in their own colour, width 2, as the only content of a 2D
// document (no axes), drawn in immediate mode: what the scene records into its list is what a
// plain loop draws.
class CurvesSource : public OneGraphSource {
public:
  CurvesSource() {
    for (int c = 0; c < 100; ++c) {
      std::vector<std::array<float, 3>> curve;
      for (int i = 0; i <= 200; ++i) {
        const float x = -12.0f + 24.0f * static_cast<float>(i) / 200.0f;
        curve.push_back({x, std::sin(x + static_cast<float>(c) / 10.0f) * float(1 + c % 7), 0.0f});
      }
      curves.push_back(curve);
    }
  }
  BoundingBox GetBox(int32_t) override { return BoundingBox{-12, 12, -8, 8, -1, 1}; }
  void SceneRotation(float& r, float& p, float& y) override { r = p = y = 0; }
  int32_t GraphType(int32_t) override { return 1; }
  void DrawGraph(int32_t, int32_t) override {
    glDisable(GL_LIGHTING);
    glLineWidth(2.0f);
    for (size_t c = 0; c < curves.size(); ++c) {
      const uint32_t colour = static_cast<uint32_t>(c * 2654435u);
      glColor3ub(GLubyte(colour), GLubyte(colour >> 8), GLubyte(colour >> 16));
      glBegin(GL_LINE_STRIP);
      for (const auto& p : curves[c])
        glVertex3fv(p.data());
      glEnd();
    }
  }

  std::vector<std::vector<std::array<float, 3>>> curves;
};

// The still frame (three jittered passes averaged) against three plain passes of the same
// vertices. A plain pass does what a GL 1.1 program drawing the scene would: clears, sets the
// lights and the camera's projection, turns the scene as the scene turns it, draws the source's
// vertices in immediate mode (glBegin, glNormal, glVertex: the very calls the scene recorded into
// its list) and waits for the drawing to finish (glFinish), so that every pass is whole before
// the next begins, as the still frame's passes are (each is read back). Both are timed in every
// iteration, in turns (which goes first alternates: the first drawing after the other pays for
// its leftovers); x_still_raw3 is the still frames' time over the plain passes' time. Run with
// --benchmark_min_time of a few seconds for a stable figure.
void StillOverPlainPasses(benchmark::State& state, Scene& scene, SceneSource& source) {
  using Clock = std::chrono::steady_clock;
  using Seconds = std::chrono::duration<double>;
  scene.SetSource(&source);
  scene.InitializeGL();
  scene.BuildScene();
  auto still = [&] {
    const auto t0 = Clock::now();
    scene.Display(1);
    glFinish();
    return Seconds(Clock::now() - t0);
  };
  auto plain = [&] {
    const auto t0 = Clock::now();
    for (int pass = 0; pass < 3; ++pass) {
      Light.SetLight();
      glShadeModel(GL_SMOOTH);
      Camera.Projection(0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      glPushMatrix();
      glMultMatrixf(scene.RotationMatrix().data());
      source.DrawGraph(1, 0);
      glPopMatrix();
      glFinish();
    }
    return Seconds(Clock::now() - t0);
  };
  Seconds stillTime{0}, plainTime{0};
  bool stillFirst = true;
  for (auto _ : state) {
    if (stillFirst) {
      stillTime += still();
      plainTime += plain();
    } else {
      plainTime += plain();
      stillTime += still();
    }
    stillFirst = !stillFirst;
  }
  state.counters["x_still_raw3"] =
      plainTime.count() > 0 ? stillTime.count() / plainTime.count() : 0.0;
  state.counters["still_ms"] = 1000 * stillTime.count() / double(state.iterations());
  state.counters["plain3_ms"] = 1000 * plainTime.count() / double(state.iterations());
}

void BM_StillOverPlain3Curves(benchmark::State& state) {
  GlSetup gl{kWidth, kHeight};
  if (!gl.ok) {
    state.SkipWithError("no OpenGL context (run under Xvfb)");
    return;
  }
  DocumentType = DocumentType2D;
  ShowLegend = false;
  Camera = SceneCamera();
  Camera.SetScreen(kWidth, kHeight);
  Camera.SetViewRect(30, 30);
  CurvesSource source;
  Scene scene;
  StillOverPlainPasses(state, scene, source);
}
BENCHMARK(BM_StillOverPlain3Curves)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
      return *std::min_element(v.begin(), v.end());
    });

// The lit mesh of about 200,000 triangles in a 3D document.
void BM_StillOverPlain3Mesh(benchmark::State& state) {
  SceneFixture f;
  if (!f.gl.ok) {
    state.SkipWithError("no OpenGL context (run under Xvfb)");
    return;
  }
  StillOverPlainPasses(state, f.scene, f.source);
}
BENCHMARK(BM_StillOverPlain3Mesh)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
      return *std::min_element(v.begin(), v.end());
    });

} // namespace

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(GlView::ViewFormat());
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
