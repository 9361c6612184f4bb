#pragma once
// Line segments handed to GL as strips: segments drawn one after another in one colour and
// width, each starting at the data point where the one before ended, go into one GL_LINE_STRIP.
// What reaches the framebuffer is what one GL_LINES primitive per segment gives, in the same
// order, with one primitive per unbroken run of a curve in place of one per segment and the
// colour and width set once per run.

#include <array>
#include <cstdint>

#include "model/GraphPoint.h"

// A colour of the model (blue * 65536 + green * 256 + red) as the fractions glColor3f takes.
inline std::array<float, 3> RgbOf(int32_t colour) {
  std::array<float, 3> rgb{};
  ColorToRgb(colour, rgb[0], rgb[1], rgb[2]);
  return rgb;
}

class LineStrips {
public:
  LineStrips() = default;
  ~LineStrips() { Break(); }
  LineStrips(const LineStrips&) = delete;
  LineStrips& operator=(const LineStrips&) = delete;

  // The colour and width of the segments that follow, as glColor3f and glLineWidth set them; a
  // change ends the strip. Setting the same again costs nothing.
  void Style(const std::array<float, 3>& rgb, float width);
  // A segment between two data points (mapped into the scene as SceneVertex maps them).
  void Segment(float x1, float y1, float z1, float x2, float y2, float z2);
  // A gap: the next segment starts a new strip.
  void Gap();
  // Ends the strip and forgets the style: call before any other drawing or state change.
  void Break();

private:
  bool open_ = false;
  bool styled_ = false;
  std::array<float, 3> rgb_{};
  float width_ = 0;
  std::array<float, 3> last_{}; // the data point the open strip ends at
};
