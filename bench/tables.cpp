// Tables of points at their largest: the smooth curve through 201 points, a full 201 x 201 table
// file written and read, and the point grid shaped and filled with 201 x 201 points (what Reset,
// Import and the Edit command's fill do).

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cmath>
#include <string>
#include <vector>

#include "dialogs/PointGrid.h"
#include "document/TableTextFile.h"
#include "render/curves/TableSpline.h"

namespace {

void BM_SmoothCurve201Points(benchmark::State& state) {
  std::vector<float> x, y;
  for (int j = 0; j <= 200; ++j) {
    x.push_back(static_cast<float>(j) * 0.05f);
    y.push_back(std::sin(static_cast<float>(j) * 0.1f));
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(SmoothCurvePoints(x, y).Count());
}
BENCHMARK(BM_SmoothCurve201Points);

TableText::Table Full3DTable() {
  TableText::Table t;
  t.kind = TableText::Kind::Table3D;
  t.rows = t.columns = 201;
  for (int k = 0; k < 201 * 201 * 3; ++k)
    t.cells.push_back(std::to_string(k * 0.001));
  return t;
}

void BM_TableFile201x201FormatAndParse(benchmark::State& state) {
  const TableText::Table table = Full3DTable();
  for (auto _ : state) {
    const std::string bytes = TableText::Format(table);
    benchmark::DoNotOptimize(TableText::Parse(bytes, TableText::Kind::Table3D).table.cells.size());
  }
}
BENCHMARK(BM_TableFile201x201FormatAndParse)->Unit(benchmark::kMillisecond);

void BM_PointGrid201x201ShapeAndFill(benchmark::State& state) {
  const std::vector<std::string> cells = Full3DTable().cells;
  for (auto _ : state) {
    PointGridModel model(3);
    model.SetShape(201, 201);
    model.SetCells(cells);
    benchmark::DoNotOptimize(model.Cell(201 * 201 - 1, 2).size());
  }
}
BENCHMARK(BM_PointGrid201x201ShapeAndFill)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
