// Opening documents of many graphs: reading the text of N point graphs, and the graph list's
// check event over N graphs after they are read (one event for all rows, as the main window
// raises it). Both must grow about linearly with N (a document of 20,000 graphs opens in seconds).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "commands/GraphList.h"
#include "document/DocumentText.h"
#include "document/GraphRemoval.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

namespace {

std::string PointsDocument(int32_t count) {
  GraphContainer shown;
  for (int32_t id = 1; id <= count; ++id) {
    auto p = std::make_shared<Graph>();
    p->ID = id;
    p->GraphType = PointMarker;
    p->ExpressY = std::to_string(id % 7);
    p->ExpressZ = std::to_string(id % 5);
    shown.FunSurfs.Add(p);
  }
  AxesSettings axes;
  return BuildDocumentText(DocumentType2D, shown, axes, {ScaleEqual, 1, 1, 1});
}

void BM_ReadDocumentText(benchmark::State& state) {
  const std::string text = PointsDocument(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) {
    std::string problem;
    auto doc = ParseDocumentText(text, AxesSettings(), &problem);
    benchmark::DoNotOptimize(doc);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadDocumentText)->RangeMultiplier(4)->Range(1000, 16000)->Complexity();

// Every row checked, nothing drawn: the walk of the check event alone.
class CheckedRows : public GraphListHost {
public:
  int32_t rows = 0;
  int32_t ListCount() const override { return rows; }
  int32_t ListIndex() const override { return -1; }
  bool ListRowChecked(int32_t) const override { return true; }
  void AddListRow(const std::string&) override { ++rows; }
  void SetListRowChecked(int32_t, bool) override {}
  void RemoveListRow(int32_t) override { --rows; }
  void ClearList() override { rows = 0; }
  void BuildScene() override {}
  void Display(int32_t) override {}
  void SetAnimationOptionsTexts(int32_t, int32_t) override {}
  void SampleGraph(Graph&) override {}
};

void BM_CheckEventOverReadGraphs(benchmark::State& state) {
  const int32_t count = static_cast<int32_t>(state.range(0));
  AllGraphs.FunSurfs.Clear();
  ShownGraphs.FunSurfs.Clear();
  CheckedRows host;
  for (int32_t id = 1; id <= count; ++id) {
    auto p = std::make_shared<Graph>();
    p->ID = id;
    p->GraphType = PointMarker;
    AllGraphs.FunSurfs.Add(p);
    ShownGraphs.FunSurfs.Add(p);
    host.AddListRow("");
  }
  for (auto _ : state)
    OnGraphListCheck(host);
  state.SetComplexityN(count);
  AllGraphs.FunSurfs.Clear();
  ShownGraphs.FunSurfs.Clear();
}
BENCHMARK(BM_CheckEventOverReadGraphs)->RangeMultiplier(4)->Range(1000, 16000)->Complexity();

} // namespace

BENCHMARK_MAIN();
