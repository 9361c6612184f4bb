// Edit and OK without a change leave every graph exactly as it was, its record byte for byte:
// every graph of every shipped sample, and graphs holding values the dialogs' lists lack (a form
// its kind does not list, a point size or symbol beyond the lists, an empty scheme name, an
// implicit surface drawn with the colour map). A control the user touches commits what it shows,
// also where that is what the dialog showed in place of the graph's own value.

#include "dialogs/DialogTestFixture.h"

#include <QDirIterator>
#include <QSlider>

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
    std::string before;
    if (!EditAndOk(g, documentType, at, nullptr, frames, sampled, &before)) return false;
    EXPECT_EQ(ClipboardGraphText(*g, documentType), before) << at;
    return true;
  }

  // Shows g alone in a document of its kind, edits it, lets `touch` play the user's part and
  // presses OK; expects the dialog accepted without a message. False when no dialog opened.
  // *record gets the graph's record as it was shown.
  bool EditAndOk(const std::shared_ptr<Graph>& g, int32_t documentType, const std::string& at,
                 const std::function<void(QDialog&)>& touch, int32_t frames = 10,
                 bool sampled = true, std::string* record = nullptr) {
    ResetProgramState();
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
    if (record) *record = ClipboardGraphText(*g, documentType);
    user = [&](QDialog& d) {
      if (touch) touch(d);
      for (QPushButton* button : d.findChildren<QPushButton*>())
        if (button->text() == "OK") {
          button->click();
          break;
        }
      EXPECT_EQ(d.result(), QDialog::Accepted) << at;
    };
    EditGraph(host);
    if (opened == 0) return false;
    for (const auto& shown : dialogs.prompter.shown)
      ADD_FAILURE() << at << ": " << shown.text;
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

// A colour-mapped ribbon whose scheme name is empty.
std::shared_ptr<Graph> RibbonWithoutSchemeName() {
  auto g = std::make_shared<Graph>();
  g->GraphType = Ribbon25D, g->CoordType = Cartesian2D, g->FunForm = Explicit;
  g->ExpressX = "0", g->ExpressY = "x", g->ExpressZ = "sin(x)";
  g->MinV = -3, g->MaxV = 3, g->StepV = 20;
  g->FillStyle = 5, g->ColorName = "", g->Material = 4;
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
       RibbonWithoutSchemeName},
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

// What a dialog shows in place of a value its control cannot show (a scheme box that shows
// "Rainbow" for every surface, "Steps z" and the texture and transparency of an animated surface
// as loaded, a list that lacks the graph's size, a gradient the contour dialog shows as its one
// gradient option) is committed once the user picks it, types it or clicks it, even without a
// change.
TEST_F(EditRoundTrip, AControlTheUserTouchedCommitsWhatItShows) {
  auto marine = [] {
    auto g = Graph3D(Surface3D, Explicit);
    g->CoordType = Cylindrical, g->ExpressZ = "sin(r)", g->MinU = 0, g->MaxU = 6.28f;
    g->MinV = 0, g->MaxV = 4;
    g->ColorName = "MARINE";
    return g;
  };
  auto animatedImplicit = [] {
    auto g = Graph3D(Surface3DAnimation, Implicit);
    g->ExpressX = "x^2+y^2+z^2-t-1";
    g->StepW = 30;
    return g;
  };
  auto animatedTextured = [] {
    auto g = Graph3D(Surface3DAnimation, Explicit);
    g->ExpressZ = "sin(x+t)";
    g->ShowTex = true, g->TexName = "brick.bmp", g->ShowTrans = true, g->TransAlpha = 0.4f;
    return g;
  };
  auto clickTwice = [](const char* box) {
    return [box](QDialog& d) {
      Click(d, box);
      Click(d, box);
    };
  };
  struct Row {
    const char* what;
    int32_t documentType;
    std::function<std::shared_ptr<Graph>()> make;
    std::function<void(QDialog&)> touch;
    std::function<bool(const Graph&)> committed;
  } rows[] = {
      {"the scheme box's Rainbow picked for a MARINE surface", DocumentType3D, marine,
       [](QDialog& d) { Choose(d, "schemeBox", 0); },
       [](const Graph& g) { return g.ColorName == "Rainbow" && g.FillStyle == 5; }},
      {"Earth, then Rainbow", DocumentType3D, marine,
       [](QDialog& d) {
         Choose(d, "schemeBox", 1);
         Choose(d, "schemeBox", 0);
       },
       [](const Graph& g) { return g.ColorName == "Rainbow"; }},
      {"\"Steps z\" typed as it shows for an animated implicit surface", DocumentType3D,
       animatedImplicit, [](QDialog& d) { Type(d, "stepsZ", "20"); },
       [](const Graph& g) { return g.StepW == 20; }},
      {"\"Transparent\" checked and unchecked on an animated surface", DocumentType3D,
       animatedTextured, clickTwice("transparentCheck"),
       [](const Graph& g) { return !g.ShowTrans; }},
      {"\"Add Texture\" checked and unchecked on an animated surface", DocumentType3D,
       animatedTextured, clickTwice("textureCheck"),
       [](const Graph& g) { return !g.ShowTex && g.ShowTrans; }},
      {"the transparency slider moved and back", DocumentType3D,
       [] {
         auto g = Graph3D(Surface3D, Explicit);
         g->TransAlpha = 0.25f; // shows as 2 of 10
         return g;
       },
       [](QDialog& d) {
         auto* slider = Find<QSlider>(d, "transparencySlider");
         slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
         slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
       },
       [](const Graph& g) { return g.TransAlpha == 0.2f; }},
      {"a ribbon's scheme box picked where an empty name shows Rainbow", DocumentType25D,
       RibbonWithoutSchemeName,
       [](QDialog& d) { Choose(d, "schemeBox", 0); },
       [](const Graph& g) { return g.ColorName == "Rainbow"; }},
      {"a 2D table's size list picked at the 2 it shows for 12", DocumentType2D,
       [] {
         auto g = std::make_shared<Graph>();
         g->GraphType = Table2D, g->StepU = 1, g->StepV = 1;
         g->ScatterSize = 12, g->Symbol = 9, g->LineWidth = 1, g->SmoothCurveWidth = 1;
         g->VertTab3D(0, 1).x = 1;
         return g;
       },
       [](QDialog& d) { Choose(d, "scatterSizeList", 1); },
       [](const Graph& g) { return g.ScatterSize == 2 && g.Symbol == 9; }},
      {"a contour plot's gradient option clicked where it shows the graph's own gradient",
       DocumentTypeSpecial,
       [] {
         auto g = std::make_shared<Graph>();
         g->GraphType = ContourPlot, g->CoordType = Cartesian3D;
         g->ExpressX = "u", g->ExpressY = "v", g->ExpressZ = "u*v";
         g->MinU = g->MinV = -1, g->MaxU = g->MaxV = 1, g->StepU = g->StepV = 5;
         g->ContourLevel = 0.2f, g->LineWidth = 1, g->FillStyle = 1;
         return g;
       },
       [](QDialog& d) { Click(d, "gradientOption"); },
       [](const Graph& g) { return g.FillStyle == 3; }},
  };
  for (const Row& row : rows) {
    const std::shared_ptr<Graph> g = row.make();
    ASSERT_TRUE(EditAndOk(g, row.documentType, row.what, row.touch)) << row.what;
    EXPECT_TRUE(row.committed(*g)) << row.what << ": " << ClipboardGraphText(*g, row.documentType);
    // Untouched, the same control keeps the graph's own value.
    const std::shared_ptr<Graph> kept = row.make();
    EXPECT_TRUE(EditAndOkKeeps(kept, row.documentType, row.what)) << row.what;
  }
}

} // namespace
