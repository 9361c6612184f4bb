#pragma once
// The camera: how the scene is looked at. It holds the projection type, the view volume, the eye
// point, the point looked at, the up vector and the size of the view in device pixels, loads the
// OpenGL projection and model-view matrices from them (Projection), and changes them: fit to a
// box, zoom, pan and the preset directions. It does not turn the scene; the scene compiler
// multiplies the scene rotation onto the model-view matrix after Projection.
//
// Sizes and pixel offsets are device pixels (a Qt widget's logical size times its device pixel
// ratio), the same pixels as the GL viewport.

#include <array>
#include <cstdint>
#include <functional>

#include "model/BoundingBox.h"

// Values of SceneCamera::ProjectType.
enum ProjectionKind : int32_t {
  ProjectOrtho = 1,
  ProjectPerspective = 2,
};

// A point of the camera (eye or reference point), scene units.
struct CameraPoint {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

class SceneCamera {
public:
  SceneCamera();

  // --- settings (plain values; the operations below keep them consistent) ---
  int32_t ProjectType = ProjectOrtho;
  float ScreenHeight = 200.0f; // view size in device pixels, set by SetScreen
  float ScreenWidth = 200.0f;
  float VolHeight = 40.0f; // view volume, scene units
  float VolWidth = 40.0f;
  float VolNear = 0.001f;
  float VolFar = 2000.0f;
  float Volleft = 0.0f; // edges of the volume, refreshed by every Projection
  float VolRight = 0.0f;
  float VolTop = 0.0f;
  float VolBottom = 0.0f;
  std::array<float, 3> VecUp{0.0f, 1.0f, 0.0f}; // use .at(i): an index outside 0..2 throws
  CameraPoint RefPos{0.0f, 0.0f, 0.0f};
  CameraPoint EyePos{0.0f, 0.0f, 1000.0f};

  // Where the perspective projection takes the scene box from, in data units; the call must also
  // refresh the axis scales. When it is not set (the program's case) that is
  // ShownGraphs.GetBox(0); tests put a box of their own here.
  std::function<BoundingBox()> ShownGraphsBox;

  // --- operations ---
  void GetViewRect(float& Wide, float& Height) const;
  // The volume's height becomes Height and its width Height times the screen's aspect ratio;
  // Wide is not used.
  void SetViewRect(float Wide, float Height);
  void SetVecup(float dx, float dy, float dz);
  void SetRef(float x, float y, float z);
  void SetEye(float x, float y, float z);
  // Sets the GL viewport to (0, 0, x, y) and keeps the size; a height of 0 is kept as 1. The
  // context must be current. x and y are device pixels; negative sizes count as 0.
  void SetScreen(int32_t x, int32_t y);
  // Pans eye and reference point across the view by the fractions dx, dy of the volume: positive
  // dx moves the scene right on the screen, positive dy up. False (nothing changed) when eye and
  // reference point coincide.
  bool MoveView(float dx, float dy);
  // Puts the eye in one of ten directions around the reference point (1 front, 2 back, 3 top,
  // 4 bottom, 5 right, 6 left, 7..10 diagonals); any other value changes nothing.
  void SetViewType(int32_t TypeView);
  // Fits the volume and the reference point to a box given in data units, relative to the scene
  // centre; the eye keeps its offset from the reference point. A box that does not map to finite
  // scene units (an axis scale of 0) changes nothing and gives False; a box of no extent only
  // moves the reference point.
  bool ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1);
  // Turns the line of sight by angle (radians) about the unit axis through the eye.
  void RotateView(float angle, float axisX, float axisY, float axisZ);
  // Multiplies the volume by scal when scal > 0 (above 1 shows more of the scene).
  void Zoom(float scal);
  void Selection(int32_t x, int32_t y);
  // Loads the projection matrix (orthographic or perspective volume, shifted by pixelDx,
  // pixelDy device pixels of the viewport) and the model-view matrix (the look-at transform).
  // Needs a current context; may be recorded into a display list. eyeDx, eyeDy and
  // focus have no effect.
  void Projection(float pixelDx, float pixelDy, float eyeDx, float eyeDy, float focus);

  // Multiplies the look-at transform (eye, reference point, up vector) onto the current matrix.
  void ApplyViewTransform() const;

  // The near distance of the perspective frustum for a scene whose largest side is sceneSide
  // scene units: 1000 less that side, kept within [PerspectiveMinNear, 1000].
  static float PerspectiveNear(float sceneSide);
  static constexpr float PerspectiveMinNear = 1.0f;

private:
  void RealignUpVector();
};

// The program's camera, created with the main window and never replaced.
extern SceneCamera Camera;
