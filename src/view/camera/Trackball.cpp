#include "view/camera/Trackball.h"

#include <cmath>
#include <numbers>

#include "model/ProgramState.h"

void VectorZero(Vec4f& v) { v[0] = v[1] = v[2] = 0.0f; }

void VectorSet(Vec4f& v, float x, float y, float z) {
  v[0] = x;
  v[1] = y;
  v[2] = z;
}

void VectorSubtract(const Vec4f& a, const Vec4f& b, Vec4f& r) {
  for (int i = 0; i < 3; ++i)
    r[i] = a[i] - b[i];
}

void VectorCopy(const Vec4f& a, Vec4f& r) { r = a; }

void VectorCross(const Vec4f& a, const Vec4f& b, Vec4f& r) {
  // Through temporaries, so that r may be a or b.
  const float x = a[1] * b[2] - a[2] * b[1];
  const float y = a[2] * b[0] - a[0] * b[2];
  const float z = a[0] * b[1] - a[1] * b[0];
  r[0] = x;
  r[1] = y;
  r[2] = z;
  r[3] = 0.0f;
}

double VectorLength(const Vec4f& v) {
  const double x = v[0], y = v[1], z = v[2];
  return std::sqrt(x * x + y * y + z * z);
}

void VectorScale(Vec4f& v, float s) {
  for (int i = 0; i < 3; ++i)
    v[i] = s * v[i];
}

void VectorNormalize(Vec4f& v) {
  const double length = VectorLength(v);
  if (length == 0.0) return;
  VectorScale(v, static_cast<float>(1.0 / length));
}

float VectorDot(const Vec4f& a, const Vec4f& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

void VectorAdd(const Vec4f& a, const Vec4f& b, Vec4f& r) {
  for (int i = 0; i < 3; ++i)
    r[i] = a[i] + b[i];
}

double ArcSine(double x) {
  if (x >= 1.0) return std::numbers::pi / 2.0;
  if (x <= -1.0) return -std::numbers::pi / 2.0;
  return std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcCosine(double x) {
  if (x >= 1.0) return 0.0;
  if (x <= -1.0) return std::numbers::pi;
  if (x == 0.0) x = 0.0000001;
  const double a = std::atan(std::sqrt(1.0 - x * x) / x);
  return x < 0.0 ? std::numbers::pi + a : a;
}

float SphereDepth(float r, float x, float y) {
  const double d = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y);
  const float edge = static_cast<float>(r * 7071.0 / 10000.0);
  if (d < edge) return static_cast<float>(std::sqrt(static_cast<double>(r) * r - d * d));
  // On the hyperbolic sheet, which meets the sphere (to four digits) at the edge above.
  const double t = r / 1.414;
  return static_cast<float>(t * t / d);
}

void TrackballQuaternion(Quaternion& q, float p1x, float p1y, float p2x, float p2y,
                         int32_t rotationMode) {
  if (p1x == p2x && p1y == p2y) {
    q = IdentityRotation;
    return;
  }
  Vec4f p1{p1x, p1y, SphereDepth(TrackballRadius, p1x, p1y), 0.0f};
  Vec4f p2{p2x, p2y, SphereDepth(TrackballRadius, p2x, p2y), 0.0f};

  Vec4f axis{0.0f, 0.0f, 0.0f, 0.0f};
  switch (rotationMode) {
  case RotationTrackball:
    VectorCross(p2, p1, axis);
    break;
  case RotationAboutX: // the scene's z axis, which carries the x values of 3D documents
    VectorSet(axis, 0.0f, 0.0f, p1x < p2x ? 1.0f : -1.0f);
    break;
  case RotationAboutY: // the scene's x axis, which carries their y values
    VectorSet(axis, p1y < p2y ? 1.0f : -1.0f, 0.0f, 0.0f);
    break;
  case RotationAboutZ: // the vertical axis, which carries their z values
    VectorSet(axis, 0.0f, p1x > p2x ? 1.0f : -1.0f, 0.0f);
    break;
  default:
    q = IdentityRotation;
    return;
  }
  if (VectorLength(axis) == 0.0) { // no direction to turn about
    q = IdentityRotation;
    return;
  }

  Vec4f d{};
  VectorSubtract(p1, p2, d);
  double t = VectorLength(d) / (2.0 * TrackballRadius);
  if (t > 1.0) t = 1.0;
  if (t < -1.0) t = -1.0;
  const float phi = static_cast<float>(2.0 * ArcSine(t));
  AxisAngleQuaternion(axis, phi, q);
}

void TrackballQuaternion(Quaternion& q, float p1x, float p1y, float p2x, float p2y) {
  TrackballQuaternion(q, p1x, p1y, p2x, p2y, RotationMode);
}

void AxisAngleQuaternion(Vec4f& a, float phi, Quaternion& q) {
  VectorNormalize(a);
  VectorCopy(a, q);
  VectorScale(q, static_cast<float>(std::sin(phi / 2.0)));
  q[3] = static_cast<float>(std::cos(phi / 2.0));
}

void CombineRotations(const Quaternion& q1, const Quaternion& q2, Quaternion& dest) {
  Vec4f t1{}, t2{}, t3{}, sum{};
  VectorCopy(q1, t1);
  VectorScale(t1, q2[3]);
  VectorCopy(q2, t2);
  VectorScale(t2, q1[3]);
  VectorCross(q2, q1, t3);
  VectorAdd(t1, t2, sum);
  VectorAdd(t3, sum, sum);
  const float w = q1[3] * q2[3] - VectorDot(q1, q2);
  dest = {sum[0], sum[1], sum[2], w};
  NormalizeQuaternion(dest);
}

void NormalizeQuaternion(Quaternion& q) {
  const double x = q[0], y = q[1], z = q[2], w = q[3];
  double length = std::sqrt(x * x + y * y + z * z + w * w);
  if (length == 0.0) length = 1.0;
  for (float& item : q)
    item = static_cast<float>(item / length);
}

void RotationMatrixFromQuaternion(Matrix16& m, const Quaternion& q) {
  const float x = q[0], y = q[1], z = q[2], w = q[3];
  m[0] = 1.0f - 2.0f * (y * y + z * z);
  m[1] = 2.0f * (x * y - z * w);
  m[2] = 2.0f * (z * x + y * w);
  m[3] = 0.0f;
  m[4] = 2.0f * (x * y + z * w);
  m[5] = 1.0f - 2.0f * (z * z + x * x);
  m[6] = 2.0f * (y * z - x * w);
  m[7] = 0.0f;
  m[8] = 2.0f * (z * x - y * w);
  m[9] = 2.0f * (y * z + x * w);
  m[10] = 1.0f - 2.0f * (y * y + x * x);
  m[11] = 0.0f;
  m[12] = 0.0f;
  m[13] = 0.0f;
  m[14] = 0.0f;
  m[15] = 1.0f;
}
