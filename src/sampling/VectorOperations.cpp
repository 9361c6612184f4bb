#include "sampling/VectorOperations.h"

#include <algorithm>
#include <cmath>

#include "model/BoundingBox.h"
#include "model/Graph.h"

float VectorModule(const Vec3f& v) {
  const float sum = v.x * v.x + v.y * v.y + v.z * v.z;
  return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

VectorOperationOutcome ComputeVectorOperation(const Graph& g) {
  VectorOperationOutcome o;
  o.V1 = {g.VecDX, g.VecDY, g.VecDZ};
  o.V2 = {g.VecDX2, g.VecDY2, g.VecDZ2};
  o.Operation = g.VecOperation;
  const Vec3f& a = o.V1;
  const Vec3f& b = o.V2;
  switch (g.VecOperation) {
  case VectorSum:
    o.R = {b.x + a.x, b.y + a.y, b.z + a.z};
    o.HasResult = true;
    break;
  case VectorDifference:
    o.R = {b.x - a.x, b.y - a.y, b.z - a.z};
    o.HasResult = true;
    break;
  case VectorMultiple: {
    const float k = g.VecConstant;
    o.R = {k * a.x, k * a.y, k * a.z};
    o.HasResult = true;
    o.ShowsSecond = false;
    break;
  }
  case DotProduct: {
    o.Dot = b.y * a.y + b.x * a.x + b.z * a.z;
    float m1 = VectorModule(a), m2 = VectorModule(b);
    if (m1 == 0.0f) m1 = 0.0000001f;
    if (m2 == 0.0f) m2 = 0.0000001f;
    const float q = o.Dot / m1 / m2;
    // Rounding may carry the cosine of (anti)parallel vectors just past 1.
    o.AngleDegrees = ReportDegrees(std::acos(std::clamp(static_cast<double>(q), -1.0, 1.0)));
    break;
  }
  case CrossProduct:
    o.R = {a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, b.y * a.x - a.y * b.x};
    o.HasResult = true;
    break;
  default:
    break;
  }
  return o;
}

float ReportDegrees(double radians) { return static_cast<float>(radians / 3.1416 * 180.0); }

float DirectionDegrees(float unitComponent) {
  float c = unitComponent;
  if (c == 1.0f) return 0.0f;
  if (c == 0.0f) c = 0.0000001f;
  return ReportDegrees(std::acos(std::clamp(static_cast<double>(c), -1.0, 1.0)));
}

BoundingBox VectorOperationBoxOf(Graph& g) {
  const VectorOperationOutcome o = ComputeVectorOperation(g);
  Vec3f m; // the largest magnitude on each axis
  auto take = [&m](const Vec3f& v) {
    m.x = std::max(m.x, std::fabs(v.x));
    m.y = std::max(m.y, std::fabs(v.y));
    m.z = std::max(m.z, std::fabs(v.z));
  };
  take(o.V1);
  if (o.ShowsSecond) take(o.V2);
  if (o.HasResult) take(o.R);
  g.BoxMinX = -m.x;
  g.BoxMaxX = m.x;
  g.BoxMinY = -m.y;
  g.BoxMaxY = m.y;
  g.BoxMinZ = -m.z;
  g.BoxMaxZ = m.z;
  BoundingBox box;
  box.MinX = -(m.x + 3.0f);
  box.MaxX = m.x + 3.0f;
  box.MinY = -(m.y + 3.0f);
  box.MaxY = m.y + 3.0f;
  box.MinZ = -(m.z + 3.0f);
  box.MaxZ = m.z + 3.0f;
  return box;
}
