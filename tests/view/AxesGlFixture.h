#pragma once
// A GL test fixture for the axes drawing: one context and the scene fonts for the whole suite, a
// white framebuffer, an orthographic view of a chosen scene window, the program-wide values reset,
// and helpers that find pixels by scene position.

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <QLocale>

#include <cmath>
#include <functional>
#include <vector>

#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/GlFontsContext.h"
#include "support/ProgramStateReset.h"

class AxesGl : public ProgramStateTest {
protected:
  static constexpr int kW = 800, kH = 600;

  static void SetUpTestSuite() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    s_dialogs = new ScopedScriptedDialogs; // a font that fails to build must not block on a box
    s_ctx = new GlFontsContext(kW, kH);
  }
  static void TearDownTestSuite() {
    delete s_ctx;
    s_ctx = nullptr;
    delete s_dialogs;
    s_dialogs = nullptr;
    QLocale::setDefault(QLocale::system());
  }

  void SetUp() override {
    ProgramStateTest::SetUp();
    ASSERT_TRUE(s_ctx->Valid());
    s_ctx->MakeCurrent();
    glViewport(0, 0, kW, kH);
    glClearColor(1, 1, 1, 1);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_LINE_SMOOTH);
    glShadeModel(GL_SMOOTH);
    glLineWidth(1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glGetError();
    View(-10, 10, -7.5, 7.5);
  }

  // A flat view of the scene window [left, right] x [bottom, top], looking down -z.
  static void View(double left, double right, double bottom, double top) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    KeepMatrices();
  }

  // Remembers the matrices the scene is drawn with, so positions are found with them whatever
  // the drawing leaves behind.
  static void KeepMatrices() {
    glGetDoublev(GL_MODELVIEW_MATRIX, s_model);
    glGetDoublev(GL_PROJECTION_MATRIX, s_proj);
  }

  // The pixel a scene position falls on.
  static void Project(double x, double y, double z, int& px, int& py) {
    const GLint viewport[4] = {0, 0, kW, kH};
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x, y, z, s_model, s_proj, viewport, &wx, &wy, &wz);
    px = static_cast<int>(std::floor(wx));
    py = static_cast<int>(std::floor(wy));
  }

  static std::vector<uint8_t> Pixels() {
    glFinish();
    std::vector<uint8_t> px(static_cast<size_t>(kW) * kH * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, kW, kH, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    return px;
  }

  static Rgb PixelAt(double x, double y, double z = 0) {
    int px = 0, py = 0;
    Project(x, y, z, px, py);
    return s_ctx->Pixel(px, py);
  }

  // Pixels satisfying `pred` in the scene rectangle [x0, x1] x [y0, y1] at depth z (flat views).
  static int Count(double x0, double y0, double x1, double y1,
                   const std::function<bool(const Rgb&)>& pred, double z = 0) {
    int a = 0, b = 0, c = 0, d = 0;
    Project(x0, y0, z, a, b);
    Project(x1, y1, z, c, d);
    const std::vector<uint8_t> px = Pixels();
    int n = 0;
    for (int y = std::max(0, std::min(b, d)); y <= std::min(kH - 1, std::max(b, d)); ++y)
      for (int x = std::max(0, std::min(a, c)); x <= std::min(kW - 1, std::max(a, c)); ++x) {
        const uint8_t* p = &px[(static_cast<size_t>(y) * kW + x) * 4];
        if (pred(Rgb{p[0], p[1], p[2]})) ++n;
      }
    return n;
  }

  static bool Dark(const Rgb& c) { return c.r < 110 && c.g < 110 && c.b < 110; }
  static bool NotWhite(const Rgb& c) { return c.r < 240 || c.g < 240 || c.b < 240; }
  static bool Bluish(const Rgb& c) { return c.b > 120 && c.r < 110 && c.g < 110; }
  static bool Reddish(const Rgb& c) { return c.r > 150 && c.g < 110 && c.b < 110; }

  static GLboolean Enabled(GLenum cap) { return glIsEnabled(cap); }

  static GlFontsContext* s_ctx;
  static ScopedScriptedDialogs* s_dialogs;
  static inline GLdouble s_model[16]{}, s_proj[16]{};
};

inline GlFontsContext* AxesGl::s_ctx = nullptr;
inline ScopedScriptedDialogs* AxesGl::s_dialogs = nullptr;
