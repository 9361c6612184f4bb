#pragma once
// A current GL context with an offscreen framebuffer of the view's format, for the benchmarks
// that draw.

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <memory>

#include "view/scene/GlView.h"
#include "view/scene/Scene.h"

struct GlSetup {
  GlSetup(int width, int height) {
    const QSurfaceFormat format = GlView::ViewFormat();
    surface.setFormat(format);
    surface.create();
    context.setFormat(format);
    ok = context.create() && context.makeCurrent(&surface);
    if (!ok) return;
    QOpenGLFramebufferObjectFormat fboFormat;
    fboFormat.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    fbo = std::make_unique<QOpenGLFramebufferObject>(width, height, fboFormat);
    ok = fbo->bind();
  }
  QOffscreenSurface surface;
  QOpenGLContext context;
  std::unique_ptr<QOpenGLFramebufferObject> fbo;
  bool ok = false;
};

// A scene of one graph with no legend and no axes: the benchmarks that draw say only what the
// graph is, where its box lies and how it is turned.
class OneGraphSource : public SceneSource {
public:
  int32_t GraphCount() override { return 1; }
  bool Animation() override { return false; }
  LegendGraphInfo LegendInfo(int32_t) override { return {}; }
  void DrawColorLegend(int32_t, const std::array<float, 10>&) override {}
  void ValueRange(float& lo, float& hi) override { lo = hi = 0; }
  bool AxesShown() override { return false; }
  void DrawBackground(BoundingBox&) override {}
  void Draw2DGrid(BoundingBox&) override {}
  void DrawAxes(BoundingBox&) override {}
};
