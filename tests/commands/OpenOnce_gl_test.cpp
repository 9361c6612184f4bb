// Opening a document (File Open, the command line) samples each graph once and compiles and
// presents the scene once, however many graphs it has, and shows its graphs in their order; a
// Paste does the same for its graph. Zoom to Fit alone compiles and presents once and samples
// nothing.

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "commands/AnimationCommands.h"
#include "commands/CommandAvailability.h"
#include "commands/GraphList.h"
#include "document/DocumentText.h"
#include "document/SaveCommands.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "sampling/Sampling.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"

#include "view/TestMainWindow.h"

namespace {

constexpr int Curves = 6;

class OpenOnce : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    InstallCommandAvailability();
    InstallGraphListCommands();
    InstallAnimationCommands();
    ASSERT_TRUE(dir.isValid());
    MakeCurves();
    path = dir.filePath("curves.crv").toStdString();
    std::string problem;
    ASSERT_TRUE(WriteDocument(path, &problem)) << problem;
    // What Edit Copy puts on the clipboard for the first curve.
    clipboardText = ClipboardGraphText(*AllGraphs.FunSurfs.Item(1), DocumentType2D);
    AllGraphs.FunSurfs.Clear();
    ShownGraphs.FunSurfs.Clear();
  }

  void TearDown() override {
    QGuiApplication::clipboard()->clear();
    ClipboardGraphCount = 0;
    MainWindowTest::TearDown();
  }

  // Curves of distinct formulas and colours, in both containers, IDs 1 .. Curves.
  static void MakeCurves() {
    DocumentType = DocumentType2D;
    for (int k = 0; k < Curves; ++k) {
      auto g = std::make_shared<Graph>();
      g->ID = k + 1;
      g->GraphType = Curve2D;
      g->CoordType = Cartesian2D;
      g->FunForm = Explicit;
      g->ExpressX = "0";
      g->ExpressY = "x";
      g->ExpressZ = "sin(x+" + std::to_string(k) + ")*" + std::to_string(k + 1);
      g->MinV = -6;
      g->MaxV = 6;
      g->StepU = 1;
      g->StepV = 50;
      g->Show2DCurve = true;
      g->LineColor = 0x102030 * (k + 1);
      AllGraphs.FunSurfs.Add(g);
      ShownGraphs.FunSurfs.Add(g);
    }
  }

  // A shown window whose view has compiled and painted its start-up scene.
  MainWindow& Shown(const std::string& commandLine = "") {
    MainWindow& w = Make(true, commandLine);
    w.resize(900, 640);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
    dialogs.prompter.shown.clear();
    return w;
  }

  static Scene& SceneOf(MainWindow& w) { return w.View()->TheScene(); }

  // The formulas of the shown graphs in their order, and of the checked rows.
  static std::vector<std::string> ShownFormulas() {
    std::vector<std::string> formulas;
    for (const auto& g : ShownGraphs.FunSurfs)
      formulas.push_back(g->ExpressZ);
    return formulas;
  }
  static int CheckedRows(MainWindow& w) {
    int checked = 0;
    for (int row = 0; row < w.GraphList()->count(); ++row)
      checked += w.GraphList()->item(row)->checkState() == Qt::Checked;
    return checked;
  }

  QTemporaryDir dir;
  std::string path;
  std::string clipboardText;
};

TEST_F(OpenOnce, EachPathSamplesEachGraphOnceAndCompilesAndPresentsOnce) {
  std::vector<std::string> expected;
  for (int k = 0; k < Curves; ++k)
    expected.push_back("sin(x+" + std::to_string(k) + ")*" + std::to_string(k + 1));

  const auto open = [&](MainWindow& w) {
    dialogs.files.answers.push_back(FileChoice{path, 1});
    w.OpenDocumentFile();
  };
  struct Row {
    const char* name;
    std::function<void(MainWindow&)> before; // not counted
    std::function<void(MainWindow&)> run;
    int samples; // GetPoints calls of the run
    int shown;   // graphs shown afterwards, the first curves in their order
  };
  const Row rows[] = {
      {"File Open", nullptr, open, Curves, Curves},
      {"Paste", nullptr,
       [&](MainWindow& w) {
         ClipboardGraphCount = 1;
         QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardText));
         w.MenuItem("mnuEditPaste")->trigger();
       },
       1, 1},
      {"Zoom to Fit", open, [](MainWindow& w) { w.FitViewToGraphs(); }, 0, Curves},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    MainWindow& w = Shown();
    if (r.before) {
      r.before(w);
      QApplication::processEvents();
    }
    const auto samples = GraphSamplings();
    const int compilations = SceneOf(w).Compilations();
    const int presentations = SceneOf(w).Presentations();
    r.run(w);
    QApplication::processEvents();
    EXPECT_EQ(GraphSamplings() - samples, r.samples);
    EXPECT_EQ(SceneOf(w).Compilations() - compilations, 1);
    EXPECT_EQ(SceneOf(w).Presentations() - presentations, 1);
    EXPECT_FALSE(SceneOf(w).UpdatesHeld());
    EXPECT_EQ(ShownFormulas(),
              std::vector<std::string>(expected.begin(), expected.begin() + r.shown));
    EXPECT_EQ(w.GraphList()->count(), r.shown);
    EXPECT_EQ(CheckedRows(w), r.shown);
    EXPECT_TRUE(dialogs.prompter.shown.empty());
    window.reset();
  }
}

TEST_F(OpenOnce, TheCommandLineDocumentAddsOneCompilationAndPresentationToAnEmptyStart) {
  MainWindow& empty = Shown();
  const int emptyCompilations = SceneOf(empty).Compilations();
  const int emptyPresentations = SceneOf(empty).Presentations();
  window.reset();

  const auto samples = GraphSamplings();
  MainWindow& w = Shown(path);
  EXPECT_EQ(GraphSamplings() - samples, Curves);
  EXPECT_EQ(SceneOf(w).Compilations(), emptyCompilations + 1);
  EXPECT_EQ(SceneOf(w).Presentations(), emptyPresentations + 1);
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), Curves);
  EXPECT_EQ(CheckedRows(w), Curves);
}

} // namespace
