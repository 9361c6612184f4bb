#include "platform/BmpFile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>

#include "platform/Prompter.h"
#include "platform/WholeFile.h"

namespace {

constexpr uint16_t BitmapSignature = 0x4D42; // "BM"
constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t UncompressedRgb = 0; // BI_RGB

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void FileMessage(const std::string& text, const std::string& fileName, MsgIcon icon) {
  MsgBox(text + "\n" + fileName, MsgButtons::OK, icon, "Corvalin");
}

} // namespace

bool BmpFile::FileExists(const std::string& FileName) {
  const QFileInfo info(QString::fromStdString(FileName));
  return info.exists() && info.isFile();
}

void BmpFile::ReadInfoHeader(const uint8_t* p) {
  m_biSize = U32(p);
  m_biWidth = static_cast<int32_t>(U32(p + 4));
  m_biHeight = static_cast<int32_t>(U32(p + 8));
  m_biPlanes = U16(p + 12);
  m_biBitCount = U16(p + 14);
  m_biCompression = U32(p + 16);
  m_biSizeImage = U32(p + 20);
  m_biXPelsPerMeter = static_cast<int32_t>(U32(p + 24));
  m_biYPelsPerMeter = static_cast<int32_t>(U32(p + 28));
  m_biClrUsed = U32(p + 32);
  m_biClrImportant = U32(p + 36);
}

bool BmpFile::CreateFromFile(const std::string& FileName) {
  if (!FileExists(FileName)) {
    FileMessage("File does not exist:", FileName, MsgIcon::Critical);
    return false;
  }
  QFile file(QString::fromStdString(FileName));
  if (!file.open(QIODevice::ReadOnly)) {
    if (file.error() == QFileDevice::PermissionsError)
      FileMessage("File is locked - cannot access:", FileName, MsgIcon::Critical);
    else
      MsgBox(file.errorString().toStdString(), MsgButtons::OK, MsgIcon::Information, "Corvalin");
    return false;
  }
  const QByteArray bytes = file.readAll();
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
  const uint64_t fileSize = static_cast<uint64_t>(bytes.size());

  // Every offset and size the headers give must lie inside the file.
  bool fits = fileSize >= FileHeaderSize + InfoHeaderSize && U16(data) == BitmapSignature;
  BmpFile loaded;
  if (fits) {
    loaded.m_bfType = U16(data);
    loaded.m_bfSize = U32(data + 2);
    loaded.m_bfReserved1 = U16(data + 6);
    loaded.m_bfReserved2 = U16(data + 8);
    loaded.m_bfOffBits = U32(data + 10);
    loaded.ReadInfoHeader(data + FileHeaderSize);
    const uint64_t offBits = loaded.m_bfOffBits;
    fits = loaded.m_biSize >= InfoHeaderSize && offBits >= FileHeaderSize + loaded.m_biSize &&
           offBits <= fileSize;
    uint64_t sizeImage = loaded.m_biSizeImage;
    if (fits && sizeImage == 0 && loaded.m_biCompression == UncompressedRgb) {
      // An uncompressed bitmap may leave its pixel size to be worked out from its dimensions.
      const uint64_t width =
          static_cast<uint64_t>(std::abs(static_cast<int64_t>(loaded.m_biWidth)));
      const uint64_t height =
          static_cast<uint64_t>(std::abs(static_cast<int64_t>(loaded.m_biHeight)));
      const uint64_t stride = (width * loaded.m_biBitCount + 31) / 32 * 4;
      sizeImage = stride * height;
      if (sizeImage <= fileSize) loaded.m_biSizeImage = static_cast<uint32_t>(sizeImage);
    }
    fits = fits && offBits + sizeImage <= fileSize;
  }
  if (!fits) {
    FileMessage("File is not a supported bitmap format:", FileName, MsgIcon::Information);
    return false;
  }
  loaded.m_info.assign(data + FileHeaderSize, data + loaded.m_bfOffBits);
  loaded.m_bits.assign(data + loaded.m_bfOffBits, data + loaded.m_bfOffBits + loaded.m_biSizeImage);
  loaded.m_lastError = m_lastError;
  *this = std::move(loaded);
  return true;
}

bool BmpFile::CreateFromPackedDIBPointer(const uint8_t* pDIB, size_t packedSize) {
  if (!pDIB || packedSize < InfoHeaderSize) return false;
  ReadInfoHeader(pDIB);
  if (m_biBitCount < 16 || m_biSizeImage < 1 ||
      static_cast<uint64_t>(m_biSizeImage) + InfoHeaderSize > packedSize)
    return false;
  m_bits.assign(pDIB + InfoHeaderSize, pDIB + InfoHeaderSize + m_biSizeImage);
  m_info.assign(pDIB, pDIB + InfoHeaderSize);
  m_bfType = BitmapSignature;
  m_bfSize = FileHeaderSize + InfoHeaderSize + m_biSizeImage;
  m_bfReserved1 = m_bfReserved2 = 0;
  m_bfOffBits = FileHeaderSize + InfoHeaderSize;
  return true;
}

bool BmpFile::WriteToFile(const std::string& FileName) {
  std::vector<uint8_t> out;
  out.reserve(FileHeaderSize + m_info.size() + m_bits.size());
  Put16(out, m_bfType);
  Put32(out, m_bfSize);
  Put16(out, m_bfReserved1);
  Put16(out, m_bfReserved2);
  Put32(out, m_bfOffBits);
  out.insert(out.end(), m_info.begin(), m_info.end());
  out.insert(out.end(), m_bits.begin(), m_bits.end());

  // Written whole or not at all: a failed write leaves the old file whole.
  if (!platform::WriteWholeFile(
          FileName, std::string_view(reinterpret_cast<const char*>(out.data()), out.size()),
          &m_lastError))
    return false;
  m_lastError.clear();
  return true;
}
