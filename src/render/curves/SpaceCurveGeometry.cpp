#include "render/curves/SpaceCurveGeometry.h"

#include <cmath>
#include <string_view>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"

namespace {

Vec3f Minus(const Vec3f& a, const Vec3f& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3f Plus(const Vec3f& a, const Vec3f& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

bool Finite(const Vec3f& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool Defined(const Vec3f& v) {
  return v.x != UndefinedValue && v.y != UndefinedValue && v.z != UndefinedValue;
}

// The vector divided by its length; a length of 0 divides by `zeroLength`.
Vec3f Normalised(const Vec3f& v, float zeroLength) {
  float len = static_cast<float>(std::sqrt(static_cast<double>(v.x * v.x + v.y * v.y + v.z * v.z)));
  if (len == 0.0f) len = zeroLength;
  return {v.x / len, v.y / len, v.z / len};
}

// One channel of a gradient from `second` at the low end to `first` at the high end.
float Gradient(float first, float second, float value, float low, float extent) {
  return second + (first - second) * (value - low) / extent;
}

} // namespace

SpaceCurveForm SpaceCurveFormOf(int32_t funForm, int32_t coordType, const std::string& postfixZ) {
  if (funForm == Parametric) {
    if (coordType == Cartesian3D) return SpaceCurveForm::Cartesian;
    if (coordType == Cylindrical) return SpaceCurveForm::Cylindrical;
    if (coordType == Spherical) return SpaceCurveForm::Spherical;
    return SpaceCurveForm::None;
  }
  if (funForm != Explicit || (coordType != Cartesian3D && coordType != Cylindrical))
    return SpaceCurveForm::None;
  SpaceCurveForm form = SpaceCurveForm::None;
  size_t start = 0;
  while (start < postfixZ.size()) {
    size_t blank = postfixZ.find(' ', start);
    if (blank == std::string::npos) blank = postfixZ.size();
    const std::string_view token(postfixZ.data() + start, blank - start);
    start = blank + 1;
    if (coordType == Cartesian3D && token == "XX") form = SpaceCurveForm::ExplicitX;
    if (coordType == Cartesian3D && token == "YY") form = SpaceCurveForm::ExplicitY;
    if (coordType == Cylindrical && token == "RR") form = SpaceCurveForm::ExplicitR;
    if (coordType == Cylindrical && token == "AA") form = SpaceCurveForm::ExplicitA;
  }
  return form;
}

bool SpaceCurvePoint(SpaceCurveForm form, float t, const Vec3f& v, const Vec3f& d, Vec3f& p,
                     Vec3f& dir) {
  const bool explicitForm = form == SpaceCurveForm::ExplicitX ||
                            form == SpaceCurveForm::ExplicitY ||
                            form == SpaceCurveForm::ExplicitR || form == SpaceCurveForm::ExplicitA;
  if (form == SpaceCurveForm::None) return false;
  if (explicitForm ? (v.x == UndefinedValue || d.x == UndefinedValue)
                   : (!Defined(v) || !Defined(d)))
    return false;
  const double h = v.x, dh = d.x;
  double px = 0, py = 0, pz = 0, dx = 0, dy = 0, dz = 0;
  switch (form) {
  case SpaceCurveForm::Cartesian:
    px = v.x, py = v.y, pz = v.z, dx = d.x, dy = d.y, dz = d.z;
    break;
  case SpaceCurveForm::Cylindrical: {
    const double a = v.x, r = v.y, da = d.x, dr = d.y;
    const double c = std::cos(a), sn = std::sin(a);
    px = r * c, py = r * sn, pz = v.z;
    dx = dr * c - r * da * sn, dy = dr * sn + r * da * c, dz = d.z;
    break;
  }
  case SpaceCurveForm::Spherical: {
    const double a = v.x, b = v.y, r = v.z, da = d.x, db = d.y, dr = d.z;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    px = r * sb * ca, py = r * sb * sa, pz = r * cb;
    dx = dr * sb * ca + r * cb * db * ca - r * sb * sa * da;
    dy = dr * sb * sa + r * cb * db * sa + r * sb * ca * da;
    dz = dr * cb - r * sb * db;
    break;
  }
  case SpaceCurveForm::ExplicitX:
  case SpaceCurveForm::ExplicitR:
    px = t, pz = h, dx = 1, dz = dh;
    break;
  case SpaceCurveForm::ExplicitY:
    py = t, pz = h, dy = 1, dz = dh;
    break;
  case SpaceCurveForm::ExplicitA:
    pz = h, dz = dh;
    break;
  case SpaceCurveForm::None:
    return false;
  }
  p = {static_cast<float>(px), static_cast<float>(py), static_cast<float>(pz)};
  dir = {static_cast<float>(dx), static_cast<float>(dy), static_cast<float>(dz)};
  return Finite(p) && Finite(dir) && Defined(p) && Defined(dir);
}

std::array<Vec3f, 2> CurveTangent(const Vec3f& p, const Vec3f& d) {
  return {{Minus(p, d), Plus(p, d)}};
}

bool NormalPlanePatch(const Vec3f& p, const Vec3f& d, std::array<Vec3f, 4>& corners) {
  static constexpr float kOffsets[4][2] = {
      {-0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}};
  const float pc[3] = {p.x, p.y, p.z};
  const float dc[3] = {d.x, d.y, d.z};
  // The axis the plane is solved for: Z unless Z' is 0, then Y, then X.
  int solved = 2;
  while (solved >= 0 && dc[solved] == 0.0f)
    --solved;
  if (solved < 0) return false;
  const int a = solved == 0 ? 1 : 0;
  const int b = solved == 2 ? 1 : 2;
  for (int k = 0; k < 4; ++k) {
    float c[3];
    c[a] = pc[a] + kOffsets[k][0];
    c[b] = pc[b] + kOffsets[k][1];
    c[solved] = pc[solved] - (dc[a] * kOffsets[k][0] + dc[b] * kOffsets[k][1]) / dc[solved];
    corners[static_cast<size_t>(k)] = {c[0], c[1], c[2]};
    if (!Finite(corners[static_cast<size_t>(k)])) return false;
  }
  return true;
}

Vec3f RibbonFaceNormal(const Vec3f& p0, const Vec3f& p1, const Vec3f& p2, const Vec3f& p3) {
  const Vec3f a = Minus(p0, p2);
  const Vec3f b = Minus(p1, p3);
  const Vec3f n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  return Normalised(n, 0.0001f);
}

RibbonMesh BuildRibbon(const std::vector<Vec3f>& front, const std::vector<Vec3f>& back,
                       const RibbonStyle& style) {
  RibbonMesh mesh;
  if (front.size() < 2 || back.size() != front.size()) return mesh;
  const size_t n = front.size() - 1; // quadrilaterals

  std::vector<Vec3f> face(n);
  for (size_t j = 0; j < n; ++j)
    face[j] = RibbonFaceNormal(front[j], back[j], back[j + 1], front[j + 1]);

  // Vertex normals, the same for both rows: the ends take their one face, the inner points the
  // sum of the two faces around them.
  std::vector<Vec3f> vertex(n + 1);
  vertex[0] = face[0];
  vertex[n] = face[n - 1];
  for (size_t j = 1; j < n; ++j)
    vertex[j] = Plus(face[j], face[j - 1]);
  auto meets = [](const Vec3f& a, const Vec3f& b) {
    return std::fabs(a.x - b.x) < 0.001f && std::fabs(a.y - b.y) < 0.001f &&
           std::fabs(a.z - b.z) < 0.001f;
  };
  mesh.Closed = meets(front[0], front[n]) && meets(back[0], back[n]);
  if (mesh.Closed) vertex[0] = vertex[n] = Plus(face[n - 1], face[0]);
  for (Vec3f& v : vertex)
    v = Normalised(v, 1.0f);

  // Zero extents divide by 1e-9 instead: every corner takes the low end's colour.
  auto extent = [](float lo, float hi) {
    const float e = hi - lo;
    return e == 0.0f ? 1e-9f : e;
  };
  const BoundingBox& box = style.Box;
  const float ex = extent(box.MinX, box.MaxX), ey = extent(box.MinY, box.MaxY),
              ez = extent(box.MinZ, box.MaxZ);
  auto colour = [&](const Vec3f& p) -> Rgb3 {
    Rgb3 c{};
    for (size_t ch = 0; ch < 3; ++ch) {
      const float f = style.First[ch], s = style.Second[ch];
      switch (style.FillStyle) {
      case GradientLeftRight:
        c[ch] = Gradient(f, s, p.x, box.MinX, ex);
        break;
      case GradientFrontBack:
        c[ch] = Gradient(f, s, p.z, box.MinZ, ez);
        break;
      case GradientTopBottom:
        c[ch] = Gradient(f, s, p.y, box.MinY, ey);
        break;
      case SingleColor:
        c[ch] = s;
        break;
      default:
        break;
      }
    }
    if (style.FillStyle == ColorMapFill && style.ColorMap) c = style.ColorMap(p.y, box.MinY, ey);
    return c;
  };

  mesh.Quads.resize(n);
  for (size_t j = 0; j < n; ++j) {
    RibbonQuad& q = mesh.Quads[j];
    q.Corner = {front[j], back[j], back[j + 1], front[j + 1]};
    q.FaceNormal = face[j];
    q.Normal = {vertex[j], vertex[j], vertex[j + 1], vertex[j + 1]};
    q.Defined = true;
    for (size_t k = 0; k < 4; ++k) {
      q.Colour[k] = colour(q.Corner[k]);
      if (!Defined(q.Corner[k])) q.Defined = false;
    }
  }
  return mesh;
}
