// Marching cubes of a 100^3 grid: the welded implicit-surface mesh and the isosurface mesh, for a
// sphere and for the field sin(3x)sin(3y)sin(3z), on one thread and on every core. Where VTK is
// found (scripts/setup-bench installs it), its vtkMarchingCubes runs on the same grid and level in
// the same run (single-threaded: the filter has no threads of its own), and the Race rows print
// VTK's time over ours on one thread (x_vtk). The Triangles counters let the counts be compared.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>

#include "render/surfaces/MarchingCubes.h"

#ifdef CORVALIN_HAVE_VTK
#include <vtkFloatArray.h>
#include <vtkImageData.h>
#include <vtkMarchingCubes.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>
#endif

namespace {

constexpr int32_t kSteps = 100;
constexpr float kLo = -1.5f, kHi = 1.5f;

IsoSamples Sample(const std::function<float(float, float, float)>& f) {
  IsoSamples s;
  s.Resize(kSteps, kSteps, kSteps);
  const float step = (kHi - kLo) / float(kSteps);
  for (int32_t i = 0; i <= kSteps; ++i)
    for (int32_t j = 0; j <= kSteps; ++j)
      for (int32_t k = 0; k <= kSteps; ++k) {
        const size_t n = s.Index(i, j, k);
        s.X[n] = kLo + float(i) * step;
        s.Y[n] = kLo + float(j) * step;
        s.Z[n] = kLo + float(k) * step;
        s.W[n] = f(s.X[n], s.Y[n], s.Z[n]);
      }
  return s;
}

const IsoSamples& Field(int64_t which) {
  static const IsoSamples sphere =
      Sample([](float x, float y, float z) { return x * x + y * y + z * z - 1.0f; });
  static const IsoSamples waves = Sample([](float x, float y, float z) {
    return std::sin(3 * x) * std::sin(3 * y) * std::sin(3 * z);
  });
  return which == 0 ? sphere : waves;
}

// Arguments: field (0 sphere, 1 waves), threads (0: every core).
void ImplicitMesh(benchmark::State& state) {
  const IsoSamples& s = Field(state.range(0));
  size_t triangles = 0;
  IsoMesh mesh; // reused from frame to frame, as the drawing does
  for (auto _ : state) {
    ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1}, mesh, int(state.range(1)));
    triangles = mesh.Triangles.size();
    benchmark::DoNotOptimize(mesh.Positions.data());
  }
  state.counters["Triangles"] = double(triangles);
}
BENCHMARK(ImplicitMesh)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->ArgNames({"field", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void IsoMeshOf(benchmark::State& state) {
  const IsoSamples& s = Field(state.range(0));
  size_t triangles = 0;
  IsoMesh mesh; // reused from frame to frame, as the drawing does
  for (auto _ : state) {
    IsoSurfaceMesh(s, 0.0f, 1.0f, mesh, int(state.range(1)));
    triangles = mesh.Triangles.size();
    benchmark::DoNotOptimize(mesh.Positions.data());
  }
  state.counters["Triangles"] = double(triangles);
}
BENCHMARK(IsoMeshOf)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->ArgNames({"field", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

#ifdef CORVALIN_HAVE_VTK
// The field as VTK image data on the same grid: VTK runs x fastest, so our k (the third index)
// is VTK's x.
vtkSmartPointer<vtkImageData> VtkImage(const IsoSamples& s) {
  const float step = (kHi - kLo) / float(kSteps);
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(kSteps + 1, kSteps + 1, kSteps + 1);
  image->SetOrigin(kLo, kLo, kLo);
  image->SetSpacing(step, step, step);
  vtkNew<vtkFloatArray> values;
  values->SetNumberOfTuples(vtkIdType(s.Count()));
  vtkIdType n = 0;
  for (int32_t i = 0; i <= kSteps; ++i)
    for (int32_t j = 0; j <= kSteps; ++j)
      for (int32_t k = 0; k <= kSteps; ++k)
        values->SetValue(n++, s.W[s.Index(i, j, k)]);
  image->GetPointData()->SetScalars(values);
  return image;
}

// VTK's marching cubes alone: a new filter per surface, with point normals, as a program
// building one surface per frame would use it.
size_t VtkSurface(vtkImageData* image) {
  vtkNew<vtkMarchingCubes> cubes;
  cubes->SetInputData(image);
  cubes->SetValue(0, 0.0);
  cubes->ComputeNormalsOn();
  cubes->Update();
  return size_t(cubes->GetOutput()->GetNumberOfPolys());
}

void VtkMarchingCubes(benchmark::State& state) {
  const vtkSmartPointer<vtkImageData> image = VtkImage(Field(state.range(0)));
  size_t triangles = 0;
  for (auto _ : state)
    triangles = VtkSurface(image);
  state.counters["Triangles"] = double(triangles);
}
BENCHMARK(VtkMarchingCubes)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("field")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Our surface on one thread against VTK's marching cubes on the same grid and level, alternately
// in every iteration; the time shown is ours. "x_vtk" is VTK's time over ours (above 1: ours is
// faster). Both weld (VTK merges its points; the isosurface mesh keeps three vertices per
// triangle as the drawing wants them) and both give every vertex a normal. Arguments: field
// (0 sphere, 1 waves), mesh (0 the welded implicit mesh, 1 the isosurface mesh). Ours keeps its
// mesh and working storage from one surface to the next, as the drawing does; VTK's filter
// builds a new output for every update.
void Race(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const IsoSamples& s = Field(state.range(0));
  const bool iso = state.range(1) != 0;
  const vtkSmartPointer<vtkImageData> image = VtkImage(s);
  double ours = 0, theirs = 0;
  size_t triangles = 0, vtkTriangles = 0;
  IsoMesh mesh; // reused from frame to frame, as the drawing does
  for (auto _ : state) {
    const auto a = Clock::now();
    if (iso)
      IsoSurfaceMesh(s, 0.0f, 1.0f, mesh, 1);
    else
      ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1}, mesh, 1);
    benchmark::DoNotOptimize(mesh.Positions.data());
    triangles = mesh.Triangles.size();
    const auto b = Clock::now();
    vtkTriangles = VtkSurface(image);
    const auto c = Clock::now();
    const double t = std::chrono::duration<double>(b - a).count();
    ours += t;
    theirs += std::chrono::duration<double>(c - b).count();
    state.SetIterationTime(t);
  }
  state.counters["Triangles"] = double(triangles);
  state.counters["VtkTriangles"] = double(vtkTriangles);
  state.counters["x_vtk"] = theirs / ours;
}
BENCHMARK(Race)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"field", "mesh"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
      return *std::min_element(v.begin(), v.end());
    });
#endif

} // namespace

BENCHMARK_MAIN();
