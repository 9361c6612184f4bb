// Marching cubes of a 100^3 grid: the welded implicit-surface mesh and the isosurface mesh, for a
// sphere and for the field sin(3x)sin(3y)sin(3z), on one thread and on every core. Where VTK is
// found, its vtkMarchingCubes runs on the same grid and level in the same run (single-threaded:
// the filter has no threads of its own). The Triangles counter lets the counts be compared.

#include <benchmark/benchmark.h>

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
  for (auto _ : state) {
    const IsoMesh mesh = ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1}, int(state.range(1)));
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
  for (auto _ : state) {
    const IsoMesh mesh = IsoSurfaceMesh(s, 0.0f, 1.0f, int(state.range(1)));
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
void VtkMarchingCubes(benchmark::State& state) {
  const IsoSamples& s = Field(state.range(0));
  const float step = (kHi - kLo) / float(kSteps);
  vtkNew<vtkImageData> image;
  // VTK runs x fastest: our k (the third index) is VTK's x.
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
  size_t triangles = 0;
  for (auto _ : state) {
    vtkNew<vtkMarchingCubes> cubes;
    cubes->SetInputData(image);
    cubes->SetValue(0, 0.0);
    cubes->ComputeNormalsOn();
    cubes->Update();
    triangles = size_t(cubes->GetOutput()->GetNumberOfPolys());
  }
  state.counters["Triangles"] = double(triangles);
}
BENCHMARK(VtkMarchingCubes)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("field")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
#endif

} // namespace

BENCHMARK_MAIN();
