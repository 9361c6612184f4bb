// Drawing of 3D curves, ribbons, vector plots, vectors and vector operations through Graph::Draw:
// the pictures (a helix with its tangent and normal plane, a ribbon seen from above, a vector
// plot, the arrows of a vector sum), the report box of vectors and vector operations, and the
// polygon mode and shade model a ribbon leaves behind.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formula/FormulaGlobals.h"
#include "render/common/ResultBox.h"
#include "render/curves/DrawTestScene.h"
#include "sampling/VectorOperations.h"

namespace {

using drawtest::FlatScene;

constexpr int32_t kRed = 255, kGreen = 255 * 256, kBlue = 255 * 65536;

std::shared_ptr<Graph> MakeGraph(int32_t type) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type;
  g->Material = 1;
  return g;
}

bool Bluish(const Rgb& c) { return c.b > c.r + 40 && c.b > c.g + 40; }

// A scene seen along -z of 240 x 240 pixels over -3 .. 3, in a document of the given kind.
struct Scene : FlatScene {
  explicit Scene(int32_t documentType) : FlatScene(240, 3.0f) { DocumentType = documentType; }
};

TEST(SpaceCurveDraw, HelixWithTangentAndNormalPlaneInEveryForm) {
  // The helix (cos u, sin u, u) as three formulas of u in Cartesian and in cylindrical
  // coordinates; formula X is the scene's depth: seen from the front the helix is (sin u, u).
  struct Form {
    int32_t coord;
    const char *x, *y, *z;
  } forms[] = {{Cartesian3D, "cos(u)", "sin(u)", "u"}, {Cylindrical, "u", "1", "u"}};
  for (const Form& form : forms) {
    Scene scene(DocumentType3D);
    auto g = MakeGraph(Curve3D);
    g->CoordType = form.coord;
    g->FunForm = Parametric;
    g->ExpressX = form.x;
    g->ExpressY = form.y;
    g->ExpressZ = form.z;
    g->MinU = -2.5f;
    g->MaxU = 2.5f;
    g->StepU = 100;
    g->SecondColor = kRed;
    g->ShowTangent = g->ShowNormal = true;
    g->TangentNum = 1;
    g->TangentX[1] = 0.0f; // from (1, -1, -1) to (1, 1, 1)
    g->NormalNum = 1;
    g->NormalX[1] = 1.5707964f; // the unit square around (1, pi / 2), seen from the front
    ASSERT_TRUE(g->GetPoints());
    g->Draw();

    EXPECT_TRUE(scene.HasColour(std::sin(-2.0f), -2.0f, {255, 0, 0})) << "curve " << form.x;
    EXPECT_TRUE(scene.HasColour(-0.9f, -0.9f, {0, 255, 0})) << "tangent " << form.x;
    EXPECT_FALSE(scene.Marked(0.9f, -0.9f, 2)) << form.x;
    EXPECT_TRUE(scene.HasColour(1.3f, 1.35f, {0, 0, 255}, 0)) << "normal plane " << form.x;
    EXPECT_TRUE(scene.HasColour(0.6f, 1.9f, {0, 0, 255}, 0)) << "normal plane " << form.x;
    EXPECT_FALSE(scene.Marked(1.7f, 1.57f, 2)) << "outside the plane " << form.x;
    EXPECT_EQ(ResultBox::Text(), "");
  }
}

TEST(SpaceCurveDraw, ExplicitCurveHasItsTangent) {
  // z = y^2 / 2 along y: seen from the front the parabola (y, y^2 / 2), its tangent at y = 1 from
  // (0, -0.5) to (2, 1.5).
  Scene scene(DocumentType3D);
  auto g = MakeGraph(Curve3D);
  g->CoordType = Cartesian3D;
  g->FunForm = Explicit;
  g->ExpressX = "x";
  g->ExpressY = "y";
  g->ExpressZ = "y^2/2";
  g->MinU = -2.0f;
  g->MaxU = 2.0f;
  g->StepU = 40;
  g->SecondColor = kRed;
  g->ShowTangent = true;
  g->TangentNum = 1;
  g->TangentX[1] = 1.0f;
  ASSERT_TRUE(g->GetPoints());
  g->Draw();
  EXPECT_TRUE(scene.HasColour(-1.5f, 1.125f, {255, 0, 0})) << "curve";
  EXPECT_TRUE(scene.HasColour(1.5f, 1.0f, {0, 255, 0})) << "tangent";
  EXPECT_TRUE(scene.HasColour(0.3f, -0.2f, {0, 255, 0})) << "tangent";
  EXPECT_TRUE(scene.Dialogs.prompter.shown.empty());
}

TEST(SpaceCurveDraw, AnimatedCurveDrawsTheFrameAsked) {
  Scene scene(DocumentType3D);
  auto g = MakeGraph(Curve3DAnimation);
  g->Animation = true;
  g->CoordType = Cartesian3D;
  g->FunForm = Parametric;
  g->ExpressX = "0";
  g->ExpressY = "u";
  g->ExpressZ = "t*u"; // at step 5 of 10 over t = 0 .. 2: the line y = x
  g->MinU = -2.5f;
  g->MaxU = 2.5f;
  g->StepU = 10;
  g->MinT = 0.0f;
  g->MaxT = 2.0f;
  g->SecondColor = kRed;
  ASSERT_TRUE(g->GetPoints());
  g->Draw(5);
  EXPECT_TRUE(scene.HasColour(-1.5f, -1.5f, {255, 0, 0}));
  EXPECT_TRUE(scene.HasColour(1.5f, 1.5f, {255, 0, 0}));
  EXPECT_FALSE(scene.Marked(1.5f, 0.0f, 2));
}

// A flat ribbon over x = -2 .. 2 at height 1, row 1 written by the box at z + 3.
std::shared_ptr<Graph> FlatRibbon() {
  auto g = MakeGraph(Ribbon25D);
  g->StepU = 1;
  g->StepV = 4;
  g->Vert3D.Allocate({1, 4});
  for (int32_t j = 0; j <= 4; ++j) {
    g->Vert3D(0, j).x = static_cast<float>(j - 2);
    g->Vert3D(0, j).y = 1.0f;
  }
  g->FillStyle = SingleColor;
  g->SecondColor = kBlue;
  g->Show = ModelSurface;
  g->Smoothness = ShadeSmoothest;
  return g;
}

TEST(SpaceCurveDraw, RibbonSeenFromAbove) {
  Scene scene(DocumentType25D);
  // From above the ribbon's depth runs down the picture: scene z = -y.
  glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
  auto g = FlatRibbon();
  g->Draw();
  EXPECT_TRUE(scene.HasColour(0.0f, -1.5f, {0, 0, 255}, 0));
  EXPECT_TRUE(scene.HasColour(-1.8f, -2.8f, {0, 0, 255}, 0));
  EXPECT_FALSE(scene.Marked(0.0f, 0.5f, 2));
  EXPECT_FALSE(scene.Marked(2.5f, -1.5f, 2));

  // A point without a value leaves a gap of the two quadrilaterals beside it.
  scene.Reset();
  glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
  g->Vert3D(0, 1).y = UndefinedValue;
  g->Draw();
  EXPECT_FALSE(scene.Marked(-1.0f, -1.5f, 2));
  EXPECT_TRUE(scene.HasColour(1.0f, -1.5f, {0, 0, 255}, 0));
}

TEST(SpaceCurveDraw, TableRibbonFromItsTable) {
  Scene scene(DocumentType25D);
  glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
  auto g = MakeGraph(Table25D);
  g->StepU = 1;
  g->StepV = 2;
  for (int32_t j = 0; j <= 2; ++j)
    g->VertTab3D(0, j).x = static_cast<float>(j);
  g->FillStyle = SingleColor;
  g->SecondColor = kGreen;
  g->Show = ModelSurface;
  g->Smoothness = ShadeFlat;
  g->Draw();
  EXPECT_TRUE(scene.HasColour(1.5f, -1.5f, {0, 255, 0}, 0));
  EXPECT_FALSE(scene.Marked(-0.5f, -1.5f, 2));
}

// What a drawing may change and must put back.
struct State {
  GLboolean lighting, blend, lineSmooth;
  GLint polygonMode[2], shadeModel, modelDepth;
  GLfloat lineWidth;
  static State Read() {
    State s{};
    s.lighting = glIsEnabled(GL_LIGHTING);
    s.blend = glIsEnabled(GL_BLEND);
    s.lineSmooth = glIsEnabled(GL_LINE_SMOOTH);
    glGetIntegerv(GL_POLYGON_MODE, s.polygonMode);
    glGetIntegerv(GL_SHADE_MODEL, &s.shadeModel);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &s.modelDepth);
    glGetFloatv(GL_LINE_WIDTH, &s.lineWidth);
    return s;
  }
  bool operator==(const State& o) const {
    return lighting == o.lighting && blend == o.blend && lineSmooth == o.lineSmooth &&
           polygonMode[0] == o.polygonMode[0] && shadeModel == o.shadeModel &&
           modelDepth == o.modelDepth && lineWidth == o.lineWidth;
  }
};

TEST(SpaceCurveDraw, EveryKindPutsBackPolygonModeShadingAndLines) {
  Scene scene(DocumentType3D);
  auto ribbon = FlatRibbon();
  ribbon->Show = ModelGrid; // a ribbon sets its polygon mode and shading
  ribbon->Smoothness = ShadeFlat;
  auto helix = MakeGraph(Curve3D);
  helix->CoordType = Cartesian3D;
  helix->FunForm = Parametric;
  helix->ExpressX = "cos(u)";
  helix->ExpressY = "sin(u)";
  helix->ExpressZ = "u";
  helix->StepU = 10;
  helix->MaxU = 3;
  helix->ShowTangent = helix->ShowNormal = true;
  helix->TangentNum = helix->NormalNum = 1;
  ASSERT_TRUE(helix->GetPoints());
  auto vector = MakeGraph(Vector);
  vector->VecEndX = vector->VecEndY = vector->VecEndZ = 1;
  vector->VecWidth = 3;
  vector->ShowVecB = vector->ShowVecPrj = vector->ShowVecBegin = vector->ShowVecEnd = true;
  auto operation = MakeGraph(VectorOperation);
  operation->VecOperation = VectorSum;
  operation->VecDX = operation->VecDY2 = 1;
  for (const auto& g : {ribbon, helix, vector, operation}) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glLineWidth(5.0f);
    const State before = State::Read();
    g->Draw();
    EXPECT_TRUE(State::Read() == before) << "graph kind " << g->GraphType;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "graph kind " << g->GraphType;
  }
  glDisable(GL_LIGHTING);
}

TEST(VectorDraw, VectorPlotArrowsAlongTheChangeOfZ) {
  Scene scene(DocumentTypeSpecial);
  auto g = MakeGraph(VectorPlot);
  g->CoordType = Cartesian3D;
  g->FunForm = Parametric;
  // X = u, Y = v, Z = X over -2 .. 2 in 4 steps: arrows one step long along X at the nine
  // inner nodes (-1 .. 1 each way).
  g->ExpressX = "u";
  g->ExpressY = "v";
  g->ExpressZ = "u";
  g->MinU = g->MinV = -2.0f;
  g->MaxU = g->MaxV = 2.0f;
  g->StepU = g->StepV = 4;
  g->SecondColor = kBlue;
  ASSERT_TRUE(g->GetPoints());
  g->Draw();
  for (float y : {-1.0f, 0.0f, 1.0f}) {
    // Thin smoothed shafts come out pale.
    EXPECT_TRUE(scene.AnyPixelNear(-0.5f, y, 1, Bluish)) << y;
    EXPECT_TRUE(scene.HasColour(2.0f, y, {0, 0, 255}, 1)) << "head at " << y;
    EXPECT_FALSE(scene.Marked(-1.5f, y, 2)) << "no arrow at a border node";
  }
  EXPECT_FALSE(scene.Marked(0.5f, 0.5f, 2));
}

TEST(VectorDraw, VectorPlotIsLitLikeASurfaceFacingTheViewer) {
  Scene scene(DocumentTypeSpecial);
  auto g = MakeGraph(VectorPlot);
  g->CoordType = Cartesian3D;
  g->FunForm = Parametric;
  g->ExpressX = "u";
  g->ExpressY = "v";
  g->ExpressZ = "0"; // no change: every head a disc on its node
  g->MinU = g->MinV = -2.0f;
  g->MaxU = g->MaxV = 2.0f;
  g->StepU = g->StepV = 4;
  g->SecondColor = kBlue;
  ASSERT_TRUE(g->GetPoints());
  // A light at half strength from the viewer, and a normal the drawing before left pointing away.
  const GLfloat half[4] = {0.5f, 0.5f, 0.5f, 1.0f}, none[4] = {0, 0, 0, 1};
  const GLfloat towardsViewer[4] = {0, 0, 1, 0};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, half);
  glLightfv(GL_LIGHT0, GL_AMBIENT, none);
  glLightfv(GL_LIGHT0, GL_SPECULAR, none);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
  glLightfv(GL_LIGHT0, GL_POSITION, towardsViewer);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glNormal3f(0.0f, 0.0f, -1.0f);
  g->Draw();
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  // A square in the plot's colour facing the viewer, drawn under the material the plot leaves.
  glNormal3f(0.0f, 0.0f, 1.0f);
  glColor3f(0.0f, 0.0f, 1.0f);
  glBegin(GL_QUADS);
  glVertex3f(2.4f, 2.4f, 0.0f);
  glVertex3f(2.9f, 2.4f, 0.0f);
  glVertex3f(2.9f, 2.9f, 0.0f);
  glVertex3f(2.4f, 2.9f, 0.0f);
  glEnd();
  glDisable(GL_LIGHTING);
  glDisable(GL_LIGHT0);
  const Rgb lit = scene.At(2.65f, 2.65f);
  ASSERT_LT(lit.b, 200) << "the light dims the square";
  for (float x : {-1.0f, 0.0f, 1.0f})
    EXPECT_TRUE(scene.HasColour(x, 0.0f, lit, 0, 12)) << "the head at " << x << " is lit alike";
}

TEST(VectorDraw, VectorReportAndPicture) {
  Scene scene(DocumentType3D);
  auto g = MakeGraph(Vector);
  g->VecBeginX = -2.0f;
  g->VecEndX = 1.0f;
  g->VecEndY = -4.0f;
  g->VecColor = kRed;
  g->VecWidth = 3;
  g->Draw();
  EXPECT_EQ(ResultBox::Text(), "Vector:\r\n"
                               "  Start Point: x=0, y=-2, z=0\r\n"
                               "  End Point: x=0, y=1, z=-4\r\n"
                               "  Vector: dx=0, dy=3, dz=-4\r\n"
                               "  Module: 5\r\n"
                               "  Direction Angle: \r\n"
                               "    X Direction: 89.99979\r\n"
                               "    Y Direction: 53.12998\r\n"
                               "    Z Direction: 143.1298\r\n");
  EXPECT_TRUE(scene.HasColour(-0.5f, -2.0f, {255, 0, 0})) << "shaft";
  EXPECT_FALSE(scene.Marked(-1.0f, 0.0f, 2));
}

TEST(VectorDraw, VectorSumReportAndArrows) {
  Scene scene(DocumentType3D);
  auto g = MakeGraph(VectorOperation);
  g->VecOperation = VectorSum;
  g->VecDX = 2.0f;
  g->VecDY2 = 2.0f;
  g->Draw();
  EXPECT_EQ(ResultBox::Text(), "Vector 1(red): dx=0, dy=2, dz=0\r\n"
                               "Vector 2(green): dx=0, dy=0, dz=2\r\n"
                               "Vector1 + Vector2 (blue):  dx=0, dy=2, dz=2\r\n");
  EXPECT_TRUE(scene.HasColour(0.7f, 0.0f, {255, 0, 0})) << "first vector";
  EXPECT_TRUE(scene.HasColour(0.0f, 0.7f, {0, 255, 0})) << "second vector";
  EXPECT_TRUE(scene.HasColour(0.7f, 0.7f, {0, 0, 255})) << "sum";
  auto yellowish = [](const Rgb& c) { return c.b < c.r - 40 && c.b < c.g - 40; };
  EXPECT_TRUE(scene.AnyPixelNear(2.0f, 1.0f, 1, yellowish)) << "completing line";
  EXPECT_TRUE(scene.AnyPixelNear(1.0f, 2.0f, 1, yellowish)) << "completing line";
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
