#include "render/surfaces/TextureImage.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/WholeFile.h"
#include "render/surfaces/ColorSchemes.h"

namespace {

// Sides beyond this are refused before any pixel is read.
constexpr int32_t kMaxPictureSide = 16384;
// A picture file larger than this is refused before it is opened.
constexpr uint64_t kMaxFileBytes = uint64_t{1} << 30;

std::string Ending(const std::string& name) {
  return UpperCaseName(name.size() >= 3 ? name.substr(name.size() - 3) : name);
}

int32_t ReadInt32(const unsigned char* p) {
  const uint32_t v =
      uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  int32_t out = 0;
  std::memcpy(&out, &v, sizeof out);
  return out;
}

// A raw file as an image (top row first, as QImage holds it): a 4-byte width and height, then
// the pixels' bytes. Only the bytes the header asks for are read.
bool ReadRaw(const QString& path, QImage& image, std::string& why) {
  // Any size: the bytes past those the header asks for are never read.
  if (!platform::CheckReadableFile(path.toStdString(), UINT64_MAX, &why)) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    why = "the file cannot be read";
    return false;
  }
  const QByteArray head = file.read(8);
  if (head.size() < 8) {
    why = "the file is too short for its width and height";
    return false;
  }
  const auto* data = reinterpret_cast<const unsigned char*>(head.constData());
  const int32_t w = ReadInt32(data), h = ReadInt32(data + 4);
  if (w < 1 || h < 1 || w > kMaxPictureSide || h > kMaxPictureSide) {
    why = "its width and height (" + std::to_string(w) + " x " + std::to_string(h) +
          ") are not between 1 and " + std::to_string(kMaxPictureSide);
    return false;
  }
  const qint64 need = qint64{w} * h * 3;
  if (file.size() - 8 < need) {
    why = "it holds fewer pixel bytes than its width and height need";
    return false;
  }
  image = QImage(w, h, QImage::Format_RGB888);
  if (image.isNull()) {
    why = "there is not enough memory for its " + std::to_string(w) + " x " + std::to_string(h) +
          " pixels";
    return false;
  }
  for (int32_t row = 0; row < h; ++row) {
    const qint64 bytes = qint64{w} * 3;
    if (file.read(reinterpret_cast<char*>(image.scanLine(h - 1 - row)), bytes) != bytes) {
      why = "its pixel bytes cannot be read";
      image = QImage();
      return false;
    }
  }
  return true;
}

bool ReadPicture(const QString& path, QImage& image, std::string& why) {
  if (!platform::CheckReadableFile(path.toStdString(), kMaxFileBytes, &why)) return false;
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)) {
    why = "the picture is larger than " + std::to_string(kMaxPictureSide) + " pixels a side";
    return false;
  }
  const int allocationLimitMb = QImageReader::allocationLimit();
  if (size.isValid() && allocationLimitMb > 0 &&
      qint64{size.width()} * size.height() * 4 > qint64{allocationLimitMb} << 20) {
    why = "its " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
          " pixels need more than the " + std::to_string(allocationLimitMb) +
          " MB a picture may take";
    return false;
  }
  if (!reader.read(&image) || image.isNull() || image.width() < 1 || image.height() < 1) {
    why = reader.errorString().toStdString();
    if (why.empty()) why = "it is no picture";
    return false;
  }
  return true;
}

} // namespace

int32_t TextureSide(int32_t n, int32_t limit) {
  int32_t side = 1;
  while (side < n && side < limit)
    side *= 2;
  return std::min(side, std::max(limit, 1));
}

int32_t TextureSideLimit(int32_t glMaxTextureSize) {
  if (glMaxTextureSize <= 0) return 0;
  // The largest power of two within both.
  int32_t limit = 1;
  while (limit * 2 <= std::min(256, glMaxTextureSize))
    limit *= 2;
  return limit;
}

bool ReadTextureImage(const std::string& fileName, int32_t limit, TextureImage& out,
                      std::string& error) {
  out = TextureImage{};
  const std::string kind = Ending(fileName);
  const QString path = QString::fromStdString(fileName);
  QImage image;
  std::string why;
  bool read = false;
  if (fileName.empty()) {
    why = "no file is named";
  } else if (limit <= 0) {
    why = "the display cannot hold textures";
  } else if (kind == "BMP" || kind == "JPG" || kind == "GIF") {
    read = ReadPicture(path, image, why);
  } else if (kind == "MOT") {
    read = ReadRaw(path, image, why);
  } else {
    why = "only BMP, JPG, GIF and MOT files can be textures";
  }
  if (!read) {
    error = "The texture \"" + fileName + "\" cannot be used: " + why + ".";
    return false;
  }
  image = image.convertToFormat(QImage::Format_RGB888);
  const int32_t w = TextureSide(image.width(), limit), h = TextureSide(image.height(), limit);
  if (w != image.width() || h != image.height())
    image = image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (image.isNull() || image.width() != w || image.height() != h) {
    error = "The texture \"" + fileName + "\" cannot be used: it could not be scaled.";
    return false;
  }
  out.Width = w;
  out.Height = h;
  out.Rgb.resize(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
  for (int32_t row = 0; row < h; ++row)
    std::memcpy(out.Rgb.data() + static_cast<size_t>(row) * static_cast<size_t>(w) * 3,
                image.constScanLine(h - 1 - row), static_cast<size_t>(w) * 3);
  return true;
}
