#include "render/surfaces/CubeTables.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// The six faces of the cell, each as its four corners in order round the face.
constexpr std::array<std::array<int32_t, 4>, 6> kFaces{
    {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}, {0, 1, 5, 4}, {3, 2, 6, 7}}};

using Vec = std::array<double, 3>;

Vec CornerPos(int32_t c) {
  const auto& o = CubeCornerOffsets[static_cast<size_t>(c)];
  return {double(o[0]), double(o[1]), double(o[2])};
}
Vec Sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec Add(const Vec& a, const Vec& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec Scale(const Vec& a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }
Vec Cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

int32_t EdgeOf(int32_t a, int32_t b) {
  for (int32_t e = 0; e < 12; ++e) {
    const auto& ec = CubeEdgeCorners[static_cast<size_t>(e)];
    if ((ec[0] == a && ec[1] == b) || (ec[0] == b && ec[1] == a)) return e;
  }
  throw std::logic_error("cube corners without an edge");
}

Vec EdgeMid(int32_t e) {
  const auto& ec = CubeEdgeCorners[static_cast<size_t>(e)];
  return Scale(Add(CornerPos(ec[0]), CornerPos(ec[1])), 0.5);
}

// The triangles of one cube index, built by following the level line round the faces.
std::vector<int32_t> TrianglesOf(int32_t cube) {
  auto below = [cube](int32_t corner) { return (cube >> corner & 1) != 0; };
  // next[e]: the cut edge that follows cut edge e on the line, walked so that the corners below
  // the level lie on the right-hand side seen from outside the cell.
  std::array<int32_t, 12> next;
  next.fill(-1);
  const Vec centre{0.5, 0.5, 0.5};
  for (const auto& face : kFaces) {
    std::array<int32_t, 4> edges;
    for (size_t s = 0; s < 4; ++s)
      edges[s] = EdgeOf(face[s], face[(s + 1) % 4]);
    std::vector<int32_t> cut;
    for (int32_t e : edges) {
      const auto& ec = CubeEdgeCorners[static_cast<size_t>(e)];
      if (below(ec[0]) != below(ec[1])) cut.push_back(e);
    }
    Vec faceCentre{0, 0, 0};
    for (int32_t c : face)
      faceCentre = Add(faceCentre, Scale(CornerPos(c), 0.25));
    const Vec outward = Sub(faceCentre, centre);
    // Each segment of the face with the corners below the level that it cuts off.
    std::vector<std::pair<std::array<int32_t, 2>, Vec>> segments;
    if (cut.size() == 2) {
      Vec side{0, 0, 0};
      int32_t n = 0;
      for (int32_t c : face)
        if (below(c)) {
          side = Add(side, CornerPos(c));
          ++n;
        }
      segments.push_back({{cut[0], cut[1]}, Scale(side, 1.0 / n)});
    } else if (cut.size() == 4) {
      // Diagonal corners below the level: each one is cut off by a segment of its own.
      for (size_t s = 0; s < 4; ++s)
        if (below(face[s]))
          segments.push_back({{edges[(s + 3) % 4], edges[s]}, CornerPos(face[s])});
    }
    for (auto& [seg, side] : segments) {
      const Vec a = EdgeMid(seg[0]), b = EdgeMid(seg[1]);
      const Vec mid = Scale(Add(a, b), 0.5);
      const bool forward = Dot(Cross(outward, Sub(b, a)), Sub(side, mid)) < 0;
      const int32_t from = forward ? seg[0] : seg[1], to = forward ? seg[1] : seg[0];
      if (next[static_cast<size_t>(from)] != -1) throw std::logic_error("cube line branches");
      next[static_cast<size_t>(from)] = to;
    }
  }
  std::vector<int32_t> triangles;
  std::array<bool, 12> done{};
  for (int32_t start = 0; start < 12; ++start) {
    if (next[static_cast<size_t>(start)] == -1 || done[static_cast<size_t>(start)]) continue;
    std::vector<int32_t> loop;
    for (int32_t e = start; !done[static_cast<size_t>(e)]; e = next[static_cast<size_t>(e)]) {
      done[static_cast<size_t>(e)] = true;
      loop.push_back(e);
      if (next[static_cast<size_t>(e)] == -1) throw std::logic_error("cube line is open");
    }
    // The line runs counter-clockwise seen from the corners above the level: a fan in its order
    // faces them.
    for (size_t t = 1; t + 1 < loop.size(); ++t) {
      triangles.push_back(loop[0]);
      triangles.push_back(loop[t]);
      triangles.push_back(loop[t + 1]);
    }
  }
  return triangles;
}

CubeTableSet BuildTables() {
  CubeTableSet t;
  for (int32_t c = 0; c < 256; ++c) {
    int16_t bits = 0;
    for (int32_t e = 0; e < 12; ++e) {
      const auto& ec = CubeEdgeCorners[static_cast<size_t>(e)];
      if ((c >> ec[0] & 1) != (c >> ec[1] & 1)) bits = static_cast<int16_t>(bits | (1 << e));
    }
    t.Edges[static_cast<size_t>(c)] = bits;
    auto& row = t.Triangles[static_cast<size_t>(c)];
    row.fill(-1);
    const std::vector<int32_t> tri = TrianglesOf(c);
    if (tri.size() > 15) throw std::logic_error("cube case with more than five triangles");
    for (size_t m = 0; m < tri.size(); ++m)
      row[m] = static_cast<int16_t>(tri[m]);
  }
  return t;
}

} // namespace

const CubeTableSet& CubeTables() {
  static const CubeTableSet tables = BuildTables();
  return tables;
}

std::string EdgeTableText() {
  std::string text;
  for (size_t c = 0; c < 256; ++c) {
    if (c) text += ',';
    text += std::to_string(CubeTables().Edges[c]);
  }
  return text;
}

void TriangleTableText(std::array<std::string, 256>& rows) {
  for (size_t c = 0; c < 256; ++c) {
    std::string row = c == 0 ? "" : " ";
    for (size_t m = 0; m < 16; ++m) {
      row += std::to_string(CubeTables().Triangles[c][m]);
      if (c < 255 || m < 15) row += m < 15 ? ", " : ",";
    }
    rows[c] = row;
  }
}
