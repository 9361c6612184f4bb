#pragma once
// A texture picture as data, with no GL: the file a graph names in TexName read into tightly
// packed red, green, blue bytes, rows bottom line first, both sides brought to a power of two no
// larger than the limit. Every fault of the file (missing, unreadable, not a picture, a raw file
// whose sizes do not match its bytes) gives no picture and a message that names the file.

#include <cstdint>
#include <string>
#include <vector>

struct TextureImage {
  int32_t Width = 0, Height = 0;
  std::vector<uint8_t> Rgb; // Width * Height * 3 bytes, bottom row first

  // The bytes of pixel (x, y), y counted from the bottom row.
  const uint8_t* Pixel(int32_t x, int32_t y) const {
    return Rgb.data() +
           (static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)) * 3;
  }
};

// Shrinks a picture whose rows arrive one after another to a smaller one, each result pixel the
// mean of the picture over the area it covers (a box filter: a picture pixel that straddles two
// result pixels is shared between them by the part of it each covers), rounded to the nearest
// whole value. It keeps one row's sums and the result's sums, whatever the picture's size. The
// result's sides are 1 to the picture's (others throw std::invalid_argument); the rows keep the
// order they arrive in.
class AreaShrink {
public:
  AreaShrink(int32_t fromWidth, int32_t fromHeight, int32_t toWidth, int32_t toHeight);
  // The next row: fromWidth pixels of red, green, blue. Rows beyond fromHeight are ignored.
  void AddRow(const uint8_t* rgb);
  // toWidth * toHeight pixels of red, green, blue, once every row is in.
  std::vector<uint8_t> Result() const;

private:
  // How pixel i of a side of `from` pixels falls into a side of `to` pixels: the first result
  // pixel it covers and its weights there and in the next one (in 1 / from of a result pixel).
  struct Share {
    int32_t first = 0;
    uint32_t firstWeight = 0, secondWeight = 0;
  };
  static Share ShareOf(int32_t i, int32_t from, int32_t to);

  int32_t m_fromWidth, m_fromHeight, m_toWidth, m_toHeight;
  int32_t m_row = 0;
  std::vector<Share> m_columns;   // how each column of the picture falls into the result
  std::vector<uint32_t> m_rowSum; // one row shrunk across, weighted
  std::vector<uint64_t> m_sum;    // the result's weighted sums
};

// The side a picture side of n pixels becomes: the next power of two at or above n, at most the
// limit (itself a power of two), at least 1.
int32_t TextureSide(int32_t n, int32_t limit);

// The largest side: the smaller of 256 and the GL's own maximum (a maximum of 0 or less gives 0:
// no texture can be made).
int32_t TextureSideLimit(int32_t glMaxTextureSize);

// Reads the picture by the last three characters of the name in upper case: "BMP", "JPG", "GIF"
// through the picture reader, "MOT" as a raw file (32-bit little-endian width and height, then
// width * height * 3 bytes red, green, blue, bottom row first). Scales it smoothly to the power-of-
// two sides of TextureSide: a raw picture at least as large as its texture both ways is shrunk by
// AreaShrink while it is read, so only the texture and a band of rows are held; every other picture
// is read whole and scaled by Qt's smooth scaling. False with `error` set (a message naming the
// file) on any fault.
bool ReadTextureImage(const std::string& fileName, int32_t limit, TextureImage& out,
                      std::string& error);
