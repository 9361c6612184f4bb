// Graph::GetBox: the box of one graph's points for one animation step, in data units and scene
// order, kept as the graph's own box; it also builds the back edge of 2.5D ribbons and tables,
// widens the value range of 4D graphs and fills the shared box of polar regions.

#include "sampling/Sampling.h"
#include "sampling/SamplingInternal.h"
#include "sampling/VectorOperations.h"

#include "model/Graph.h"
#include "model/GraphKinds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A point of an array, or nothing when the index lies outside what sampling laid out (a graph
// measured before it was sampled, or a step beyond its frames).
template <int Rank, class... I> GraphPoint* PointAt(PointArray<Rank>& a, I... idx) {
  if (!a.InRange({static_cast<int32_t>(idx)...})) return nullptr;
  return &a(idx...);
}

// Reads the samples of a value grid over a box of indices; a sample beyond what sampling has
// reached reads 0, the value every sample holds until it is first written. When the grid covers
// the whole box its samples are read through the strides, without a check per sample.
template <int Rank> class GridReader {
public:
  GridReader(const ValueGrid<Rank>& grid, const std::array<int32_t, Rank>& last) : grid_(grid) {
    covers_ = true;
    for (int d = 0; d < Rank; ++d)
      if (last[size_t(d)] < 0 || last[size_t(d)] > grid.Upper(d)) covers_ = false;
    data_ = grid.Values().data();
    int64_t step = 1;
    for (int d = Rank - 1; d >= 0; --d) {
      stride_[size_t(d)] = step;
      step *= int64_t(grid.Upper(d)) + 1;
    }
  }

  template <class... I> float operator()(I... idx) const {
    const std::array<int32_t, Rank> at{static_cast<int32_t>(idx)...};
    if (covers_) {
      int64_t offset = 0;
      for (int d = 0; d < Rank; ++d)
        offset += int64_t(at[size_t(d)]) * stride_[size_t(d)];
      return data_[offset];
    }
    return grid_.InRange(at) ? grid_(idx...) : 0.0f;
  }

private:
  const ValueGrid<Rank>& grid_;
  const float* data_ = nullptr;
  std::array<int64_t, Rank> stride_{};
  bool covers_ = false;
};

class Measure {
public:
  explicit Measure(Graph& graph) : g(graph) {}

  // Strict tests: a value equal to a bound changes nothing.
  void ScanX(float v) {
    if (v > g.BoxMaxX) g.BoxMaxX = v;
    if (v < g.BoxMinX) g.BoxMinX = v;
  }
  void ScanY(float v) {
    if (v > g.BoxMaxY) g.BoxMaxY = v;
    if (v < g.BoxMinY) g.BoxMinY = v;
  }
  void ScanZ(float v) {
    if (v > g.BoxMaxZ) g.BoxMaxZ = v;
    if (v < g.BoxMinZ) g.BoxMinZ = v;
  }
  void Scan(float x, float y, float z) {
    ScanX(x);
    ScanY(y);
    ScanZ(z);
  }
  void Scan(const GraphPoint* p) {
    if (p) Scan(p->x, p->y, p->z);
  }
  void ScanXY(const GraphPoint* p) {
    if (!p) return;
    ScanX(p->x);
    ScanY(p->y);
  }
  // A surface with floor overlays: its lower y bound reaches 3 below the lowest point.
  void ScanLowered(const GraphPoint* p) {
    if (!p) return;
    ScanX(p->x);
    if (p->y > g.BoxMaxY) g.BoxMaxY = p->y;
    const float lowered = p->y - 3.0f;
    if (lowered < g.BoxMinY) g.BoxMinY = lowered;
    ScanZ(p->z);
  }

  void ScanMaybeLowered(const GraphPoint* p, bool lowered) {
    if (lowered)
      ScanLowered(p);
    else
      Scan(p);
  }

  // The box's x and y extents take in the origin; z is not touched.
  void Origin() {
    if (g.BoxMinX > 0) g.BoxMinX = 0;
    if (g.BoxMaxX < 0) g.BoxMaxX = 0;
    if (g.BoxMinY > 0) g.BoxMinY = 0;
    if (g.BoxMaxY < 0) g.BoxMaxY = 0;
  }

  // From the origin to the point, or -1 .. 1 on every axis for a point at the origin.
  void PointRule(const GraphPoint* p) {
    if (!p) return;
    if (p->x == 0 && p->y == 0 && p->z == 0) {
      g.BoxMinX = g.BoxMinY = g.BoxMinZ = -1.0f;
      g.BoxMaxX = g.BoxMaxY = g.BoxMaxZ = 1.0f;
      return;
    }
    auto axis = [](float c, float& lo, float& hi) {
      lo = c >= 0 ? 0.0f : c;
      hi = c >= 0 ? c : 0.0f;
    };
    axis(p->x, g.BoxMinX, g.BoxMaxX);
    axis(p->y, g.BoxMinY, g.BoxMaxY);
    axis(p->z, g.BoxMinZ, g.BoxMaxZ);
  }

  // The graph's own box into box.
  void CopyTo(BoundingBox& box) const {
    box.MinX = g.BoxMinX;
    box.MaxX = g.BoxMaxX;
    box.MinY = g.BoxMinY;
    box.MaxY = g.BoxMaxY;
    box.MinZ = g.BoxMinZ;
    box.MaxZ = g.BoxMaxZ;
  }

  // Row 1 of a ribbon: row 0 moved back by the ribbon depth.
  static void BackEdge(const GraphPoint& front, GraphPoint& back) {
    back.x = front.x;
    back.y = front.y;
    back.z = front.z + RibbonDepth;
  }

  Graph& g;
};

} // namespace

bool HasDefinedCurvePoint(const Graph& g, int32_t animStep) {
  const bool curveKind = g.GraphType == Curve2D || g.GraphType == StepStemPlot ||
                         g.GraphType == Curve2DAnimation || g.GraphType == Intersection;
  if (!curveKind || (g.FunForm != Explicit && g.FunForm != Parametric)) return true;
  const bool animated = GraphKind(g.GraphType).Animated;
  for (int32_t j = 0; j <= g.StepV; ++j) {
    const GraphPoint* p = nullptr;
    if (animated ? g.Anim2D.InRange({j, animStep}) : g.Vert3D.InRange({0, j}))
      p = animated ? &g.Anim2D(j, animStep) : &g.Vert3D(0, j);
    if (p && p->x != UndefinedValue && p->y != UndefinedValue) return true;
  }
  return false;
}

bool HasFloorOverlays(const Graph& g) {
  if (!(g.ShowContour || g.ShowVector || g.ShowColormap)) return false;
  // The surface drawer's kinds but the flat colour map; an implicit surface has no height grid.
  return GraphKind(g).Drawer == GraphDrawer::Surface && g.GraphType != ColorMap &&
         g.FunForm != Implicit;
}

BoundingBox Graph::GetBox(int32_t animStep) {
  Measure m(*this);
  const int32_t s = animStep;
  const bool curveForm = FunForm == Explicit || FunForm == Parametric;
  const bool regionForm = FunForm == Implicit || FunForm == Inequality;

  // 1. A polar implicit curve or inequality region: the arc of radius MaxV widens the box as it
  // stands, and the shared polar box receives it.
  if ((GraphType == Curve2D || GraphType == Curve2DAnimation) && CoordType == Polar && regionForm) {
    const float d = (MaxU - MinU) / 100.0f;
    for (int32_t k = 0; k <= 100; ++k) {
      const float a = d * static_cast<float>(k) + MinU;
      const float x = static_cast<float>(static_cast<double>(MaxV) * std::cos(double(a)));
      const float y = static_cast<float>(static_cast<double>(MaxV) * std::sin(double(a)));
      // An angle that overflowed has no point on the arc.
      if (std::isfinite(x) && std::isfinite(y)) {
        m.ScanX(x);
        m.ScanY(y);
      }
    }
    BoxMinZ = 0;
    BoxMaxZ = 0;
    BoundingBox& shared = PolarRegionBox();
    m.CopyTo(shared);
    return shared;
  }

  // 2. A vector operation: the box of its own arrows.
  if (GraphType == VectorOperation) return VectorOperationBoxOf(*this);

  // 3. Reset.
  BoxMinX = BoxMinY = BoxMinZ = 9999999.0f;
  BoxMaxX = BoxMaxY = BoxMaxZ = -9999999.0f;
  BoundingBox result;

  // 4. A vector: symmetric about 0 on every axis, the result 3 wider on each side.
  if (GraphType == Vector) {
    m.Scan(VecBeginX, VecBeginY, VecBeginZ);
    m.Scan(VecEndX, VecEndY, VecEndZ);
    auto symmetric = [](float& lo, float& hi, float& resultLo, float& resultHi) {
      const float mag = std::max(std::fabs(lo), std::fabs(hi));
      lo = -mag;
      hi = mag;
      resultLo = -mag - 3.0f;
      resultHi = mag + 3.0f;
    };
    symmetric(BoxMinX, BoxMaxX, result.MinX, result.MaxX);
    symmetric(BoxMinY, BoxMaxY, result.MinY, result.MaxY);
    symmetric(BoxMinZ, BoxMaxZ, result.MinZ, result.MaxZ);
    return result;
  }

  // 5. The points of the kind.
  switch (GraphType) {
  case Curve2D:
  case StepStemPlot:
  case Curve2DAnimation:
  case Intersection:
    // A curve without a defined point leaves its box empty: it widens nothing.
    if (curveForm && !HasDefinedCurvePoint(*this, s)) break;
    if (curveForm) {
      for (int32_t j = 0; j <= StepV; ++j) {
        if (GraphKind(GraphType).Animated) {
          m.Scan(PointAt(Anim2D, j, s));
        } else {
          m.Scan(PointAt(Vert3D, 0, j));
          if (GraphType == Intersection) m.Scan(PointAt(Vert2, 0, j));
        }
      }
    } else if (regionForm) {
      BoxMinX = MinU;
      BoxMaxX = MaxU;
      BoxMinY = MinV;
      BoxMaxY = MaxV;
      BoxMinZ = 0;
      BoxMaxZ = 0;
    }
    m.Origin();
    break;
  case Table2D:
    for (int32_t j = 0; j <= std::min(StepV, TablePoints::Last); ++j) {
      const GraphPoint& p = VertTab3D(0, j);
      m.Scan(p.x, p.y, p.z);
    }
    m.Origin();
    break;
  case GraphTypeCode::Curve3D:
    for (int32_t i = 0; i <= StepU; ++i)
      m.Scan(PointAt(VertCurve, i));
    break;
  case Surface3D: {
    const bool lowered = HasFloorOverlays(*this);
    for (int32_t i = 0; i <= StepU; ++i)
      for (int32_t j = 0; j <= StepV; ++j) {
        if (lowered)
          m.ScanLowered(PointAt(Vert3D, i, j));
        else
          m.Scan(PointAt(Vert3D, i, j));
      }
    if (FunForm == Implicit) {
      const std::array<int32_t, 3> last{StepU, StepV, StepW};
      const GridReader<3> g1(SampleGrid1, last), g2(SampleGrid2, last), g3(SampleGrid3, last);
      for (int32_t i = 0; i <= StepU; ++i)
        for (int32_t j = 0; j <= StepV; ++j)
          for (int32_t k = 0; k <= StepW; ++k)
            m.Scan(g1(i, j, k), g2(i, j, k), g3(i, j, k));
    }
    break;
  }
  case Table3D:
    // Only the points the table holds; measuring creates none.
    for (int32_t i = 0; i <= std::min(StepU, TablePoints::Last); ++i) {
      if (!VertTab3D.RowExists(i)) continue;
      for (int32_t j = 0; j <= std::min(StepV, TablePoints::Last); ++j) {
        GraphPoint p = VertTab3D.At(i, j);
        m.ScanMaybeLowered(&p, HasFloorOverlays(*this));
      }
    }
    break;
  case Curve3DAnimation:
    for (int32_t i = 0; i <= StepU; ++i)
      m.Scan(PointAt(AnimCurve3D, i, s));
    break;
  case Surface3DAnimation:
    for (int32_t i = 0; i <= StepU; ++i)
      for (int32_t j = 0; j <= StepV; ++j)
        m.ScanMaybeLowered(PointAt(Anim3D, i, j, s), HasFloorOverlays(*this));
    if (FunForm == Implicit) {
      const std::array<int32_t, 4> last{StepU, StepV, StepW, s};
      const GridReader<4> g1(FrameGrid1, last), g2(FrameGrid2, last), g3(FrameGrid3, last);
      for (int32_t i = 0; i <= StepU; ++i)
        for (int32_t j = 0; j <= StepV; ++j)
          for (int32_t k = 0; k <= StepW; ++k)
            m.Scan(g1(i, j, k, s), g2(i, j, k, s), g3(i, j, k, s));
    }
    break;
  case ColorMap:
  case ContourPlot:
  case VectorPlot:
    for (int32_t i = 0; i <= StepU; ++i)
      for (int32_t j = 0; j <= StepV; ++j)
        m.Scan(PointAt(Vert3D, i, j));
    break;
  case Ribbon25D:
    for (int32_t j = 0; j <= StepV; ++j) {
      GraphPoint* front = PointAt(Vert3D, 0, j);
      GraphPoint* back = PointAt(Vert3D, 1, j);
      if (front && back) Measure::BackEdge(*front, *back);
    }
    for (int32_t r = 0; r <= 1; ++r)
      for (int32_t j = 0; j <= StepV; ++j)
        m.Scan(PointAt(Vert3D, r, j));
    break;
  case Ribbon25DAnimation:
    for (int32_t j = 0; j <= StepV; ++j) {
      GraphPoint* front = PointAt(AnimRibbon, 0, j, s);
      GraphPoint* back = PointAt(AnimRibbon, 1, j, s);
      if (front && back) Measure::BackEdge(*front, *back);
    }
    for (int32_t r = 0; r <= 1; ++r)
      for (int32_t j = 0; j <= StepV; ++j)
        m.Scan(PointAt(AnimRibbon, r, j, s));
    break;
  case Table25D: {
    const int32_t last = std::min(StepV, TablePoints::Last);
    for (int32_t j = 0; j <= last; ++j)
      Measure::BackEdge(VertTab3D(0, j), VertTab3D(1, j));
    for (int32_t r = 0; r <= 1; ++r)
      for (int32_t j = 0; j <= last; ++j) {
        const GraphPoint& p = VertTab3D(r, j);
        m.Scan(p.x, p.y, p.z);
      }
    break;
  }
  case PointMarker:
    m.PointRule(PointAt(Vert3D, 0, 0));
    break;
  case PointAnimation:
    m.PointRule(PointAt(Anim1D, s));
    break;
  case Function4D:
  case Function4DAnimation: {
    // The user's x, y, z of a 4D sample go to the scene's z, x, y; its value widens the range.
    auto widen = [this, &m](float g1, float g2, float g3, float gv) {
      m.Scan(g2, g3, g1);
      if (gv < MinVV) MinVV = gv;
      if (gv > MaxVV) MaxVV = gv;
    };
    if (GraphKind(GraphType).Animated) {
      const std::array<int32_t, 4> last{StepU, StepV, StepW, s};
      const GridReader<4> g1(FrameGrid1, last), g2(FrameGrid2, last), g3(FrameGrid3, last),
          gv(FrameGridV, last);
      for (int32_t i = 0; i <= StepU; ++i)
        for (int32_t j = 0; j <= StepV; ++j)
          for (int32_t k = 0; k <= StepW; ++k)
            widen(g1(i, j, k, s), g2(i, j, k, s), g3(i, j, k, s), gv(i, j, k, s));
    } else {
      const std::array<int32_t, 3> last{StepU, StepV, StepW};
      const GridReader<3> g1(SampleGrid1, last), g2(SampleGrid2, last), g3(SampleGrid3, last),
          gv(SampleGridV, last);
      for (int32_t i = 0; i <= StepU; ++i)
        for (int32_t j = 0; j <= StepV; ++j)
          for (int32_t k = 0; k <= StepW; ++k)
            widen(g1(i, j, k), g2(i, j, k), g3(i, j, k), gv(i, j, k));
    }
    break;
  }
  default:
    break;
  }

  // 6. The overlays of a 2D curve that the box must hold.
  if (GraphType == Curve2D) {
    if (ShowInverse) {
      const float lo = std::min(BoxMinX, BoxMinY);
      const float hi = std::max(BoxMaxX, BoxMaxY);
      BoxMinX = BoxMinY = lo;
      BoxMaxX = BoxMaxY = hi;
    }
    if (ShowJO)
      for (int32_t j = 0; j <= StepV; ++j)
        m.ScanXY(PointAt(VertJO, 0, j));
    if (ShowDev)
      for (int32_t j = 0; j <= StepV; ++j)
        m.ScanXY(PointAt(VertDev, 0, j));
  }

  // 7. The rings of a surface of revolution.
  if (GraphType == RevolutionAboutX || GraphType == RevolutionAboutY)
    for (int32_t n = 0; n <= 40; ++n)
      for (int32_t j = 0; j <= StepV; ++j)
        m.ScanMaybeLowered(PointAt(VertRev, n, j), HasFloorOverlays(*this));

  // 8. Narrowing to the clip box; a clip bound only ever moves a bound inward. The dialogs edit
  // only the vertical range, which the drawing cuts; the horizontal bounds come from documents and
  // stay 0 .. 0 unless a document sets them. Such an empty (or reversed) range holds no clip: it
  // would squeeze the box to a line, and with it the axes, and the x axis segment on which the
  // roots, extrema and inflexions of a clipped curve are found.
  if (Clip && GraphKind(GraphType).Clipped &&
      (CoordType == Cartesian2D || CoordType == Cartesian3D)) {
    if (ClipMinY < ClipMaxY) {
      if (ClipMinY > BoxMinX) BoxMinX = ClipMinY;
      if (ClipMaxY < BoxMaxX) BoxMaxX = ClipMaxY;
    }
    // The clip cuts the surface, not the room kept below it for its floor: that room stays 3
    // below the lowest height the clip leaves. Narrowed like a plain bound, a clip range holding
    // the whole surface would take the room away, and with it the lowest height the drawing
    // finds when it adds the 3 back to colour the cells.
    const float floorDrop = HasFloorOverlays(*this) ? 3.0f : 0.0f;
    if (ClipMinZ - floorDrop > BoxMinY) BoxMinY = ClipMinZ - floorDrop;
    if (ClipMaxZ < BoxMaxY) BoxMaxY = ClipMaxZ;
    if (ClipMinX < ClipMaxX) {
      if (ClipMinX > BoxMinZ) BoxMinZ = ClipMinX;
      if (ClipMaxX < BoxMaxZ) BoxMaxZ = ClipMaxX;
    }
  }

  // 9. The result.
  m.CopyTo(result);
  return result;
}
