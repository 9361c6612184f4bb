// The bytes of the BMP files the view is saved as.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "view/scene/BmpSnapshot.h"

namespace {
uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
} // namespace

TEST(BmpFile, HeadersAndRowPaddingForEveryWidthRemainder) {
  for (int32_t w : {1, 2, 3, 4, 5, 399, 400}) {
    SCOPED_TRACE(w);
    const int32_t h = 3;
    std::vector<uint8_t> rgb(static_cast<size_t>(w * h * 3));
    for (size_t i = 0; i < rgb.size(); ++i)
      rgb[i] = static_cast<uint8_t>(i * 7 + 1);
    const auto file = EncodeBmp24(w, h, rgb);
    const uint32_t row = (3 * w + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + row * h);
    EXPECT_EQ(file[0], 66);
    EXPECT_EQ(file[1], 77);
    EXPECT_EQ(U32(file, 2), 54 + row * h);
    EXPECT_EQ(U16(file, 6), 0);
    EXPECT_EQ(U16(file, 8), 0);
    EXPECT_EQ(U32(file, 10), 54u);
    EXPECT_EQ(U32(file, 14), 40u);
    EXPECT_EQ(U32(file, 18), static_cast<uint32_t>(w));
    EXPECT_EQ(U32(file, 22), static_cast<uint32_t>(h));
    EXPECT_EQ(U16(file, 26), 1);
    EXPECT_EQ(U16(file, 28), 24);
    EXPECT_EQ(U32(file, 30), 0u);
    EXPECT_EQ(U32(file, 34), row * h);
    for (size_t at : {38, 42, 46, 50})
      EXPECT_EQ(U32(file, at), 0u);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const size_t src = static_cast<size_t>((y * w + x) * 3);
        const size_t dst = 54 + y * row + static_cast<size_t>(x * 3);
        ASSERT_EQ(file[dst], rgb[src + 2]);     // blue
        ASSERT_EQ(file[dst + 1], rgb[src + 1]); // green
        ASSERT_EQ(file[dst + 2], rgb[src]);     // red
      }
      for (uint32_t p = 3 * w; p < row; ++p)
        ASSERT_EQ(file[54 + y * row + p], 0) << "padding";
    }
  }
  // The edge case of the callers' width rule: 399 x 300 gives rows of 1200 bytes.
  EXPECT_EQ(EncodeBmp24(399, 300, std::vector<uint8_t>(399 * 300 * 3)).size(), 54u + 1200 * 300);
  EXPECT_TRUE(EncodeBmp24(0, 3, {}).empty());
  EXPECT_TRUE(EncodeBmp24(2, 2, std::vector<uint8_t>(5)).empty());
}
