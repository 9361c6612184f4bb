// The 2D and 2.5D function graph dialogs driven as a user drives them, through the add commands
// and the Edit command: their field captions by coordinate system, form and mode; a graph added
// through OK (one graph, one checked row, sampled); Cancel; refused inputs with their messages;
// the Edit and OK round trip that must leave every graph exactly as it was; the colour swatch;
// the Edit command's guards; and the Animation Options dialog.

#include "dialogs/DialogTestFixture.h"

#include <QListWidget>

#include "dialogs/DialogSections.h"
#include "dialogs/EditGraphCommand.h"
#include "dialogs/AnimationOptionsDialog.h"
#include "document/DocumentText.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "sampling/Sampling.h"

namespace {

using DialogsTest = DialogTest;

TEST_F(DialogsTest, CurveFieldCaptionsFollowCoordinatesFormsAndMode) {
  struct Row {
    const char* command;
    int form;
    const char *first, *second, *min, *steps, *yMin; // second, steps empty: hidden
  } rows[] = {
      {"Add2DCartesianGraph", 0, "y(x)", "", "Min x", "Steps x", ""},
      {"Add2DCartesianGraph", 1, "x(u)", "y(u)", "Min u", "Steps u", ""},
      {"Add2DCartesianGraph", 2, "f(x,y)", "", "Min x", "", "Min y"},
      {"Add2DPolarGraph", 0, "r(a)", "", "Min a", "Steps a", ""},
      {"Add2DPolarGraph", 1, "a(u)", "r(u)", "Min u", "Steps u", ""},
      {"Add2DPolarGraph", 3, "f(a,r)", "", "Min a", "", "Min r"},
      {"Add2DCartesianAnimation", 1, "x(u,t)", "y(u,t)", "Min u", "Steps u", ""},
      {"Add2DPolarAnimation", 2, "f(a,r,t)", "", "Min a", "", "Min r"},
  };
  for (const Row& row : rows) {
    user = [&](QDialog& d) {
      Choose(d, "formList", row.form);
      EXPECT_EQ(Label(d, "firstFormulaLabel"), row.first) << row.command << row.form;
      EXPECT_EQ(Hidden(d, "secondFormula"), *row.second == 0);
      if (*row.second) {
        EXPECT_EQ(Label(d, "secondFormulaLabel"), row.second);
      }
      EXPECT_EQ(Label(d, "domainMinLabel"), row.min);
      EXPECT_EQ(Hidden(d, "domainSteps"), *row.steps == 0);
      if (*row.steps) {
        EXPECT_EQ(Label(d, "domainStepsLabel"), row.steps);
      }
      if (*row.yMin) {
        EXPECT_EQ(Label(d, "minYLabel"), row.yMin);
      }
      EXPECT_FALSE(Hidden(d, "minY")) << "every form shows the y pair";
      Click(d, "cancelButton");
    };
    Add(row.command);
  }
  // The Cartesian command opens the explicit form without the y pair; Cartesian to polar keeps
  // the form.
  user = [&](QDialog& d) {
    EXPECT_TRUE(Hidden(d, "minY"));
    EXPECT_TRUE(Hidden(d, "minTLabel")) << "the t row of a still curve";
    Choose(d, "formList", 1);
    Choose(d, "coordinateList", 1);
    EXPECT_EQ(Find<QComboBox>(d, "formList")->currentText(), "a=f1(u),r=f2(u)");
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "a(u)");
    Click(d, "cancelButton");
  };
  Add("Add2DCartesianGraph");
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
}

TEST_F(DialogsTest, RibbonFieldCaptions) {
  DocumentType = DocumentType25D;
  user = [&](QDialog& d) {
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "y(x,t)");
    EXPECT_FALSE(Hidden(d, "minTLabel"));
    EXPECT_FALSE(Find<QLineEdit>(d, "stepsT")->isEnabled());
    Choose(d, "formList", 1);
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "x(u,t)");
    EXPECT_EQ(Label(d, "secondFormulaLabel"), "y(u,t)");
    EXPECT_EQ(Label(d, "minULabel"), "Min u");
    Choose(d, "coordinateList", 1);
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "a(u,t)");
    Click(d, "cancelButton");
  };
  Add("Add25DCartesianAnimation");
  EXPECT_EQ(caption, "2.5D Function Graph Animation Properties");
}

TEST_F(DialogsTest, AddingACurveMakesOneSampledCheckedGraph) {
  user = [&](QDialog& d) {
    Type(d, "firstFormula", "sin(x)/x");
    Type(d, "domainMin", "-2pi");
    Type(d, "domainMax", "pi/2");
    Click(d, "okButton");
  };
  Add("Add2DCartesianGraph");
  EXPECT_EQ(caption, "2D Function Graph Properties");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  ASSERT_EQ(ShownGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(g.ID, 1);
  EXPECT_EQ(GraphIdCounter, 1);
  EXPECT_EQ(g.GraphType, Curve2D);
  EXPECT_EQ(g.CoordType, Cartesian2D);
  EXPECT_EQ(g.FunForm, Explicit);
  EXPECT_EQ(g.ExpressZ, "sin(x)/x");
  EXPECT_FLOAT_EQ(g.MinV, -6.2831855f);
  EXPECT_FLOAT_EQ(g.MaxV, 1.5707964f);
  EXPECT_EQ(g.StepV, 200);
  EXPECT_EQ(g.LineColor, 16711680);
  EXPECT_EQ(g.LineWidth, 1);
  EXPECT_TRUE(g.Clip);
  EXPECT_TRUE(g.Show2DCurve);
  EXPECT_EQ(g.NameS, "Untitled");
  ASSERT_EQ(host.rows.size(), 1u);
  EXPECT_EQ(host.rows[0].caption, "2D Curve  y=sin(x)/x");
  EXPECT_TRUE(host.rows[0].checked);
  EXPECT_EQ(host.sampled, std::vector<int32_t>{1}) << "sampled once, by the dialog";
  EXPECT_NEAR(g.Vert3D(0, 200).y, 0.63662f, 1e-4f) << "sin(x)/x at pi/2 is 2/pi";
  EXPECT_EQ(host.builds, 1);
}

TEST_F(DialogsTest, RefusedFieldsKeepTheDialogOpenAndNameTheField) {
  struct Row {
    const char *box, *text, *message;
  } rows[] = {
      {"firstFormula", "", "The formula \"y(x)\" is empty."},
      {"firstFormula", "sin(", "The formula \"y(x)\" cannot be read"},
      {"domainMin", "x+1", "\"Min x\" must be a number, not a formula of a variable."},
      {"domainMin", "1/0", "\"Min x\" has no value."},
      {"domainMin", "5", "\"Min x\" must be less than \"Max x\"."},
      {"domainSteps", "0", "\"Steps x\" must be a whole number from 1 to 100000."},
      {"domainSteps", "1e9", "\"Steps x\" must be a whole number from 1 to 100000."},
      {"domainSteps", "", "\"Steps x\" must be a whole number from 1 to 100000."},
  };
  for (const Row& row : rows) {
    const std::string title = ExpectRefused(
        "Add2DCartesianGraph", [](QDialog& d) { Type(d, "firstFormula", "x"); }, row.box,
        row.text, row.message);
    EXPECT_EQ(title, "Error");
  }
}

TEST_F(DialogsTest, ACancelledColourChoiceKeepsTheColour) {
  dialogs.colors.answers = {std::nullopt, 255};
  user = [&](QDialog& d) {
    Type(d, "firstFormula", "x");
    Click(d, "colorSwatch");
    EXPECT_EQ(Find<ColorBox>(d, "colorSwatch")->Color(), 16711680);
    Click(d, "colorSwatch");
    Click(d, "okButton");
  };
  Add("Add2DPolarGraph");
  EXPECT_EQ(dialogs.colors.asked, 2);
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->LineColor, 255);
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->CoordType, Polar);
}

// A shown graph with one checked row, made current.
std::shared_ptr<Graph> Shown(CommandTestHost& host, std::shared_ptr<Graph> g) {
  g->ID = ++GraphIdCounter;
  AllGraphs.FunSurfs.Add(g);
  ShownGraphs.FunSurfs.Add(g);
  host.rows.push_back({"row", true});
  host.current = static_cast<int32_t>(host.rows.size()) - 1;
  return g;
}

std::shared_ptr<Graph> Fixture(int32_t type, int32_t coord, int32_t form) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type, g->CoordType = coord, g->FunForm = form;
  g->Animation = type == Curve2DAnimation || type == Ribbon25DAnimation;
  g->NameS = "my graph";
  g->ExpressX = "0", g->ExpressY = "cos(u) ";
  g->ExpressZ = form == Explicit || form == Parametric ? "x / 3" : "x^2+y^2-1";
  g->MinU = -1.1f, g->MaxU = 1.0f / 3.0f, g->MinV = 0.1f, g->MaxV = 2.7182817f, g->StepV = 37;
  g->MinT = 0.3f, g->MaxT = 0.7f, g->StepU = 5;
  g->ClipMinZ = 0.0f, g->ClipMaxZ = 0.0f, g->Clip = false; // an unordered clip range, unused
  g->LineColor = 12345, g->LineWidth = 0;                  // a width the list does not hold
  g->Show2DCurve = false, g->ShowRoot = true;
  g->FillStyle = 5, g->ColorName = "Fiery", g->FirstColor = 77, g->SecondColor = 88;
  g->Material = 13, g->Show = 2, g->Smoothness = 1;
  return g;
}

TEST_F(DialogsTest, EditAndOkWithoutAChangeLeavesEveryGraphAsItWas) {
  struct Row {
    int32_t doc, type, coord, form;
    const char* caption;
  } rows[] = {
      {1, Curve2D, Cartesian2D, Explicit, "2D Function Graph Properties"},
      {1, Curve2D, Polar, Parametric, "2D Function Graph Properties"},
      {1, Curve2D, Cartesian2D, Implicit, "2D Function Graph Properties"},
      {1, Curve2D, Polar, Inequality, "2D Function Graph Properties"},
      {1, Curve2DAnimation, Cartesian2D, Explicit, "2D Function Graph Properties"},
      {1, Curve2DAnimation, Polar, Implicit, "2D Function Graph Properties"},
      {2, Ribbon25D, Cartesian2D, Explicit, "2.5D Function Graph Properties"},
      {2, Ribbon25D, Polar, Parametric, "2.5D Function Graph Properties"},
      {2, Ribbon25DAnimation, Cartesian2D, Parametric, "2.5D Function Graph Properties"},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = CommandTestHost();
    DocumentType = row.doc;
    auto g = Shown(host, Fixture(row.type, row.coord, row.form));
    g->GetPoints(); // as the document reader leaves a graph
    const std::string before = BuildDocumentText();
    user = [&](QDialog& d) { Click(d, "okButton"); };
    EditGraph(host);
    EXPECT_EQ(caption, row.caption);
    EXPECT_TRUE(EditMode);
    EXPECT_TRUE(dialogs.prompter.shown.empty()) << dialogs.prompter.shown[0].text;
    EXPECT_EQ(BuildDocumentText(), before) << row.type << " " << row.form;
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
    EXPECT_EQ(host.builds, 1) << "the commit builds the scene once";
    EXPECT_NE(host.rows[0].caption, "row") << "the row's text is renewed";
  }
}

TEST_F(DialogsTest, EditingChangesTheGraphInPlace) {
  auto g = Shown(host, Fixture(Curve2DAnimation, Polar, Implicit));
  user = [&](QDialog& d) {
    EXPECT_EQ(Find<QComboBox>(d, "formList")->currentText(), "f(a,r,t)=0");
    EXPECT_EQ(Label(d, "minYLabel"), "Min r");
    EXPECT_EQ(Text(d, "minT"), "0.3");
    EXPECT_EQ(Text(d, "stepsT"), "10");
    EXPECT_FALSE(Find<QLineEdit>(d, "stepsT")->isEnabled());
    Choose(d, "formList", 0);
    Type(d, "firstFormula", "x^2-2");
    Type(d, "domainSteps", "50");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(g->FunForm, Explicit);
  EXPECT_EQ(g->ExpressZ, "x^2-2");
  EXPECT_EQ(g->StepV, 50);
  EXPECT_EQ(g->ID, 1);
  EXPECT_EQ(host.rows[0].caption, "2D Curve Animation  r=x^2-2");
  EXPECT_EQ(host.sampled, std::vector<int32_t>{1});
  EXPECT_TRUE(host.playback);
}

TEST_F(DialogsTest, EditCommandGuards) {
  EditGraph(host);
  EXPECT_EQ(opened, 0) << "no rows";
  auto g = Shown(host, Fixture(Curve2D, Cartesian2D, Explicit));
  host.current = -1;
  EditGraph(host);
  EXPECT_EQ(opened, 0) << "rows but none current";
  EXPECT_FALSE(EditMode);
  host.current = 0;
  host.rows[0].checked = false;
  EditGraph(host);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Select a function first.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Warning");
  EXPECT_FALSE(EditMode);
  host.rows[0].checked = true;
  ShownGraphs.FunSurfs.Clear();
  EditGraph(host);
  EXPECT_EQ(opened, 0) << "a checked row whose graph is not shown";
  // A graph shown again stands elsewhere in ShownGraphs: found by its ID.
  auto other = Shown(host, Fixture(Curve2D, Polar, Explicit));
  ShownGraphs.FunSurfs.Add(g);
  host.current = 0;
  user = [&](QDialog& d) {
    EXPECT_EQ(Find<QComboBox>(d, "coordinateList")->currentIndex(), 0);
    Click(d, "cancelButton");
  };
  EditGraph(host);
  EXPECT_EQ(opened, 1);
  // A Special document's point has no dialog.
  DocumentType = DocumentTypeSpecial;
  other->GraphType = PointMarker;
  host.current = 1;
  EditGraph(host);
  EXPECT_EQ(opened, 1);
}

TEST_F(DialogsTest, AFormulaTypedWithBlanksKeepsItsMeaningThroughSaveAndOpen) {
  user = [&](QDialog& d) {
    Type(d, "firstFormula", "sin(x) / (x + 1)");
    Click(d, "okButton");
  };
  Add("Add2DCartesianGraph");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  std::string problem;
  const auto parsed = ParseDocumentText(BuildDocumentText(), AxesSettings(), &problem);
  ASSERT_TRUE(parsed) << problem;
  Graph& read = *parsed->graphs.at(0).graph;
  EXPECT_EQ(read.ExpressZ, g.ExpressZ);
  ASSERT_TRUE(read.GetPoints());
  for (int32_t i = 0; i <= g.StepV; i += 50)
    EXPECT_EQ(read.Vert3D(0, i).y, g.Vert3D(0, i).y);
}

TEST_F(DialogsTest, RibbonAddedWithItsStyle) {
  DocumentType = DocumentType25D;
  dialogs.colors.answers = {4242};
  user = [&](QDialog& d) {
    Choose(d, "formList", 1);
    Type(d, "firstFormula", "u");
    Type(d, "secondFormula", "u^2");
    Click(d, "colormapOption");
    Choose(d, "schemeBox", 3);
    Click(d, "singleColorSwatch");
    EXPECT_EQ(Find<ColorBox>(d, "secondColorSwatch")->Color(), 4242)
        << "both swatches of the second colour";
    Find<QListWidget>(d, "materialList")->setCurrentRow(12);
    Click(d, "gridModelOption");
    Click(d, "okButton");
  };
  Add("Add25DCartesianGraph");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(g.GraphType, Ribbon25D);
  EXPECT_EQ(g.FunForm, Parametric);
  EXPECT_EQ(g.StepV, 50);
  EXPECT_EQ(g.FillStyle, 5);
  EXPECT_EQ(g.ColorName, "Marine");
  EXPECT_EQ(g.FirstColor, 255);
  EXPECT_EQ(g.SecondColor, 4242);
  EXPECT_EQ(g.Material, 13);
  EXPECT_EQ(g.Show, 2);
  EXPECT_EQ(g.Smoothness, 3);
  EXPECT_EQ(host.rows.at(0).caption, "2.5D Ribbon  x=u,y=u^2");
  EXPECT_EQ(ShownGraphs.RotYaw, 45.0f);
}

// Every add command and every graph kind that has a property dialog finds it installed, so no
// command or "Edit..." comes to nothing.
TEST_F(DialogsTest, EveryPropertyDialogIsInstalled) {
  for (const AddCommandSpec& spec : AddCommandTable())
    EXPECT_TRUE(HasAddDialog(spec.dialog)) << spec.handler;
  for (const GraphKindRow& kind : GraphKindTable()) {
    if (kind.Dialog == GraphDialog::None) continue;
    EXPECT_TRUE(HasEditDialog(kind.Dialog)) << kind.Name;
  }
}

TEST_F(DialogsTest, AnimationOptionsDialog) {
  AnimationOptionsDialog d(host);
  EXPECT_EQ(d.windowTitle(), "Animation Options");
  EXPECT_EQ(Text(d, "frameCountField"), "10");
  Type(d, "frameCountField", "0");
  Click(d, "okButton");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "The number of frames must large than 1.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Note");
  EXPECT_NE(d.result(), QDialog::Accepted);
  // A speed whose timer would never tick is refused with a message; the speeds just below it
  // play at a 1 ms interval.
  Type(d, "frameCountField", "20");
  Type(d, "speedField", "2000");
  Click(d, "okButton");
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_EQ(dialogs.prompter.shown[1].text,
            "The speed of animation must not be larger than 1999 frames per second.");
  EXPECT_NE(d.result(), QDialog::Accepted);
  Type(d, "speedField", "1500");
  Click(d, "okButton");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(FramesPerSecond, 1500);
  EXPECT_EQ(host.interval, 1);
  Type(d, "speedField", "4");
  Click(d, "okButton");
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(FrameCount, 20);
  EXPECT_EQ(FramesPerSecond, 4);
  EXPECT_EQ(host.interval, 250);
  EXPECT_EQ(dialogs.prompter.shown.size(), 2u);
}

TEST_F(DialogsTest, StepsWhoseSamplesWouldNotFitAreRefused) {
  host.optionsFrames = 10000;
  user = [&](QDialog& d) {
    Type(d, "firstFormula", "sin(x+t)");
    Type(d, "domainSteps", "100000");
    Click(d, "okButton");
    EXPECT_NE(d.result(), QDialog::Accepted);
    Click(d, "cancelButton");
  };
  Add("Add2DCartesianAnimation");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, SamplingTooLargeMessage);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(FrameCount, 10) << "the cancelled add gives the frame count back";
}

} // namespace

TEST_F(DialogsTest, RibbonEditShowsASchemeNameAndTheSecondColourBesideSingle) {
  struct Row {
    int32_t fillStyle;
    const char* name;
    const char* shown;     // in the scheme box
    bool chooseColormap;   // the user picks "Colormap" before OK
    const char* committed; // the graph's name after OK
  } rows[] = {
      {3, "", "Rainbow", true, "Rainbow"},
      {3, "", "Rainbow", false, ""},
      {5, "", "Rainbow", false, ""},
      {5, "Earth", "Earth", false, "Earth"},
      {4, "Grey", "Rainbow", true, "Rainbow"},
      {5, "Custom", "Rainbow", false, "Custom"},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = CommandTestHost();
    DocumentType = DocumentType25D;
    auto g = Fixture(Ribbon25D, Cartesian2D, Explicit);
    g->FillStyle = row.fillStyle, g->ColorName = row.name, g->SecondColor = 4242;
    Shown(host, g);
    const std::string at = std::to_string(row.fillStyle) + " \"" + row.name + "\"";
    user = [&](QDialog& d) {
      EXPECT_EQ(Find<QComboBox>(d, "schemeBox")->currentText(), row.shown) << at;
      EXPECT_EQ(Find<ColorBox>(d, "singleColorSwatch")->Color(), 4242) << at;
      EXPECT_EQ(Find<ColorBox>(d, "secondColorSwatch")->Color(), 4242) << at;
      if (row.chooseColormap) Click(d, "colormapOption");
      Click(d, "okButton");
    };
    EditGraph(host);
    EXPECT_EQ(g->ColorName, row.committed) << at;
    EXPECT_EQ(g->SecondColor, 4242) << at;
    EXPECT_EQ(g->FillStyle, row.chooseColormap ? 5 : row.fillStyle) << at;
  }
}
