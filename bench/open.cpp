// File > Open of a 2D document of 1 and of 100 curves in the main window with its view shown:
// reading, sampling, listing and drawing the graphs, until the window has painted. The 1-curve
// row is the reference of the 100-curve one. Needs a display (run under Xvfb).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSurfaceFormat>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "commands/AnimationCommands.h"
#include "commands/CommandAvailability.h"
#include "commands/GraphList.h"
#include "document/SaveCommands.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/scene/GlView.h"
#include "view/window/MainWindow.h"

namespace {

// Writes a 2D document of n explicit curves of 200 segments each.
std::string WriteCurves(const QTemporaryDir& dir, int n) {
  AllGraphs.FunSurfs.Clear();
  ShownGraphs.FunSurfs.Clear();
  DocumentType = DocumentType2D;
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
    AllGraphs.FunSurfs.Add(g);
    ShownGraphs.FunSurfs.Add(g);
  }
  const std::string path = dir.filePath(QString("curves%1.crv").arg(n)).toStdString();
  std::string problem;
  if (!WriteDocument(path, &problem)) return std::string();
  AllGraphs.FunSurfs.Clear();
  ShownGraphs.FunSurfs.Clear();
  return path;
}

void BM_FileOpenCurves2D(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = WriteCurves(dir, static_cast<int>(state.range(0)));
  if (path.empty()) {
    state.SkipWithError("the document could not be written");
    return;
  }
  ScopedScriptedDialogs dialogs;
  MainWindow window;
  window.Form_Load("");
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    dialogs.prompter.answers.push_back(MsgResult::No); // do not save the open graphs
    dialogs.files.answers.push_back(FileChoice{path, 1});
    window.OpenDocumentFile();
    QApplication::processEvents();
  }
  if (ShownGraphs.FunSurfs.Count() != state.range(0)) state.SkipWithError("not opened");
  dialogs.prompter.answers.push_back(MsgResult::No);
  window.close();
  AllGraphs.FunSurfs.Clear();
  ShownGraphs.FunSurfs.Clear();
}
BENCHMARK(BM_FileOpenCurves2D)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(GlView::ViewFormat());
  QApplication app(argc, argv);
  InstallCommandAvailability();
  InstallGraphListCommands();
  InstallAnimationCommands();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
