#include "model/GraphCaption.h"

#include "model/Module1.h"

namespace {

std::optional<std::string> PointCaption2D(const Cls9& g) {
  const char* kind = g.GraphType == PointMarker ? "Point  " : "Point Animation  ";
  if (g.CoordType == Cartesian2D)
    return std::string(kind) + "x=" + g.ExpressY + ", y=" + g.ExpressZ;
  if (g.CoordType == Polar) return std::string(kind) + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
  return std::nullopt;
}

std::optional<std::string> Caption2D(const Cls9& g) {
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
  if (g.GraphType == PointMarker || g.GraphType == PointAnimation) return PointCaption2D(g);
  return std::nullopt;
}

std::optional<std::string> Caption25D(const Cls9& g) {
  const bool still = g.GraphType == Ribbon25D;
  const bool animated = g.GraphType == Ribbon25DAnimation;
  if (still || animated) {
    const std::string kind = still ? "2.5D Ribbon  " : "2.5D Ribbon Animation  ";
    if (g.FunForm == Explicit && g.CoordType == Cartesian2D) return kind + "y=" + g.ExpressZ;
    if (g.FunForm == Explicit && g.CoordType == Polar) return kind + "r=" + g.ExpressZ;
    if (g.FunForm == Parametric && g.CoordType == Cartesian2D)
      return kind + "x=" + g.ExpressY + (still ? ", y=" : ",y=") + g.ExpressZ;
    if (g.FunForm == Parametric && g.CoordType == Polar)
      return kind + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
  }
  if (g.GraphType == PointMarker || g.GraphType == PointAnimation) return PointCaption2D(g);
  return std::nullopt;
}

std::optional<std::string> PointCaption3D(const Cls9& g) {
  const char* kind = g.GraphType == PointMarker ? "Point  " : "Point Animation  ";
  switch (g.CoordType) {
  case Cartesian3D:
    return std::string(kind) + "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
  case Cylindrical:
    return std::string(kind) + "a=" + g.ExpressX + ", r=" + g.ExpressY + ", z=" + g.ExpressZ;
  case Spherical:
    return std::string(kind) + "a=" + g.ExpressX + ", b=" + g.ExpressY + ", r=" + g.ExpressZ;
  default:
    return std::nullopt;
  }
}

// Captions of the 3D curve, surface and revolution kinds, by FunForm and CoordType.
std::optional<std::string> Caption3DForm(const Cls9& g, const std::string& P) {
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

const char* KindName(int32_t graphType) {
  switch (graphType) {
  case Curve2D:
    return "2D Curve";
  case Curve3D:
    return "3D Curve";
  case Surface3D:
    return "3D Surface";
  case Ribbon25D:
    return "2.5D Ribbon";
  case Table2D:
    return "2D Table Graph";
  case Table25D:
    return "2.5D Table Graph";
  case Table3D:
    return "3D Table Graph";
  case PointMarker:
    return "Point";
  case PointAnimation:
    return "Point Animation";
  case Curve2DAnimation:
    return "2D Curve Animation";
  case Ribbon25DAnimation:
    return "2.5D Ribbon Animation";
  case Curve3DAnimation:
    return "3D Curve Animation";
  case Surface3DAnimation:
    return "3D Surface Animation";
  case ColorMap:
    return "Color Map";
  case ContourPlot:
    return "Contour Plot";
  case VectorPlot:
    return "Vector Plot";
  case Intersection:
    return "Intersection";
  case RevolutionAboutX:
  case RevolutionAboutY:
    return "Surface by rotation";
  case StepStemPlot:
    return "Step & Stem";
  case Vector:
    return "Vector";
  case VectorOperation:
    return "Vector Operation";
  case OdeSolution:
    return "Differential Equation";
  case LimitMarker:
    return "Limit";
  case FunctionSeries:
    return "Function Series";
  case Function4D41:
  case Function4D42:
  case Function4D:
  case Function4D44:
    return "4D Graph";
  case Function4DAnimation:
    return "4D Animation";
  default:
    return "Graph";
  }
}

} // namespace

std::optional<std::string> GraphCaptioner::ListedCaption(const Cls9& g, int32_t documentType) {
  switch (g.GraphType) {
  case Table2D:
    return "2D Table Graph: " + g.NameS;
  case Table25D:
    return "2.5D Table Graph: " + g.NameS;
  case Table3D:
    return "3D Table Graph: " + g.NameS;
  default:
    break;
  }
  switch (documentType) {
  case DocumentType2D:
    return Caption2D(g);
  case DocumentType25D:
    return Caption25D(g);
  case DocumentType3D:
    switch (g.GraphType) {
    case PointMarker:
    case PointAnimation:
      return PointCaption3D(g);
    case Vector:
      return std::string("Vector ");
    case VectorOperation:
      return std::string("Vector Operation ");
    case Curve3D:
      m_prefix3D = "3D Curve  ";
      return Caption3DForm(g, m_prefix3D);
    case Surface3D:
      m_prefix3D = "3D Surface  ";
      return Caption3DForm(g, m_prefix3D);
    case Curve3DAnimation:
      m_prefix3D = "3D Curve Animation  ";
      return Caption3DForm(g, m_prefix3D);
    case Surface3DAnimation:
      m_prefix3D = "3D Surface Animation  ";
      return Caption3DForm(g, m_prefix3D);
    case RevolutionAboutX:
    case RevolutionAboutY:
      return Caption3DForm(g, m_prefix3D);
    default:
      return std::nullopt;
    }
  case DocumentTypeSpecial: {
    const std::string coords = "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
    if (g.GraphType == ColorMap) return "Color Map  " + coords;
    if (g.GraphType == ContourPlot) return "Contour Plot  " + coords;
    if (g.GraphType == VectorPlot) return "Vector Plot  " + coords;
    return std::nullopt;
  }
  case DocumentType4D:
    if (g.GraphType == Function4D) return "4D Graph  v=" + g.ExpressV;
    if (g.GraphType == Function4DAnimation) return "4D Animation  v=" + g.ExpressV;
    return std::nullopt;
  default:
    return std::nullopt;
  }
}

std::string GraphCaptioner::PlainCaption(const Cls9& g) {
  // Points keep the point caption of their coordinates wherever they are.
  if (g.GraphType == PointMarker || g.GraphType == PointAnimation) {
    if (auto c = PointCaption3D(g)) return *c;
    const char* kind = g.GraphType == PointMarker ? "Point  " : "Point Animation  ";
    if (g.CoordType == Polar) return std::string(kind) + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
    return std::string(kind) + "x=" + g.ExpressY + ", y=" + g.ExpressZ;
  }
  std::string text = std::string(KindName(g.GraphType)) + "  ";
  const bool fourD = g.GraphType >= Function4D41 && g.GraphType <= Function4DAnimation;
  if (fourD) return text + "v=" + g.ExpressV;
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

std::string GraphCaptioner::Caption(const Cls9& g, int32_t documentType) {
  if (auto listed = ListedCaption(g, documentType)) return *listed;
  return PlainCaption(g);
}

std::string GraphCaption(const Cls9& graph, int32_t documentType) {
  GraphCaptioner captioner;
  return captioner.Caption(graph, documentType);
}
