#include "render/surfaces/TextureImage.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>

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

// A raw file: a 4-byte width and height, then the pixels' bytes, bottom row first. Only the bytes
// the header asks for are read.
class RawFile {
public:
  bool Open(const QString& path, std::string& why) {
    // Any size: the bytes past those the header asks for are never read.
    if (!platform::CheckReadableFile(path.toStdString(), UINT64_MAX, &why)) return false;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
      why = "the file cannot be read";
      return false;
    }
    const QByteArray head = m_file.read(8);
    if (head.size() < 8) {
      why = "the file is too short for its width and height";
      return false;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(head.constData());
    Width = ReadInt32(data), Height = ReadInt32(data + 4);
    if (Width < 1 || Height < 1 || Width > kMaxPictureSide || Height > kMaxPictureSide) {
      why = "its width and height (" + std::to_string(Width) + " x " + std::to_string(Height) +
            ") are not between 1 and " + std::to_string(kMaxPictureSide);
      return false;
    }
    if (m_file.size() - 8 < qint64{Width} * Height * 3) {
      why = "it holds fewer pixel bytes than its width and height need";
      return false;
    }
    return true;
  }

  // The next `rows` rows of pixels, from the bottom row up.
  bool NextRows(uint8_t* rgb, int32_t rows, std::string& why) {
    const qint64 bytes = qint64{Width} * 3 * rows;
    if (m_file.read(reinterpret_cast<char*>(rgb), bytes) == bytes) return true;
    why = "its pixel bytes cannot be read";
    return false;
  }

  int32_t Width = 0, Height = 0;

private:
  QFile m_file;
};

// The whole raw picture as an image (top row first, as QImage holds it).
bool ReadRaw(RawFile& raw, QImage& image, std::string& why) {
  image = QImage(raw.Width, raw.Height, QImage::Format_RGB888);
  if (image.isNull()) {
    why = "there is not enough memory for its " + std::to_string(raw.Width) + " x " +
          std::to_string(raw.Height) + " pixels";
    return false;
  }
  for (int32_t row = 0; row < raw.Height; ++row)
    if (!raw.NextRows(image.scanLine(raw.Height - 1 - row), 1, why)) {
      image = QImage();
      return false;
    }
  return true;
}

// A raw picture shrunk to the texture's sides while it is read: what it takes is the texture's
// sums and a band of rows of about a megabyte, however large the picture.
bool ReadRawShrunk(RawFile& raw, int32_t width, int32_t height, TextureImage& out,
                   std::string& why) {
  AreaShrink shrink(raw.Width, raw.Height, width, height);
  const size_t rowBytes = static_cast<size_t>(raw.Width) * 3;
  // Read in bands of about a megabyte: fewer, larger reads.
  const int32_t bandRows =
      static_cast<int32_t>(std::clamp<size_t>((size_t{1} << 20) / rowBytes, 1, 256));
  std::vector<uint8_t> band(rowBytes * static_cast<size_t>(bandRows));
  for (int32_t y = 0; y < raw.Height; y += bandRows) {
    const int32_t rows = std::min(bandRows, raw.Height - y);
    if (!raw.NextRows(band.data(), rows, why)) return false;
    for (int32_t r = 0; r < rows; ++r)
      shrink.AddRow(band.data() + rowBytes * static_cast<size_t>(r));
  }
  out.Width = width;
  out.Height = height;
  out.Rgb = shrink.Result();
  return true;
}

// The width and height a BMP file's header states, for the pictures whose size the picture reader
// does not report (it refuses sides above 16384 before it reads them); none for other files.
std::optional<QSize> BmpHeaderSize(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = file.read(26);
  if (head.size() < 22 || head[0] != 'B' || head[1] != 'M') return std::nullopt;
  const auto* p = reinterpret_cast<const unsigned char*>(head.constData());
  const int32_t infoSize = ReadInt32(p + 14);
  if (infoSize == 12) // the old core header: 16-bit sides
    return QSize(p[18] | p[19] << 8, p[20] | p[21] << 8);
  if (infoSize < 16 || head.size() < 26) return std::nullopt;
  const int64_t width = ReadInt32(p + 18), height = ReadInt32(p + 22); // negative: top row first
  return QSize(static_cast<int>(std::min<int64_t>(std::abs(width), INT32_MAX)),
               static_cast<int>(std::min<int64_t>(std::abs(height), INT32_MAX)));
}

bool ReadPicture(const QString& path, QImage& image, std::string& why) {
  if (!platform::CheckReadableFile(path.toStdString(), kMaxFileBytes, &why)) return false;
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  QSize size = reader.size();
  if (!size.isValid()) size = BmpHeaderSize(path).value_or(size);
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

AreaShrink::AreaShrink(int32_t fromWidth, int32_t fromHeight, int32_t toWidth, int32_t toHeight)
    : m_fromWidth(fromWidth), m_fromHeight(fromHeight), m_toWidth(toWidth), m_toHeight(toHeight),
      m_rowSum(static_cast<size_t>(toWidth) * 3),
      m_sum(static_cast<size_t>(toWidth) * static_cast<size_t>(toHeight) * 3) {
  if (toWidth < 1 || toHeight < 1 || toWidth > fromWidth || toHeight > fromHeight)
    throw std::invalid_argument("AreaShrink: the result must be no larger than the picture");
  m_columns.reserve(static_cast<size_t>(fromWidth));
  for (int32_t x = 0; x < fromWidth; ++x)
    m_columns.push_back(ShareOf(x, fromWidth, toWidth));
}

AreaShrink::Share AreaShrink::ShareOf(int32_t i, int32_t from, int32_t to) {
  // Pixel i spans [i * to, (i + 1) * to) and result pixel k spans [k * from, (k + 1) * from) on
  // a common scale; with to <= from, pixel i falls into one result pixel or straddles two.
  const int64_t start = int64_t{i} * to, end = start + to;
  Share s;
  s.first = static_cast<int32_t>(start / from);
  const int64_t boundary = int64_t{s.first + 1} * from;
  s.firstWeight = static_cast<uint32_t>(std::min(end, boundary) - start);
  s.secondWeight = static_cast<uint32_t>(to) - s.firstWeight;
  return s;
}

void AreaShrink::AddRow(const uint8_t* rgb) {
  if (m_row >= m_fromHeight) return;
  std::fill(m_rowSum.begin(), m_rowSum.end(), 0u);
  for (int32_t x = 0; x < m_fromWidth; ++x) {
    const Share& s = m_columns[static_cast<size_t>(x)];
    const uint8_t* p = rgb + static_cast<size_t>(x) * 3;
    uint32_t* a = m_rowSum.data() + static_cast<size_t>(s.first) * 3;
    for (size_t c = 0; c < 3; ++c)
      a[c] += s.firstWeight * p[c];
    if (s.secondWeight != 0)
      for (size_t c = 0; c < 3; ++c)
        a[3 + c] += s.secondWeight * p[c];
  }
  const Share s = ShareOf(m_row, m_fromHeight, m_toHeight);
  const size_t rowValues = static_cast<size_t>(m_toWidth) * 3;
  uint64_t* first = m_sum.data() + static_cast<size_t>(s.first) * rowValues;
  for (size_t k = 0; k < rowValues; ++k)
    first[k] += uint64_t{s.firstWeight} * m_rowSum[k];
  if (s.secondWeight != 0)
    for (size_t k = 0; k < rowValues; ++k)
      first[rowValues + k] += uint64_t{s.secondWeight} * m_rowSum[k];
  ++m_row;
}

std::vector<uint8_t> AreaShrink::Result() const {
  // Every result pixel gathers weights of fromWidth * fromHeight in all.
  const uint64_t whole = uint64_t(m_fromWidth) * uint64_t(m_fromHeight);
  std::vector<uint8_t> out(m_sum.size());
  for (size_t k = 0; k < m_sum.size(); ++k)
    out[k] = static_cast<uint8_t>((m_sum[k] + whole / 2) / whole);
  return out;
}

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
    RawFile raw;
    if (raw.Open(path, why)) {
      const int32_t w = TextureSide(raw.Width, limit), h = TextureSide(raw.Height, limit);
      // A picture at least as large as its texture both ways is shrunk as it is read; one with a
      // side to enlarge has that side below the limit (256), so the whole of it stays small.
      if (raw.Width >= w && raw.Height >= h) {
        if (ReadRawShrunk(raw, w, h, out, why)) return true;
      } else {
        read = ReadRaw(raw, image, why);
      }
    }
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
