#pragma once
// The one table of what the graph property dialogs offer: the items of their lists (coordinate
// systems, forms by coordinate system and mode, line widths, materials, colour schemes, fill
// styles, display models, shadings), the captions of the formula and domain fields by coordinate
// system, form and mode (the FieldLabelTable), the texts a freshly opened dialog shows, and the
// ranges a typed value must lie in. Dialogs and their commit read these rows; no handler holds
// its own literals.

#include "model/Graph.h"
#include "render/common/MaterialColors.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace DialogFields {

// --- ranges ---------------------------------------------------------------------------------
// A whole-number field: the smallest and largest value accepted.
struct WholeRange {
  int32_t min;
  int32_t max;
};
// Steps of a curve's variable (2D curves, ribbons). Sampling refuses counts whose arrays would
// not fit in memory on top of this.
inline constexpr WholeRange CurveSteps{1, 100000};

// Steps along u and along v of a contour plot, colour map or vector plot (a grid of samples).
inline constexpr WholeRange PlotSteps{1, 1000};

// --- lists ----------------------------------------------------------------------------------
inline constexpr std::array<std::string_view, 2> PlaneCoordinates{"Cartesian", "Polar"};
inline constexpr std::array<std::string_view, 8> LineWidths{"1", "2", "3", "4", "5", "6", "7", "8"};
inline constexpr std::array<std::string_view, 5> ColorSchemes{"Rainbow", "Earth", "Fiery", "Marine",
                                                              "Grey"};

inline constexpr std::array<std::string_view, 3> SpaceCoordinates{"Cartesian", "Cylindrical",
                                                                  "Spherical"};
inline constexpr std::array<std::string_view, 9> PointSizes{"1", "2", "3", "4", "5",
                                                            "6", "7", "8", "9"};
inline constexpr std::array<std::string_view, 4> ContourLineWidths{"1", "2", "3", "4"};
// Point symbols of a stem's head, by StemHeadSymbol - 1.
inline constexpr std::array<std::string_view, 6> PointSymbols{
    "SolidCircle", "HollowCircle", "SolidRectangle", "SolidTriangle", "Diamond", "CrossHair"};

// A group of options: its captions top to bottom and the code each one stands for.
struct Option {
  std::string_view caption;
  int32_t code;
};
// Fill styles of a ribbon or surface (FillStyle), in the order the "Color" tab shows them.
inline constexpr std::array<Option, 5> FillStyles{
    {{"Gradient from left to right", GradientLeftRight},
     {"Gradient from front to back", GradientFrontBack},
     {"Gradient from top to bottom", GradientTopBottom},
     {"Single", SingleColor},
     {"Colormap", ColorMapFill}}};
inline constexpr int32_t FillStyleOnLoad = GradientTopBottom;
// Display model (Show) and shading (Smoothness).
inline constexpr std::array<Option, 3> DisplayModels{
    {{"Point", ModelPoint}, {"Grid", ModelGrid}, {"Surface", ModelSurface}}};
inline constexpr std::array<Option, 3> Shadings{
    {{" Flat", ShadeFlat}, {"Smooth", ShadeSmooth}, {" Smoothest", ShadeSmoothest}}};
inline constexpr int32_t DisplayModelOnLoad = ModelSurface;
inline constexpr int32_t ShadingOnLoad = ShadeSmoothest;
inline constexpr int32_t MaterialOnLoad = MaterialPresetOf("Metal");

// A point drawn hollow (PointHollow True) or solid, as the option group's codes.
enum PointFillCode : int32_t { SolidPoint = 0, HollowPoint = 1 };
inline constexpr std::array<Option, 2> HollowOrSolid{
    {{"Hollow", HollowPoint}, {"Solid", SolidPoint}}};
// The colouring of a contour plot (FillStyle): one colour, or a gradient over the levels, which
// every other code stands for.
inline constexpr std::array<Option, 2> ContourColorings{
    {{"Single Color", SingleColor}, {"Gradient Colors", GradientTopBottom}}};

// --- forms ----------------------------------------------------------------------------------
// 2D curves: the form of each list position.
inline constexpr std::array<FunFormCode, 4> Curve2DFormCodes{Explicit, Parametric, Implicit,
                                                             Inequality};
// Items by mode (0 static, 1 animated) and coordinate system (0 Cartesian, 1 polar).
inline constexpr std::array<std::array<std::array<std::string_view, 4>, 2>, 2> Curve2DForms{{
    {{{"y=f(x)", "x=f1(u),y=f2(u)", "f(x,y)=0", "f(x,y)<=0"},
      {"r=f(a)", "a=f1(u),r=f2(u)", "f(a,r)=0", "f(a,r)<=0"}}},
    {{{"y=f(x,t)", "x=f1(u,t),y=f2(u,t)", "f(x,y,t)=0", "f(x,y,t)<=0"},
      {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)", "f(a,r,t)=0", "f(a,r,t)<=0"}}},
}};
// Ribbons: the form of each list position.
inline constexpr std::array<FunFormCode, 2> RibbonFormCodes{Explicit, Parametric};
inline constexpr std::array<std::array<std::array<std::string_view, 2>, 2>, 2> RibbonForms{{
    {{{"y=f(x)", "x=f1(u),y=f2(u)"}, {"r=f(a)", "a=f1(u),r=f2(u)"}}},
    {{{"y=f(x,t)", "x=f1(u,t),y=f2(u,t)"}, {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)"}}},
}};

// The list position of a FunForm code; -1 when the list has none.
template <size_t N> int FormPosition(const std::array<FunFormCode, N>& codes, int32_t funForm) {
  for (size_t i = 0; i < N; ++i)
    if (codes[i] == funForm) return static_cast<int>(i);
  return -1;
}

// --- field captions (FieldLabelTable) --------------------------------------------------------
// The captions of a function dialog's fields for one mode, coordinate system and form. An empty
// second formula hides that field; a hidden steps field means the form has none; an empty y-pair
// caption leaves the pair's captions as they are.
struct FieldLabels {
  std::string_view first, second;      // formula captions
  std::string_view min, max, steps;    // the domain row
  bool stepsShown;                     // the steps field
  std::string_view yPairMin, yPairMax; // the y pair (implicit and inequality forms)
};

// 2D curves, by mode (0 static, 1 animated), coordinate system (0, 1) and list position (0 .. 3).
const FieldLabels& Curve2DLabels(int mode, int coordinate, int form);
// Ribbons, by mode, coordinate system and list position (0, 1); the y pair is never relabelled.
const FieldLabels& RibbonLabels(int mode, int coordinate, int form);

// The captions of a point's coordinate fields by coordinate system (list position); the point
// animation's carry "(t)". Points of 2D and 2.5D documents have two coordinates and leave the
// third caption as it is.
struct PointLabels {
  std::string_view first, second, third; // third empty: unchanged
};
// mode 0 point, 1 point animation; space: three coordinates (documents other than 2D and 2.5D).
const PointLabels& PointCoordinateLabels(int mode, bool space, int coordinate);

// --- what a freshly opened dialog shows -------------------------------------------------------
struct StartTexts {
  std::string_view name;
  std::string_view min, max, steps;    // the domain row
  std::string_view yMin, yMax;         // the y pair
  std::string_view tMin, tMax, tSteps; // the t row
};
inline constexpr StartTexts Curve2DStart{"Untitled", "-3", "3", "200", "-3", "3", "-2", "2", "10"};
inline constexpr StartTexts RibbonStart{"Untitled", "-3", "3", "50", "-3", "3", "-2", "2", "10"};
inline constexpr int32_t Curve2DLineColorOnLoad = 16711680;  // blue
inline constexpr int32_t RibbonFirstColorOnLoad = 255;       // red
inline constexpr int32_t RibbonSecondColorOnLoad = 16711680; // blue

// The point dialogs' colour before a caller sets one (the system's frame and menu text colour,
// black) and the colour outside 2D documents.
inline constexpr int32_t PointColorOnLoad = 0;
inline constexpr int32_t PointColorOutside2D = 255; // red
inline constexpr std::string_view PointAnimationName = "Untitled";
inline constexpr int32_t PointSizeOnLoad = 2;

// Contour plots, colour maps and vector plots: the domain of u and v, the steps.
inline constexpr std::string_view PlotMinOnLoad = "-2pi";
inline constexpr std::string_view PlotMaxOnLoad = "2pi";
inline constexpr std::string_view PlotStepsOnLoad = "40";
inline constexpr std::string_view VectorPlotStepsOnLoad = "20";
inline constexpr std::string_view ContourLevelOnLoad = "10";
inline constexpr int32_t PlotFirstColorOnLoad = 255;       // red
inline constexpr int32_t PlotSecondColorOnLoad = 16711680; // blue
inline constexpr int32_t PlotSingleColorOnLoad = 0;        // black
// A new colour map runs from its first colour to its second by height (FillStyle).
inline constexpr int32_t ColorMapFillOnAdd = GradientTopBottom;

// Step and stem plots.
inline constexpr StartTexts StepStemStart{"Untitled", "-2pi", "2pi", "20", "", "", "", "", ""};
inline constexpr int32_t StepColorOnLoad = 8388608;      // navy, the system's title colour
inline constexpr int32_t StemHeadColorOnLoad = 192;      // dark red
inline constexpr int32_t StemBodyColorOnLoad = 12582912; // dark blue
inline constexpr int32_t StepStemWidthOnLoad = 2;
inline constexpr int32_t StemHeadSizeOnLoad = 2;

// --- 3D functions -----------------------------------------------------------------------------
// Steps of a surface's or implicit surface's variables; sampling also refuses grids that would
// not fit in memory.
inline constexpr WholeRange SurfaceSteps{1, 1000};
// The kind list by mode (0 static, 1 animated): list position 0 curve, 1 surface.
inline constexpr std::array<std::array<std::string_view, 2>, 2> Function3DKinds{
    {{"Curve", "Surface"}, {"AnimCurve", "AnimSurface"}}};
// The form of each list position (the implicit form is offered for surfaces only).
inline constexpr std::array<FunFormCode, 3> Function3DFormCodes{Explicit, Parametric, Implicit};
// The form list by mode, coordinate system (0 .. 2) and kind (0 curve, 1 surface); a curve has
// two forms, the third item of its row is empty.
extern const std::array<std::string_view, 3> Function3DForms[2][3][2];
// What a form list shows before a kind is chosen (replaced by every opening).
inline constexpr std::array<std::string_view, 3> Function3DFormsOnLoad{
    "y=f(x,y)", "x=f1(u,v),y=f2(u,v),z=f3(u,v)", "f(x,y,z)=0"};
// The captions of the 3D dialog's fields for one kind, form and coordinate system (static mode;
// animation mode adds ",t" to the formula captions). Empty second and third formula captions hide
// those fields; an empty second row hides that row; an empty third-row caption keeps the clipping
// layout (min and max shown with the captions they have, steps hidden).
struct Function3DLabels {
  std::string_view first, second, third;
  std::array<std::string_view, 3> row1, row2, row3;
};
// kind 0 curve, 1 surface; form 0 .. 2 (2 only for surfaces); coordinate 0 .. 2. Null when no
// row matches.
const Function3DLabels* Function3DFieldLabels(int kind, int form, int coordinate);
// A formula caption in animation mode: ",t" before its closing parenthesis.
std::string AnimatedCaption(std::string_view caption);
// The first two coordinate formulas of an explicit form: the variables themselves, by
// coordinate system (x, y; a, r; a, b), as sampling reads an explicit surface's points.
inline constexpr std::array<std::array<std::string_view, 2>, 3> ExplicitCoordinateFormulas{
    {{"x", "y"}, {"a", "r"}, {"a", "b"}}};
inline constexpr StartTexts Function3DStart{"Untitled", "-3", "3", "40", "-3",
                                            "3",        "-2", "2", "10"};
inline constexpr std::string_view Function3DThirdStepsOnLoad = "20";
inline constexpr std::string_view Function3DThirdMinOnLoad = "-3";
inline constexpr std::string_view Function3DThirdMaxOnLoad = "3";
inline constexpr int32_t Function3DFillStyleOnLoad = ColorMapFill;
inline constexpr std::array<Option, 2> TextureModes{
    {{"Overlap", TextureOverlap}, {"Blend", TextureBlend}}};
inline constexpr int32_t TransparencySteps = 10; // the slider runs 0 .. 10 for 0 .. 1

// --- 4D functions -----------------------------------------------------------------------------
// Steps of each axis of a 4D grid; the slices' rows are 1 .. steps + 1.
inline constexpr WholeRange VolumeSteps{1, 200};
inline constexpr StartTexts Function4DStart{"Untitled", "-3", "3", "20", "", "", "-2", "2", "10"};
inline constexpr int32_t MaxSlices = 50; // per axis
inline constexpr int32_t MaxIsoValues = 100;
inline constexpr int32_t SliceContourColorOnLoad = 12632256; // light grey
// A new 4D graph's slices are filled by its colour map (FillStyle "Colormap").
inline constexpr int32_t Function4DFillStyle = ColorMapFill;

} // namespace DialogFields
