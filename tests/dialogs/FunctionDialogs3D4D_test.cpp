// The 3D and 4D function graph dialogs driven as a user drives them, through the add commands
// and the Edit command: the 3D dialog's field captions and form lists by kind, coordinate system,
// form and mode, its overlay and fill-style rules, the fill of every kind in every coordinate
// system and form with the Edit and OK round trip, the texture file choice; the 4D dialog's slice
// rows, its lists' buttons, the refused slices and iso values, its fill and its commit.

#include "dialogs/DialogTestFixture.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>

#include "commands/AnimationOptions.h"
#include "dialogs/AnimationOptionsDialog.h"
#include "dialogs/DialogSections.h"
#include "dialogs/EditGraphCommand.h"
#include "dialogs/Graph4DDialog.h"
#include "document/DocumentText.h"
#include "model/GraphContainer.h"
#include "sampling/Sampling.h"
#include "support/ScopedMemoryRoot.h"

namespace {

using Dialogs3D = DialogTest;

QString Current(QDialog& d, const char* combo) {
  return d.findChild<QComboBox*>(combo)->currentText();
}
QStringList Items(QDialog& d, const char* combo) {
  QStringList items;
  QComboBox* box = d.findChild<QComboBox*>(combo);
  for (int i = 0; i < box->count(); ++i)
    items << box->itemText(i);
  return items;
}
bool Checked(QDialog& d, const char* name) {
  return d.findChild<QAbstractButton*>(name)->isChecked();
}
bool Enabled(QDialog& d, const char* name) { return d.findChild<QWidget*>(name)->isEnabled(); }

TEST_F(Dialogs3D, FieldCaptionsFollowKindFormCoordinatesAndMode) {
  struct Row {
    const char* command;
    int kind, form, coordinate;
    const char *first, *second, *row1, *row2, *row3; // second, row2 empty: hidden
    bool thirdSteps, overlays, single;
  } rows[] = {
      {"Add3DCartesianGraph", 1, 0, 0, "z(x,y)", "", "Min x", "Min y", "Min z", false, true, false},
      {"Add3DCartesianGraph", 0, 0, 1, "z(a,r)", "", "Min a[r]", "", "Min z", false, false, false},
      {"Add3DCartesianGraph", 0, 1, 2, "a(u)", "b(u)", "Min u", "", "Min z", false, false, false},
      {"Add3DCylindricalGraph", 1, 1, 1, "a(u,v)", "r(u,v)", "Min u", "Min v", "Min z", false,
       false, false},
      {"Add3DCylindricalGraph", 1, 2, 1, "f(a,r,z)", "", "Min a", "Min r", "Min z", true, false,
       true},
      {"Add3DSphericalGraph", 1, 2, 2, "f(a,b,r)", "", "Min a", "Min b", "Min r", true, false,
       true},
      {"Add3DSphericalGraph", 1, 0, 2, "r(a,b)", "", "Min a", "Min b", "Min z", false, false,
       false},
      {"Add3DCartesianAnimation", 1, 2, 0, "f(x,y,z,t)", "", "Min x", "Min y", "Min z", true, false,
       true},
      {"Add3DCartesianAnimation", 0, 1, 0, "x(u,t)", "y(u,t)", "Min u", "", "Min z", false, false,
       false},
  };
  for (const Row& row : rows) {
    user = [&](QDialog& d) {
      Choose(d, "kindList", row.kind);
      Choose(d, "coordinateList", row.coordinate);
      Choose(d, "formList", row.form);
      const std::string at = std::string(row.command) + " " + row.first;
      EXPECT_EQ(Label(d, "firstFormulaLabel"), row.first) << at;
      EXPECT_EQ(Hidden(d, "secondFormula"), *row.second == 0) << at;
      EXPECT_EQ(Hidden(d, "thirdFormula"), *row.second == 0) << at;
      if (*row.second) {
        EXPECT_EQ(Label(d, "secondFormulaLabel"), row.second) << at;
      }
      EXPECT_EQ(Label(d, "minULabel"), row.row1) << at;
      EXPECT_EQ(Hidden(d, "minV"), *row.row2 == 0) << at;
      if (*row.row2) {
        EXPECT_EQ(Label(d, "minVLabel"), row.row2) << at;
      }
      EXPECT_EQ(Label(d, "minZLabel"), row.row3) << at;
      EXPECT_FALSE(Hidden(d, "minZ")) << at;
      EXPECT_EQ(Hidden(d, "stepsZ"), !row.thirdSteps) << at;
      EXPECT_EQ(Enabled(d, "colormapCheck"), row.overlays) << at;
      EXPECT_EQ(Checked(d, "singleOption"), row.single) << at;
      EXPECT_EQ(Checked(d, "colormapOption"), !row.single) << at;
      EXPECT_EQ(Enabled(d, "gradientLeftRightOption"), !row.single) << at;
      EXPECT_EQ(Enabled(d, "colormapOption"), !row.single) << at;
      Click(d, "cancelButton");
    };
    Add(row.command);
  }
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
}

TEST_F(Dialogs3D, AnOpeningForAddingAndTheFormListRefills) {
  user = [&](QDialog& d) {
    EXPECT_EQ(Items(d, "kindList"), (QStringList{"Curve", "Surface"}));
    EXPECT_EQ(Current(d, "formList"), "z=f(x,y)");
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "z(x,y)");
    EXPECT_TRUE(Hidden(d, "minTLabel")) << "no t row";
    EXPECT_FALSE(Enabled(d, "colormapCheck")) << "the overlays wait for a selector";
    EXPECT_TRUE(Checked(d, "colormapOption"));
    EXPECT_EQ(Text(d, "stepsU"), "40");
    // Implicit surface to curve: the parametric curve form.
    Choose(d, "formList", 2);
    Click(d, "gradientLeftRightOption"); // any selector change resets the fill style
    Choose(d, "kindList", 0);
    EXPECT_EQ(Current(d, "formList"), "x=f1(u),y=f2(u),z=f3(u)");
    EXPECT_EQ(Items(d, "formList").size(), 2);
    EXPECT_TRUE(Checked(d, "colormapOption"));
    // Passing through the implicit spherical surface leaves "Min r" on the third row.
    Choose(d, "kindList", 1);
    Choose(d, "coordinateList", 2);
    EXPECT_EQ(Current(d, "formList"), "a=f1(u,v),b=f2(u,v),r=f3(u,v)") << "the form is kept";
    Choose(d, "formList", 2);
    Choose(d, "formList", 0);
    EXPECT_EQ(Label(d, "minZLabel"), "Min r");
    EXPECT_TRUE(Hidden(d, "stepsZ"));
    // Checks stay when the overlays are withdrawn.
    Choose(d, "coordinateList", 0);
    Click(d, "contourCheck");
    Choose(d, "coordinateList", 1);
    EXPECT_FALSE(Enabled(d, "contourCheck"));
    EXPECT_TRUE(Checked(d, "contourCheck"));
    Click(d, "cancelButton");
  };
  Add("Add3DCartesianGraph");
  EXPECT_EQ(caption, "3D Function Graph Properties");
  user = [&](QDialog& d) {
    EXPECT_EQ(Items(d, "kindList"), (QStringList{"AnimCurve", "AnimSurface"}));
    EXPECT_EQ(Items(d, "formList"),
              (QStringList{"r=f(a,b,t)", "a=f1(u,v,t),b=f2(u,v,t),r=f3(u,v,t)", "f(a,b,r,t)=0"}));
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "r(a,b,t)");
    EXPECT_EQ(Label(d, "minULabel"), "Min a");
    EXPECT_FALSE(Hidden(d, "minTLabel"));
    EXPECT_FALSE(Find<QLineEdit>(d, "stepsT")->isEnabled());
    EXPECT_EQ(Text(d, "stepsT"), "10");
    Click(d, "cancelButton");
  };
  Add("Add3DSphericalAnimation");
  EXPECT_EQ(caption, "3D Function Graph Animation Properties");
}

TEST_F(Dialogs3D, AddingASurfaceMakesOneGraphSampledByTheCommand) {
  DocumentType = DocumentType3D;
  dialogs.colors.answers = {std::nullopt};
  user = [&](QDialog& d) {
    Type(d, "firstFormula", "sin(x)*cos(y)");
    Type(d, "stepsU", "30");
    Click(d, "firstColorSwatch"); // a cancelled colour choice keeps the colour
    Find<QSlider>(d, "transparencySlider")->setValue(3);
    Click(d, "okButton");
  };
  Add("Add3DCartesianGraph");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(g.GraphType, Surface3D);
  EXPECT_EQ(g.CoordType, Cartesian3D);
  EXPECT_EQ(g.FunForm, Explicit);
  EXPECT_EQ(g.ExpressZ, "sin(x)*cos(y)");
  EXPECT_EQ(g.ExpressX, "x") << "an explicit surface's points are (x, y, f(x,y))";
  EXPECT_EQ(g.ExpressY, "y");
  EXPECT_EQ(g.StepU, 30);
  EXPECT_EQ(g.StepV, 40);
  EXPECT_EQ(g.FillStyle, 5);
  EXPECT_EQ(g.ColorName, "Rainbow");
  EXPECT_EQ(g.FirstColor, 255);
  EXPECT_EQ(g.Material, 4);
  EXPECT_FLOAT_EQ(g.TransAlpha, 0.3f);
  EXPECT_EQ(g.Show, 3);
  EXPECT_EQ(g.Smoothness, 3);
  EXPECT_TRUE(g.Clip);
  EXPECT_FLOAT_EQ(g.ClipMinZ, -3.0f);
  EXPECT_EQ(host.sampled, std::vector<int32_t>{1}) << "sampled once, by the command";
  ASSERT_EQ(host.rows.size(), 1u);
  EXPECT_EQ(host.rows[0].caption, "3D Surface  z=sin(x)*cos(y)");
  EXPECT_TRUE(host.rows[0].checked);
  EXPECT_EQ(ShownGraphs.RotPitch, -30.0f);
  const GraphPoint corner = g.Vert3D(0, 40); // x = -3, y = 3, in the scene's order (y, z, x)
  EXPECT_FLOAT_EQ(corner.x, 3.0f);
  EXPECT_FLOAT_EQ(corner.z, -3.0f);
  EXPECT_NEAR(corner.y, std::sin(-3.0f) * std::cos(3.0f), 1e-5f);
  // "Clip" bounds the height only: the scene's box spans the domain.
  const BoundingBox box = ShownGraphs.GetBox();
  EXPECT_NEAR(box.MinX, -3.0f, 0.05f);
  EXPECT_NEAR(box.MaxZ, 3.0f, 0.05f);
}

TEST_F(Dialogs3D, ClipBoundsTheHeightOnlyOfEveryAddedGraph) {
  user = [&](QDialog& d) {
    Type(d, "firstFormula", "x/2");
    Click(d, "okButton");
  };
  Add("Add2DCartesianGraph");
  ASSERT_TRUE(AllGraphs.FunSurfs.Item(1)->Clip);
  const BoundingBox box = ShownGraphs.GetBox();
  EXPECT_NEAR(box.MinX, -3.0f, 0.05f);
  EXPECT_NEAR(box.MaxX, 3.0f, 0.05f);
}

// A 3D function graph of a kind, coordinate system and form, with values no dialog starts with.
std::shared_ptr<Graph> Graph3D(int32_t type, int32_t coord, int32_t form) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type, g->CoordType = coord, g->FunForm = form;
  g->Animation = type == Curve3DAnimation || type == Surface3DAnimation;
  g->NameS = "my surface";
  g->ExpressX = form == Implicit ? "x^2+y^2+z^2-1" : "cos(u)";
  g->ExpressY = "sin(u) ";
  g->ExpressZ = form == Explicit ? "x*y / 3" : "u/2";
  g->MinU = -1.1f, g->MaxU = 1.0f / 3.0f, g->StepU = 7;
  g->MinV = 0.1f, g->MaxV = 2.7182817f, g->StepV = 6;
  g->MinW = -1.5f, g->MaxW = 1.25f, g->StepW = 5;
  g->MinT = 0.3f, g->MaxT = 0.7f;
  g->ClipMinZ = 1.0f, g->ClipMaxZ = -1.0f, g->Clip = false; // an unordered range, unused
  g->FillStyle = 2, g->ColorName = "Fiery", g->FirstColor = 77, g->SecondColor = 88;
  g->Material = 13, g->Show = 2, g->Smoothness = 1;
  g->ShowColormap = true, g->ShowContour = false, g->ShowVector = true;
  g->ShowTex = true, g->TexName = "/no/such/picture.bmp", g->TexMode = 0;
  g->ShowTrans = true, g->TransAlpha = 0.25f;
  return g;
}

std::shared_ptr<Graph> Shown(CommandTestHost& host, std::shared_ptr<Graph> g) {
  g->ID = ++GraphIdCounter;
  AllGraphs.FunSurfs.Add(g);
  ShownGraphs.FunSurfs.Add(g);
  host.rows.push_back({"row", true});
  host.current = static_cast<int32_t>(host.rows.size()) - 1;
  return g;
}

TEST_F(Dialogs3D, TheFillOfEveryKindCoordinateSystemAndFormAndOkWithoutAChange) {
  const char* coords[] = {"Cartesian", "Cylindrical", "Spherical"};
  for (int32_t type : {Curve3D, Surface3D, Curve3DAnimation, Surface3DAnimation})
    for (int32_t coord : {Cartesian3D, Cylindrical, Spherical})
      for (int32_t form : {Explicit, Parametric, Implicit}) {
        const bool curve = type == Curve3D || type == Curve3DAnimation;
        const bool animated = type == Curve3DAnimation || type == Surface3DAnimation;
        if (curve && form == Implicit) continue;
        ResetProgramState();
        host = CommandTestHost();
        DocumentType = DocumentType3D;
        auto g = Shown(host, Graph3D(type, coord, form));
        g->GetPoints(); // as the document reader leaves a graph
        const std::string before = BuildDocumentText();
        const std::string at =
            std::to_string(type) + " " + coords[coord - 3] + " " + std::to_string(form);
        user = [&](QDialog& d) {
          EXPECT_EQ(Current(d, "coordinateList"), coords[coord - 3]) << at;
          EXPECT_EQ(Find<QComboBox>(d, "kindList")->currentIndex(), curve ? 0 : 1) << at;
          EXPECT_EQ(Find<QComboBox>(d, "formList")->currentIndex(), form == Explicit     ? 0
                                                                    : form == Parametric ? 1
                                                                                         : 2)
              << at;
          EXPECT_EQ(Hidden(d, "minTLabel"), !animated) << at;
          EXPECT_EQ(Text(d, "firstFormula").toStdString(),
                    form == Explicit ? "x*y / 3" : g->ExpressX)
              << at;
          if (form == Parametric) {
            EXPECT_EQ(Text(d, "thirdFormula"), "u/2") << at;
          }
          EXPECT_EQ(Text(d, "minU"), "-1.1") << at;
          EXPECT_EQ(Text(d, "stepsU"), "7") << at;
          // The third row's pair is the clipping range for every form; "Steps z" holds StepW
          // for still graphs and stays as loaded for animated ones.
          EXPECT_EQ(Text(d, "minZ"), "1") << at;
          EXPECT_EQ(Text(d, "maxZ"), "-1") << at;
          EXPECT_EQ(Text(d, "stepsZ"), animated ? "20" : "5") << at;
          EXPECT_FALSE(Checked(d, "clipCheck")) << at;
          // Fill style 2 selects its option, greyed for an implicit surface.
          EXPECT_TRUE(Checked(d, "gradientFrontBackOption")) << at;
          EXPECT_EQ(Enabled(d, "gradientFrontBackOption"), form != Implicit) << at;
          EXPECT_EQ(Current(d, "schemeBox"), "Rainbow") << at;
          EXPECT_EQ(Find<ColorBox>(d, "singleColorSwatch")->Color(), 88) << at;
          EXPECT_EQ(Find<QListWidget>(d, "materialList")->currentRow(), 12) << at;
          EXPECT_TRUE(Checked(d, "gridModelOption")) << at;
          EXPECT_TRUE(Checked(d, "flatOption")) << at;
          EXPECT_TRUE(Checked(d, "colormapCheck") && !Checked(d, "contourCheck") &&
                      Checked(d, "vectorCheck"))
              << at;
          // Texture and transparency show a still graph's values, a fresh dialog's for animated.
          EXPECT_EQ(Checked(d, "textureCheck"), !animated) << at;
          EXPECT_EQ(Checked(d, "transparentCheck"), !animated) << at;
          EXPECT_EQ(Text(d, "textureFile"), animated ? "" : "/no/such/picture.bmp") << at;
          EXPECT_TRUE(Checked(d, animated ? "overlapOption" : "blendOption"))
              << at << ": a mode other than 1 shows as Blend";
          EXPECT_EQ(Find<QSlider>(d, "transparencySlider")->value(), animated ? 0 : 2) << at;
          Click(d, "okButton");
        };
        EditGraph(host);
        EXPECT_EQ(caption, animated ? "3D Function Graph Animation Properties"
                                    : "3D Function Graph Properties");
        EXPECT_TRUE(dialogs.prompter.shown.empty()) << at << dialogs.prompter.shown[0].text;
        EXPECT_EQ(BuildDocumentText(), before) << at;
        EXPECT_EQ(host.builds, 1) << at;
        EXPECT_NE(host.rows[0].caption, "row") << at;
      }
}

TEST_F(Dialogs3D, TheSchemeBoxAndFillStyleOfTheFill) {
  struct Row {
    int32_t type, form, fillStyle;
    const char* scheme;  // the scheme box
    const char* checked; // the fill-style option selected
    bool greyed;         // that option disabled
  } rows[] = {
      {Surface3D, Explicit, 5, "Rainbow", "colormapOption", false},
      {Surface3D, Parametric, 5, "Rainbow", "colormapOption", false},
      {Surface3DAnimation, Explicit, 5, "Rainbow", "colormapOption", false},
      {Curve3D, Explicit, 5, "Rainbow", "colormapOption", false},
      {Curve3DAnimation, Explicit, 5, "Fiery", "colormapOption", false},
      {Curve3DAnimation, Parametric, 5, "Rainbow", "colormapOption", false},
      {Curve3DAnimation, Explicit, 4, "Rainbow", "singleOption", false},
      {Surface3D, Implicit, 5, "Rainbow", "singleOption", false},
      {Surface3DAnimation, Implicit, 9, "Rainbow", "singleOption", false},
      {Surface3D, Implicit, 1, "Rainbow", "gradientLeftRightOption", true},
      {Surface3D, Explicit, 0, "Rainbow", "colormapOption", false},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = CommandTestHost();
    DocumentType = DocumentType3D;
    auto g = Shown(host, Graph3D(row.type, Cartesian3D, row.form));
    g->FillStyle = row.fillStyle;
    const std::string at = std::to_string(row.type) + " " + std::to_string(row.form) + " " +
                           std::to_string(row.fillStyle);
    user = [&](QDialog& d) {
      EXPECT_EQ(Current(d, "schemeBox"), row.scheme) << at;
      EXPECT_TRUE(Checked(d, row.checked)) << at;
      EXPECT_EQ(Enabled(d, row.checked), !row.greyed) << at;
      Click(d, "okButton");
    };
    EditGraph(host);
    EXPECT_EQ(g->FillStyle, row.fillStyle) << at << ": kept when unchanged";
    EXPECT_EQ(g->ColorName, "Fiery") << at;
  }
  // Choosing "Colormap" takes the scheme the box shows.
  auto g = Shown(host, Graph3D(Surface3D, Cartesian3D, Explicit));
  user = [&](QDialog& d) {
    Click(d, "colormapOption");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(g->FillStyle, 5);
  EXPECT_EQ(g->ColorName, "Rainbow");
}

TEST_F(Dialogs3D, EditableListsBracketedColoursAndOptionsInRows) {
  DocumentType = DocumentType3D;
  auto g = Shown(host, Graph3D(Surface3D, Cartesian3D, Explicit));
  g->FillStyle = 5, g->ColorName = "Custom";
  user = [&](QDialog& d) {
    for (const char* name : {"coordinateList", "kindList", "formList", "schemeBox"})
      EXPECT_TRUE(Find<QComboBox>(d, name)->isEditable()) << name;
    EXPECT_EQ(Current(d, "schemeBox"), "Rainbow") << "a surface shows Rainbow";
    // Typing runs no handler: the captions stay until an item is picked.
    QComboBox* coordinate = Find<QComboBox>(d, "coordinateList");
    coordinate->lineEdit()->selectAll();
    QTest::keyClicks(coordinate->lineEdit(), "Polar");
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "z(x,y)");
    EXPECT_EQ(coordinate->count(), 3) << "typing adds no item";
    Click(d, "okButton");
    EXPECT_NE(d.result(), QDialog::Accepted) << "a typed coordinate system is no item";
    Choose(d, "coordinateList", 1);
    EXPECT_EQ(Label(d, "firstFormulaLabel"), "z(a,r)");
    // A scheme name may be typed.
    QComboBox* scheme = Find<QComboBox>(d, "schemeBox");
    scheme->lineEdit()->selectAll();
    QTest::keyClicks(scheme->lineEdit(), "Sunset");
    // The model and smoothness options run left to right; lines join the gradient options to
    // the first and second colour.
    d.show();
    Reveal(Find<QWidget>(d, "pointModelOption"));
    QApplication::processEvents();
    for (auto row : {std::array{"pointModelOption", "gridModelOption", "surfaceModelOption"},
                     std::array{"flatOption", "smoothOption", "smoothestOption"}}) {
      const QWidget* a = Find<QWidget>(d, row[0]);
      const QWidget* b = Find<QWidget>(d, row[1]);
      const QWidget* c = Find<QWidget>(d, row[2]);
      EXPECT_EQ(a->y(), b->y()) << row[0];
      EXPECT_LT(a->x(), b->x()) << row[0];
      EXPECT_LT(b->x(), c->x()) << row[0];
    }
    auto* bracket = d.findChild<OptionBracket*>("OptionBracket");
    ASSERT_NE(bracket, nullptr);
    Reveal(bracket);
    QApplication::processEvents();
    EXPECT_EQ(bracket->Lines().size(), 8u);
    const QImage picture = bracket->grab().toImage();
    const QLine upright = bracket->Lines()[3];
    EXPECT_GT(upright.dy(), 0);
    const int y = upright.y1() + upright.dy() / 4; // between the ticks and the line across
    EXPECT_NE(picture.pixel(upright.x1(), y), picture.pixel(upright.x1() + 5, y))
        << "the upright is drawn";
    Click(d, "okButton");
  };
  EditGraph(host);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Choose an item of \"Coordinate\".");
  EXPECT_EQ(g->CoordType, Cylindrical);
  EXPECT_EQ(g->ColorName, "Sunset");
}

TEST_F(Dialogs3D, EditingChangesTheGraphInPlace) {
  DocumentType = DocumentType3D;
  auto g = Shown(host, Graph3D(Surface3D, Cartesian3D, Explicit));
  g->ShowTex = false;
  user = [&](QDialog& d) {
    Choose(d, "coordinateList", 2); // spherical; the fill style goes back to the colour map
    Choose(d, "formList", 2);
    Type(d, "firstFormula", "x^2+y^2+z^2-4");
    Type(d, "minZ", "-2");
    Type(d, "maxZ", "2");
    Type(d, "stepsZ", "12");
    Find<QSlider>(d, "transparencySlider")->setValue(8);
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_TRUE(dialogs.prompter.shown.empty()) << dialogs.prompter.shown[0].text;
  EXPECT_EQ(g->ID, 1);
  EXPECT_EQ(g->CoordType, Spherical);
  EXPECT_EQ(g->FunForm, Implicit);
  EXPECT_EQ(g->ExpressX, "x^2+y^2+z^2-4");
  EXPECT_EQ(g->ExpressY, "sin(u) ") << "a formula the implicit form does not use is kept";
  EXPECT_EQ(g->MinW, -2.0f);
  EXPECT_EQ(g->MaxW, 2.0f);
  EXPECT_EQ(g->StepW, 12);
  EXPECT_EQ(g->ClipMinZ, -2.0f) << "the box is the clipping range";
  EXPECT_EQ(g->FillStyle, 4);
  EXPECT_FLOAT_EQ(g->TransAlpha, 0.8f);
  EXPECT_TRUE(g->ShowColormap) << "overlays not offered keep their value";
  EXPECT_EQ(host.rows[0].caption, "3D Surface  x^2+y^2+z^2-4=0");
  EXPECT_EQ(host.sampled, std::vector<int32_t>{1});
}

// A curve of a form its list lacks shows the explicit form with an empty formula box and keeps
// its own form; picking the explicit form, even as shown, takes that form and needs its formula.
TEST_F(Dialogs3D, AFormPickedForAGraphWhoseFormTheListLacks) {
  DocumentType = DocumentType3D;
  auto g = Shown(host, Graph3D(Curve3D, Cartesian3D, Implicit));
  user = [&](QDialog& d) {
    EXPECT_EQ(Find<QComboBox>(d, "formList")->currentIndex(), 0);
    EXPECT_EQ(Text(d, "firstFormula"), "");
    Choose(d, "formList", 0);
    Click(d, "okButton");
    EXPECT_NE(d.result(), QDialog::Accepted) << "the picked form has no formula";
    Type(d, "firstFormula", "x-y");
    Click(d, "okButton");
  };
  EditGraph(host);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "The formula \"z(x,y)\" is empty.");
  EXPECT_EQ(g->FunForm, Explicit);
  EXPECT_EQ(g->ExpressZ, "x-y");
}

TEST_F(Dialogs3D, TheTextureFile) {
  QTemporaryDir dir;
  const std::string picture = dir.filePath("brick.bmp").toStdString();
  QFile file(QString::fromStdString(picture));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  dialogs.files.answers = {std::nullopt, FileChoice{picture, 1}};
  user = [&](QDialog& d) {
    Type(d, "firstFormula", "x*y");
    Type(d, "textureFile", "/kept/path.jpg");
    Click(d, "textureBrowseButton");
    EXPECT_EQ(Text(d, "textureFile"), "/kept/path.jpg") << "a cancelled choice keeps the path";
    Click(d, "textureCheck");
    Click(d, "okButton");
    EXPECT_NE(d.result(), QDialog::Accepted) << "a texture file that is not there";
    Click(d, "textureBrowseButton");
    EXPECT_EQ(Text(d, "textureFile").toStdString(), picture);
    EXPECT_FALSE(Checked(d, "textureCheck") == false);
    Click(d, "blendOption");
    Click(d, "okButton");
  };
  Add("Add3DCylindricalGraph");
  EXPECT_EQ(dialogs.files.titles, (std::vector<std::string>{"Open File", "Open File"}));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "The texture file \"/kept/path.jpg\" cannot be found.");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  EXPECT_TRUE(g.ShowTex);
  EXPECT_EQ(g.TexName, picture);
  EXPECT_EQ(g.TexMode, 2);
}

TEST_F(Dialogs3D, RefusedFields) {
  struct Row {
    const char *box, *text, *message;
  } rows[] = {
      {"firstFormula", "sin(", "The formula \"z(x,y)\" cannot be read"},
      {"minV", "3", "\"Min y\" must be less than \"Max y\"."},
      {"stepsV", "0", "\"Steps y\" must be a whole number from 1 to 1000."},
      {"minZ", "9", "\"Min z\" must be less than \"Max z\"."},
  };
  for (const Row& row : rows)
    ExpectRefused(
        "Add3DCartesianGraph", [](QDialog& d) { Type(d, "firstFormula", "x"); }, row.box, row.text,
        row.message, false);
}

// --- the 4D dialog --------------------------------------------------------------------------

using Dialogs4D = DialogTest;

TEST(SliceItemTextTest, RowsWrittenAndReadBack) {
  SliceItem s;
  s.value = 0.5f, s.firstFrom = 1, s.firstTo = 21, s.secondFrom = 1, s.secondTo = 21;
  s.color = true, s.contour = true, s.levels = 0.5f, s.contourColor = 255;
  EXPECT_EQ(SliceItemText(s, true), "0.5 1 21 1 21 1 1 0.5 255 0 ");
  EXPECT_EQ(SliceItemText(s, false), "0.5 1 21 1 21 1 1 0.5 255 0");
  SliceItem t = s;
  t.value = -1.25f, t.contour = false, t.color = false, t.vector = true, t.vectorColor = 65280;
  t.firstFrom = 3;
  EXPECT_EQ(SliceItemText(t, true), "-1.25 3 21 1 21 0 0 1 65280 ");
  for (const SliceItem& item : {s, t})
    for (bool filled : {true, false}) {
      const auto back = ParseSliceItemText(SliceItemText(item, filled), nullptr);
      ASSERT_TRUE(back);
      EXPECT_EQ(SliceItemText(*back, true), SliceItemText(item, true));
    }
  std::string why;
  for (const char* bad :
       {"", "0 1 21 1", "0 1 21 1 21 1 1 0.5", "0 1 x 1 21 1 0 0", "0 1 21 1 21 1 0 0 7"})
    EXPECT_FALSE(ParseSliceItemText(bad, &why)) << bad;
}

QStringList ListRows(QDialog& d, const char* name) {
  QStringList rows;
  QListWidget* list = d.findChild<QListWidget*>(name);
  for (int i = 0; i < list->count(); ++i)
    rows << list->item(i)->text();
  return rows;
}

TEST_F(Dialogs4D, TheListsButtonsAndRefusals) {
  DocumentType = DocumentType4D;
  user = [&](QDialog& d) {
    EXPECT_EQ(Label(d, "formulaLabel"), "v(x,y,z,t)");
    EXPECT_EQ(Current(d, "formList"), "v=f(x,y,z,t)");
    EXPECT_EQ(Current(d, "schemeBox"), "Rainbow");
    EXPECT_EQ(Text(d, "stepsX"), "20");
    EXPECT_FALSE(Hidden(d, "minT"));
    Click(d, "xSliceAddButton");
    Click(d, "xSliceContourCheck");
    Type(d, "xSliceValue", "-1/4");
    Click(d, "xSliceAddButton");
    EXPECT_EQ(ListRows(d, "xSliceList"),
              (QStringList{"0 1 21 1 21 1 1 1 12632256 0", "-0.25 1 21 1 21 1 0 0"}));
    // Rows outside the grid, and a refused value.
    Type(d, "ySliceRowsZTo", "22");
    Click(d, "ySliceAddButton");
    Type(d, "ySliceRowsZTo", "21");
    Type(d, "ySliceRowsXFrom", "0");
    Click(d, "ySliceAddButton");
    Type(d, "ySliceRowsXFrom", "1");
    Type(d, "ySliceValue", "1+");
    Click(d, "ySliceAddButton");
    EXPECT_TRUE(ListRows(d, "ySliceList").isEmpty());
    // Reset keeps the row ranges.
    Type(d, "zSliceRowsXTo", "11");
    Click(d, "zSliceColormapCheck");
    Click(d, "zSliceResetButton");
    EXPECT_EQ(Text(d, "zSliceValue"), "");
    EXPECT_TRUE(Checked(d, "zSliceColormapCheck"));
    EXPECT_EQ(Text(d, "zSliceRowsXTo"), "11");
    // Iso values.
    Type(d, "isoValue", "1+");
    Click(d, "isoAddButton");
    Type(d, "isoValue", "1.5");
    Click(d, "isoAddButton");
    Click(d, "isoAddButton");
    Find<QListWidget>(d, "isoList")->setCurrentRow(0);
    Click(d, "isoDeleteButton");
    EXPECT_EQ(ListRows(d, "isoList"), (QStringList{"1.5"}));
    // Fewer steps after the slices were added: OK refuses the slice that no longer fits.
    Type(d, "formula", "x*y*z+t");
    Type(d, "stepsY", "10");
    Click(d, "okButton");
    EXPECT_NE(d.result(), QDialog::Accepted);
    Click(d, "cancelButton");
  };
  Add("Add4DAnimation");
  EXPECT_EQ(caption, "4D Function Animation Properties");
  std::vector<std::string> texts;
  for (const auto& shown : dialogs.prompter.shown)
    texts.push_back(shown.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "The slice at y = 0: the rows z 1 to 22 lie outside the grid, whose rows z "
                       "run from 1 to 21.",
                       "The slice at y = 0: the rows x 0 to 21 lie outside the grid, whose rows x "
                       "run from 1 to 21.",
                       "\"Input a Y Value\" is not a number.",
                       "The iso value is not a number.",
                       "The slice at x = 0: the rows y 1 to 21 lie outside the grid, whose rows y "
                       "run from 1 to 11.",
                   }));
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
}

TEST_F(Dialogs4D, AtMostFiftySlicesAndAHundredIsoValues) {
  user = [&](QDialog& d) {
    for (int i = 0; i < 51; ++i)
      Click(d, "zSliceAddButton");
    for (int i = 0; i < 101; ++i) {
      Type(d, "isoValue", QString::number(i));
      Click(d, "isoAddButton");
    }
    EXPECT_EQ(ListRows(d, "zSliceList").size(), 50);
    EXPECT_EQ(ListRows(d, "isoList").size(), 100);
    Click(d, "cancelButton");
  };
  Add("Add4DAnimation");
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "A 4D graph holds at most 50 slices at z values.");
  EXPECT_EQ(dialogs.prompter.shown[1].text, "A 4D graph holds at most 100 iso values.");
}

TEST_F(Dialogs4D, AddedWithSlicesAndAnIsoValueThenEditedAndKept) {
  DocumentType = DocumentType4D;
  user = [&](QDialog& d) {
    Type(d, "formula", "x^2+y^2+z^2");
    Type(d, "stepsX", "10");
    Type(d, "xSliceRowsYTo", "11");
    Click(d, "xSliceAddButton");
    Type(d, "xSliceValue", "1");
    Click(d, "xSliceColormapCheck");
    Click(d, "xSliceAddButton");
    Type(d, "isoValue", "4");
    Click(d, "isoAddButton");
    Choose(d, "schemeBox", 2);
    Click(d, "okButton");
  };
  Add("Add4DAnimation");
  ASSERT_TRUE(dialogs.prompter.shown.empty()) << dialogs.prompter.shown[0].text;
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  auto g = AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(g->GraphType, Function4DAnimation);
  EXPECT_EQ(g->FunForm, Explicit);
  EXPECT_EQ(g->CoordType, Cartesian3D);
  EXPECT_EQ(g->ExpressV, "x^2+y^2+z^2");
  EXPECT_EQ(g->StepU, 10);
  EXPECT_EQ(g->ColorName, "Fiery");
  EXPECT_EQ(g->FillStyle, 5) << "slices filled by the colour map";
  ASSERT_EQ(g->Slice4NumX, 2);
  EXPECT_EQ(g->Slice4X[2], 1.0f);
  EXPECT_EQ(g->Slice4YZYE[1], 11);
  EXPECT_FALSE(g->SliceXShowColor[2]);
  EXPECT_TRUE(g->SliceXShowCont[1]);
  EXPECT_EQ(g->SliceXContColor[1], 12632256);
  EXPECT_EQ(g->Slice4NumY, 0);
  ASSERT_EQ(g->IsoSurfaceNum, 1);
  EXPECT_EQ(g->IsoSurValue[1], 4.0f);
  EXPECT_EQ(host.rows.at(0).caption, "4D Animation  v=x^2+y^2+z^2");
  EXPECT_EQ(host.sampled, std::vector<int32_t>{1});

  // The Edit fill writes its rows with a blank after every token; OK without a change keeps
  // every value, also those that seven digits cannot carry.
  g->Slice4X[1] = 1.0f / 3.0f;
  g->IsoSurValue[1] = 2.0f / 3.0f;
  g->SliceXVectColor[2] = 65280, g->SliceXShowVect[2] = true;
  const std::string before = BuildDocumentText();
  host.current = 0;
  user = [&](QDialog& d) {
    EXPECT_EQ(ListRows(d, "xSliceList"), (QStringList{"0.3333333 1 11 1 21 1 1 1 12632256 0 ",
                                                      "1 1 11 1 21 0 1 1 12632256 1 65280 "}));
    EXPECT_EQ(ListRows(d, "isoList"), (QStringList{"0.6666667"}));
    EXPECT_TRUE(ListRows(d, "ySliceList").isEmpty());
    EXPECT_FALSE(Hidden(d, "minTLabel"));
    EXPECT_EQ(Text(d, "stepsT"), "10");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(caption, "4D Function Animation Properties");
  EXPECT_TRUE(dialogs.prompter.shown.empty()) << dialogs.prompter.shown[0].text;
  EXPECT_EQ(BuildDocumentText(), before);
  // Deleting a slice writes the list again.
  user = [&](QDialog& d) {
    Find<QListWidget>(d, "xSliceList")->setCurrentRow(0);
    Click(d, "xSliceDeleteButton");
    Click(d, "okButton");
  };
  EditGraph(host);
  ASSERT_EQ(g->Slice4NumX, 1);
  EXPECT_EQ(g->Slice4X[1], 1.0f);
  EXPECT_TRUE(g->SliceXShowVect[1]);
  EXPECT_EQ(g->SliceXVectColor[1], 65280);
}

TEST_F(Dialogs4D, AStillGraphOpensWithoutItsTRow) {
  DocumentType = DocumentType4D;
  auto g = std::make_shared<Graph>();
  g->GraphType = Function4D, g->CoordType = Cartesian3D, g->FunForm = Explicit;
  g->ExpressV = "x*y*z", g->StepU = g->StepV = g->StepW = 4;
  g->ExpressX = g->ExpressY = g->ExpressZ = "0"; // as documents hold them
  // A slice whose rows reach beyond the grid, as a document may hold it: kept while the grid
  // stays, refused once the grid changes.
  g->Slice4NumZ = 1, g->Slice4XYXB[1] = 1, g->Slice4XYXE[1] = 9, g->Slice4XYYB[1] = 1,
  g->Slice4XYYE[1] = 5;
  g->MinU = g->MinV = g->MinW = -1.0f, g->MaxU = g->MaxV = g->MaxW = 1.0f;
  Shown(host, g);
  user = [&](QDialog& d) {
    EXPECT_EQ(Label(d, "formulaLabel"), "v(x,y,z)");
    EXPECT_EQ(Current(d, "formList"), "v=f(x,y,z)");
    EXPECT_TRUE(Hidden(d, "minT"));
    EXPECT_EQ(Text(d, "formula"), "x*y*z");
    Type(d, "stepsZ", "6");
    Click(d, "okButton");
    EXPECT_NE(d.result(), QDialog::Accepted);
    Type(d, "stepsX", "8");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(caption, "4D Function Graph Properties");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "The slice at z = 0: the rows x 1 to 9 lie outside the "
                                            "grid, whose rows x run from 1 to 5.");
  EXPECT_EQ(g->StepW, 6);
  EXPECT_EQ(g->StepU, 8);
  EXPECT_EQ(g->GraphType, Function4D);
  EXPECT_EQ(host.rows[0].caption, "4D Graph  v=x*y*z");
}

// A small animated 4D graph as documents hold it.
std::shared_ptr<Graph> Animated4D() {
  auto g = std::make_shared<Graph>();
  g->GraphType = Function4DAnimation, g->CoordType = Cartesian3D, g->FunForm = Explicit;
  g->Animation = true;
  g->ExpressV = "x*y*z*t", g->StepU = g->StepV = g->StepW = 4;
  g->ExpressX = g->ExpressY = g->ExpressZ = "0";
  g->MinU = g->MinV = g->MinW = -1.0f, g->MaxU = g->MaxV = g->MaxW = 1.0f;
  g->MinT = 0.0f, g->MaxT = 1.0f;
  return g;
}

TEST_F(Dialogs4D, StepsTIsEditableAndANewCountResamplesTheShownGraphs) {
  DocumentType = DocumentType4D;
  auto other = Shown(host, Animated4D());
  auto g = Shown(host, Animated4D());
  user = [&](QDialog& d) {
    EXPECT_TRUE(Find<QLineEdit>(d, "stepsT")->isEnabled());
    EXPECT_EQ(Text(d, "stepsT"), "10");
    Type(d, "stepsT", "0");
    Click(d, "okButton");
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(FrameCount, 10);
    Type(d, "stepsT", "2*3");
    Click(d, "okButton");
  };
  EditGraph(host);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "\"Steps t\" must be a whole number from 1 to 10000.");
  EXPECT_EQ(FrameCount, 6);
  EXPECT_EQ(host.optionsFrames, 6) << "Animation Options shows the new count";
  EXPECT_EQ(host.sampled, (std::vector<int32_t>{other->ID, g->ID})) << "each sampled once";
  EXPECT_EQ(host.builds, 1);
  EXPECT_EQ(g->StepT(), 6);

  // An unchanged count samples only the edited graph; an added graph brings its count along.
  host.sampled.clear();
  user = [&](QDialog& d) { Click(d, "okButton"); };
  EditGraph(host);
  EXPECT_EQ(host.sampled, (std::vector<int32_t>{g->ID}));
  user = [&](QDialog& d) {
    Type(d, "formula", "x+y+z+t");
    Type(d, "stepsT", "4");
    Click(d, "okButton");
  };
  Add("Add4DAnimation");
  EXPECT_EQ(FrameCount, 4);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 3);
}

// A frame count that a shown graph cannot take (a 40-step 4D animation's grids would not fit with
// 3000 frames) is refused by the dialog that sets it, with one message naming that graph, before
// anything changes: the frame count, the samples and the pictures stay as they were.
TEST_F(Dialogs4D, AFrameCountAShownGraphCannotTakeIsRefusedBeforeAnythingChanges) {
  const struct {
    const char* path;
    std::function<void()> run;
  } paths[] = {
      {"4D Animation, Steps t",
       [this] {
         user = [&](QDialog& d) {
           Type(d, "formula", "x+y+z+t");
           for (const char* steps : {"stepsX", "stepsY", "stepsZ"})
             Type(d, steps, "10");
           Type(d, "stepsT", "3000");
           Click(d, "okButton");
           EXPECT_NE(d.result(), QDialog::Accepted) << "the dialog stays open";
           Click(d, "cancelButton");
         };
         Add("Add4DAnimation");
       }},
      {"Animation Options",
       [this] {
         EditAnimationOptions(host, [this] {
           AnimationOptionsDialog d(host);
           Type(d, "frameCountField", "3000");
           Click(d, "okButton");
           EXPECT_NE(d.result(), QDialog::Accepted) << "the dialog stays open";
           Click(d, "cancelButton");
         });
       }},
  };
  for (const auto& path : paths) {
    SCOPED_TRACE(path.path);
    ResetProgramState();
    host = CommandTestHost();
    DocumentType = DocumentType4D;
    FrameCount = host.optionsFrames = 40;
    auto g = Animated4D();
    g->StepU = g->StepV = g->StepW = 40;
    Shown(host, g);
    host.SampleGraph(*g);
    const float sample = g->FrameGridV(40, 40, 40, 40);
    ASSERT_NE(sample, 0.0f);
    host.sampled.clear();
    dialogs.prompter.shown.clear();

    path.run();
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    EXPECT_EQ(dialogs.prompter.shown[0].text,
              "Graph 1 (\"row\") cannot be sampled with 3000 frames: its samples would not fit "
              "in memory. The number of frames stays 40.");
    EXPECT_EQ(FrameCount, 40);
    EXPECT_EQ(host.optionsFrames, 40);
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
    EXPECT_TRUE(host.sampled.empty()) << "no graph is sampled again";
    EXPECT_EQ(host.builds, 0) << "the pictures stay";
    EXPECT_EQ(g->FrameGridV.Upper(3), 40);
    EXPECT_EQ(g->FrameGridV(40, 40, 40, 40), sample);
  }
}

// The bytes the samples of a 4D graph take with these counts (an animated one with the frames).
std::size_t Bytes4D(int32_t steps, int32_t frames = 0) {
  return *SamplingBytes(frames ? Function4DAnimation : Function4D, Explicit, Cartesian3D, steps,
                        steps, steps, frames);
}

// A frame count with which every graph fits alone, but all of them together would pass the
// document's memory budget, is refused with the budget's message before anything changes: by
// Animation Options, and by the 4D dialog, where the edited graph's own samples, counted with the
// step counts it will have, are what passes the budget (with its steps of before they would fit).
// Samples of the dialog's own graph that cannot be counted at all refuse the count too, never
// counted as nothing. The budget is the test's own, from a made-up control group.
TEST_F(Dialogs4D, AFrameCountTheGraphsTogetherCannotTakeIsRefusedWithTheBudget) {
  constexpr std::size_t MiB = std::size_t{1} << 20;
  auto still4D = [](int32_t steps) {
    auto g = Animated4D();
    g->GraphType = Function4D, g->Animation = false;
    g->StepU = g->StepV = g->StepW = steps;
    return g;
  };
  // The user of the 4D dialog types these steps and Steps t (and the formula, when one is given);
  // OK is refused and the dialog stays open.
  auto refusedIn4DDialog = [this](const char* steps, const char* frames,
                                  const char* formula = nullptr) {
    user = [=, this](QDialog& d) {
      if (formula) Type(d, "formula", formula);
      for (const char* box : {"stepsX", "stepsY", "stepsZ"})
        Type(d, box, steps);
      Type(d, "stepsT", frames);
      Click(d, "okButton");
      EXPECT_NE(d.result(), QDialog::Accepted) << "the dialog stays open";
      Click(d, "cancelButton");
    };
  };
  // Edits the last graph's steps and Steps t in its dialog.
  auto editIn4DDialog = [this, refusedIn4DDialog](const char* steps, const char* frames) {
    return [this, refusedIn4DDialog, steps, frames] {
      refusedIn4DDialog(steps, frames);
      EditGraph(host);
    };
  };
  // A still 4D graph of 17.4 MB, which no frame count changes, and an animation of 4 steps.
  auto stillAndAnimation = [&] {
    Shown(host, still4D(100));
    Shown(host, Animated4D());
  };
  // Two 10-step animations take 20 MB each with 1000 frames; the budget is 1 byte less than
  // both together, whose need and budget then read as amounts either side of it.
  const std::size_t bothAnimations = 2 * Bytes4D(10, 1000);
  const struct {
    const char* path;
    std::function<void()> setUp;
    std::size_t budget;
    std::function<void()> run;
    std::string message;
  } rows[] = {
      {"Animation Options",
       [&] {
         for (int n = 0; n < 2; ++n) {
           auto g = Shown(host, Animated4D());
           g->StepU = g->StepV = g->StepW = 10;
         }
       },
       bothAnimations - 1,
       [this] {
         EditAnimationOptions(host, [this] {
           AnimationOptionsDialog d(host);
           Type(d, "frameCountField", "1000");
           Click(d, "okButton");
           EXPECT_NE(d.result(), QDialog::Accepted) << "the dialog stays open";
           Click(d, "cancelButton");
         });
       },
       "The graphs cannot be sampled with 1000 frames: their samples would need 41 MB of memory "
       "for their samples and their drawing, more than the 40 MB a document may use (the "
       "largest: graph 1 (\"row\"), 20 MB). The number of frames stays 40."},
      // A still 4D graph of 17.4 MB, which no frame count changes, and the edited animation: 1.9 MB
      // with its 4 steps and 1000 frames, 20 MB with the 10 steps typed, the largest.
      {"4D dialog", stillAndAnimation, 32 * MiB, editIn4DDialog("10", "1000"),
       "The graphs cannot be sampled with 1000 frames: their samples would need 38 MB of memory "
       "for their samples and their drawing, more than the 32 MB a document may use (the "
       "largest: graph 2 (\"row\"), 20 MB). The number of frames stays 40."},
      // 41^3 values for each of 3001 frames: more than a grid holds, whatever the budget.
      {"4D dialog, samples that cannot be counted", stillAndAnimation, 32 * MiB,
       editIn4DDialog("40", "3000"),
       "This graph cannot be sampled with 3000 frames: its samples would not fit in memory. The "
       "number of frames stays 40."},
      {"4D dialog adding, samples that cannot be counted", [] {}, 32 * MiB,
       [this, refusedIn4DDialog] {
         refusedIn4DDialog("40", "3000", "x+y+z+t");
         Add("Add4DAnimation");
       },
       "This graph cannot be sampled with 3000 frames: its samples would not fit in memory. The "
       "number of frames stays 40."},
  };
  // Every graph fits alone; the 4D dialog's pair fits with the edited graph's steps of before.
  ASSERT_LT(Bytes4D(10, 1000), bothAnimations - 1);
  ASSERT_LT(Bytes4D(10, 1000), 32 * MiB);
  ASSERT_LT(Bytes4D(100), 32 * MiB);
  ASSERT_LT(Bytes4D(100) + Bytes4D(4, 1000), 32 * MiB);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path);
    ResetProgramState();
    host = CommandTestHost();
    ScopedMemoryRoot memory;
    memory.LimitControlGroup(2 * row.budget);
    EXPECT_EQ(DocumentSamplingBudget(), row.budget);
    DocumentType = DocumentType4D;
    FrameCount = host.optionsFrames = 40;
    row.setUp();
    std::vector<int32_t> steps;
    for (const auto& g : AllGraphs.FunSurfs)
      steps.push_back(g->StepU);
    const int32_t graphs = AllGraphs.FunSurfs.Count();
    dialogs.prompter.shown.clear();

    row.run();
    EXPECT_EQ(dialogs.prompter.shown.size(), 1u);
    if (!dialogs.prompter.shown.empty()) {
      EXPECT_EQ(dialogs.prompter.shown[0].text, row.message);
    }
    EXPECT_EQ(FrameCount, 40);
    EXPECT_EQ(host.optionsFrames, 40);
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), graphs);
    for (int32_t i = 1; i <= graphs; ++i)
      EXPECT_EQ(AllGraphs.FunSurfs.Item(i)->StepU, steps[size_t(i - 1)]) << "graph " << i;
    EXPECT_TRUE(host.sampled.empty()) << "no graph is sampled again";
    EXPECT_EQ(host.builds, 0) << "the pictures stay";
  }

  // A budget just as large as both animations need takes the count.
  ResetProgramState();
  host = CommandTestHost();
  ScopedMemoryRoot memory;
  memory.LimitControlGroup(2 * bothAnimations);
  DocumentType = DocumentType4D;
  FrameCount = host.optionsFrames = 40;
  for (int n = 0; n < 2; ++n) {
    auto g = Shown(host, Animated4D());
    g->StepU = g->StepV = g->StepW = 10;
  }
  EXPECT_FALSE(FrameCountProblem(1000, host).has_value());
}

TEST_F(Dialogs4D, IsoValuesAndSliceRowsKeepTheTextsAsTyped) {
  DocumentType = DocumentType4D;
  const struct {
    const char* typed;
    bool added;
  } isoRows[] = {{"2pi", false}, {"1/4", false}, {"1 2", false}, {"1e39", false}, {"", false},
                 {"1.50", true}, {" 3", true},   {"1e3", true},  {"&H10", true},  {"-.5", true}};
  QStringList expected;
  for (const auto& row : isoRows)
    if (row.added) expected << row.typed;
  user = [&](QDialog& d) {
    Type(d, "formula", "x*y*z");
    for (const auto& row : isoRows) {
      Type(d, "isoValue", row.typed);
      Click(d, "isoAddButton");
    }
    EXPECT_EQ(ListRows(d, "isoList"), expected);
    Type(d, "xSliceValue", "0.50");
    Type(d, "xSliceRowsYTo", "2e1");
    Type(d, "xSliceStep", "1/2");
    Click(d, "xSliceAddButton");
    EXPECT_EQ(ListRows(d, "xSliceList"), (QStringList{"0.50 1 2e1 1 21 1 1 0.5 12632256 0"}));
    Click(d, "okButton");
  };
  Add("Add4DGraph");
  EXPECT_EQ(dialogs.prompter.shown.size(), 5u) << "one message for each refused value";
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  ASSERT_EQ(g.IsoSurfaceNum, 5);
  const float values[] = {1.5f, 3.0f, 1000.0f, 16.0f, -0.5f};
  for (int j = 0; j < 5; ++j)
    EXPECT_EQ(g.IsoSurValue[j + 1], values[j]) << j;
  ASSERT_EQ(g.Slice4NumX, 1);
  EXPECT_EQ(g.Slice4X[1], 0.5f);
  EXPECT_EQ(g.Slice4YZYE[1], 20);
  EXPECT_EQ(g.SliceXContLevels[1], 0.5f);
}

TEST_F(Dialogs4D, AFunctionOfSeveralLinesAndSliceListsThatTakeTheRoom) {
  DocumentType = DocumentType4D;
  user = [&](QDialog& d) {
    auto* function = Find<QPlainTextEdit>(d, "formula");
    EXPECT_EQ(function->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    Type(d, "formula", "x*y");
    QTest::keyClick(function, Qt::Key_Return);
    QTest::keyClicks(function, "+z");
    EXPECT_EQ(d.result(), 0) << "Enter starts a new line; it does not press OK";
    d.show();
    const std::array<const char*, 3> tabs[] = {
        {"xSliceList", "xSliceListLabel", "xSliceContourSwatch"},
        {"ySliceList", "ySliceListLabel", "ySliceContourSwatch"},
        {"zSliceList", "zSliceListLabel", "zSliceContourSwatch"}};
    for (const auto& names : tabs) {
      QWidget* list = Find<QWidget>(d, names[0]);
      Reveal(list);
      QApplication::processEvents();
      const QRect caption = Find<QWidget>(d, names[1])->geometry();
      const QRect above = Find<QWidget>(d, names[2])->geometry();
      const int page = list->parentWidget()->height();
      EXPECT_LT(caption.top() - above.bottom(), 24) << names[0] << ": no gap above the caption";
      EXPECT_LT(list->geometry().top() - caption.bottom(), 16) << names[0];
      EXPECT_GT(list->height(), page / 3) << names[0] << ": the list takes the room";
    }
    Click(d, "okButton");
  };
  Add("Add4DGraph");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->ExpressV, "x*y +z") << "a line break is a blank";
}

} // namespace
