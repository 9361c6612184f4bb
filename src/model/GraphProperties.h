#pragma once
// The one declaration of every stored setting of a graph (Graph): its name, kind, default, index
// range and how the copy operations treat it. The members of Graph, their defaults, the generic
// access by property id, EqualTo and TabEqualTo, and the record layouts of the document text all
// come from this list, so they cannot drift apart.
//
// HOW TO USE IT (document writer and reader):
//   - GraphProp is an enum with one id per property, in the order of this list.
//   - GraphPropertyTable[id] (GraphPropertyInfo) gives the name, the PropKind (Integer, Real,
//     Boolean, Formula, Name), whether it is an indexed list with its range First .. Last, the
//     count property that tells how many items are used and the first used index, and its flags
//     (PropFlag::StrictFlag marks the Booleans that a reader takes as true only from "1").
//   - GraphRecordLayout and TableRecordLayout (below) are the token order of a function graph's
//     record and of a table graph's record. Walk the items in order:
//       RecordItemKind::Property        one token of property `prop`
//       RecordItemKind::FrameCount      the program-wide FrameCount (animation block only)
//       RecordItemKind::FramesPerSecond the program-wide FramesPerSecond (animation block only)
//       RecordItemKind::List            the integer count property `prop` holds n; then for
//                                       k = first .. first + n - 1 one token of each property of
//                                       `members` (in order) at index k; no token of its own
//       RecordItemKind::TablePoints     for u = 0 .. StepU, v = 0 .. StepV: x, y, z of
//                                       VertTab3D(u, v)
//     An item whose `whenAnimated` is true is present only when the graph's Animation is true.
//   - Graph reads and writes any property by id: GetInt/SetInt, GetReal/SetReal, GetBool/SetBool,
//     GetText/SetText, each with an index for the lists (checked: SubscriptError when outside).
//     Formula and Name properties are both texts: a Formula is written as one bare token, a Name
//     between "@" signs.
//
// Columns: P(name, kind, default, flags) for a single value;
//          L(name, kind, first index, last index, count property, first used index, flags) for a
//          fixed indexed list whose items start at 0 / False.
// Glossary of the property names that are not English words:
//   Guai  the inflexion points of a 2D curve (ShowGuai, GuaiColor, GuaiSize, GuaiSymbol)
//   JO    the mirror curve: the formula with its variable negated (ShowJO, JOColor, JOWidth)
//   Qie   tangent lines at the abscissas QieX(1 .. QieNum) (ShowQie, QieColor, QieWidth)
//   Nml   normal lines at the abscissas NmlX(1 .. NmlNum) (ShowNml, NmlColor, NmlWidth)
//   Curv  the curvature circles at CurvX(1 .. CurvNum); Len the curve length from LenFrom to LenTo
//   Inv   the inverse function's curve; Dev the derivative's; Int the integral's (IntFrom, IntTo)
//   VV    the value v of a 4D graph: MinVV and MaxVV are the smallest and largest sampled value,
//         StepVV is stored only
//   NameS the graph's name; Exp2 the second function of an intersection or area
//
// The list is in the order of the function graph record; the table display settings and the
// sampling outputs, which that record does not carry, come last.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#define GRAPH_PROPERTIES(P, L)                                                                     \
  /* kind and identity, formulas, domains, style: the head of the record */                        \
  P(GraphType, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                               \
  P(ID, Integer, 0, 0)                                                                             \
  P(NameS, Name, "", PropFlag::EqualTo | PropFlag::TabEqualTo)                                     \
  P(CoordType, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                               \
  P(ExpressX, Formula, "", PropFlag::EqualTo)                                                      \
  P(ExpressY, Formula, "", PropFlag::EqualTo)                                                      \
  P(ExpressZ, Formula, "", PropFlag::EqualTo)                                                      \
  P(StepU, Integer, 1, PropFlag::EqualTo | PropFlag::TabEqualTo)                                   \
  P(StepV, Integer, 1, PropFlag::EqualTo | PropFlag::TabEqualTo)                                   \
  P(MinU, Real, 0, PropFlag::EqualTo)                                                              \
  P(MaxU, Real, 0, PropFlag::EqualTo)                                                              \
  P(MinV, Real, 0, PropFlag::EqualTo)                                                              \
  P(MaxV, Real, 0, PropFlag::EqualTo)                                                              \
  P(FillStyle, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                               \
  P(FirstColor, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                              \
  P(SecondColor, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                             \
  P(LineColor, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                               \
  P(LineWidth, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                               \
  P(Material, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                                \
  P(Show, Integer, 3, PropFlag::EqualTo | PropFlag::TabEqualTo)                                    \
  P(Smoothness, Integer, 3, PropFlag::EqualTo | PropFlag::TabEqualTo)                              \
  P(PointColor, Integer, 255, PropFlag::EqualTo)                                                   \
  P(PointSize, Real, 1, PropFlag::EqualTo)                                                         \
  P(PointHollow, Boolean, false, PropFlag::EqualTo)                                                \
  P(Animation, Boolean, false, PropFlag::EqualTo)                                                  \
  /* animation block */                                                                            \
  P(MinT, Real, 0, PropFlag::EqualToWhenAnimated)                                                  \
  P(MaxT, Real, 0, PropFlag::EqualToWhenAnimated)                                                  \
  /* 2D analysis */                                                                                \
  P(FunForm, Integer, 0, PropFlag::EqualTo)                                                        \
  P(Show2DCurve, Boolean, false, PropFlag::EqualTo)                                                \
  P(ShowInverse, Boolean, false, PropFlag::EqualTo)                                                \
  P(InvColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(InvWidth, Integer, 0, PropFlag::EqualTo)                                                       \
  P(ShowDev, Boolean, false, PropFlag::EqualTo)                                                    \
  P(DevColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(DevWidth, Integer, 0, PropFlag::EqualTo)                                                       \
  P(ShowInt, Boolean, false, PropFlag::EqualTo)                                                    \
  P(IntColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(IntFrom, Real, 0, PropFlag::EqualTo)                                                           \
  P(IntTo, Real, 0, PropFlag::EqualTo)                                                             \
  P(ShowMax, Boolean, false, PropFlag::EqualTo)                                                    \
  P(MaxColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(MaxSize, Integer, 0, PropFlag::EqualTo)                                                        \
  P(MaxSymbol, Integer, 0, PropFlag::EqualTo)                                                      \
  P(ShowMin, Boolean, false, PropFlag::EqualTo)                                                    \
  P(MinColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(MinSize, Integer, 0, PropFlag::EqualTo)                                                        \
  P(MinSymbol, Integer, 0, PropFlag::EqualTo)                                                      \
  P(ShowGuai, Boolean, false, PropFlag::EqualTo)                                                   \
  P(GuaiColor, Integer, 0, PropFlag::EqualTo)                                                      \
  P(GuaiSize, Integer, 0, PropFlag::EqualTo)                                                       \
  P(GuaiSymbol, Integer, 0, PropFlag::EqualTo)                                                     \
  P(ShowJO, Boolean, false, PropFlag::EqualTo)                                                     \
  P(JOColor, Integer, 0, PropFlag::EqualTo)                                                        \
  P(JOWidth, Integer, 0, PropFlag::EqualTo)                                                        \
  P(ShowRoot, Boolean, false, PropFlag::EqualTo)                                                   \
  P(RootColor, Integer, 0, PropFlag::EqualTo)                                                      \
  P(RootSize, Integer, 0, PropFlag::EqualTo)                                                       \
  P(RootSymbol, Integer, 0, PropFlag::EqualTo)                                                     \
  P(ShowCurv, Boolean, false, PropFlag::EqualTo)                                                   \
  P(CurvColor, Integer, 0, PropFlag::EqualTo)                                                      \
  P(CurvWidth, Integer, 0, PropFlag::EqualTo)                                                      \
  P(CurvNum, Integer, 0, PropFlag::EqualTo)                                                        \
  L(CurvX, Real, 0, 50, CurvNum, 1, PropFlag::EqualTo)                                             \
  P(ShowLen, Boolean, false, PropFlag::EqualTo)                                                    \
  P(LenFrom, Real, 0, 0)                                                                           \
  P(LenTo, Real, 0, 0)                                                                             \
  P(ShowQie, Boolean, false, PropFlag::EqualTo)                                                    \
  P(QieColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(QieWidth, Integer, 0, PropFlag::EqualTo)                                                       \
  P(QieNum, Integer, 0, PropFlag::EqualTo)                                                         \
  L(QieX, Real, 0, 50, QieNum, 1, PropFlag::EqualTo)                                               \
  P(ShowNml, Boolean, false, PropFlag::EqualTo)                                                    \
  P(NmlColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(NmlWidth, Integer, 0, PropFlag::EqualTo)                                                       \
  P(NmlNum, Integer, 0, PropFlag::EqualTo)                                                         \
  L(NmlX, Real, 0, 50, NmlNum, 1, PropFlag::EqualTo)                                               \
  /* step and stem plots, second function, intersection and area */                                \
  P(ShowStep, Boolean, false, PropFlag::EqualTo)                                                   \
  P(StepColor, Integer, 0, PropFlag::EqualTo)                                                      \
  P(StepWidth, Integer, 0, PropFlag::EqualTo)                                                      \
  P(ShowStem, Boolean, false, PropFlag::EqualTo)                                                   \
  P(StemHeadColor, Integer, 0, PropFlag::EqualTo)                                                  \
  P(StemHeadSize, Integer, 0, PropFlag::EqualTo)                                                   \
  P(StemHeadSymbol, Integer, 0, PropFlag::EqualTo)                                                 \
  P(StemBodyColor, Integer, 0, PropFlag::EqualTo)                                                  \
  P(StemBodyWidth, Integer, 0, PropFlag::EqualTo)                                                  \
  P(Exp2, Formula, "", PropFlag::EqualTo)                                                          \
  P(Color2, Integer, 0, PropFlag::EqualTo)                                                         \
  P(Width2, Integer, 0, PropFlag::EqualTo)                                                         \
  P(ShowInter, Boolean, false, PropFlag::EqualTo)                                                  \
  P(InterColor, Integer, 0, PropFlag::EqualTo)                                                     \
  P(InterSize, Integer, 0, PropFlag::EqualTo)                                                      \
  P(InterSymbol, Integer, 0, PropFlag::EqualTo)                                                    \
  P(ShowArea, Boolean, false, PropFlag::EqualTo)                                                   \
  P(AreaColor, Integer, 0, PropFlag::EqualTo)                                                      \
  /* surface overlays */                                                                           \
  P(ShowSurface, Boolean, false, PropFlag::EqualTo)                                                \
  P(ShowSurPX, Boolean, false, PropFlag::EqualTo)                                                  \
  P(ShowSurPY, Boolean, false, PropFlag::EqualTo)                                                  \
  P(ShowTangent, Boolean, false, PropFlag::EqualTo)                                                \
  P(TangentNum, Integer, 0, PropFlag::EqualTo)                                                     \
  L(TangentX, Real, 0, 50, TangentNum, 1, PropFlag::EqualTo)                                       \
  L(TangentY, Real, 0, 50, TangentNum, 1, PropFlag::EqualTo)                                       \
  P(ShowNormal, Boolean, false, PropFlag::EqualTo)                                                 \
  P(NormalNum, Integer, 0, PropFlag::EqualTo)                                                      \
  L(NormalX, Real, 0, 50, NormalNum, 1, PropFlag::EqualTo)                                         \
  L(NormalY, Real, 0, 50, NormalNum, 1, PropFlag::EqualTo)                                         \
  /* vectors, differential equation, limit and series */                                           \
  P(VecBeginX, Real, 0, PropFlag::EqualTo)                                                         \
  P(VecBeginY, Real, 0, PropFlag::EqualTo)                                                         \
  P(VecBeginZ, Real, 0, PropFlag::EqualTo)                                                         \
  P(VecEndX, Real, 0, PropFlag::EqualTo)                                                           \
  P(VecEndY, Real, 0, PropFlag::EqualTo)                                                           \
  P(VecEndZ, Real, 0, PropFlag::EqualTo)                                                           \
  P(ShowVecBegin, Boolean, false, PropFlag::EqualTo)                                               \
  P(ShowVecEnd, Boolean, false, PropFlag::EqualTo)                                                 \
  P(VecColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(VecWidth, Integer, 0, PropFlag::EqualTo)                                                       \
  P(ShowVecPrj, Boolean, false, PropFlag::EqualTo)                                                 \
  P(ShowVecB, Boolean, false, PropFlag::EqualTo)                                                   \
  P(VecOperation, Integer, 0, PropFlag::EqualTo)                                                   \
  P(VecConstant, Real, 0, PropFlag::EqualTo)                                                       \
  P(VecDX, Real, 0, PropFlag::EqualTo)                                                             \
  P(VecDY, Real, 0, PropFlag::EqualTo)                                                             \
  P(VecDZ, Real, 0, PropFlag::EqualTo)                                                             \
  P(VecDX2, Real, 0, PropFlag::EqualTo)                                                            \
  P(VecDY2, Real, 0, PropFlag::EqualTo)                                                            \
  P(VecDZ2, Real, 0, PropFlag::EqualTo)                                                            \
  P(ODEInitial, Boolean, false, PropFlag::EqualTo)                                                 \
  P(ODEInitX, Real, 0, PropFlag::EqualTo)                                                          \
  P(ODEInitY, Real, 0, PropFlag::EqualTo)                                                          \
  P(ODEColor, Integer, 0, PropFlag::EqualTo)                                                       \
  P(ODEWidth, Integer, 0, PropFlag::EqualTo)                                                       \
  P(LimitX0, Real, 0, PropFlag::EqualTo)                                                           \
  P(LimitDir, Integer, 0, PropFlag::EqualTo)                                                       \
  P(LimitShowP, Boolean, false, PropFlag::EqualTo)                                                 \
  P(LimitShowL, Boolean, false, PropFlag::EqualTo)                                                 \
  P(SeriesN1, Integer, 0, PropFlag::EqualTo)                                                       \
  P(SeriesN2, Integer, 0, PropFlag::EqualTo)                                                       \
  P(SeriesColor, Integer, 0, PropFlag::EqualTo)                                                    \
  P(SeriesWidth, Integer, 0, PropFlag::EqualTo)                                                    \
  P(SeriesA0, Real, 0, PropFlag::EqualTo)                                                          \
  /* texture, transparency, surface features and colour scheme */                                  \
  P(ShowTex, Boolean, false, PropFlag::EqualTo | PropFlag::StrictFlag)                             \
  P(TexMode, Integer, 0, PropFlag::EqualTo)                                                        \
  P(ShowTrans, Boolean, false, PropFlag::EqualTo | PropFlag::StrictFlag)                           \
  P(TransAlpha, Real, 0, PropFlag::EqualTo)                                                        \
  P(TexName, Name, "", PropFlag::EqualTo)                                                          \
  P(ShowContour, Boolean, false, PropFlag::EqualTo)                                                \
  P(ShowVector, Boolean, false, PropFlag::EqualTo)                                                 \
  P(ShowColormap, Boolean, false, PropFlag::EqualTo)                                               \
  P(ContourLevel, Real, 0, PropFlag::EqualTo)                                                      \
  P(ColorName, Name, "", PropFlag::EqualTo | PropFlag::TabEqualTo)                                 \
  P(ColorNum, Integer, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                                \
  L(ColorPos, Real, 0, 30, ColorNum, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                  \
  L(ColorR, Integer, 0, 30, ColorNum, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                 \
  L(ColorG, Integer, 0, 30, ColorNum, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                 \
  L(ColorB, Integer, 0, 30, ColorNum, 0, PropFlag::EqualTo | PropFlag::TabEqualTo)                 \
  /* third domain, clip box, 4D value, slices and iso values */                                    \
  P(MinW, Real, 0, PropFlag::EqualTo)                                                              \
  P(MaxW, Real, 0, PropFlag::EqualTo)                                                              \
  P(StepW, Integer, 0, PropFlag::EqualTo)                                                          \
  P(ClipMinX, Real, 0, PropFlag::EqualTo)                                                          \
  P(ClipMaxX, Real, 0, PropFlag::EqualTo)                                                          \
  P(ClipMinY, Real, 0, PropFlag::EqualTo)                                                          \
  P(ClipMaxY, Real, 0, PropFlag::EqualTo)                                                          \
  P(ClipMinZ, Real, 0, PropFlag::EqualTo)                                                          \
  P(ClipMaxZ, Real, 0, PropFlag::EqualTo)                                                          \
  P(Clip, Boolean, false, PropFlag::EqualTo)                                                       \
  P(ExpressV, Formula, "", PropFlag::EqualTo)                                                      \
  P(Slice4NumX, Integer, 0, PropFlag::EqualTo)                                                     \
  L(Slice4X, Real, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                                        \
  L(SliceXShowColor, Boolean, 0, 50, Slice4NumX, 1, PropFlag::EqualTo | PropFlag::StrictFlag)      \
  L(SliceXShowCont, Boolean, 0, 50, Slice4NumX, 1, PropFlag::EqualTo | PropFlag::StrictFlag)       \
  L(SliceXShowVect, Boolean, 0, 50, Slice4NumX, 1, PropFlag::EqualTo | PropFlag::StrictFlag)       \
  L(SliceXContLevels, Real, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                               \
  L(SliceXContColor, Integer, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                             \
  L(SliceXVectColor, Integer, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                             \
  P(Slice4NumY, Integer, 0, PropFlag::EqualTo)                                                     \
  L(Slice4Y, Real, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                                        \
  L(SliceYShowColor, Boolean, 0, 50, Slice4NumY, 1, PropFlag::EqualTo | PropFlag::StrictFlag)      \
  L(SliceYShowCont, Boolean, 0, 50, Slice4NumY, 1, PropFlag::EqualTo | PropFlag::StrictFlag)       \
  L(SliceYShowVect, Boolean, 0, 50, Slice4NumY, 1, PropFlag::EqualTo | PropFlag::StrictFlag)       \
  L(SliceYContLevels, Real, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                               \
  L(SliceYContColor, Integer, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                             \
  L(SliceYVectColor, Integer, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                             \
  P(Slice4NumZ, Integer, 0, PropFlag::EqualTo)                                                     \
  L(Slice4Z, Real, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                                        \
  L(SliceZShowColor, Boolean, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo | PropFlag::StrictFlag)      \
  L(SliceZShowCont, Boolean, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo | PropFlag::StrictFlag)       \
  L(SliceZShowVect, Boolean, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo | PropFlag::StrictFlag)       \
  L(SliceZContLevels, Real, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                               \
  L(SliceZContColor, Integer, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                             \
  L(SliceZVectColor, Integer, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                             \
  L(Slice4YZYB, Integer, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                                  \
  L(Slice4YZYE, Integer, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                                  \
  L(Slice4YZZB, Integer, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                                  \
  L(Slice4YZZE, Integer, 0, 50, Slice4NumX, 1, PropFlag::EqualTo)                                  \
  L(Slice4ZXXB, Integer, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                                  \
  L(Slice4ZXXE, Integer, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                                  \
  L(Slice4ZXZB, Integer, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                                  \
  L(Slice4ZXZE, Integer, 0, 50, Slice4NumY, 1, PropFlag::EqualTo)                                  \
  L(Slice4XYXB, Integer, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                                  \
  L(Slice4XYXE, Integer, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                                  \
  L(Slice4XYYB, Integer, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                                  \
  L(Slice4XYYE, Integer, 0, 50, Slice4NumZ, 1, PropFlag::EqualTo)                                  \
  P(IsoSurfaceNum, Integer, 0, PropFlag::EqualTo)                                                  \
  L(IsoSurValue, Real, 1, 100, IsoSurfaceNum, 1, PropFlag::EqualTo)                                \
  /* display of table graphs (carried by the table record only) */                                 \
  P(Show2DLine, Boolean, true, PropFlag::TabEqualTo)                                               \
  P(Show2DScatter, Boolean, true, PropFlag::TabEqualTo)                                            \
  P(ShowSmoothCurve, Boolean, true, PropFlag::TabEqualTo)                                          \
  P(ScatterSize, Integer, 2, PropFlag::TabEqualTo)                                                 \
  P(ScatterColor, Integer, 0, PropFlag::TabEqualTo)                                                \
  P(SmoothCurveColor, Integer, 65280, PropFlag::TabEqualTo)                                        \
  P(SmoothCurveWidth, Integer, 1, PropFlag::TabEqualTo)                                            \
  P(Symbol, Integer, 1, PropFlag::TabEqualTo)                                                      \
  /* stored only, or written by sampling: no record carries them */                                \
  P(StepVV, Integer, 0, 0)                                                                         \
  P(MaxVV, Real, 0, 0)                                                                             \
  P(MinVV, Real, 0, 0)

// The kind of a property's value, which is also its token form in the document text.
enum class PropKind : uint8_t {
  Integer, // 32-bit signed integer, written in decimal
  Real,    // single precision, written with at most 7 significant digits and "."
  Boolean, // written "1" or "0"
  Formula, // a formula text, written as one bare token
  Name,    // a text written between "@" signs (may span several tokens)
};

namespace PropFlag {
inline constexpr uint8_t EqualTo = 1;             // copied by Graph::EqualTo
inline constexpr uint8_t EqualToWhenAnimated = 2; // copied by EqualTo only from an animated graph
inline constexpr uint8_t TabEqualTo = 4;          // copied by Graph::TabEqualTo
inline constexpr uint8_t StrictFlag = 8;          // a reader takes it as true only from "1"
} // namespace PropFlag

// One id per property, in the order of the list.
enum class GraphProp : int16_t {
#define GRAPH_ENUM_P(name, kind, def, flags) name,
#define GRAPH_ENUM_L(name, kind, lo, hi, count, first, flags) name,
  GRAPH_PROPERTIES(GRAPH_ENUM_P, GRAPH_ENUM_L)
#undef GRAPH_ENUM_P
#undef GRAPH_ENUM_L
};

inline constexpr int GraphPropertyCount = 0
#define GRAPH_COUNT(...) +1
    GRAPH_PROPERTIES(GRAPH_COUNT, GRAPH_COUNT)
#undef GRAPH_COUNT
    ;

struct GraphPropertyInfo {
  std::string_view name;
  PropKind kind;
  bool indexed;      // a fixed list indexed first .. last
  int32_t first;     // lowest valid index (lists)
  int32_t last;      // highest valid index (lists)
  GraphProp count;   // the property that counts the used items (lists)
  int32_t firstUsed; // the first used index: items firstUsed .. firstUsed + count - 1 are used
  uint8_t flags;
  double defaultNumber;         // default of a number or Boolean (1 for True)
  std::string_view defaultText; // default of a text
};

namespace graph_detail {
constexpr double DefaultNumber(bool v) { return v ? 1.0 : 0.0; }
constexpr double DefaultNumber(int v) { return v; }
constexpr double DefaultNumber(double v) { return v; }
constexpr double DefaultNumber(const char*) { return 0.0; }
constexpr std::string_view DefaultText(const char* s) { return s; }
template <class T> constexpr std::string_view DefaultText(T) { return {}; }
} // namespace graph_detail

inline constexpr std::array<GraphPropertyInfo, GraphPropertyCount> GraphPropertyTable = {{
#define GRAPH_INFO_P(nm, kd, def, fl)                                                              \
  {#nm,                                                                                            \
   PropKind::kd,                                                                                   \
   false,                                                                                          \
   0,                                                                                              \
   0,                                                                                              \
   GraphProp::nm,                                                                                  \
   0,                                                                                              \
   static_cast<uint8_t>(fl),                                                                       \
   graph_detail::DefaultNumber(def),                                                               \
   graph_detail::DefaultText(def)},
#define GRAPH_INFO_L(nm, kd, lo, hi, cnt, fu, fl)                                                  \
  {#nm, PropKind::kd, true, lo, hi, GraphProp::cnt, fu, static_cast<uint8_t>(fl), 0.0, {}},
    GRAPH_PROPERTIES(GRAPH_INFO_P, GRAPH_INFO_L)
#undef GRAPH_INFO_P
#undef GRAPH_INFO_L
}};

constexpr const GraphPropertyInfo& PropertyInfo(GraphProp p) {
  return GraphPropertyTable[static_cast<std::size_t>(p)];
}

// The property of that exact name, if any.
std::optional<GraphProp> FindGraphProperty(std::string_view name);

// Record layouts of the document text.
enum class RecordItemKind : uint8_t { Property, FrameCount, FramesPerSecond, List, TablePoints };

struct RecordItem {
  RecordItemKind kind = RecordItemKind::Property;
  GraphProp prop = GraphProp::GraphType; // Property: the property; List: the count property
  bool whenAnimated = false;             // present only when the graph's Animation is true
  int32_t first = 0;                     // List: index of the first item written
  std::array<GraphProp, 7> members{};    // List: the properties of one item, in token order
  int memberCount = 0;
};

namespace graph_detail {
constexpr RecordItem Prop(GraphProp p) { return {RecordItemKind::Property, p, false, 0, {}, 0}; }
constexpr RecordItem AnimProp(GraphProp p) { return {RecordItemKind::Property, p, true, 0, {}, 0}; }
template <class... M> constexpr RecordItem List(GraphProp count, int32_t first, M... members) {
  return {RecordItemKind::List, count, false, first, {members...}, int(sizeof...(M))};
}
} // namespace graph_detail

// The token order of a function graph's record (Graph::Save).
inline constexpr auto GraphRecordLayout = [] {
  using namespace graph_detail;
  using enum GraphProp;
  return std::array{
      // head
      Prop(GraphType), Prop(ID), Prop(NameS), Prop(CoordType), Prop(ExpressX), Prop(ExpressY),
      Prop(ExpressZ), Prop(StepU), Prop(StepV), Prop(MinU), Prop(MaxU), Prop(MinV), Prop(MaxV),
      Prop(FillStyle), Prop(FirstColor), Prop(SecondColor), Prop(LineColor), Prop(LineWidth),
      Prop(Material), Prop(Show), Prop(Smoothness), Prop(PointColor), Prop(PointSize),
      Prop(PointHollow), Prop(Animation),
      // animation block
      AnimProp(MinT), AnimProp(MaxT),
      RecordItem{RecordItemKind::FrameCount, Animation, true, 0, {}, 0},
      RecordItem{RecordItemKind::FramesPerSecond, Animation, true, 0, {}, 0},
      // 2D analysis
      Prop(FunForm), Prop(Show2DCurve), Prop(ShowInverse), Prop(InvColor), Prop(InvWidth),
      Prop(ShowDev), Prop(DevColor), Prop(DevWidth), Prop(ShowInt), Prop(IntColor), Prop(IntFrom),
      Prop(IntTo), Prop(ShowMax), Prop(MaxColor), Prop(MaxSize), Prop(MaxSymbol), Prop(ShowMin),
      Prop(MinColor), Prop(MinSize), Prop(MinSymbol), Prop(ShowGuai), Prop(GuaiColor),
      Prop(GuaiSize), Prop(GuaiSymbol), Prop(ShowJO), Prop(JOColor), Prop(JOWidth), Prop(ShowRoot),
      Prop(RootColor), Prop(RootSize), Prop(RootSymbol), Prop(ShowCurv), Prop(CurvColor),
      Prop(CurvWidth), Prop(CurvNum), List(CurvNum, 1, CurvX), Prop(ShowLen), Prop(LenFrom),
      Prop(LenTo), Prop(ShowQie), Prop(QieColor), Prop(QieWidth), Prop(QieNum),
      List(QieNum, 1, QieX), Prop(ShowNml), Prop(NmlColor), Prop(NmlWidth), Prop(NmlNum),
      List(NmlNum, 1, NmlX),
      // step and stem plots, second function, intersection and area
      Prop(ShowStep), Prop(StepColor), Prop(StepWidth), Prop(ShowStem), Prop(StemHeadColor),
      Prop(StemHeadSize), Prop(StemHeadSymbol), Prop(StemBodyColor), Prop(StemBodyWidth),
      Prop(Exp2), Prop(Color2), Prop(Width2), Prop(ShowInter), Prop(InterColor), Prop(InterSize),
      Prop(InterSymbol), Prop(ShowArea), Prop(AreaColor),
      // surface overlays
      Prop(ShowSurface), Prop(ShowSurPX), Prop(ShowSurPY), Prop(ShowTangent), Prop(TangentNum),
      List(TangentNum, 1, TangentX, TangentY), Prop(ShowNormal), Prop(NormalNum),
      List(NormalNum, 1, NormalX, NormalY),
      // vectors, differential equation, limit and series
      Prop(VecBeginX), Prop(VecBeginY), Prop(VecBeginZ), Prop(VecEndX), Prop(VecEndY),
      Prop(VecEndZ), Prop(ShowVecBegin), Prop(ShowVecEnd), Prop(VecColor), Prop(VecWidth),
      Prop(ShowVecPrj), Prop(ShowVecB), Prop(VecOperation), Prop(VecConstant), Prop(VecDX),
      Prop(VecDY), Prop(VecDZ), Prop(VecDX2), Prop(VecDY2), Prop(VecDZ2), Prop(ODEInitial),
      Prop(ODEInitX), Prop(ODEInitY), Prop(ODEColor), Prop(ODEWidth), Prop(LimitX0), Prop(LimitDir),
      Prop(LimitShowP), Prop(LimitShowL), Prop(SeriesN1), Prop(SeriesN2), Prop(SeriesColor),
      Prop(SeriesWidth), Prop(SeriesA0),
      // texture, transparency, surface features and colour scheme
      Prop(ShowTex), Prop(TexMode), Prop(ShowTrans), Prop(TransAlpha), Prop(TexName),
      Prop(ShowContour), Prop(ShowVector), Prop(ShowColormap), Prop(ContourLevel), Prop(ColorName),
      Prop(ColorNum), List(ColorNum, 0, ColorPos, ColorR, ColorG, ColorB),
      // third domain, clip box, 4D value, slices and iso values
      Prop(MinW), Prop(MaxW), Prop(StepW), Prop(ClipMinX), Prop(ClipMaxX), Prop(ClipMinY),
      Prop(ClipMaxY), Prop(ClipMinZ), Prop(ClipMaxZ), Prop(Clip), Prop(ExpressV), Prop(StepW),
      Prop(MinW), Prop(MaxW), Prop(Slice4NumX),
      List(Slice4NumX, 1, Slice4X, SliceXShowColor, SliceXShowCont, SliceXShowVect,
           SliceXContLevels, SliceXContColor, SliceXVectColor),
      Prop(Slice4NumY),
      List(Slice4NumY, 1, Slice4Y, SliceYShowColor, SliceYShowCont, SliceYShowVect,
           SliceYContLevels, SliceYContColor, SliceYVectColor),
      Prop(Slice4NumZ),
      List(Slice4NumZ, 1, Slice4Z, SliceZShowColor, SliceZShowCont, SliceZShowVect,
           SliceZContLevels, SliceZContColor, SliceZVectColor),
      List(Slice4NumX, 1, Slice4YZYB, Slice4YZYE, Slice4YZZB, Slice4YZZE),
      List(Slice4NumY, 1, Slice4ZXXB, Slice4ZXXE, Slice4ZXZB, Slice4ZXZE),
      List(Slice4NumZ, 1, Slice4XYXB, Slice4XYXE, Slice4XYYB, Slice4XYYE), Prop(IsoSurfaceNum),
      List(IsoSurfaceNum, 1, IsoSurValue)};
}();

// The token order of a table graph's record (Graph::SaveTable).
inline constexpr auto TableRecordLayout = [] {
  using namespace graph_detail;
  using enum GraphProp;
  return std::array{Prop(GraphType),
                    Prop(ID),
                    Prop(NameS),
                    Prop(LineColor),
                    Prop(LineWidth),
                    Prop(FillStyle),
                    Prop(FirstColor),
                    Prop(SecondColor),
                    Prop(Material),
                    Prop(Show),
                    Prop(Smoothness),
                    Prop(StepU),
                    Prop(StepV),
                    RecordItem{RecordItemKind::TablePoints, StepU, false, 0, {}, 0},
                    Prop(Show2DLine),
                    Prop(Show2DScatter),
                    Prop(ShowSmoothCurve),
                    Prop(ScatterSize),
                    Prop(ScatterColor),
                    Prop(SmoothCurveColor),
                    Prop(SmoothCurveWidth),
                    Prop(Symbol),
                    Prop(ColorName),
                    Prop(ColorNum),
                    List(ColorNum, 0, ColorPos, ColorR, ColorG, ColorB)};
}();
