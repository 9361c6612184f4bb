// Edit and OK without a change leave every graph exactly as it was, its record byte for byte:
// every graph of every shipped sample, and graphs holding values the dialogs' lists lack (a form
// its kind does not list, a point size or symbol beyond the lists, an empty scheme name, an
// implicit surface drawn with the colour map).

#include "dialogs/DialogTestFixture.h"

#include <QDirIterator>

#include "dialogs/EditGraphCommand.h"
#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"

namespace {

class EditRoundTrip : public DialogTest {
protected:
  // Shows g alone in a document of its kind, edits it with OK pressed at once and expects its
  // record unchanged and no message. False when no dialog opened for it.
  bool EditAndOkKeeps(const std::shared_ptr<Graph>& g, int32_t documentType, const std::string& at,
                      int32_t frames = 10, bool sampled = true) {
    ResetDocumentState();
    FrameCount = frames;
    host = CommandTestHost();
    opened = 0;
    dialogs.prompter.shown.clear();
    DocumentType = documentType;
    g->ID = ++GraphIdCounter;
    AllGraphs.FunSurfs.Add(g);
    ShownGraphs.FunSurfs.Add(g);
    host.rows.push_back({"row", true});
    host.current = 0;
    // As the document reader leaves a graph.
    if (sampled && GraphKind(*g).SampledWhenShown) g->GetPoints();
    const std::string before = ClipboardGraphText(*g, documentType);
    user = [&](QDialog& d) {
      for (QPushButton* button : d.findChildren<QPushButton*>())
        if (button->text() == "OK") {
          button->click();
          break;
        }
      EXPECT_EQ(d.result(), QDialog::Accepted) << at;
    };
    mnuFunEdit_Click(host);
    if (opened == 0) return false;
    for (const auto& shown : dialogs.prompter.shown)
      ADD_FAILURE() << at << ": " << shown.text;
    EXPECT_EQ(ClipboardGraphText(*g, documentType), before) << at;
    return true;
  }
};

TEST_F(EditRoundTrip, EveryGraphOfEverySample) {
  int edited = 0;
  QDirIterator files(QString(CORVALIN_SOURCE_DIR) + "/samples", {"*.crv"}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString path = files.next();
    std::string problem;
    const std::optional<std::string> text = DocumentFile::Read(path.toStdString(), &problem);
    std::optional<ParsedDocument> doc;
    if (text) doc = ParseDocumentText(*text, AxesSettings(), &problem);
    ASSERT_TRUE(doc) << path.toStdString() << ": " << problem;
    int32_t frames = 10;
    for (size_t i = 0; i < doc->graphs.size(); ++i) {
      const ParsedGraph& parsed = doc->graphs[i];
      if (parsed.read.animationBlock) frames = parsed.read.frameCount;
      edited += EditAndOkKeeps(parsed.graph, doc->documentType,
                               path.toStdString() + " graph " + std::to_string(i + 1), frames,
                               parsed.functionRecord);
    }
  }
  EXPECT_GT(edited, 60) << "graphs of every kind were edited";
}

// A 3D function graph as documents hold one.
std::shared_ptr<Graph> Graph3D(int32_t type, int32_t form) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type, g->CoordType = Cartesian3D, g->FunForm = form;
  g->Animation = type == Curve3DAnimation || type == Surface3DAnimation;
  g->ExpressX = "cos(u)", g->ExpressY = "sin(u)", g->ExpressZ = "u/3";
  g->MinU = -1, g->MaxU = 1, g->StepU = 8, g->MinV = -1, g->MaxV = 1, g->StepV = 6;
  g->MinW = -2, g->MaxW = 2, g->StepW = 5, g->ClipMinZ = -1, g->ClipMaxZ = 1;
  g->MinT = 0, g->MaxT = 1;
  g->Material = 2, g->FirstColor = 255, g->SecondColor = 65280;
  g->FillStyle = 5, g->ColorName = "Earth";
  return g;
}

TEST_F(EditRoundTrip, GraphsWithValuesTheListsLack) {
  struct Row {
    const char* what;
    int32_t documentType;
    std::function<std::shared_ptr<Graph>()> make;
  } rows[] = {
      {"3D curve of the implicit form", DocumentType3D, [] { return Graph3D(Curve3D, Implicit); }},
      {"3D curve of an unknown form", DocumentType3D, [] { return Graph3D(Curve3D, 7); }},
      {"animated 3D curve of an unknown form", DocumentType3D,
       [] { return Graph3D(Curve3DAnimation, 0); }},
      {"3D surface of the inequality form", DocumentType3D,
       [] { return Graph3D(Surface3D, Inequality); }},
      {"implicit surface with the colour map", DocumentType3D,
       [] {
         auto g = Graph3D(Surface3D, Implicit);
         g->ExpressX = "x^2+y^2+z^2-1";
         return g;
       }},
      {"animated implicit surface with texture and transparency", DocumentType3D,
       [] {
         auto g = Graph3D(Surface3DAnimation, Implicit);
         g->ExpressX = "x^2+y^2+z^2-t";
         g->ShowTex = true, g->TexName = "brick.bmp", g->TexMode = 2;
         g->ShowTrans = true, g->TransAlpha = 0.4f;
         return g;
       }},
      {"explicit surface with an empty scheme name", DocumentType3D,
       [] {
         auto g = Graph3D(Surface3D, Explicit);
         g->ColorName = "";
         return g;
       }},
      {"ribbon with an empty scheme name", DocumentType25D,
       [] {
         auto g = std::make_shared<Graph>();
         g->GraphType = Ribbon25D, g->CoordType = Cartesian2D, g->FunForm = Explicit;
         g->ExpressX = "0", g->ExpressY = "x", g->ExpressZ = "sin(x)";
         g->MinV = -3, g->MaxV = 3, g->StepV = 20;
         g->FillStyle = 5, g->ColorName = "", g->Material = 4;
         return g;
       }},
      {"2D table with a size and a symbol beyond the lists", DocumentType2D,
       [] {
         auto g = std::make_shared<Graph>();
         g->GraphType = Table2D, g->StepU = 1, g->StepV = 2;
         g->ScatterSize = 12, g->Symbol = 9, g->LineWidth = 1, g->SmoothCurveWidth = 1;
         for (int k = 0; k <= 2; ++k) {
           GraphPoint& p = g->VertTab3D(0, k);
           p.x = float(k), p.y = float(k * k);
         }
         return g;
       }},
  };
  for (const Row& row : rows)
    EXPECT_TRUE(EditAndOkKeeps(row.make(), row.documentType, row.what)) << row.what;
}

} // namespace
