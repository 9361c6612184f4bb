#include "model/GraphCaption.h"

#include "model/GraphKinds.h"
#include "model/ProgramState.h"

namespace {

bool IsPoint(const Graph& g) { return GraphKind(g).Caption == CaptionFamily::Point; }

// The kind's name followed by two blanks, as captions begin.
std::string KindPrefix(const Graph& g) { return std::string(GraphKind(g).Name) + "  "; }

std::optional<std::string> PointCaption2D(const Graph& g) {
  const std::string kind = KindPrefix(g);
  if (g.CoordType == Cartesian2D) return kind + "x=" + g.ExpressY + ", y=" + g.ExpressZ;
  if (g.CoordType == Polar) return kind + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
  return std::nullopt;
}

std::optional<std::string> Caption2D(const Graph& g) {
  const bool cartesianOrPolar = g.CoordType == Cartesian2D || g.CoordType == Polar;
  const bool still = g.GraphType == Curve2D;
  const bool animated = g.GraphType == Curve2DAnimation;
  switch (g.FunForm) {
  case Implicit:
    if (cartesianOrPolar && still) return "2D Curve  " + g.ExpressZ + "=0";
    if (cartesianOrPolar && animated) return "2D Curve Animation  " + g.ExpressZ + "=0";
    break;
  case Explicit:
    if (g.CoordType == Cartesian2D) {
      if (still) return "2D Curve  y=" + g.ExpressZ;
      if (animated) return "2D Curve Animation  y=" + g.ExpressZ;
      if (g.GraphType == Intersection) return "Intersection  y=" + g.ExpressZ + ", y=" + g.Exp2;
      if (g.GraphType == StepStemPlot) {
        if (g.ShowStep && g.ShowStem) return "Step & Stem  y=" + g.ExpressZ;
        if (g.ShowStep) return "Step Plot  y=" + g.ExpressZ;
        if (g.ShowStem) return "Stem Plot  y=" + g.ExpressZ;
      }
    } else if (g.CoordType == Polar) {
      if (still) return "2D Curve  r=" + g.ExpressZ;
      if (animated) return "2D Curve Animation  r=" + g.ExpressZ;
    }
    break;
  case Parametric:
    if (g.CoordType == Cartesian2D) {
      if (still) return "2D Curve  x=" + g.ExpressY + ",y=" + g.ExpressZ;
      if (animated) return "2D Curve Animation  x=" + g.ExpressY + ",y=" + g.ExpressZ;
    } else if (g.CoordType == Polar) {
      if (still) return "2D Curve  a=" + g.ExpressY + ",r=" + g.ExpressZ;
      if (animated) return "2D Curve Animation  a=" + g.ExpressY + ",r=" + g.ExpressZ;
    }
    break;
  case Inequality:
    if (cartesianOrPolar && still) return "Inequality  " + g.ExpressZ + "<=0";
    if (cartesianOrPolar && animated) return "Inequality Animation  " + g.ExpressZ + "<=0";
    break;
  default:
    break;
  }
  if (IsPoint(g)) return PointCaption2D(g);
  return std::nullopt;
}

std::optional<std::string> Caption25D(const Graph& g) {
  const GraphKindRow& kindRow = GraphKind(g);
  const bool ribbon = kindRow.Caption == CaptionFamily::Ribbon;
  const bool still = ribbon && !kindRow.Animated;
  const bool animated = ribbon && kindRow.Animated;
  if (still || animated) {
    const std::string kind = still ? "2.5D Ribbon  " : "2.5D Ribbon Animation  ";
    if (g.FunForm == Explicit && g.CoordType == Cartesian2D) return kind + "y=" + g.ExpressZ;
    if (g.FunForm == Explicit && g.CoordType == Polar) return kind + "r=" + g.ExpressZ;
    if (g.FunForm == Parametric && g.CoordType == Cartesian2D)
      return kind + "x=" + g.ExpressY + (still ? ", y=" : ",y=") + g.ExpressZ;
    if (g.FunForm == Parametric && g.CoordType == Polar)
      return kind + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
  }
  if (IsPoint(g)) return PointCaption2D(g);
  return std::nullopt;
}

std::optional<std::string> PointCaption3D(const Graph& g) {
  const std::string kind = KindPrefix(g);
  switch (g.CoordType) {
  case Cartesian3D:
    return kind + "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
  case Cylindrical:
    return kind + "a=" + g.ExpressX + ", r=" + g.ExpressY + ", z=" + g.ExpressZ;
  case Spherical:
    return kind + "a=" + g.ExpressX + ", b=" + g.ExpressY + ", r=" + g.ExpressZ;
  default:
    return std::nullopt;
  }
}

// Captions of the 3D curve, surface and revolution kinds, by FunForm and CoordType.
std::optional<std::string> Caption3DForm(const Graph& g, const std::string& P) {
  switch (g.FunForm) {
  case Implicit:
    return P + g.ExpressX + "=0";
  case Explicit:
    switch (g.CoordType) {
    case Cartesian2D:
      return "Surface by rotation  y=" + g.ExpressZ;
    case Cartesian3D:
    case Cylindrical:
      return P + "z=" + g.ExpressZ;
    case Spherical:
      return P + "r=" + g.ExpressZ;
    default:
      return std::nullopt;
    }
  case Parametric:
    switch (g.CoordType) {
    case Cartesian3D:
      return P + "x=" + g.ExpressX + ",y=" + g.ExpressY + ",z=" + g.ExpressZ;
    case Cylindrical:
      return P + "a=" + g.ExpressX + ",r=" + g.ExpressY + ",z=" + g.ExpressZ;
    case Spherical:
      return P + "a=" + g.ExpressX + ",b=" + g.ExpressY + ",r=" + g.ExpressZ;
    default:
      return std::nullopt;
    }
  default:
    return std::nullopt;
  }
}

} // namespace

std::optional<std::string> GraphCaptioner::ListedCaption(const Graph& g, int32_t documentType) {
  const GraphKindRow& kind = GraphKind(g);
  if (kind.Caption == CaptionFamily::Table) return std::string(kind.Name) + ": " + g.NameS;
  switch (documentType) {
  case DocumentType2D:
    return Caption2D(g);
  case DocumentType25D:
    return Caption25D(g);
  case DocumentType3D:
    switch (kind.Caption) {
    case CaptionFamily::Point:
      return PointCaption3D(g);
    case CaptionFamily::Vector:
      return std::string(kind.Name) + " ";
    case CaptionFamily::Form3D:
      m_prefix3D = KindPrefix(g);
      return Caption3DForm(g, m_prefix3D);
    case CaptionFamily::Revolution:
      return Caption3DForm(g, m_prefix3D);
    default:
      return std::nullopt;
    }
  case DocumentTypeSpecial:
    if (kind.Caption != CaptionFamily::Special) return std::nullopt;
    return KindPrefix(g) + "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
  case DocumentType4D:
    // The 4D kinds that are drawn (43, 45) have listed rows; the others only the plain caption.
    if (kind.Drawer != GraphDrawer::Graph4D) return std::nullopt;
    return KindPrefix(g) + "v=" + g.ExpressV;
  default:
    return std::nullopt;
  }
}

std::string GraphCaptioner::PlainCaption(const Graph& g) {
  // Points keep the point caption of their coordinates wherever they are.
  if (IsPoint(g)) {
    if (auto c = PointCaption3D(g)) return *c;
    const std::string kind = KindPrefix(g);
    if (g.CoordType == Polar) return kind + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
    return kind + "x=" + g.ExpressY + ", y=" + g.ExpressZ;
  }
  std::string text = KindPrefix(g);
  if (GraphKind(g).Caption == CaptionFamily::Graph4D) return text + "v=" + g.ExpressV;
  std::string formulas;
  for (const std::string* f : {&g.ExpressX, &g.ExpressY, &g.ExpressZ}) {
    if (f->empty()) continue;
    if (!formulas.empty()) formulas += ", ";
    formulas += *f;
  }
  if (!g.Exp2.empty() && g.GraphType == Intersection) formulas += ", " + g.Exp2;
  if (formulas.empty()) formulas = g.NameS;
  return text + formulas;
}

std::string GraphCaptioner::Caption(const Graph& g, int32_t documentType) {
  if (auto listed = ListedCaption(g, documentType)) return *listed;
  return PlainCaption(g);
}

std::string GraphCaption(const Graph& graph, int32_t documentType) {
  GraphCaptioner captioner;
  return captioner.Caption(graph, documentType);
}
