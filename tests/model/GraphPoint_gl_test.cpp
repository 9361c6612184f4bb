// The point drawing itself: the flat markers of 2D documents and the sphere of the other kinds,
// read back as pixels (and, for exact corners, through GL feedback).

#include <gtest/gtest.h>

#include <GL/gl.h>

#include "model/GraphPoint.h"
#include "model/ProgramState.h"
#include "support/GlTestContext.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kSize = 64;

// Program-wide values for one test, restored afterwards.
struct SceneState {
  explicit SceneState(int32_t kind) {
    DocumentType = kind;
    AxisScaleX = AxisScaleY = AxisScaleZ = 1;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0;
  }
  ~SceneState() {
    DocumentType = DocumentType2D;
    AxisScaleX = AxisScaleY = AxisScaleZ = 1;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0;
  }
};

// A white view of the square left .. left + span, bottom .. bottom + span.
void View(double left, double bottom, double span) {
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(left, left + span, bottom, bottom + span, -10, 10);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
}

// Draws the point inside a display list, as the scene compiler does.
void DrawInList(const GraphPoint& p) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  p.Draw();
  glEndList();
  glCallList(list);
  glDeleteLists(list, 1);
}

GraphPoint Marker(int32_t symbol, float size, int32_t colour) {
  GraphPoint p;
  p.Symbol = symbol;
  p.Size = size;
  p.Color = colour;
  return p;
}

const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};
const Rgb kBlue{0, 0, 255};

} // namespace

TEST(GraphPointDraw, SolidRectangleIsPlacedByTheSceneCentreOnly) {
  GlTestContext gl(kSize, kSize);
  ASSERT_TRUE(gl.Valid());
  SceneState s(DocumentType2D);
  SceneCenterX = 1;
  SceneCenterY = 2;
  AxisScaleX = AxisScaleY = 5; // not applied to flat markers
  View(-0.2, -0.2, 0.4);       // 0.4 units over 64 pixels: the square is 16 pixels wide
  GraphPoint p = Marker(SolidRectangle, 1, 255);
  p.x = 1;
  p.y = 2;
  DrawInList(p);
  EXPECT_EQ(gl.Pixel(32, 32), kRed);
  EXPECT_EQ(gl.Pixel(25, 25), kRed);
  EXPECT_EQ(gl.Pixel(38, 38), kRed);
  EXPECT_EQ(gl.Pixel(22, 32), kWhite);
  EXPECT_EQ(gl.Pixel(32, 42), kWhite);

  // Exact corners through feedback: (-0.05, -0.05) .. (0.05, 0.05) at depth 0.
  std::vector<GLfloat> buffer(64);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  View(-1, -1, 2);
  p.Draw();
  const GLint n = glRenderMode(GL_RENDER);
  // The quadrilateral may come back split into triangles: gather its vertices.
  std::vector<std::array<float, 3>> vertices;
  for (GLint i = 0; i < n;) {
    ASSERT_EQ(buffer[i], GL_POLYGON_TOKEN);
    const int count = static_cast<int>(buffer[i + 1]);
    for (int v = 0; v < count; ++v)
      vertices.push_back({buffer[i + 2 + 3 * v], buffer[i + 3 + 3 * v], buffer[i + 4 + 3 * v]});
    i += 2 + 3 * count;
  }
  ASSERT_GE(vertices.size(), 4u);
  const float lo = (1 - 0.05f) * kSize / 2, hi = (1 + 0.05f) * kSize / 2;
  for (const auto& v : vertices) {
    EXPECT_TRUE(std::fabs(v[0] - lo) < 1e-3 || std::fabs(v[0] - hi) < 1e-3) << v[0];
    EXPECT_TRUE(std::fabs(v[1] - lo) < 1e-3 || std::fabs(v[1] - hi) < 1e-3) << v[1];
    EXPECT_NEAR(v[2], 0.5f, 1e-6); // depth 0 in the middle of -10 .. 10
  }
}

TEST(GraphPointDraw, FlatMarkersByShape) {
  GlTestContext gl(kSize, kSize);
  ASSERT_TRUE(gl.Valid());
  SceneState s(DocumentType2D);
  struct Row {
    int32_t symbol;
    int x, y; // pixel expected in the marker's colour (or white for the hollow centre)
    Rgb atXY;
    int ox, oy; // pixel expected outside the marker
  };
  // View -0.2 .. 0.2: 160 pixels per unit; size 1.
  const Row rows[] = {
      {SolidCircle, 32 + 14, 32, kBlue, 32 + 12, 32 + 12},   // radius 0.1: 16 pixels
      {HollowCircle, 32, 32, kWhite, 32 + 12, 32 + 12},      // white inside, ring of radius 0.09
      {SolidTriangle, 32, 32 + 10, kBlue, 32 - 10, 32 + 10}, // apex up, h 0.075: 12 pixels
      {Diamond, 32 + 10, 32, kBlue, 32 + 9, 32 + 9},
  };
  for (const auto& row : rows) {
    View(-0.2, -0.2, 0.4);
    DrawInList(Marker(row.symbol, 1, 255 * 65536));
    EXPECT_EQ(gl.Pixel(row.x, row.y), row.atXY) << row.symbol;
    EXPECT_EQ(gl.Pixel(row.ox, row.oy), kWhite) << row.symbol;
    if (row.symbol != HollowCircle) {
      EXPECT_EQ(gl.Pixel(32, 32), kBlue) << row.symbol;
    }
  }
  // The hollow circle's rim is in the point's colour.
  View(-0.2, -0.2, 0.4);
  DrawInList(Marker(HollowCircle, 1, 255 * 65536));
  bool rimSeen = false;
  for (int x = 32 + 10; x <= 32 + 17; ++x)
    rimSeen = rimSeen || gl.Pixel(x, 32) == kBlue;
  EXPECT_TRUE(rimSeen);
  GLfloat width = 0;
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 1.0f);

  // The cross hair leaves the line width at Size.
  View(-0.2, -0.2, 0.4);
  DrawInList(Marker(CrossHair, 3, 255));
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 3.0f);
  EXPECT_EQ(gl.Pixel(32, 32 + 20), kRed); // vertical arm: h = 0.225, 36 pixels
  EXPECT_EQ(gl.Pixel(32 + 20, 32), kRed);
  EXPECT_EQ(gl.Pixel(32 + 20, 32 + 20), kWhite);
}

TEST(GraphPointDraw, NoMarkerForOtherSymbolsAndNoStateChange) {
  GlTestContext gl(kSize, kSize);
  ASSERT_TRUE(gl.Valid());
  SceneState s(DocumentType2D);
  View(-0.2, -0.2, 0.4);
  glColor3f(0.25f, 0.5f, 0.75f);
  GraphPoint p = Marker(0, 1, 255);
  p.Hollow = true;
  p.Draw();
  Marker(7, 1, 255).Draw();
  GLfloat colour[4] = {};
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[0], 0.25f);
  EXPECT_EQ(colour[2], 0.75f);
  EXPECT_EQ(gl.Pixel(32, 32), kWhite);
  // Hollow does not make symbol 1 hollow.
  p.Symbol = SolidCircle;
  p.Draw();
  EXPECT_EQ(gl.Pixel(32, 32), kRed);
}

TEST(GraphPointDraw, SphereInOtherDocumentsIsMappedByTheAxisScales) {
  GlTestContext gl(kSize, kSize);
  ASSERT_TRUE(gl.Valid());
  SceneState s(DocumentType3D);
  AxisScaleX = AxisScaleY = AxisScaleZ = 2;
  // A view of 0.8 .. 1.2 by 1.8 .. 2.2 around the scene point (1, 2): 160 pixels per unit.
  View(0.8, 1.8, 0.4);
  GraphPoint p = Marker(0, 0.15f, 65280); // Symbol is ignored outside 2D documents
  p.x = 2;
  p.y = 4;
  p.z = 6;
  DrawInList(p);
  const Rgb green{0, 255, 0};
  EXPECT_EQ(gl.Pixel(32, 32), green);
  EXPECT_EQ(gl.Pixel(32 + 8, 32), green); // radius 0.0575: 9.2 pixels
  EXPECT_EQ(gl.Pixel(32 + 11, 32), kWhite);
  EXPECT_EQ(gl.Pixel(32, 32 - 11), kWhite);
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);

  // A zero axis scale maps the point nowhere: nothing is drawn.
  View(0.8, 1.8, 0.4);
  AxisScaleX = 0;
  p.Draw();
  EXPECT_EQ(gl.Pixel(32, 32), kWhite);
}
