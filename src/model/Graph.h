#pragma once
// One graph of a document: its kind, formula texts, domains and step counts, style, analysis
// overlays and feature settings (every one declared once in GraphProperties.h), together with the
// point arrays and value grids that sampling fills and the drawers read, and its own box.
// A graph is held by reference (std::shared_ptr): the same object sits in AllGraphs and, while
// shown, in ShownGraphs. It is never copied.
//
// Quick guide for the other subsystems:
//   - Settings are public members named as the properties: g.GraphType, g.ExpressZ, g.StepU ...
//     Lists are IndexedList members with checked operator[]: g.CurvX[k] (0 .. 50),
//     g.IsoSurValue[k] (1 .. 100), g.ColorR[i] (0 .. 30); a bad index throws SubscriptError.
//   - Point arrays (PointArray<Rank>) are contiguous GraphPoint values, laid out by sampling with
//     Allocate({upper bounds...}) and read with checked g.Vert3D(i, j). Unallocated arrays throw
//     on access. Storage order: last index fastest.
//   - VertTab3D (TablePoints) is the 201 x 201 table, rows created on first access.
//   - The value grids (ValueGrid) are laid out with LayOut({upper bounds...}, step) for the step
//     counts of the kinds that use them; nothing is allocated for other kinds.
//   - GetPoints, GetBox (sampling), Draw (curve rendering), DrawLegend (surface rendering), Save
//     and SaveTable (documents) are declared here and defined in their subsystems' folders.

#include "model/BoundingBox.h"
#include "model/GraphArrays.h"
#include "model/GraphPoint.h"
#include "model/GraphProperties.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Graph kinds (GraphType).
enum GraphTypeCode : int32_t {
  Curve2D = 0,
  Curve3D = 1,
  Surface3D = 2,
  Ribbon25D = 3,
  Table2D = 4,
  Table25D = 5,
  Table3D = 6,
  PointMarker = 7,
  PointAnimation = 8,
  Curve2DAnimation = 9,
  Ribbon25DAnimation = 10,
  Curve3DAnimation = 11,
  Surface3DAnimation = 12,
  ColorMap = 13,
  ContourPlot = 14,
  VectorPlot = 15,
  // Named only in the colour legend's list of kinds: nothing makes, reads or draws it.
  LegendOnlyKind = 16,
  Intersection = 20,
  RevolutionAboutX = 21,
  RevolutionAboutY = 22,
  StepStemPlot = 23,
  Vector = 31,
  VectorOperation = 32,
  OdeSolution = 36,
  LimitMarker = 37,
  FunctionSeries = 38,
  // 41, 42 and 44 are carried by documents and the clipboard and sampled like Function4D, but
  // nothing draws them and no command makes them; 44 (like 16) still has a colour legend.
  Function4DUndrawn = 41,
  Function4DUndrawnAlso = 42,
  Function4D = 43,
  Function4DLegendOnly = 44,
  Function4DAnimation = 45,
};

// Coordinate systems (CoordType); 0 means none was set.
enum CoordTypeCode : int32_t {
  Cartesian2D = 1,
  Polar = 2,
  Cartesian3D = 3,
  Cylindrical = 4,
  Spherical = 5,
};

// Forms of the formulas (FunForm); 0 means none was set.
enum FunFormCode : int32_t {
  Implicit = 1,
  Explicit = 2,
  Parametric = 3,
  Inequality = 4,
};

// How a surface, ribbon, contour plot or legend is coloured (FillStyle).
enum FillStyleCode : int32_t {
  GradientLeftRight = 1,
  GradientFrontBack = 2,
  GradientTopBottom = 3,
  SingleColor = 4,
  ColorMapFill = 5,
};

// How a texture meets a surface's fill (TexMode).
enum TextureModeCode : int32_t {
  TextureOverlap = 1, // the picture, lit
  TextureBlend = 2,   // the fill tints the picture
};

// How a surface is drawn (the graph's Show).
enum DisplayModel : int32_t {
  ModelPoint = 1,
  ModelGrid = 2,
  ModelSurface = 3,
};

// Shading of a surface (Smoothness).
enum SmoothnessCode : int32_t {
  ShadeFlat = 1,
  ShadeSmooth = 2,
  ShadeSmoothest = 3,
};

// The C++ type that holds a value of each property kind.
template <PropKind K> struct PropertyTypeOf;
template <> struct PropertyTypeOf<PropKind::Integer> { using type = int32_t; };
template <> struct PropertyTypeOf<PropKind::Real> { using type = float; };
template <> struct PropertyTypeOf<PropKind::Boolean> { using type = bool; };
template <> struct PropertyTypeOf<PropKind::Formula> { using type = std::string; };
template <> struct PropertyTypeOf<PropKind::Name> { using type = std::string; };
template <PropKind K> using PropertyType = typename PropertyTypeOf<K>::type;

// Which record of the document text a graph kind has.
enum class RecordKind { NoRecord, Function, Table };
// The record column of the table of graph kinds (GraphKinds.h): 4, 5, 6 have a table record;
// 0 .. 3, 7 .. 15, 20 .. 23, 31, 32, 41 .. 45 a function record; every other code none (such a
// graph is neither written nor counted).
RecordKind RecordKindOf(int32_t graphType);

// The main settings of a graph, in the order Init and Equal take them: what a graph is (ID, name,
// kind, coordinates, formulas), its domain and steps, its colours and style, and the floor
// overlays. Each member starts at a new graph's default, so a setting left out reads as a new
// graph's. Init reads every member but FunForm (a new graph keeps the default form); Equal every
// member but ID (a graph keeps its identity). ContourLevel is a whole number here and is stored
// as a real.
struct GraphMainSettings {
  int32_t ID = 0;
  std::string NameS;
  int32_t GraphType = 0;
  int32_t CoordType = 0;
  std::string ExpressX;
  std::string ExpressY;
  std::string ExpressZ;
  int32_t StepU = 1;
  int32_t StepV = 1;
  float MinU = 0.0f;
  float MaxU = 0.0f;
  float MinV = 0.0f;
  float MaxV = 0.0f;
  int32_t FillStyle = 0;
  int32_t FirstColor = 0;
  int32_t SecondColor = 0;
  int32_t LineColor = 0;
  int32_t LineWidth = 0;
  int32_t Material = 0;
  int32_t Show = ModelSurface;
  int32_t Smoothness = ShadeSmoothest;
  bool ShowContour = false;
  bool ShowVector = false;
  bool ShowColormap = false;
  int32_t ContourLevel = 0;
  int32_t FunForm = 0;
};

class Graph;
// Every setting of the graph (the properties a copy of it takes, every item of their lists) as
// one text: equal texts mean that no setting changed in between. What sampling and the drawing
// write (the value range of a 4D graph, the box, the points) is not in it.
std::string SettingsFingerprint(const Graph& graph);

class Graph {
public:
  Graph();
  Graph(const Graph&) = delete;
  Graph& operator=(const Graph&) = delete;

  // ---- the stored settings, with their defaults (GraphProperties.h) ----
#define GRAPH_MEMBER_P(nm, kd, def, fl) PropertyType<PropKind::kd> nm = def;
#define GRAPH_MEMBER_L(nm, kd, lo, hi, cnt, fu, fl)                                                \
  IndexedList<PropertyType<PropKind::kd>, lo, hi, #nm> nm;
  GRAPH_PROPERTIES(GRAPH_MEMBER_P, GRAPH_MEMBER_L)
#undef GRAPH_MEMBER_P
#undef GRAPH_MEMBER_L

  // The program-wide FrameCount; a graph stores no frame count of its own.
  int32_t StepT() const;

  // ---- point arrays (data units, scene order: y vertical) ----
  // Public arrays: the main grid (0 .. StepU, 0 .. StepV; a 2D curve in row 0) and the animated
  // arrays, the frame index last.
  PointArray<2> Vert3D{"Vert3D"};
  PointArray<1> Anim1D{"Anim1D"}; // (0 .. FrameCount): animated point
  PointArray<2> Anim2D{"Anim2D"}; // (0 .. StepV, 0 .. FrameCount): animated 2D curve
  PointArray<3> Anim3D{"Anim3D"}; // (0 .. StepU, 0 .. StepV, 0 .. FrameCount): animated surface
  PointArray<4> Anim4D{"Anim4D"}; // laid out without points for an animated 4D graph
  // The table points of a table graph: 0 .. 200 each way.
  TablePoints VertTab3D;
  // Arrays that sampling writes and the drawers read.
  PointArray<2> VertPX{"VertPX"}, VertPY{"VertPY"};       // partial-derivative surfaces
  PointArray<2> Vert2{"Vert2"};                           // second function of an intersection
  PointArray<1> VertCurve{"VertCurve"};                   // 3D curve (0 .. StepU)
  PointArray<2> VertDev{"VertDev"}, VertDev2{"VertDev2"}; // derivative curves
  PointArray<2> VertRev{"VertRev"};         // rings of a surface of revolution (0 .. 40)
  PointArray<2> VertJO{"VertJO"};           // mirror curve
  PointArray<2> VertODE{"VertODE"};         // solution curves of a differential equation
  PointArray<2> AnimCurve3D{"AnimCurve3D"}; // (0 .. StepU, 0 .. FrameCount)
  PointArray<3> AnimRibbon{"AnimRibbon"};   // (0 .. 1, 0 .. StepV, 0 .. FrameCount)

  // ---- the graph's own box, as GetBox (or the drawing) last left it ----
  float BoxMinX = 0.0f, BoxMaxX = 0.0f;
  float BoxMinY = 0.0f, BoxMaxY = 0.0f;
  float BoxMinZ = 0.0f, BoxMaxZ = 0.0f;

  // ---- messages shown about the graph (model/ProblemsToldOnce.h) ----
  std::string ToldSettings;              // SettingsFingerprint when they were shown
  std::vector<std::string> ToldProblems; // their texts

  // ---- value grids of 4D graphs and implicit surfaces ----
  // Still graphs (i, j, k) = (u, v, w sample); animated ones (i, j, k, frame step). Grids 1 .. 3
  // hold the sample's position and V its value: for a 4D graph the user's x, y, z (the 4D drawers
  // call them Grid4DX, Grid4DY, Grid4DZ, Grid4DW), for an implicit surface the point's x, y, z in
  // scene order. Sampling lays them out from StepU, StepV, StepW (and FrameCount).
  ValueGrid<3> SampleGrid1{"SampleGrid1"}, SampleGrid2{"SampleGrid2"}, SampleGrid3{"SampleGrid3"},
      SampleGridV{"SampleGridV"};
  ValueGrid<4> FrameGrid1{"FrameGrid1"}, FrameGrid2{"FrameGrid2"}, FrameGrid3{"FrameGrid3"},
      FrameGridV{"FrameGridV"};
  // Smallest and largest sampled value of an implicit surface.
  float GridValueMin = 0.0f, GridValueMax = 0.0f;

  // ---- any property by id (document reader and writer) ----
  // Index is used by the lists only (checked); a type that does not match the property's kind
  // throws std::logic_error.
  int32_t GetInt(GraphProp p, int32_t index = 0) const;
  float GetReal(GraphProp p, int32_t index = 0) const;
  bool GetBool(GraphProp p, int32_t index = 0) const;
  const std::string& GetText(GraphProp p) const;
  void SetInt(GraphProp p, int32_t value, int32_t index = 0);
  void SetReal(GraphProp p, float value, int32_t index = 0);
  void SetBool(GraphProp p, bool value, int32_t index = 0);
  void SetText(GraphProp p, const std::string& value);

  // ---- copy operations ----
  // A new graph with the main settings (but FunForm) and a new graph's defaults otherwise. It
  // reads nothing of the graph it is called on, which stays as it was.
  static std::shared_ptr<Graph> Init(const GraphMainSettings& settings);
  // Sets the main settings (but ID) on this graph, FunForm among them; its ID, other settings and
  // points stay as they are.
  void Equal(const GraphMainSettings& settings);
  // Copies nearly every setting of a function graph from source (not ID, LenFrom, LenTo, the
  // table display settings, StepVV, MinVV, MaxVV, nor any point); MinT and MaxT only from an
  // animated source; list items 1 .. count (colour stops 0 .. count - 1). A source count beyond
  // its list throws SubscriptError before anything is changed.
  void EqualTo(const Graph& source);
  // Copies a table graph's settings from source and shares its table points with it from now on.
  // A colour-stop count beyond its list throws SubscriptError before anything is changed.
  void TabEqualTo(Graph& source);

  // ---- operations defined by other subsystems ----
  // Sampling: fills the point arrays from the formulas; False when a formula fails to compile.
  // Reports its steps to the work in progress (platform/WorkProgress.h); after its Cancel, False
  // with the arrays laid out for the counts and sampled as far as it came.
  bool GetPoints();
  // Sampling: the graph's box in data units for an animation step (0 for still graphs).
  BoundingBox GetBox(int32_t animStep = 0);
  // Curve rendering: draws the graph into the display list being compiled.
  void Draw(int32_t animStep = 0);
  // Surface rendering: the colour legend of the graph in overlay coordinates 0 .. 100.
  void DrawLegend(float MinX, float MaxX, float MinY, float MaxY, float MinZ, float MaxZ,
                  float MinC, float MaxC, float MinV, float MaxV);
  // Documents: the graph's function record / table record, each token followed by one blank.
  std::string Save() const;
  std::string SaveTable() const;
};

// The key of a graph in both containers: the decimal text of its ID.
std::string GraphKey(const Graph& graph);
