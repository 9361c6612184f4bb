#include "support/GlTestContext.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include "view/scene/GlView.h"

GlTestContext::GlTestContext(int width, int height) : m_width(width), m_height(height) {
  QSurfaceFormat format = GlView::ViewFormat();
  m_surface = std::make_unique<QOffscreenSurface>();
  m_surface->setFormat(format);
  m_surface->create();
  m_context = std::make_unique<QOpenGLContext>();
  m_context->setFormat(format);
  if (!m_context->create()) return;
  if (!m_context->makeCurrent(m_surface.get())) return;
  QOpenGLFramebufferObjectFormat fboFormat;
  fboFormat.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
  m_fbo = std::make_unique<QOpenGLFramebufferObject>(width, height, fboFormat);
  m_valid = m_fbo->isValid() && m_fbo->bind();
  glViewport(0, 0, width, height);
}

GlTestContext::~GlTestContext() {
  if (m_context) m_context->makeCurrent(m_surface.get());
  m_fbo.reset();
  if (m_context) m_context->doneCurrent();
}

void GlTestContext::MakeCurrent() {
  m_context->makeCurrent(m_surface.get());
  if (m_fbo) m_fbo->bind();
}

Rgb GlTestContext::Pixel(int x, int y) {
  MakeCurrent();
  glFinish();
  unsigned char px[4] = {0, 0, 0, 0};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
  return Rgb{px[0], px[1], px[2]};
}

QImage GlTestContext::Image() {
  MakeCurrent();
  glFinish();
  return m_fbo->toImage();
}
