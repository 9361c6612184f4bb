// Surface drawing speed: building the mesh of a sampled surface (positions, colour-map colours,
// texture coordinates, cell and vertex normals) at 51 x 51, 101 x 101 and 201 x 201 points, whose
// time grows with the cells; the floor overlays of a 201 x 201 surface; and one step of a
// trackball drag over a 201 x 201 surface drawn by Graph::Draw in an 800 x 600 framebuffer (needs a
// display: run under Xvfb; without one that benchmark is skipped).

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <GL/gl.h>

#include <memory>

#include "model/Graph.h"
#include "model/ProgramState.h"
#include "render/surfaces/SurfaceMesh.h"
#include "render/surfaces/SurfaceOverlays.h"
#include "view/camera/SceneLight.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/Trackball.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"
#include "BenchGl.h"

namespace {

std::unique_ptr<Graph> SampledSurface(int32_t steps) {
  auto g = std::make_unique<Graph>();
  g->GraphType = Surface3D;
  g->CoordType = Cartesian3D;
  g->FunForm = Explicit;
  g->ExpressX = "x";
  g->ExpressY = "y";
  g->ExpressZ = "sin(x)*cos(y)";
  g->MinU = g->MinV = -3;
  g->MaxU = g->MaxV = 3;
  g->StepU = g->StepV = steps;
  g->Show = ModelSurface;
  g->Smoothness = ShadeSmoothest;
  g->FillStyle = ColorMapFill;
  g->ColorName = "Rainbow";
  DocumentType = DocumentType3D;
  g->GetPoints();
  g->GetBox();
  return g;
}

// range(0): steps each way. Items are cells.
void BM_SurfaceMesh(benchmark::State& state) {
  const auto steps = static_cast<int32_t>(state.range(0));
  auto g = SampledSurface(steps);
  const SurfaceBox box = SurfaceBox::OfGraph(*g);
  const SurfaceFill fill = SurfaceFill::OfGraph(*g);
  for (auto _ : state) {
    const SurfaceGrid grid = GridOfGraph(*g, 0);
    benchmark::DoNotOptimize(BuildSurfaceMesh(grid, box, SceneMapping{}, fill));
  }
  const int64_t cells = int64_t{steps} * steps;
  state.SetItemsProcessed(state.iterations() * cells);
  state.SetComplexityN(cells);
}
BENCHMARK(BM_SurfaceMesh)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// The colour map, 10 contour levels and the gradient arrows on the floor of a 201 x 201 surface.
void BM_FloorOverlays200(benchmark::State& state) {
  auto g = SampledSurface(200);
  const SurfaceBox box = SurfaceBox::OfGraph(*g);
  const SurfaceGrid grid = GridOfGraph(*g, 0);
  const SurfaceMesh mesh = BuildSurfaceMesh(grid, box, SceneMapping{}, SurfaceFill::OfGraph(*g));
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildFloorColorMap(grid, mesh, box, SceneMapping{}));
    benchmark::DoNotOptimize(BuildFloorContours(grid, box, SceneMapping{}, 10));
    benchmark::DoNotOptimize(BuildFloorArrows(grid, box, SceneMapping{}));
  }
}
BENCHMARK(BM_FloorOverlays200)->Unit(benchmark::kMillisecond);

constexpr int kWidth = 800, kHeight = 600;

// One surface graph as the scene's only content.
class SurfaceSource : public OneGraphSource {
public:
  explicit SurfaceSource(Graph& graph) : g(graph) {}
  BoundingBox GetBox(int32_t) override {
    AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
    return g.GetBox();
  }
  void SceneRotation(float& r, float& p, float& y) override {
    r = 0;
    p = -30;
    y = 45;
  }
  int32_t GraphType(int32_t) override { return g.GraphType; }
  void DrawGraph(int32_t, int32_t) override { g.Draw(); }

private:
  Graph& g;
};


// One mouse move of a trackball drag over the surface: turned, compiled and presented.
void BM_DragStepSurface200(benchmark::State& state) {
  GlSetup gl{kWidth, kHeight};
  if (!gl.ok) {
    state.SkipWithError("no OpenGL context (run under Xvfb)");
    return;
  }
  auto g = SampledSurface(200);
  SurfaceSource source(*g);
  ShowLegend = false;
  Camera.SetScreen(kWidth, kHeight);
  Camera.SetViewRect(10, 10);
  Scene scene;
  scene.SetSource(&source);
  scene.InitializeGL();
  scene.BuildScene();
  scene.Display(1);
  scene.BeginDrag();
  Quaternion step{};
  TrackballQuaternion(step, 0.0f, 0.0f, 0.01f, 0.005f);
  for (auto _ : state) {
    CombineRotations(step, scene.CurrentRotation, scene.CurrentRotation);
    scene.UseTrackballRotation = true;
    scene.BuildScene();
    scene.Display(1);
    glFinish();
  }
  scene.EndDrag();
  scene.ReleaseGL();
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DragStepSurface200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(GlView::ViewFormat());
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
