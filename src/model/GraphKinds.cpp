#include "model/GraphKinds.h"

#include <array>

namespace {

using C = CaptionFamily;
using D = GraphDrawer;
using F = GraphDialog;
constexpr RecordKind Fn = RecordKind::Function;
constexpr RecordKind Tab = RecordKind::Table;
constexpr RecordKind No = RecordKind::NoRecord;

// clang-format off
constexpr std::array kKinds{
  // GraphType, name, record, caption family, animated, sampled when shown, clipped, drawer, dialog
  GraphKindRow{Curve2D,             "2D Curve",              Fn,  C::Curve2D,    false, true,  true,  D::Curve2D,    F::Curve2DDialog},
  GraphKindRow{Curve3D,             "3D Curve",              Fn,  C::Form3D,     false, true,  true,  D::Curve3D,    F::Graph3DDialog},
  GraphKindRow{Surface3D,           "3D Surface",            Fn,  C::Form3D,     false, true,  true,  D::Surface,    F::Graph3DDialog},
  GraphKindRow{Ribbon25D,           "2.5D Ribbon",           Fn,  C::Ribbon,     false, true,  true,  D::Ribbon,     F::RibbonDialog},
  GraphKindRow{Table2D,             "2D Table Graph",        Tab, C::Table,      false, false, false, D::Table2D,    F::Table2DDialog},
  GraphKindRow{Table25D,            "2.5D Table Graph",      Tab, C::Table,      false, false, false, D::Ribbon,     F::Table25DDialog},
  GraphKindRow{Table3D,             "3D Table Graph",        Tab, C::Table,      false, false, false, D::Surface,    F::Table3DDialog},
  GraphKindRow{PointMarker,         "Point",                 Fn,  C::Point,      false, true,  false, D::Points,     F::PointPropertiesDialog},
  GraphKindRow{PointAnimation,      "Point Animation",       Fn,  C::Point,      true,  true,  false, D::Points,     F::PointAnimationDialog},
  GraphKindRow{Curve2DAnimation,    "2D Curve Animation",    Fn,  C::Curve2D,    true,  true,  true,  D::Curve2D,    F::Curve2DDialog},
  GraphKindRow{Ribbon25DAnimation,  "2.5D Ribbon Animation", Fn,  C::Ribbon,     true,  true,  true,  D::Ribbon,     F::RibbonDialog},
  GraphKindRow{Curve3DAnimation,    "3D Curve Animation",    Fn,  C::Form3D,     true,  true,  true,  D::Curve3D,    F::Graph3DDialog},
  GraphKindRow{Surface3DAnimation,  "3D Surface Animation",  Fn,  C::Form3D,     true,  true,  true,  D::Surface,    F::Graph3DDialog},
  GraphKindRow{ColorMap,            "Color Map",             Fn,  C::Special,    false, true,  false, D::Surface,    F::ColorMapDialog},
  GraphKindRow{ContourPlot,         "Contour Plot",          Fn,  C::Special,    false, true,  false, D::Contour,    F::ContourPlotDialog},
  GraphKindRow{VectorPlot,          "Vector Plot",           Fn,  C::Special,    false, true,  false, D::VectorPlot, F::VectorPlotDialog},
  GraphKindRow{Intersection,        "Intersection",          Fn,  C::Curve2D,    false, true,  true,  D::Curve2D,    F::None},
  GraphKindRow{RevolutionAboutX,    "Surface by rotation",   Fn,  C::Revolution, false, true,  false, D::Surface,    F::None},
  GraphKindRow{RevolutionAboutY,    "Surface by rotation",   Fn,  C::Revolution, false, true,  false, D::Surface,    F::None},
  GraphKindRow{StepStemPlot,        "Step & Stem",           Fn,  C::Curve2D,    false, true,  false, D::Curve2D,    F::StepStemDialog},
  GraphKindRow{Vector,              "Vector",                Fn,  C::Vector,     false, false, false, D::Vectors,    F::None},
  GraphKindRow{VectorOperation,     "Vector Operation",      Fn,  C::Vector,     false, false, false, D::Vectors,    F::None},
  GraphKindRow{OdeSolution,         "Differential Equation", No,  C::Plain,      false, true,  false, D::None,       F::None},
  GraphKindRow{LimitMarker,         "Limit",                 No,  C::Plain,      false, true,  false, D::None,       F::None},
  GraphKindRow{FunctionSeries,      "Function Series",       No,  C::Plain,      false, true,  false, D::None,       F::None},
  GraphKindRow{Function4DUndrawn,   "4D Graph",              Fn,  C::Graph4D,    false, true,  false, D::None,       F::None},
  GraphKindRow{Function4DUndrawnAlso,"4D Graph",              Fn,  C::Graph4D,    false, true,  false, D::None,       F::None},
  GraphKindRow{Function4D,          "4D Graph",              Fn,  C::Graph4D,    false, true,  false, D::Graph4D,    F::Graph4DDialog},
  GraphKindRow{Function4DLegendOnly,"4D Graph",              Fn,  C::Graph4D,    false, true,  false, D::None,       F::None},
  GraphKindRow{Function4DAnimation, "4D Animation",          Fn,  C::Graph4D,    true,  true,  false, D::Graph4D,    F::Graph4DDialog},
};
// clang-format on

constexpr GraphKindRow kNoKind{-1, "Graph", No, C::Plain, false, true, false, D::None, F::None};

} // namespace

std::span<const GraphKindRow> GraphKindTable() { return kKinds; }

const GraphKindRow& GraphKind(int32_t graphType) {
  for (const GraphKindRow& row : kKinds)
    if (row.Type == graphType) return row;
  return kNoKind;
}
