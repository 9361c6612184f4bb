#pragma once
// Gives a test a current OpenGL compatibility context with a framebuffer of a chosen size, and
// reads its pixels back. Needs a display (the tests that use it are *_gl_test.cpp, run under Xvfb).

#include <QImage>
#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

class GlTestContext {
public:
  GlTestContext(int width, int height);
  ~GlTestContext();
  GlTestContext(const GlTestContext&) = delete;
  GlTestContext& operator=(const GlTestContext&) = delete;

  bool Valid() const { return m_valid; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }

  // Makes the context current and binds the framebuffer (done by the constructor already).
  void MakeCurrent();

  // The pixel at (x, y) counted from the lower-left corner, as GL counts.
  Rgb Pixel(int x, int y);

  // The whole framebuffer as an image (top row first).
  QImage Image();

private:
  int m_width, m_height;
  bool m_valid = false;
  std::unique_ptr<QOffscreenSurface> m_surface;
  std::unique_ptr<QOpenGLContext> m_context;
  std::unique_ptr<QOpenGLFramebufferObject> m_fbo;
};
