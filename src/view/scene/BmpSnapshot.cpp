#include "view/scene/BmpSnapshot.h"

#include <QGuiApplication>
#include <QOpenGLWidget>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <GL/gl.h>

#include "platform/WholeFile.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + static_cast<size_t>(i)] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

} // namespace

std::vector<uint8_t> EncodeBmp24(int32_t width, int32_t height,
                                 const std::vector<uint8_t>& rgbBottomUp) {
  if (width <= 0 || height <= 0) return {};
  const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
  if (rgbBottomUp.size() < 3 * w * h) return {};
  const size_t rowBytes = (3 * w + 3) / 4 * 4;
  const size_t pixelBytes = rowBytes * h;
  std::vector<uint8_t> file(54 + pixelBytes, 0);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, static_cast<uint32_t>(54 + pixelBytes));
  Put32(file, 10, 54);
  Put32(file, 14, 40);
  Put32(file, 18, static_cast<uint32_t>(width));
  Put32(file, 22, static_cast<uint32_t>(height));
  Put16(file, 26, 1);
  Put16(file, 28, 24);
  Put32(file, 34, static_cast<uint32_t>(pixelBytes));
  // Compression, resolutions and colour counts stay 0.
  for (size_t y = 0; y < h; ++y) {
    const uint8_t* src = rgbBottomUp.data() + 3 * w * y;
    uint8_t* dst = file.data() + 54 + rowBytes * y;
    for (size_t x = 0; x < w; ++x) {
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
  }
  return file;
}

bool SaveViewAsBmp(const std::string& fileName, int32_t lastColumn, int32_t height,
                   std::string* problem) {
  const auto fail = [problem](const char* why) {
    if (problem) *problem = why;
    return false;
  };
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  // Only the view's own pixels: a width or height beyond the viewport is cut to it.
  const int32_t w = std::min<int64_t>(static_cast<int64_t>(lastColumn) + 1, viewport[2]);
  const int32_t h = std::min<int32_t>(height, viewport[3]);
  if (fileName.empty()) return fail("no file name was given");
  if (w <= 0 || h <= 0) return fail("the view has no pixels to save");

  std::vector<uint8_t> rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
  glReadPixels(viewport[0], viewport[1], w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  glPopClientAttrib();
  if (glGetError() != GL_NO_ERROR) return fail("the pixels of the view could not be read");

  const std::vector<uint8_t> bytes = EncodeBmp24(w, h, rgb);
  if (bytes.empty()) return fail("the view has no pixels to save");
  return platform::WriteWholeFile(
      fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
      problem);
}

QImage CaptureWindow(QWidget* window, bool clientOnly, int32_t left, int32_t top, int32_t width,
                     int32_t height) {
  if (!window || width <= 0 || height <= 0) return {};
  const QRect area(left, top, width, height);
  QImage image;
  if (clientOnly) {
    if (auto* gl = qobject_cast<QOpenGLWidget*>(window)) {
      image = gl->grabFramebuffer();
      // The framebuffer is in device pixels; the area is counted in the same pixels.
    } else {
      image = window->grab().toImage();
    }
    image = image.copy(area);
  } else {
    // The whole window with its frame, as the screen shows it.
    QWidget* topWindow = window->window();
    QScreen* screen = topWindow->screen() ? topWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect frame = topWindow->frameGeometry();
    image = screen->grabWindow(0, frame.x() + left, frame.y() + top, width, height).toImage();
  }
  if (image.isNull()) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage CapturePictureBox(QWidget* box) {
  if (!box) return {};
  const qreal ratio = box->devicePixelRatioF();
  const int32_t w = static_cast<int32_t>(std::lround(box->width() * ratio));
  const int32_t h = static_cast<int32_t>(std::lround(box->height() * ratio));
  return CaptureWindow(box, true, 0, 0, w, h);
}
