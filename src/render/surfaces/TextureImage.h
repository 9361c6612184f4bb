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

// The side a picture side of n pixels becomes: the next power of two at or above n, at most the
// limit (itself a power of two), at least 1.
int32_t TextureSide(int32_t n, int32_t limit);

// The largest side: the smaller of 256 and the GL's own maximum (a maximum of 0 or less gives 0:
// no texture can be made).
int32_t TextureSideLimit(int32_t glMaxTextureSize);

// Reads the picture by the last three characters of the name in upper case: "BMP", "JPG", "GIF"
// through the picture reader, "MOT" as a raw file (32-bit little-endian width and height, then
// width * height * 3 bytes red, green, blue, bottom row first). Scales it smoothly to the power-of-
// two sides of TextureSide. False with `error` set (a message naming the file) on any fault.
bool ReadTextureImage(const std::string& fileName, int32_t limit, TextureImage& out,
                      std::string& error);
