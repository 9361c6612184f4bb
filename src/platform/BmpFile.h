#pragma once
// One device-independent bitmap in memory, laid out as in a BMP file: the 14-byte file header,
// the 40-byte info header, the info bytes (the info header and the colour table as the file holds
// them) and the pixel bytes. It loads itself from a BMP file, can be made from a packed bitmap in
// memory (info header directly followed by the pixels) and writes itself as a BMP file. The AVI
// export reads the captured animation frames with it.
//
// Loading checks the file before it believes it: the offsets and sizes that the headers give must
// lie inside the file, so a damaged or hostile file is refused with a message and never read past
// its end. A failed load leaves the object as it was.

#include <cstdint>
#include <string>
#include <vector>

class BmpFile {
public:
  // Loads a BMP file. False, with a message box titled "Corvalin", when the file does not exist,
  // cannot be opened, is no bitmap or its headers do not fit the file.
  bool CreateFromFile(const std::string& FileName);
  // Makes the object from a packed bitmap of 16 bits per pixel or more whose info header gives
  // its pixel size; false (the info header kept, the rest unchanged) otherwise. pDIB must hold
  // 40 + biSizeImage bytes; packedSize, when given, is checked against that.
  bool CreateFromPackedDIBPointer(const uint8_t* pDIB, size_t packedSize = SIZE_MAX);
  // Writes the object as a BMP file, replacing the whole file (a longer old file does not keep
  // its tail). False when the file cannot be written; the message is in LastError().
  bool WriteToFile(const std::string& FileName);

  int32_t BitCount() const { return m_biBitCount; }
  int32_t Height() const { return m_biHeight; }
  int32_t Width() const { return m_biWidth; }
  int32_t Compression() const { return static_cast<int32_t>(m_biCompression); }
  int32_t SizeInfoHeader() const { return static_cast<int32_t>(m_biSize); }
  int32_t SizeImage() const { return static_cast<int32_t>(m_biSizeImage); }
  int32_t Planes() const { return m_biPlanes; }
  int32_t ClrImportant() const { return static_cast<int32_t>(m_biClrImportant); }
  int32_t ClrUsed() const { return static_cast<int32_t>(m_biClrUsed); }
  int32_t XPPM() const { return m_biXPelsPerMeter; }
  int32_t YPPM() const { return m_biYPelsPerMeter; }
  int32_t FileType() const { return m_bfType; }
  int32_t SizeFileHeader() const { return static_cast<int32_t>(m_bfSize); }
  int32_t BitOffset() const { return static_cast<int32_t>(m_bfOffBits); }
  // The first pixel byte and the first info byte; null while the object holds none.
  const uint8_t* PointerToBits() const { return m_bits.empty() ? nullptr : m_bits.data(); }
  const uint8_t* PointerToBitmapInfo() const { return m_info.empty() ? nullptr : m_info.data(); }
  int32_t SizeBitmapInfo() const { return static_cast<int32_t>(m_info.size()); }

  // Why the last WriteToFile failed.
  const std::string& LastError() const { return m_lastError; }

private:
  static bool FileExists(const std::string& FileName);
  void ReadInfoHeader(const uint8_t* p);

  // File header.
  uint16_t m_bfType = 0;
  uint32_t m_bfSize = 0;
  uint16_t m_bfReserved1 = 0;
  uint16_t m_bfReserved2 = 0;
  uint32_t m_bfOffBits = 0;
  // Info header.
  uint32_t m_biSize = 0;
  int32_t m_biWidth = 0;
  int32_t m_biHeight = 0;
  uint16_t m_biPlanes = 0;
  uint16_t m_biBitCount = 0;
  uint32_t m_biCompression = 0;
  uint32_t m_biSizeImage = 0;
  int32_t m_biXPelsPerMeter = 0;
  int32_t m_biYPelsPerMeter = 0;
  uint32_t m_biClrUsed = 0;
  uint32_t m_biClrImportant = 0;

  std::vector<uint8_t> m_info;
  std::vector<uint8_t> m_bits;
  std::string m_lastError;
};
