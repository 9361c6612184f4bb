#include "view/scene/Accumulation.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>

namespace {

using WindowPos2iFn = void (*)(GLint, GLint);

// glWindowPos2i places the raster position in window coordinates, untouched by the matrices,
// the viewport and the clip planes.
WindowPos2iFn WindowPos2i() {
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (!context) return nullptr;
  return reinterpret_cast<WindowPos2iFn>(context->getProcAddress("glWindowPos2i"));
}

QOpenGLExtraFunctions* Extra() {
  QOpenGLContext* context = QOpenGLContext::currentContext();
  return context ? context->extraFunctions() : nullptr;
}

// The framebuffers bound for drawing and reading, restored when the scope ends.
class FramebufferBinding {
public:
  explicit FramebufferBinding(QOpenGLExtraFunctions& f) : m_f(f) {
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &m_draw);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &m_read);
  }
  ~FramebufferBinding() {
    m_f.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(m_draw));
    m_f.glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(m_read));
  }
  FramebufferBinding(const FramebufferBinding&) = delete;
  FramebufferBinding& operator=(const FramebufferBinding&) = delete;

private:
  QOpenGLExtraFunctions& m_f;
  GLint m_draw = 0, m_read = 0;
};

// Draws the bound texture over the whole viewport with identity matrices and nothing on the way
// but the texture environment and blending the caller chose. Saves and restores what it changes.
void TexturedQuad() {
  glMatrixMode(GL_TEXTURE);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-1, -1);
  glTexCoord2f(1, 0);
  glVertex2f(1, -1);
  glTexCoord2f(1, 1);
  glVertex2f(1, 1);
  glTexCoord2f(0, 1);
  glVertex2f(-1, 1);
  glEnd();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_TEXTURE);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

// State for drawing a full-viewport textured quad that must reach every pixel unchanged.
void PlainFragmentState() {
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_STENCIL_TEST);
  glDisable(GL_FOG);
  glDisable(GL_TEXTURE_1D);
  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
  glDisable(GL_COLOR_LOGIC_OP);
  glDisable(GL_DITHER);
  glDisable(GL_POLYGON_STIPPLE);
  for (GLenum plane = GL_CLIP_PLANE0; plane < GL_CLIP_PLANE0 + 6; ++plane)
    glDisable(plane);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glEnable(GL_TEXTURE_2D);
}

void SetNearestClamped() {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

constexpr GLbitfield SavedAttribs = GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT |
                                    GL_CURRENT_BIT | GL_TRANSFORM_BIT | GL_TEXTURE_BIT |
                                    GL_VIEWPORT_BIT | GL_POLYGON_BIT | GL_LIGHTING_BIT;

} // namespace

Accumulation::~Accumulation() { ReleaseGpu(); }

void Accumulation::ReleaseGpu() {
  if (!m_context || QOpenGLContext::currentContext() != m_context) {
    // The objects die with their context; nothing can be deleted from another one.
    m_passTexture = m_sumTexture = m_sumFramebuffer = 0;
    m_context = nullptr;
    return;
  }
  if (QOpenGLExtraFunctions* f = Extra()) {
    if (m_sumFramebuffer) f->glDeleteFramebuffers(1, &m_sumFramebuffer);
  }
  if (m_passTexture) glDeleteTextures(1, &m_passTexture);
  if (m_sumTexture) glDeleteTextures(1, &m_sumTexture);
  m_passTexture = m_sumTexture = m_sumFramebuffer = 0;
  m_gpuWidth = m_gpuHeight = 0;
  m_context = nullptr;
}

bool Accumulation::PrepareGpu() {
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (m_gpuFailed || !context) return false;
  if (context != m_context) {
    ReleaseGpu();
    m_gpuWidth = m_gpuHeight = 0;
  }
  const QSurfaceFormat format = context->format();
  const bool floatTargets =
      !context->isOpenGLES() &&
      (format.majorVersion() >= 3 || (context->hasExtension("GL_ARB_framebuffer_object") &&
                                      context->hasExtension("GL_ARB_texture_float")));
  QOpenGLExtraFunctions* f = context->extraFunctions();
  if (!floatTargets || !f) {
    m_gpuFailed = true;
    return false;
  }
  if (m_sumFramebuffer && m_gpuWidth == m_width && m_gpuHeight == m_height) return true;

  m_context = context;
  GLint boundTexture = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
  if (!m_passTexture) glGenTextures(1, &m_passTexture);
  if (!m_sumTexture) glGenTextures(1, &m_sumTexture);
  glBindTexture(GL_TEXTURE_2D, m_passTexture);
  SetNearestClamped();
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, m_width, m_height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               nullptr);
  glBindTexture(GL_TEXTURE_2D, m_sumTexture);
  SetNearestClamped();
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, m_width, m_height, 0, GL_RGBA, GL_FLOAT, nullptr);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));

  bool complete = false;
  {
    FramebufferBinding keep(*f);
    if (!m_sumFramebuffer) f->glGenFramebuffers(1, &m_sumFramebuffer);
    f->glBindFramebuffer(GL_FRAMEBUFFER, m_sumFramebuffer);
    f->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_sumTexture,
                              0);
    complete = f->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  }
  // A context that refused anything above leaves an error behind: take it, and fall back.
  const bool clean = glGetError() == GL_NO_ERROR;
  if (!complete || !clean) {
    ReleaseGpu();
    m_gpuFailed = true;
    return false;
  }
  m_gpuWidth = m_width;
  m_gpuHeight = m_height;
  return true;
}

void Accumulation::Clear() {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  m_x = viewport[0];
  m_y = viewport[1];
  m_width = std::max(0, viewport[2]);
  m_height = std::max(0, viewport[3]);
  m_passes = 0;
  m_gpu = m_width > 0 && m_height > 0 && PrepareGpu();
  if (m_gpu) {
    m_sum.clear();
    m_pixels.clear();
    QOpenGLExtraFunctions* f = Extra();
    FramebufferBinding keep(*f);
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT);
    f->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_sumFramebuffer);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glPopAttrib();
    return;
  }
  const size_t n = static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 4;
  m_sum.assign(n, 0);
  m_pixels.resize(n);
}

void Accumulation::Add() {
  if (m_width <= 0 || m_height <= 0) return;
  if (!m_gpu) {
    AddOnCpu();
    return;
  }
  QOpenGLExtraFunctions* f = Extra();
  FramebufferBinding keep(*f);
  glPushAttrib(SavedAttribs | GL_SCISSOR_BIT);
  // The pass, as the target holds it, into the pass texture: a copy inside GL.
  glBindTexture(GL_TEXTURE_2D, m_passTexture);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, m_x, m_y, m_width, m_height);
  // Added to the sum.
  f->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_sumFramebuffer);
  glViewport(0, 0, m_width, m_height);
  PlainFragmentState();
  glDisable(GL_SCISSOR_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  f->glBlendEquation(GL_FUNC_ADD);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  TexturedQuad();
  glPopAttrib();
  ++m_passes;
}

void Accumulation::AddOnCpu() {
  if (m_sum.empty()) return;
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
  glReadPixels(m_x, m_y, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
  glPopClientAttrib();
  const size_t n = m_sum.size();
  uint16_t* sum = m_sum.data();
  const uint8_t* px = m_pixels.data();
  for (size_t i = 0; i < n; ++i)
    sum[i] = static_cast<uint16_t>(sum[i] + px[i]);
  ++m_passes;
}

std::vector<uint8_t> Accumulation::Mean() const {
  const size_t count = static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 4;
  std::vector<uint8_t> mean(count);
  if (m_passes == 0 || count == 0) return mean;
  const unsigned n = static_cast<unsigned>(m_passes);
  if (!m_gpu) {
    for (size_t i = 0; i < m_sum.size(); ++i)
      mean[i] = static_cast<uint8_t>((m_sum[i] + n / 2) / n);
    return mean;
  }
  // The sum holds each pass's bytes as fractions of 255; exact in single precision.
  std::vector<float> sum(count);
  GLint boundTexture = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
  glBindTexture(GL_TEXTURE_2D, m_sumTexture);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, sum.data());
  glPopClientAttrib();
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
  for (size_t i = 0; i < count; ++i) {
    const auto bytes = static_cast<unsigned>(std::lround(sum[i] * 255.0f));
    mean[i] = static_cast<uint8_t>((bytes + n / 2) / n);
  }
  return mean;
}

void Accumulation::Return() {
  if (m_passes == 0 || m_width <= 0 || m_height <= 0) return;
  if (m_gpu) {
    glPushAttrib(SavedAttribs);
    // The mean replaces the target's colour: the sum scaled by 1/passes (the texture colour
    // times the current colour), no blending; the depth buffer keeps the last pass's depth.
    glViewport(m_x, m_y, m_width, m_height);
    PlainFragmentState();
    glDisable(GL_BLEND);
    const float scale = 1.0f / static_cast<float>(m_passes);
    glColor4f(scale, scale, scale, scale);
    glBindTexture(GL_TEXTURE_2D, m_sumTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    TexturedQuad();
    glPopAttrib();
    return;
  }
  if (m_sum.empty()) return;
  const unsigned n = static_cast<unsigned>(m_passes);
  for (size_t i = 0; i < m_sum.size(); ++i)
    m_pixels[i] = static_cast<uint8_t>((m_sum[i] + n / 2) / n);

  glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT | GL_PIXEL_MODE_BIT |
               GL_CURRENT_BIT | GL_TRANSFORM_BIT);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  // The pixels replace the colour buffer as they are: no test, blend, texture or fog on the way,
  // and the depth buffer keeps the last pass's depth.
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_STENCIL_TEST);
  glDisable(GL_FOG);
  glDisable(GL_TEXTURE_1D);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_COLOR_LOGIC_OP);
  glDisable(GL_DITHER);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glPixelZoom(1.0f, 1.0f);
  glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
  for (GLenum scale : {GL_RED_SCALE, GL_GREEN_SCALE, GL_BLUE_SCALE, GL_ALPHA_SCALE})
    glPixelTransferf(scale, 1.0f);
  for (GLenum bias : {GL_RED_BIAS, GL_GREEN_BIAS, GL_BLUE_BIAS, GL_ALPHA_BIAS})
    glPixelTransferf(bias, 0.0f);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);

  if (WindowPos2iFn windowPos = WindowPos2i()) {
    windowPos(m_x, m_y);
  } else {
    // Without glWindowPos: identity matrices put (-1, -1) at the viewport's lower-left corner.
    glDisable(GL_CLIP_PLANE0);
    glDisable(GL_CLIP_PLANE1);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRasterPos2f(-1.0f, -1.0f);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
  }
  glDrawPixels(m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
  glPopClientAttrib();
  glPopAttrib();
}
