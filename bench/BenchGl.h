#pragma once
// A current GL context with an offscreen framebuffer of the view's format, for the benchmarks
// that draw.

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <memory>

#include "view/scene/GlView.h"

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
