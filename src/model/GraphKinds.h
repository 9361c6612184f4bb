#pragma once
// What the program knows of each graph kind (GraphType), one row per kind: its record in the
// document text, its name and caption family in the graph list, whether it is an animation kind,
// whether showing it samples it, whether its drawing is clipped to the vertical clip band, which
// drawer draws it and which property dialog edits it. Code that asks something of a kind asks
// this table; a code outside it is answered by the row of no kind.

#include <cstdint>
#include <span>

#include "model/Graph.h"

// How the graph list captions a kind (GraphCaption).
enum class CaptionFamily {
  Plain,      // the plain caption: the kind's name and its formulas
  Curve2D,    // 2D curves, intersections, step and stem plots: by form and coordinates
  Ribbon,     // 2.5D ribbons
  Table,      // table graphs: the kind's name and the table's name
  Point,      // points: the coordinates' formulas
  Form3D,     // 3D curves and surfaces: the kind's name sets the prefix of later revolutions
  Revolution, // surfaces of revolution: the prefix the last 3D curve or surface set
  Vector,     // vectors and vector operations: the kind's name alone
  Special,    // colour maps, contour and vector plots: the kind's name and x, y, z
  Graph4D,    // 4D graphs: the kind's name and v
};

// The drawer of a kind (the branch that Graph::Draw runs).
enum class GraphDrawer {
  None,       // nothing is drawn
  Curve2D,    // 2D curves of every form, intersections, step and stem plots
  Curve3D,    // 3D curves
  Surface,    // surfaces, table surfaces, colour maps, surfaces of revolution
  Ribbon,     // 2.5D ribbons and 2.5D tables
  Table2D,    // 2D tables
  Points,     // points
  Contour,    // contour plots
  VectorPlot, // vector plots
  Vectors,    // vectors and vector operations
  Graph4D,    // 4D graphs
};

// The property dialog that edits a kind (None: no dialog edits it).
enum class GraphDialog {
  None,
  Curve2DDialog,         // 2D function graph
  RibbonDialog,          // 2.5D function graph
  Graph3DDialog,         // 3D function graph
  Graph4DDialog,         // 4D function graph
  PointPropertiesDialog, // point
  PointAnimationDialog,  // point animation
  ContourPlotDialog,     // contour plot
  ColorMapDialog,        // colour map
  VectorPlotDialog,      // vector plot
  StepStemDialog,        // step and stem plot
  Table2DDialog,         // 2D table graph
  Table25DDialog,        // 2.5D table graph
  Table3DDialog,         // 3D table graph
};

struct GraphKindRow {
  int32_t Type;          // GraphType
  const char* Name;      // the kind's name in captions ("2D Curve", "Point Animation" ...)
  RecordKind Record;     // the record the document text gives it
  CaptionFamily Caption; // how the graph list captions it
  bool Animated;         // an animation kind (drawn and sampled per frame)
  bool SampledWhenShown; // checking its row in the graph list samples it
  bool Clipped;          // with Clip set, drawn within ClipMinZ .. ClipMaxZ (Cartesian only)
  GraphDrawer Drawer;
  GraphDialog Dialog;
};

// Every kind, in GraphType order.
std::span<const GraphKindRow> GraphKindTable();

// The row of a kind; for a code of no kind, a row named "Graph" with no record, the plain
// caption, sampled when shown, no drawer and no dialog.
const GraphKindRow& GraphKind(int32_t graphType);
inline const GraphKindRow& GraphKind(const Graph& graph) { return GraphKind(graph.GraphType); }
