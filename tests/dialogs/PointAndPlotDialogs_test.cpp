// The point, point animation, contour plot, colour map, vector plot and step and stem dialogs
// driven as a user drives them through the Draw and Animation commands and the Edit command:
// their lists and captions by document kind; graphs added through OK with their rows, rotation
// and sampling; Cancel; refused inputs; the fills of edited graphs; and the Edit and OK round trip
// that must leave every graph exactly as it was.

#include "dialogs/DialogTestFixture.h"

#include <QRadioButton>

#include <cmath>

#include "dialogs/DialogSections.h"
#include "dialogs/EditGraphCommand.h"
#include "document/DocumentText.h"
#include "model/GraphContainer.h"

namespace {

using PlotDialogsTest = DialogTest;

QStringList Items(QDialog& d, const char* combo) {
  QStringList items;
  QComboBox* box = d.findChild<QComboBox*>(combo);
  for (int i = 0; box && i < box->count(); ++i)
    items << box->itemText(i);
  return items;
}

bool Checked(QDialog& d, const char* option) {
  return d.findChild<QRadioButton*>(option)->isChecked();
}

int32_t Swatch(QDialog& d, const char* name) { return d.findChild<ColorBox*>(name)->Color(); }

TEST_F(PlotDialogsTest, PointCoordinateListsAndCaptionsFollowTheDocumentKind) {
  struct Row {
    int32_t doc;
    const char* command;
    int coordinate;
    QStringList items;
    const char *first, *second, *third; // third empty: thirdCoordinate hidden
    bool hollowShown;
  } rows[] = {
      {1, "AddPoint", 0, {"Cartesian", "Polar"}, "x", "y", "", true},
      {1, "AddPoint", 1, {"Cartesian", "Polar"}, "a", "r", "", true},
      {2, "AddPoint", 1, {"Cartesian", "Polar"}, "a", "r", "", false},
      {3, "AddPoint", 2, {"Cartesian", "Cylindrical", "Spherical"}, "a", "b", "r", false},
      {9, "AddPoint", 1, {"Cartesian", "Cylindrical", "Spherical"}, "a", "r", "z", false},
      {1, "AddPointAnimation", 1, {"Cartesian", "Polar"}, "a(t)", "r(t)", "", true},
      {3,
       "AddPointAnimation",
       0,
       {"Cartesian", "Cylindrical", "Spherical"},
       "x(t)",
       "y(t)",
       "z(t)",
       false},
      {7,
       "AddPointAnimation",
       2,
       {"Cartesian", "Cylindrical", "Spherical"},
       "a(t)",
       "b(t)",
       "r(t)",
       false},
  };
  for (const Row& row : rows) {
    DocumentType = row.doc;
    const bool animated = std::string(row.command) == "AddPointAnimation";
    user = [&](QDialog& d) {
      EXPECT_EQ(Items(d, "coordinateList"), row.items) << row.doc;
      EXPECT_EQ(Find<QComboBox>(d, "coordinateList")->currentIndex(), 0);
      Choose(d, "coordinateList", row.coordinate);
      EXPECT_EQ(Label(d, "firstCoordinateLabel"), row.first) << row.doc << row.command;
      EXPECT_EQ(Label(d, "secondCoordinateLabel"), row.second);
      EXPECT_EQ(Hidden(d, "thirdCoordinate"), *row.third == 0);
      // A plane point's third caption is left as loaded.
      EXPECT_EQ(Label(d, "thirdCoordinateLabel"), *row.third ? row.third : animated ? "Z(t)" : "Z");
      EXPECT_EQ(Hidden(d, "hollowOrSolid"), !row.hollowShown);
      EXPECT_EQ(Swatch(d, "colorSwatch"), row.doc == 1 ? 0 : 255);
      EXPECT_EQ(Items(d, "sizeList").size(), 9);
      EXPECT_EQ(Find<QComboBox>(d, "sizeList")->currentText(), "2");
      if (animated) {
        EXPECT_EQ(Text(d, "stepsT"), "10");
        EXPECT_FALSE(Find<QLineEdit>(d, "stepsT")->isEnabled());
        EXPECT_EQ(Text(d, "nameField"), "Untitled");
      }
      Click(d, "cancelButton");
    };
    Add(row.command);
    EXPECT_EQ(caption, animated ? "Point Animation" : "Point Properties");
  }
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_TRUE(host.rows.empty());
}

TEST_F(PlotDialogsTest, AddedPointsAreSampledListedAndTurnedByDocumentKind) {
  struct Row {
    int32_t doc;
    const char* command;
    int coordinate;
    int32_t type, coord;
    const char* caption;
    float pitch;
  } rows[] = {
      {1, "AddPoint", 1, PointMarker, Polar, "Point  a=1, r=2", 0},
      {2, "AddPoint", 0, PointMarker, Cartesian2D, "Point  x=1, y=2", 0},
      {3, "AddPoint", 1, PointMarker, Cylindrical, "Point  a=1, r=2, z=3", -30},
      {7, "AddPoint", 1, PointMarker, Cylindrical, "Point  a=1, r=2, z=3", 0},
      {9, "AddPoint", 0, PointMarker, Cartesian3D, "Point  x=1, y=2, z=3", 0},
      {3, "AddPointAnimation", 2, PointAnimation, Spherical, "Point Animation   a=1, b=2, r=3",
       -30},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = CommandTestHost();
    ShownGraphs.RotPitch = 5;
    DocumentType = row.doc;
    user = [&](QDialog& d) {
      Choose(d, "coordinateList", row.coordinate);
      Type(d, "firstCoordinate", "1");
      Type(d, "secondCoordinate", "2");
      if (!Hidden(d, "thirdCoordinate")) Type(d, "thirdCoordinate", "3");
      if (row.type == PointAnimation) {
        Type(d, "minT", "0");
        Type(d, "maxT", "pi");
      }
      Choose(d, "sizeList", 4);
      if (row.doc == 1) Click(d, "hollowOption");
      Click(d, "okButton");
    };
    Add(row.command);
    ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1) << row.doc << row.command;
    const Graph& g = *AllGraphs.FunSurfs.Item(1);
    EXPECT_EQ(g.GraphType, row.type);
    EXPECT_EQ(g.CoordType, row.coord);
    EXPECT_EQ(g.PointSize, 5.0f);
    EXPECT_EQ(g.PointHollow, row.doc == 1);
    EXPECT_EQ(g.PointColor, row.doc == 1 ? 0 : 255);
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].caption, row.caption);
    EXPECT_TRUE(host.rows[0].checked);
    EXPECT_EQ(host.sampled, std::vector<int32_t>{1}) << "sampled once, by the dialog";
    EXPECT_EQ(ShownGraphs.RotPitch, row.pitch);
    if (row.type == PointAnimation) {
      EXPECT_TRUE(g.Animation);
      EXPECT_FLOAT_EQ(g.MaxT, 3.1415927f);
      EXPECT_TRUE(host.playback);
    } else if (row.doc <= 2) {
      EXPECT_EQ(g.ExpressY, "1");
      EXPECT_EQ(g.ExpressZ, "2");
      EXPECT_NEAR(g.Vert3D(0, 0).y, row.coord == Polar ? 2 * std::sin(1.0f) : 2.0f, 1e-6f);
    } else {
      EXPECT_EQ(g.ExpressX, "1");
      EXPECT_EQ(g.ExpressZ, "3");
    }
  }
}

TEST_F(PlotDialogsTest, SpecialPlotsAddedWithTheirStartingValues) {
  struct Row {
    const char* command;
    const char* title;
    int32_t type;
    int32_t steps;
    const char* caption;
  } rows[] = {
      {"AddContourPlot", "Function Contour", ContourPlot, 40, "Contour  x=u,y=v,z=u*v"},
      {"AddColorMap", "Function Color Map", ColorMap, 40, "Color Map  x=u, y=v, z=u*v"},
      {"AddVectorPlot", "Function Vector Plot", VectorPlot, 20, "Vector Plot  x=u,y=v,z=u*v"},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = CommandTestHost();
    DocumentType = DocumentTypeSpecial;
    user = [&](QDialog& d) {
      EXPECT_EQ(Text(d, "minU"), "-2pi");
      EXPECT_EQ(Text(d, "maxV"), "2pi");
      EXPECT_EQ(Label(d, "stepsVLabel"), "Steps v");
      Type(d, "formulaX", "u");
      Type(d, "formulaY", "v");
      Type(d, "formulaZ", "u*v");
      Click(d, "okButton");
    };
    Add(row.command);
    EXPECT_EQ(caption, row.title);
    ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1) << row.command;
    const Graph& g = *AllGraphs.FunSurfs.Item(1);
    EXPECT_EQ(g.GraphType, row.type);
    EXPECT_EQ(g.CoordType, Cartesian3D);
    EXPECT_EQ(g.FunForm, Parametric);
    EXPECT_FLOAT_EQ(g.MinU, -6.2831855f);
    EXPECT_FLOAT_EQ(g.MaxV, 6.2831855f);
    EXPECT_EQ(g.StepU, row.steps);
    EXPECT_EQ(g.StepV, row.steps);
    EXPECT_EQ(host.rows.at(0).caption, row.caption);
    EXPECT_EQ(host.sampled, std::vector<int32_t>{1}) << "sampled once, by the command";
    EXPECT_TRUE(g.Vert3D.InRange({row.steps, row.steps}));
    if (row.type == ContourPlot) {
      EXPECT_EQ(g.ContourLevel, 10.0f);
      EXPECT_EQ(g.LineWidth, 1);
      EXPECT_NE(g.FillStyle, 4) << "a gradient";
    }
    EXPECT_EQ(g.SecondColor, row.type == VectorPlot ? 0 : 16711680);
    if (row.type == ColorMap) {
      EXPECT_EQ(g.FillStyle, 3) << "a gradient between its two colours";
    }
  }
}

TEST_F(PlotDialogsTest, StemPlotAddedThroughItsOwnCaption) {
  dialogs.colors.answers = {std::nullopt};
  user = [&](QDialog& d) {
    EXPECT_FALSE(Find<QCheckBox>(d, "showStemCheck")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(d, "showStepCheck")->isChecked());
    EXPECT_EQ(Text(d, "minU"), "-2pi");
    EXPECT_EQ(Text(d, "stepsU"), "20");
    EXPECT_EQ(Find<QComboBox>(d, "headSizeList")->currentText(), "2");
    EXPECT_EQ(Find<QComboBox>(d, "headSymbolList")->currentText(), "SolidCircle");
    EXPECT_EQ(Items(d, "headSymbolList").last(), "CrossHair");
    Click(d, "stepColorSwatch"); // a cancelled colour choice keeps the colour
    Type(d, "formulaY", "sin(x)");
    Click(d, "showStemCheck");
    Choose(d, "headSymbolList", 5);
    Choose(d, "bodyWidthList", 7);
    Click(d, "okButton");
  };
  Add("AddStemPlot");
  EXPECT_EQ(caption, "Stem Graph Properties");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(g.GraphType, StepStemPlot);
  EXPECT_EQ(g.FunForm, Explicit);
  EXPECT_EQ(g.CoordType, Cartesian2D);
  EXPECT_TRUE(g.ShowStem);
  EXPECT_FALSE(g.ShowStep);
  EXPECT_EQ(g.StemHeadSymbol, 6);
  EXPECT_EQ(g.StemBodyWidth, 8);
  EXPECT_EQ(g.StepWidth, 2);
  EXPECT_EQ(g.StemHeadColor, 192);
  EXPECT_EQ(g.StepColor, 8388608);
  EXPECT_EQ(host.rows.at(0).caption, "Stem Plot  y=sin(x)");
  EXPECT_EQ(host.sampled, std::vector<int32_t>{1});
  EXPECT_NEAR(g.Vert3D(0, 20).x, 6.2831855f, 1e-5f);
  user = [&](QDialog& d) {
    Type(d, "formulaY", "x");
    Click(d, "okButton");
  };
  Add("AddStepPlot");
  EXPECT_EQ(caption, "Step Graph Properties");
  EXPECT_EQ(host.rows.at(1).caption, "Step Plot  y=x");
}

TEST_F(PlotDialogsTest, RefusedFieldsKeepTheDialogOpen) {
  struct Row {
    int32_t doc;
    const char *command, *box, *text, *message;
  } rows[] = {
      {1, "AddPoint", "secondCoordinate", "", "The formula \"y\" is empty."},
      {1, "AddPoint", "secondCoordinate", "sqrt(2)",
       "The formula \"y\" cannot be read: Undefined symbol : 'sqrt'"},
      {7, "AddContourPlot", "contourLevel", "sqrt(4)", "\"Contour Level\" is not a number."},
      {7, "AddContourPlot", "contourLevel", "-1", "\"Contour Level\" must be greater than 0."},
      {3, "AddPointAnimation", "minT", "", "\"Min t\" is empty."},
      {3, "AddPointAnimation", "minT", "5", "\"Min t\" must be less than \"Max t\"."},
      {7, "AddContourPlot", "stepsV", "0", "\"Steps v\" must be a whole number from 1 to 1000."},
      {7, "AddVectorPlot", "minU", "2pi", "\"Min u\" must be less than \"Max u\"."},
      {7, "AddColorMap", "formulaZ", "u+", "The formula \"Z(u,v)\" cannot be read"},
      {1, "AddStepPlot", "stepsU", "-3", "\"Steps u\" must be a whole number from 1 to"},
  };
  for (const Row& row : rows) {
    DocumentType = row.doc;
    const auto fill = [](QDialog& d) {
      // The formulas of each dialog: a point's coordinates, a plot's X, Y, Z, a step plot's y.
      for (const char* box : {"firstCoordinate", "secondCoordinate", "thirdCoordinate", "formulaX",
                              "formulaY", "formulaZ"})
        if (QLineEdit* field = d.findChild<QLineEdit*>(box); field && !field->isHidden())
          Type(d, box, "1");
      if (d.findChild<QLineEdit*>("stepsT") && d.objectName() == "PointAnimationDialog") {
        Type(d, "minT", "0");
        Type(d, "maxT", "1");
      }
    };
    ExpectRefused(row.command, fill, row.box, row.text, row.message);
    EXPECT_TRUE(host.rows.empty());
  }
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

// A graph with values no dialog starts with, some of them beyond what its lists can show.
std::shared_ptr<Graph> Fixture(int32_t type, int32_t coord) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type, g->CoordType = coord;
  g->FunForm = type == StepStemPlot ? Explicit : type == PointMarker ? 0 : Parametric;
  g->Animation = type == PointAnimation;
  g->NameS = "my graph";
  g->ExpressX = "u / 2", g->ExpressY = "cos(v) ", g->ExpressZ = "x+1";
  g->MinU = -1.1f, g->MaxU = 1.0f / 3.0f, g->StepU = 7;
  g->MinV = 0.1f, g->MaxV = 2.7182817f, g->StepV = 9;
  g->MinT = 0.3f, g->MaxT = 0.7f;
  g->PointColor = 4321, g->PointSize = 2.5f, g->PointHollow = true;
  g->ContourLevel = 0.3f, g->LineWidth = 0, g->FillStyle = 4;
  g->FirstColor = 77, g->SecondColor = 88;
  g->ShowStep = true, g->StepColor = 11, g->StepWidth = 8;
  g->ShowStem = true, g->StemHeadColor = 12, g->StemHeadSize = 0, g->StemHeadSymbol = 6;
  g->StemBodyColor = 13, g->StemBodyWidth = 3;
  return g;
}

TEST_F(PlotDialogsTest, EditAndOkWithoutAChangeLeavesEveryGraphAsItWas) {
  struct Row {
    int32_t doc, type, coord;
    const char* caption;
  } rows[] = {
      {1, PointMarker, Polar, "Point Properties"},
      {2, PointMarker, Cartesian2D, "Point Properties"},
      {3, PointMarker, Spherical, "Point Properties"},
      {9, PointMarker, Cylindrical, "Point Properties"},
      {1, PointAnimation, Cartesian2D, "Point Animation"},
      {3, PointAnimation, Cartesian3D, "Point Animation"},
      {7, ContourPlot, Cartesian3D, "Function Contour"},
      {7, ColorMap, Cartesian3D, "Function Color Map"},
      {7, VectorPlot, Cartesian3D, "Function Vector Plot"},
      {1, StepStemPlot, Cartesian2D, "Special Function Graph Properties"},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = CommandTestHost();
    DocumentType = row.doc;
    auto g = Shown(host, Fixture(row.type, row.coord));
    g->GetPoints(); // as the document reader leaves a graph
    const std::string before = BuildDocumentText();
    user = [&](QDialog& d) { Click(d, "okButton"); };
    EditGraph(host);
    EXPECT_EQ(caption, row.caption) << row.type;
    EXPECT_TRUE(dialogs.prompter.shown.empty()) << dialogs.prompter.shown[0].text;
    EXPECT_EQ(BuildDocumentText(), before) << row.doc << " " << row.type;
    EXPECT_EQ(host.builds, 1) << "the commit builds the scene once";
    EXPECT_NE(host.rows[0].caption, "row") << "the row's text is renewed";
  }
}

TEST_F(PlotDialogsTest, EditFillsShowTheGraph) {
  DocumentType = DocumentType2D;
  auto point = Shown(host, Fixture(PointMarker, Polar));
  point->PointSize = 9;
  user = [&](QDialog& d) {
    EXPECT_EQ(Find<QComboBox>(d, "coordinateList")->currentText(), "Polar");
    EXPECT_EQ(Label(d, "firstCoordinateLabel"), "a");
    EXPECT_EQ(Text(d, "firstCoordinate"), "cos(v) ");
    EXPECT_EQ(Find<QComboBox>(d, "sizeList")->currentText(), "9");
    EXPECT_TRUE(Checked(d, "hollowOption")) << "hollow";
    EXPECT_EQ(Swatch(d, "colorSwatch"), 4321);
    Choose(d, "sizeList", 0);
    Click(d, "solidOption");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(point->PointSize, 1.0f);
  EXPECT_FALSE(point->PointHollow);

  ResetProgramState();
  host = CommandTestHost();
  DocumentType = DocumentType3D;
  FrameCount = 25;
  auto moving = Shown(host, Fixture(PointAnimation, Spherical));
  user = [&](QDialog& d) {
    EXPECT_EQ(Label(d, "secondCoordinateLabel"), "b(t)");
    EXPECT_EQ(Text(d, "thirdCoordinate"), "x+1");
    EXPECT_EQ(Text(d, "minT"), "0.3");
    EXPECT_EQ(Text(d, "stepsT"), "25") << "the frame count, not the graph's own";
    EXPECT_FALSE(Find<QLineEdit>(d, "stepsT")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(d, "sizeList")->currentText(), "2") << "2.5 is not in the list";
    EXPECT_TRUE(Hidden(d, "hollowOrSolid"));
    Click(d, "cancelButton");
  };
  EditGraph(host);

  ResetProgramState();
  host = CommandTestHost();
  DocumentType = DocumentTypeSpecial;
  auto contour = Shown(host, Fixture(ContourPlot, Cartesian3D));
  contour->LineWidth = 3;
  user = [&](QDialog& d) {
    EXPECT_TRUE(Checked(d, "singleColorOption")) << "a single colour";
    EXPECT_EQ(Swatch(d, "singleColorSwatch"), 88);
    EXPECT_EQ(Swatch(d, "firstColorSwatch"), 255) << "the gradient keeps its loaded colours";
    EXPECT_EQ(Swatch(d, "secondColorSwatch"), 16711680);
    EXPECT_EQ(Find<QComboBox>(d, "lineWidthList")->currentText(), "3");
    EXPECT_EQ(Text(d, "maxU"), "0.3333333");
    Click(d, "gradientOption");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_NE(contour->FillStyle, 4);
  EXPECT_EQ(contour->FirstColor, 255);
  EXPECT_EQ(contour->SecondColor, 16711680);
  EXPECT_EQ(host.rows[0].caption, "Contour  x=u / 2,y=cos(v) ,z=x+1");

  // A point in a Special document opens no dialog.
  opened = 0;
  Shown(host, Fixture(PointMarker, Cartesian3D));
  EditGraph(host);
  EXPECT_EQ(opened, 0);

  ResetProgramState();
  host = CommandTestHost();
  auto steps = Shown(host, Fixture(StepStemPlot, Cartesian2D));
  steps->StemHeadSize = 4;
  user = [&](QDialog& d) {
    EXPECT_TRUE(Find<QCheckBox>(d, "showStemCheck")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(d, "showStepCheck")->isChecked());
    EXPECT_EQ(Find<QComboBox>(d, "headSymbolList")->currentText(), "CrossHair");
    EXPECT_EQ(Find<QComboBox>(d, "stepWidthList")->currentText(), "8");
    EXPECT_EQ(Find<QComboBox>(d, "headSizeList")->currentText(), "4");
    Click(d, "showStepCheck");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(caption, "Special Function Graph Properties");
  EXPECT_FALSE(steps->ShowStep);
  EXPECT_EQ(host.rows[0].caption, "Stem Plot  y=x+1");
}

} // namespace
