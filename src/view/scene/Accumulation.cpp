#include "view/scene/Accumulation.h"

#include <QOpenGLContext>

#include <GL/gl.h>

#include <algorithm>

namespace {

// Passes are read back and the mean drawn in bands of this many rows, so the only buffer besides
// the sum is one band.
constexpr int BandRows = 64;

using WindowPos2iFn = void (*)(GLint, GLint);

// glWindowPos2i places the raster position in window coordinates, untouched by the matrices,
// the viewport and the clip planes.
WindowPos2iFn WindowPos2i() {
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (!context) return nullptr;
  return reinterpret_cast<WindowPos2iFn>(context->getProcAddress("glWindowPos2i"));
}

} // namespace

void Accumulation::Clear() {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  m_x = viewport[0];
  m_y = viewport[1];
  m_width = std::max(0, viewport[2]);
  m_height = std::max(0, viewport[3]);
  m_passes = 0;
  // Sized, not cleared: the first pass is stored over whatever the sum held.
  const size_t n = static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 4;
  m_sum.resize(n);
  m_pixels.resize(static_cast<size_t>(m_width) * static_cast<size_t>(std::min(m_height, BandRows)) *
                  4);
}

void Accumulation::Add() {
  if (m_sum.empty()) return;
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
  const size_t rowBytes = static_cast<size_t>(m_width) * 4;
  for (int row = 0; row < m_height; row += BandRows) {
    const int rows = std::min(BandRows, m_height - row);
    glReadPixels(m_x, m_y + row, m_width, rows, GL_BGRA, GL_UNSIGNED_BYTE, m_pixels.data());
    uint16_t* sum = m_sum.data() + static_cast<size_t>(row) * rowBytes;
    const uint8_t* px = m_pixels.data();
    const size_t n = static_cast<size_t>(rows) * rowBytes;
    if (m_passes == 0) {
      for (size_t i = 0; i < n; ++i)
        sum[i] = px[i];
    } else {
      for (size_t i = 0; i < n; ++i)
        sum[i] = static_cast<uint16_t>(sum[i] + px[i]);
    }
  }
  glPopClientAttrib();
  ++m_passes;
}

namespace {

// The rounded mean of every sum of n bytes: (sum + n / 2) / n, looked up rather than divided.
const std::vector<uint8_t>& MeanOfSums(unsigned n) {
  thread_local std::vector<uint8_t> table;
  thread_local unsigned tableFor = 0;
  if (tableFor != n) {
    table.resize(size_t(255) * n + 1);
    for (unsigned sum = 0; sum < table.size(); ++sum)
      table[sum] = static_cast<uint8_t>((sum + n / 2) / n);
    tableFor = n;
  }
  return table;
}

} // namespace

std::vector<uint8_t> Accumulation::Mean() const {
  std::vector<uint8_t> mean(m_sum.size());
  if (m_passes == 0) return mean;
  const uint8_t* table = MeanOfSums(static_cast<unsigned>(m_passes)).data();
  // The sums are kept in the framebuffer's own order, blue first.
  for (size_t i = 0; i < m_sum.size(); i += 4) {
    mean[i] = table[m_sum[i + 2]];
    mean[i + 1] = table[m_sum[i + 1]];
    mean[i + 2] = table[m_sum[i]];
    mean[i + 3] = table[m_sum[i + 3]];
  }
  return mean;
}

void Accumulation::Return() {
  if (m_passes == 0 || m_sum.empty()) return;
  const uint8_t* table = MeanOfSums(static_cast<unsigned>(m_passes)).data();

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

  const WindowPos2iFn windowPos = WindowPos2i();
  const size_t rowBytes = static_cast<size_t>(m_width) * 4;
  for (int row = 0; row < m_height; row += BandRows) {
    const int rows = std::min(BandRows, m_height - row);
    const uint16_t* sum = m_sum.data() + static_cast<size_t>(row) * rowBytes;
    const size_t count = static_cast<size_t>(rows) * rowBytes;
    for (size_t i = 0; i < count; ++i)
      m_pixels[i] = table[sum[i]];
    if (windowPos) {
      windowPos(m_x, m_y + row);
    } else {
      // Without glWindowPos: identity matrices put (-1, -1) at the viewport's lower-left corner,
      // and the band starts row pixels above it.
      glDisable(GL_CLIP_PLANE0);
      glDisable(GL_CLIP_PLANE1);
      glMatrixMode(GL_PROJECTION);
      glPushMatrix();
      glLoadIdentity();
      glMatrixMode(GL_MODELVIEW);
      glPushMatrix();
      glLoadIdentity();
      glRasterPos2f(-1.0f, -1.0f + 2.0f * static_cast<float>(row) / static_cast<float>(m_height));
      glPopMatrix();
      glMatrixMode(GL_PROJECTION);
      glPopMatrix();
      glMatrixMode(GL_MODELVIEW);
    }
    glDrawPixels(m_width, rows, GL_BGRA, GL_UNSIGNED_BYTE, m_pixels.data());
  }
  glPopClientAttrib();
  glPopAttrib();
}
