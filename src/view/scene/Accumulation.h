#pragma once
// A stand-in for the OpenGL accumulation buffer, which framebuffer objects (and so QOpenGLWidget)
// do not have: it sums several renderings of the view with equal weights and writes their mean
// back into the colour buffer. The scene uses it to average the jittered passes of a still scene
// (full-scene anti-aliasing).
//
// The sum stays on the GL side: each pass is copied into a texture and added, by blending, into a
// floating-point framebuffer object; Return draws that sum scaled by 1/passes over the target. No
// pass is read back into memory. Where the context offers no float framebuffer the passes are read
// back and summed in memory instead, with the same result.
//
// Use, with the context current and the target framebuffer bound:
//   Clear();  { render a pass; Add(); } ...;  Return();
// Clear takes the size from the current viewport. Add takes the colour buffer of that area;
// Return draws the mean of the added passes over the same area and leaves the depth buffer, the
// bound framebuffer, the matrices and the GL state as they were, so drawing can go on over the
// averaged picture with the depth of the last pass.

#include <cstdint>
#include <vector>

class QOpenGLContext;

class Accumulation {
public:
  Accumulation() = default;
  ~Accumulation();
  Accumulation(const Accumulation&) = delete;
  Accumulation& operator=(const Accumulation&) = delete;

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
  // Whether the sum is kept in a framebuffer object (false: read back and summed in memory).
  bool OnGpu() const { return m_gpu; }

  // The mean as Return writes it (RGBA bytes, bottom row first); for tests and snapshots. Needs the
  // context current when the sum is on the GL side.
  std::vector<uint8_t> Mean() const;

private:
  bool PrepareGpu();  // (re)creates the textures and framebuffer for the current size
  void ReleaseGpu();
  void AddOnCpu();

  int m_x = 0, m_y = 0, m_width = 0, m_height = 0;
  int m_passes = 0;
  bool m_gpu = false;

  // GL-side sum.
  QOpenGLContext* m_context = nullptr; // the context the objects below belong to
  bool m_gpuFailed = false;            // float framebuffers unavailable: stay in memory
  int m_gpuWidth = 0, m_gpuHeight = 0;
  unsigned m_passTexture = 0; // the pass just drawn, copied from the target
  unsigned m_sumTexture = 0;  // RGBA float sum of the passes
  unsigned m_sumFramebuffer = 0;

  // In-memory sum.
  std::vector<uint16_t> m_sum;   // RGBA per pixel
  std::vector<uint8_t> m_pixels; // one read-back, reused
};
