// Marching cubes: the welded implicit-surface mesh and the isosurface mesh of a sphere and of the
// field sin(3x)sin(3y)sin(3z) over -1.5 .. 1.5 on grids of 64, 100 and 128 steps a side.
//
// In the races every call of ours builds a new mesh and gives its working storage back, as VTK's
// filters build a new output on every update and give theirs back, so that no ratio gains from
// storage a previous surface left. The Threads rows race ours on every core against ours on one
// thread, each keeping its mesh and storage as the drawing does (x_threads). Where VTK is found
// (scripts/setup-bench installs it), the Race rows build ours and VTK's alternately on the same
// grid and level, the two sides taking turns at going first:
//   - RaceFlyingEdges: vtkFlyingEdges3D on VTK's sequential back end (one thread), with point
//     normals, against ours on one thread: x_fe3d is its time over ours;
//   - RaceMarchingCubes: vtkMarchingCubes (which has no threads), with point normals: x_vtk;
//   - RaceCold: the first surface of a new process, ours, vtkMarchingCubes's and
//     vtkFlyingEdges3D's each in a process of its own started for that one call, timed inside it:
//     x_vtk_cold and x_fe3d_cold.
// Above 1, ours is faster. Every call's triangle count is checked against the case table's count
// for the grid, ours and VTK's each by its own reading of the table (TableCounts); a count that
// differs stops the race with an error. The Triangles and Vertices counters give both sides'
// counts. Min and median are printed over the repetitions (--benchmark_repetitions).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include <unistd.h>

#include "render/surfaces/CubeTables.h"
#include "render/surfaces/MarchingCubes.h"

#ifdef CORVALIN_HAVE_VTK
#include <vtkFloatArray.h>
#include <vtkFlyingEdges3D.h>
#include <vtkImageData.h>
#include <vtkMarchingCubes.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;
constexpr float kLo = -1.5f, kHi = 1.5f;

float Sphere(float x, float y, float z) { return x * x + y * y + z * z - 1.0f; }
float Waves(float x, float y, float z) {
  return std::sin(3 * x) * std::sin(3 * y) * std::sin(3 * z);
}

IsoSamples Sample(int32_t steps, float (*f)(float, float, float)) {
  IsoSamples s;
  s.Resize(steps, steps, steps);
  const float step = (kHi - kLo) / float(steps);
  for (int32_t i = 0; i <= steps; ++i)
    for (int32_t j = 0; j <= steps; ++j)
      for (int32_t k = 0; k <= steps; ++k) {
        const size_t n = s.Index(i, j, k);
        s.X[n] = kLo + float(i) * step;
        s.Y[n] = kLo + float(j) * step;
        s.Z[n] = kLo + float(k) * step;
        s.W[n] = f(s.X[n], s.Y[n], s.Z[n]);
      }
  s.FindLines(); // as the program's drawers do when they copy the grids
  return s;
}

// What make() gives for field `which` on a grid of steps a side, made once and kept in `made`.
template <class T, class Make>
T& MadeOnce(std::map<std::pair<int64_t, int64_t>, T>& made, int64_t which, int64_t steps,
            Make&& make) {
  auto it = made.find({which, steps});
  if (it == made.end()) it = made.emplace(std::pair{which, steps}, make()).first;
  return it->second;
}

// Field 0 (the sphere) or 1 (the waves) on a grid of steps a side, made once.
const IsoSamples& Field(int64_t which, int64_t steps) {
  static std::map<std::pair<int64_t, int64_t>, IsoSamples> made;
  return MadeOnce(made, which, steps,
                  [&] { return Sample(int32_t(steps), which == 0 ? Sphere : Waves); });
}

// The triangles the case table gives a field's grid at level 0, cell by cell: ours, whose cube
// index flags the corners below the level, and VTK's, whose filters flag the corners at or above
// it and look the same table up with that index. The two differ only in cells with an ambiguous
// face, where the table keeps apart the corners flagged, whichever side they are on: the sphere
// has none, the sin field 24 on each of the grids here, of 2 triangles more in VTK's reading (48
// in all). That is the one difference allowed between the two sides' counts.
struct TableCounts {
  size_t ours = 0, vtk = 0;
};

[[maybe_unused]] const TableCounts& CountsOf(int64_t which, int64_t steps) {
  static std::map<std::pair<int64_t, int64_t>, TableCounts> made;
  return MadeOnce(made, which, steps, [&] {
    const IsoSamples& s = Field(which, steps);
    const CubeTableSet& tables = CubeTables();
    TableCounts counts;
    for (int32_t i = 0; i < s.Nx; ++i)
      for (int32_t j = 0; j < s.Ny; ++j)
        for (int32_t k = 0; k < s.Nz; ++k) {
          float values[8];
          for (int32_t m = 0; m < 8; ++m) {
            const auto& d = CubeCornerOffsets[size_t(m)];
            values[m] = s.W[s.Index(i + d[0], j + d[1], k + d[2])];
          }
          const int32_t index = CubeIndex(values, 0.0f);
          counts.ours += tables.Counts[size_t(index)];
          counts.vtk += tables.Counts[size_t(255 - index)];
        }
    return counts;
  });
}

// Whether a side's triangle count is the table's; a count that is not stops the benchmark.
[[maybe_unused]] bool CountIs(benchmark::State& state, const char* side, size_t count,
                              size_t table) {
  if (count == table) return true;
  std::fprintf(stderr, "%s gives %zu triangles where the case table gives %zu\n", side, count,
               table);
  state.SkipWithError("a triangle count differs from the case table's");
  return false;
}

// Our mesh of the kind asked for (iso: the isosurface, else the implicit surface) into mesh.
void Make(const IsoSamples& s, bool iso, int threads, IsoMesh& mesh) {
  if (iso)
    IsoSurfaceMesh(s, 0.0f, 1.0f, mesh, threads);
  else
    ImplicitSurfaceMesh(s, 0.0f, {1, 1, 1}, mesh, threads);
  benchmark::DoNotOptimize(mesh.Positions.data());
  benchmark::DoNotOptimize(mesh.Normals.data());
}

// Our mesh of the kind asked for into a new mesh, its working storage given back afterwards as
// VTK's filter gives back its own: its triangle and vertex counts.
[[maybe_unused]] std::pair<size_t, size_t> Ours(const IsoSamples& s, bool iso, int threads) {
  IsoMesh mesh;
  Make(s, iso, threads, mesh);
  ReleaseSurfaceStorage();
  return {mesh.Triangles.size(), mesh.Positions.size()};
}

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

double Least(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// Every core against one thread on the same surface, in turns in every iteration: x_threads is
// the time on one thread over the time on every core (above 1: the threads gain). Each side keeps
// its mesh from one surface to the next, as the drawing does, so that neither pays for fresh
// memory (on a virtual machine, faulting in fresh pages from several threads at once costs more
// than the surface). The time shown is the one on every core. Arguments: field (0 sphere,
// 1 waves), mesh (0 implicit, 1 iso), steps a side.
void Threads(benchmark::State& state) {
  const IsoSamples& s = Field(state.range(0), state.range(2));
  const bool iso = state.range(1) != 0;
  IsoMesh mine[2];
  auto make = [&](int threads, IsoMesh& mesh) {
    const auto a = Clock::now();
    Make(s, iso, threads, mesh);
    return Seconds(a, Clock::now());
  };
  double one = 0, all = 0;
  bool oneFirst = true;
  for (auto _ : state) {
    const double a = make(oneFirst ? 1 : 0, mine[oneFirst ? 0 : 1]);
    const double b = make(oneFirst ? 0 : 1, mine[oneFirst ? 1 : 0]);
    one += oneFirst ? a : b;
    all += oneFirst ? b : a;
    state.SetIterationTime(oneFirst ? b : a);
    oneFirst = !oneFirst;
  }
  state.counters["x_threads"] = one / all;
  state.counters["one_ms"] = 1000 * one / double(state.iterations());
  state.counters["Triangles"] = double(mine[0].Triangles.size());
}
BENCHMARK(Threads)
    ->ArgsProduct({{0, 1}, {0, 1}, {64, 100, 128}})
    ->ArgNames({"field", "mesh", "steps"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->ComputeStatistics("min", Least);

#ifdef CORVALIN_HAVE_VTK
// The field as VTK image data on the same grid: VTK runs x fastest, so our k (the third index)
// is VTK's x.
vtkSmartPointer<vtkImageData> VtkImage(const IsoSamples& s) {
  const float step = (kHi - kLo) / float(s.Nx);
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(s.Nz + 1, s.Ny + 1, s.Nx + 1);
  image->SetOrigin(kLo, kLo, kLo);
  image->SetSpacing(step, step, step);
  vtkNew<vtkFloatArray> values;
  values->SetNumberOfTuples(vtkIdType(s.Count()));
  for (size_t n = 0; n < s.Count(); ++n)
    values->SetValue(vtkIdType(n), s.W[n]);
  image->GetPointData()->SetScalars(values);
  return image;
}

vtkImageData* Image(int64_t which, int64_t steps) {
  static std::map<std::pair<int64_t, int64_t>, vtkSmartPointer<vtkImageData>> made;
  return MadeOnce(made, which, steps, [&] { return VtkImage(Field(which, steps)); });
}

// VTK's surface by one of its filters, a new filter per surface with point normals, as a program
// building one surface per frame would use it; its triangle and point counts.
template <class Filter> std::pair<size_t, size_t> Vtk(vtkImageData* image) {
  vtkNew<Filter> filter;
  filter->SetInputData(image);
  filter->SetValue(0, 0.0);
  filter->ComputeNormalsOn();
  filter->ComputeGradientsOff();
  filter->ComputeScalarsOff();
  filter->Update();
  vtkPolyData* out = filter->GetOutput();
  return {size_t(out->GetNumberOfPolys()), size_t(out->GetNumberOfPoints())};
}

// Ours on one thread against a VTK filter (on its sequential back end: main sets it), alternately
// in every iteration; the time shown is ours, the ratio the filter's total time over ours.
// Arguments: field, mesh (0 implicit, 1 iso), steps a side.
template <class Filter> void Race(benchmark::State& state, const char* ratio) {
  const IsoSamples& s = Field(state.range(0), state.range(2));
  vtkImageData* image = Image(state.range(0), state.range(2));
  const TableCounts& table = CountsOf(state.range(0), state.range(2));
  const bool iso = state.range(1) != 0;
  double ours = 0, theirs = 0;
  std::pair<size_t, size_t> mine, vtk;
  bool oursFirst = true;
  for (auto _ : state) {
    double mineSeconds = 0, vtkSeconds = 0;
    for (int turn = 0; turn < 2; ++turn) {
      const auto a = Clock::now();
      if ((turn == 0) == oursFirst) {
        mine = Ours(s, iso, 1);
        mineSeconds = Seconds(a, Clock::now());
      } else {
        vtk = Vtk<Filter>(image);
        vtkSeconds = Seconds(a, Clock::now());
      }
    }
    ours += mineSeconds;
    theirs += vtkSeconds;
    state.SetIterationTime(mineSeconds);
    oursFirst = !oursFirst;
    if (!CountIs(state, "ours", mine.first, table.ours) ||
        !CountIs(state, "VTK", vtk.first, table.vtk))
      break;
  }
  if (state.error_occurred()) return;
  state.counters["Triangles"] = double(mine.first);
  state.counters["Vertices"] = double(mine.second);
  state.counters["VtkTriangles"] = double(vtk.first);
  state.counters["VtkVertices"] = double(vtk.second);
  state.counters[ratio] = theirs / ours;
}

void RaceFlyingEdges(benchmark::State& state) { Race<vtkFlyingEdges3D>(state, "x_fe3d"); }
BENCHMARK(RaceFlyingEdges)
    ->ArgsProduct({{0, 1}, {0, 1}, {64, 100, 128}})
    ->ArgNames({"field", "mesh", "steps"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->ComputeStatistics("min", Least);

void RaceMarchingCubes(benchmark::State& state) { Race<vtkMarchingCubes>(state, "x_vtk"); }
BENCHMARK(RaceMarchingCubes)
    ->ArgsProduct({{0, 1}, {0, 1}, {100}})
    ->ArgNames({"field", "mesh", "steps"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->ComputeStatistics("min", Least);

// One call in a process of its own: this program started again with --cold (see main), which
// prints the seconds the call took and the triangles it made.
double ColdCall(const char* who, int64_t field, int64_t mesh, int64_t steps, size_t& triangles) {
  char command[512];
  std::snprintf(command, sizeof command, "'/proc/%d/exe' --cold %s %lld %lld %lld", int(getpid()),
                who, static_cast<long long>(field), static_cast<long long>(mesh),
                static_cast<long long>(steps));
  FILE* child = popen(command, "r");
  double seconds = -1;
  if (!child || std::fscanf(child, "%lf %zu", &seconds, &triangles) != 2) seconds = -1;
  if (child && pclose(child) != 0) seconds = -1;
  return seconds;
}

// The first surface of a new process, ours, vtkMarchingCubes's and vtkFlyingEdges3D's, each timed
// inside its own process; the one to go first turns with every iteration. Arguments: field, mesh,
// steps.
void RaceCold(benchmark::State& state) {
  const TableCounts& table = CountsOf(state.range(0), state.range(2));
  const char* const who[3] = {"ours", "vtk", "fe3d"};
  double total[3] = {0, 0, 0};
  int first = 0;
  for (auto _ : state) {
    double seconds[3];
    size_t triangles[3];
    for (int turn = 0; turn < 3; ++turn) {
      const int side = (first + turn) % 3;
      seconds[side] =
          ColdCall(who[side], state.range(0), state.range(1), state.range(2), triangles[side]);
      if (seconds[side] <= 0) {
        state.SkipWithError("a cold call failed");
        break;
      }
    }
    if (state.error_occurred() || !CountIs(state, "ours", triangles[0], table.ours) ||
        !CountIs(state, "vtkMarchingCubes", triangles[1], table.vtk) ||
        !CountIs(state, "vtkFlyingEdges3D", triangles[2], table.vtk))
      break;
    for (int side = 0; side < 3; ++side)
      total[side] += seconds[side];
    state.SetIterationTime(seconds[0]);
    first = (first + 1) % 3;
  }
  if (state.error_occurred()) return;
  state.counters["x_vtk_cold"] = total[1] / total[0];
  state.counters["x_fe3d_cold"] = total[2] / total[0];
}
BENCHMARK(RaceCold)
    ->ArgsProduct({{0, 1}, {0, 1}, {100}})
    ->ArgNames({"field", "mesh", "steps"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15)
    ->UseManualTime()
    ->ComputeStatistics("min", Least);

// The child of ColdCall: makes the field (not timed), then times one surface.
int Cold(int argc, char** argv) {
  if (argc != 6) return 2;
  const bool ours = std::strcmp(argv[2], "ours") == 0;
  const bool flyingEdges = std::strcmp(argv[2], "fe3d") == 0;
  const int64_t field = std::atoll(argv[3]), mesh = std::atoll(argv[4]),
                steps = std::atoll(argv[5]);
  const IsoSamples& s = Field(field, steps);
  vtkSmartPointer<vtkImageData> image = ours ? nullptr : VtkImage(s);
  const auto a = Clock::now();
  const size_t triangles = ours          ? Ours(s, mesh != 0, 1).first
                           : flyingEdges ? Vtk<vtkFlyingEdges3D>(image).first
                                         : Vtk<vtkMarchingCubes>(image).first;
  const auto b = Clock::now();
  std::printf("%.9f %zu\n", Seconds(a, b), triangles);
  return 0;
}
#endif

} // namespace

int main(int argc, char** argv) {
#ifdef CORVALIN_HAVE_VTK
  // VTK's filters on its sequential back end, one thread, as ours run in the races.
  setenv("VTK_SMP_BACKEND_IN_USE", "Sequential", 1);
  setenv("VTK_SMP_MAX_THREADS", "1", 1);
  if (argc > 1 && std::strcmp(argv[1], "--cold") == 0) return Cold(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
