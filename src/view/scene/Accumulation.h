#pragma once
// A stand-in for the OpenGL accumulation buffer, which framebuffer objects (and so QOpenGLWidget)
// do not have: it sums several renderings of the view with equal weights and writes their mean
// back into the colour buffer. The scene uses it to average the jittered passes of a still scene
// (full-scene anti-aliasing).
//
// Use, with the context current and the target framebuffer bound:
//   Clear();  { render a pass; Add(); } ...;  Return();
// Clear takes the size from the current viewport. Add reads the colour buffer of that area;
// Return draws the mean of the added passes over the same area and leaves the depth buffer, the
// matrices and the GL state as they were, so drawing can go on over the averaged picture with the
// depth of the last pass.

#include <cstdint>
#include <vector>

class Accumulation {
public:
  // Starts an empty sum over the current viewport.
  void Clear();
  // Adds the colour buffer of the viewport area to the sum.
  void Add();
  // Writes the mean of the added passes (each channel rounded to the nearest byte) into the colour
  // buffer. With no pass added it does nothing.
  void Return();

  int Passes() const { return m_passes; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }

  // The mean as Return writes it (RGBA bytes, bottom row first); for tests and snapshots.
  std::vector<uint8_t> Mean() const;

private:
  int m_x = 0, m_y = 0, m_width = 0, m_height = 0;
  int m_passes = 0;
  std::vector<uint16_t> m_sum;   // RGBA per pixel
  std::vector<uint8_t> m_pixels; // one band of rows read back or written, reused
};
