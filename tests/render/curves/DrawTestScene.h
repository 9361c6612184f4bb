#pragma once
// A flat 2D scene for drawing graphs in tests: a GL context with an orthographic view of the
// square -Half .. Half in scene units, the scene scale 1 and centre 0 in a 2D document, the
// scripted dialogs, and ways to read what a drawing produced: pixels, or the exact primitives
// through GL feedback mode. Graph builders for the 2D kinds.

#include <GL/gl.h>

#include <QLocale>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "support/GlTestContext.h"

namespace drawtest {

struct Primitives {
  std::vector<std::array<float, 4>> Lines; // x1, y1, x2, y2 in scene units
  std::vector<std::array<float, 2>> Points;
  int Polygons = 0;
};

class FlatScene {
public:
  explicit FlatScene(int size = 120, float half = 3.0f) : Gl(size, size), Size(size), Half(half) {
    DocumentType = DocumentType2D;
    AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0.0f;
    FrameCount = 10;
    QLocale::setDefault(QLocale::c());
    Reset();
  }
  ~FlatScene() {
    DocumentType = DocumentType2D;
    AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0.0f;
    FrameCount = 10;
  }

  // Projection, identity model view, white background, default state.
  void Reset() {
    Gl.MakeCurrent();
    glViewport(0, 0, Size, Size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-Half, Half, -Half, Half, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  int PixelOf(float scene) const {
    return static_cast<int>(std::floor((scene + Half) / (2 * Half) * static_cast<float>(Size)));
  }
  Rgb At(float x, float y) { return Gl.Pixel(PixelOf(x), PixelOf(y)); }

  // True when some pixel within `radius` pixels of the scene point satisfies `test`.
  template <class Test> bool AnyPixelNear(float x, float y, int radius, Test&& test) {
    const int px = PixelOf(x), py = PixelOf(y);
    for (int dx = -radius; dx <= radius; ++dx)
      for (int dy = -radius; dy <= radius; ++dy) {
        const int qx = px + dx, qy = py + dy;
        if (qx < 0 || qy < 0 || qx >= Size || qy >= Size) continue;
        if (test(Gl.Pixel(qx, qy))) return true;
      }
    return false;
  }
  // True when a pixel within `radius` pixels of the scene point is not white.
  bool Marked(float x, float y, int radius = 1) {
    return AnyPixelNear(x, y, radius,
                        [](const Rgb& c) { return c.r < 200 || c.g < 200 || c.b < 200; });
  }
  // The colour nearest a target among the pixels around a scene point.
  bool HasColour(float x, float y, Rgb want, int radius = 2, int tolerance = 60) {
    return AnyPixelNear(x, y, radius, [&](const Rgb& c) {
      return std::abs(c.r - want.r) + std::abs(c.g - want.g) + std::abs(c.b - want.b) <= tolerance;
    });
  }

  // Runs draw in GL feedback mode and returns the primitives in scene units.
  Primitives Capture(const std::function<void()>& draw) {
    std::vector<GLfloat> buffer(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint n = glRenderMode(GL_RENDER);
    Primitives out;
    auto scene = [&](GLfloat w) { return w / static_cast<float>(Size) * 2 * Half - Half; };
    for (GLint k = 0; k < n;) {
      const GLint token = static_cast<GLint>(buffer[static_cast<size_t>(k++)]);
      auto next = [&] { return buffer[static_cast<size_t>(k++)]; };
      switch (token) {
      case GL_POINT_TOKEN: {
        const float x = scene(next()), y = scene(next());
        out.Points.push_back({x, y});
        break;
      }
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN: {
        const float x1 = scene(next()), y1 = scene(next());
        const float x2 = scene(next()), y2 = scene(next());
        out.Lines.push_back({x1, y1, x2, y2});
        break;
      }
      case GL_POLYGON_TOKEN: {
        const GLint count = static_cast<GLint>(next());
        k += 2 * count;
        ++out.Polygons;
        break;
      }
      case GL_BITMAP_TOKEN:
      case GL_DRAW_PIXEL_TOKEN:
      case GL_COPY_PIXEL_TOKEN:
        k += 2;
        break;
      case GL_PASS_THROUGH_TOKEN:
        k += 1;
        break;
      default:
        k = n;
        break;
      }
    }
    return out;
  }

  GlTestContext Gl;
  int Size;
  float Half;
  ScopedScriptedDialogs Dialogs;
};

// A 2D function graph of the given kind with its formula texts; the curve shown in black, width 2.
inline std::shared_ptr<Graph> Graph2D(int32_t graphType, int32_t coordType, int32_t funForm,
                                      const std::string& exprY, const std::string& exprZ,
                                      float minV, float maxV, int32_t stepV, float minU = 0,
                                      float maxU = 0) {
  static int32_t id = 1000;
  auto g = std::make_shared<Graph>();
  g->ID = ++id;
  g->GraphType = graphType;
  g->CoordType = coordType;
  g->FunForm = funForm;
  g->ExpressX = "0";
  g->ExpressY = exprY;
  g->ExpressZ = exprZ;
  g->MinU = minU;
  g->MaxU = maxU;
  g->MinV = minV;
  g->MaxV = maxV;
  g->StepU = 1;
  g->StepV = stepV;
  g->Show2DCurve = true;
  g->LineColor = 0;
  g->LineWidth = 2;
  g->SecondColor = 0;
  g->Material = 1;
  return g;
}

} // namespace drawtest
