#include "view/camera/SceneCamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "model/GraphContainer.h"
#include "model/ProgramState.h"

SceneCamera Camera;

namespace {

// The distance of the eye from the reference point that fitting, zooming and panning keep, and
// from which the perspective near plane is measured.
constexpr float DefaultEyeDistance = 1000.0f;

struct Vec3 {
  float x, y, z;
};

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The unit line of sight from the eye to the reference point; false when they coincide.
bool LineOfSight(const CameraPoint& eye, const CameraPoint& ref, Vec3& d) {
  const double dx = double(ref.x) - eye.x, dy = double(ref.y) - eye.y, dz = double(ref.z) - eye.z;
  const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (!(length > 0.0) || !std::isfinite(length)) return false;
  d = {float(dx / length), float(dy / length), float(dz / length)};
  return true;
}

} // namespace

SceneCamera::SceneCamera() = default;

void SceneCamera::GetViewRect(float& Wide, float& Height) const {
  Wide = VolWidth;
  Height = VolHeight;
}

void SceneCamera::SetViewRect(float /*Wide*/, float Height) {
  VolHeight = Height;
  VolWidth = Height * ScreenWidth / ScreenHeight;
}

void SceneCamera::SetVecup(float dx, float dy, float dz) { VecUp = {dx, dy, dz}; }

void SceneCamera::SetRef(float x, float y, float z) { RefPos = {x, y, z}; }

void SceneCamera::SetEye(float x, float y, float z) { EyePos = {x, y, z}; }

void SceneCamera::SetScreen(int32_t x, int32_t y) {
  x = std::max(x, 0);
  y = std::max(y, 0);
  glViewport(0, 0, x, y);
  ScreenWidth = static_cast<float>(x);
  ScreenHeight = y == 0 ? 1.0f : static_cast<float>(y);
}

bool SceneCamera::MoveView(float dx, float dy) {
  Vec3 d{};
  if (!LineOfSight(EyePos, RefPos, d)) return false;
  const Vec3 up{VecUp[0], VecUp[1], VecUp[2]};
  const Vec3 r = Cross(d, up);
  const Vec3 u = Cross(r, d);
  const float sx = r.x * VolWidth * dx + u.x * VolHeight * dy;
  const float sy = r.y * VolWidth * dx + u.y * VolHeight * dy;
  const float sz = r.z * VolWidth * dx + u.z * VolHeight * dy;
  EyePos = {EyePos.x - sx, EyePos.y - sy, EyePos.z - sz};
  RefPos = {RefPos.x - sx, RefPos.y - sy, RefPos.z - sz};
  return true;
}

void SceneCamera::SetViewType(int32_t TypeView) {
  if (TypeView < 1 || TypeView > 10) return;
  const double ex = double(EyePos.x) - RefPos.x, ey = double(EyePos.y) - RefPos.y,
               ez = double(EyePos.z) - RefPos.z;
  float d = static_cast<float>(std::sqrt(ex * ex + ey * ey + ez * ez));
  if (d == 0.0f) d = 50.0f;
  if (d > 30000.0f) d = 10000.0f;
  const float k = static_cast<float>(d / std::sqrt(3.0));

  Vec3 offset{0.0f, 0.0f, 0.0f};
  bool realign = false;
  switch (TypeView) {
  case 1:
    offset = {0.0f, 0.0f, d};
    SetVecup(0.0f, 1.0f, 0.0f);
    break;
  case 2:
    offset = {0.0f, 0.0f, -d};
    SetVecup(0.0f, 1.0f, 0.0f);
    break;
  case 3:
    offset = {0.0f, d, 0.0f};
    SetVecup(0.0f, 0.0f, 1.0f);
    break;
  case 4:
    offset = {0.0f, -d, 0.0f};
    SetVecup(0.0f, 0.0f, 1.0f);
    break;
  case 5:
    offset = {d, 0.0f, 0.0f};
    SetVecup(0.0f, 1.0f, 0.0f);
    break;
  case 6:
    offset = {-d, 0.0f, 0.0f};
    SetVecup(0.0f, 1.0f, 0.0f);
    break;
  case 7:
    offset = {-k, k, -k};
    realign = true;
    break;
  case 8:
    offset = {k, -k, k};
    realign = true;
    break;
  case 9:
    offset = {k, k, k};
    realign = true;
    break;
  case 10:
    offset = {-k, k, k};
    realign = true;
    break;
  }
  EyePos = {RefPos.x + offset.x, RefPos.y + offset.y, RefPos.z + offset.z};
  if (realign) RealignUpVector();
}

void SceneCamera::RealignUpVector() {
  Vec3 d{};
  if (!LineOfSight(EyePos, RefPos, d)) return;
  const Vec3 r = Cross(d, Vec3{0.0f, 1.0f, 0.0f});
  const Vec3 up = Cross(r, d);
  SetVecup(up.x, up.y, up.z);
}

bool SceneCamera::ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1) {
  x0 /= AxisScaleX;
  x1 /= AxisScaleX;
  y0 /= AxisScaleY;
  y1 /= AxisScaleY;
  z0 /= AxisScaleZ;
  z1 /= AxisScaleZ;
  for (float v : {x0, x1, y0, y1, z0, z1})
    if (!std::isfinite(v)) return false;

  const float w = x1 - x0, h = y1 - y0, d = z1 - z0;
  const float m = std::max({w, h, d});
  if (m > 0.0f && std::isfinite(m)) SetViewRect(m, m);

  const float ox = EyePos.x - RefPos.x, oy = EyePos.y - RefPos.y, oz = EyePos.z - RefPos.z;
  RefPos = {(x0 + x1) / 2.0f, (y0 + y1) / 2.0f, (z0 + z1) / 2.0f};
  EyePos = {RefPos.x + ox, RefPos.y + oy, RefPos.z + oz};
  return true;
}

void SceneCamera::RotateView(float angle, float axisX, float axisY, float axisZ) {
  const float vx = RefPos.x - EyePos.x, vy = RefPos.y - EyePos.y, vz = RefPos.z - EyePos.z;
  const float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
  const float x = axisX, y = axisY, z = axisZ;
  const float m11 = c + t * x * x, m12 = t * x * y - s * z, m13 = t * x * z + s * y;
  const float m21 = t * x * y + s * z, m22 = c + t * y * y, m23 = t * y * z - s * x;
  const float m31 = t * x * z - s * y, m32 = t * y * z + s * x, m33 = c + t * z * z;
  RefPos = {EyePos.x + (m11 * vx + m12 * vy + m13 * vz),
            EyePos.y + (m21 * vx + m22 * vy + m23 * vz),
            EyePos.z + (m31 * vx + m32 * vy + m33 * vz)};
}

void SceneCamera::Zoom(float scal) {
  if (!(scal > 0.0f)) return;
  VolWidth = VolWidth * scal;
  VolHeight = VolHeight * scal;
}

void SceneCamera::Selection(int32_t /*x*/, int32_t /*y*/) {}

float SceneCamera::PerspectiveNear(float sceneSide) {
  // A scene side of 1000 scene units or more would put the near plane at or behind the eye, where
  // no frustum exists; keep it a little in front of the eye instead.
  if (!(sceneSide > 0.0f)) return DefaultEyeDistance;
  const float near = DefaultEyeDistance - sceneSide;
  return near >= PerspectiveMinNear ? near : PerspectiveMinNear;
}

void SceneCamera::ApplyViewTransform() const {
  gluLookAt(EyePos.x, EyePos.y, EyePos.z, RefPos.x, RefPos.y, RefPos.z, VecUp[0], VecUp[1],
            VecUp[2]);
}

void SceneCamera::Projection(float pixelDx, float pixelDy, float /*eyeDx*/, float /*eyeDy*/,
                             float /*focus*/) {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // Leave selection mode if someone entered it; feedback mode is kept so that the projected
  // vertices of a scene can be captured.
  GLint renderMode = GL_RENDER;
  glGetIntegerv(GL_RENDER_MODE, &renderMode);
  if (renderMode == GL_SELECT) glRenderMode(GL_RENDER);

  Volleft = -VolWidth / 2.0f;
  VolRight = VolWidth / 2.0f;
  VolBottom = -VolHeight / 2.0f;
  VolTop = VolHeight / 2.0f;

  float offsetX = 1.0f, offsetY = 1.0f;
  if (viewport[2] != 0 && viewport[3] != 0) {
    offsetX = -pixelDx * VolWidth / static_cast<float>(viewport[2]);
    offsetY = -pixelDy * VolHeight / static_cast<float>(viewport[3]);
  }
  const double left = Volleft + offsetX, right = VolRight + offsetX;
  const double bottom = VolBottom + offsetY, top = VolTop + offsetY;
  // A volume without extent has no projection; the matrix stays the identity rather than raising
  // a GL error.
  const bool volumeOk = left != right && bottom != top && std::isfinite(left) &&
                        std::isfinite(right) && std::isfinite(bottom) && std::isfinite(top);

  if (ProjectType == ProjectOrtho) {
    if (volumeOk && VolNear != VolFar) glOrtho(left, right, bottom, top, VolNear, VolFar);
  } else if (ProjectType == ProjectPerspective) {
    // The near plane stands in front of the scene: the eye is 1000 scene units from the
    // reference point, so the largest side of the scene box, in scene units, is taken off that.
    float side = 0.0f;
    {
      // Also refreshes the axis scales.
      const BoundingBox box = ShownGraphsBox ? ShownGraphsBox() : ShownGraphs.GetBox(0);
      for (float extent : {(box.MaxX - box.MinX) / AxisScaleX, (box.MaxY - box.MinY) / AxisScaleY,
                           (box.MaxZ - box.MinZ) / AxisScaleZ})
        if (extent > side) side = extent; // an axis without extent (0 / 0) adds nothing
    }
    VolNear = PerspectiveNear(side);
    if (volumeOk && VolNear < VolFar) glFrustum(left, right, bottom, top, VolNear, VolFar);
    VolNear = 0.01f;
  }

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  ApplyViewTransform();
}
