#pragma once
// What the drawers of the graph kinds (the cases of Graph::Draw) share: the working state made
// anew for each drawing, the mapping of data points into the scene, and the drawers themselves.
// Internal to the curve drawers.

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "formula/FormulaParser.h"
#include "formula/CompiledFormula.h"
#include "model/GraphPoint.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

// What the 2D analysis stages of one drawing share (CurveAnalysis.cpp).
struct CurveAnalysisState;

// The working state of one drawing of one graph.
struct DrawContext {
  DrawContext(Graph& graph, int32_t step) : g(graph), Step(step) {}

  Graph& g;
  int32_t Step; // the animation step drawn (0 for still graphs)
  // ExpressX, ExpressY, ExpressZ with the "*" of implicit products written in; the drawers
  // compile these, the report quotes the graph's own texts.
  std::string ExprX, ExprY, ExprZ;
  // One evaluator for every compilation of this drawing.
  FormulaParser Evaluator;
  // SecondColor, FirstColor and LineColor as red, green, blue fractions.
  std::array<float, 3> SecondRgb{}, FirstRgb{}, LineRgb{};
  // The marker point shared by every marker of the 2D analysis (roots, stem heads ...); its z
  // stays 0.
  GraphPoint Marker;
  // The compiled formulas, samples and intersections of the 2D analysis, made by its first stage.
  std::shared_ptr<CurveAnalysisState> Analysis;

  // Compiles a processed formula text once for this drawing. False when it does not compile (the
  // evaluator has shown its syntax message then).
  bool Compile(const std::string& text, CompiledFormula& out);
};

// The scene vertex of a data point: (x / AxisScaleX - SceneCenterX, ...), in single precision.
inline void SceneVertex(float x, float y, float z) {
  glVertex3f(x / AxisScaleX - SceneCenterX, y / AxisScaleY - SceneCenterY,
             z / AxisScaleZ - SceneCenterZ);
}

// One GL_LINES primitive between two data points.
inline void SceneSegment(float x1, float y1, float z1, float x2, float y2, float z2) {
  glBegin(GL_LINES);
  SceneVertex(x1, y1, z1);
  SceneVertex(x2, y2, z2);
  glEnd();
}

inline void SetColour(const std::array<float, 3>& rgb) { glColor3f(rgb[0], rgb[1], rgb[2]); }
inline void SetColour(int32_t colour) {
  float r = 0, g = 0, b = 0;
  ColorToRgb(colour, r, g, b);
  glColor3f(r, g, b);
}

// The line state of the flat drawings: lighting off, smoothed lines blended by alpha.
void BeginFlatLines();

// ---- the drawers (each returns when its graph is drawn or its drawing ends early) ----

// 2D curves of every form (Curve2D, Curve2DAnimation, Intersection, StepStemPlot): the header,
// then by FunForm.
void DrawCurve2DGraph(DrawContext& c);
// Explicit and Parametric: the curve pass with its overlays and analysis.
void DrawCurvePass(DrawContext& c);
// Implicit: the zero level of ExpressZ traced on a sample grid.
void DrawImplicitCurve(DrawContext& c);
// Inequality: the points of a lattice where ExpressZ is negative.
void DrawInequalityRegion(DrawContext& c);

// Points (PointMarker, PointAnimation), contour plots (ContourPlot) and 4D graphs (Function4D,
// Function4DAnimation).
void DrawPointGraph(DrawContext& c);
void DrawContourPlot(DrawContext& c);
void Draw4DGraph(DrawContext& c);

// 2D tables (Table2D): line plot, smooth curve and markers.
void DrawTable2D(DrawContext& c);

// The value of T a 2D form's formulas see: MinT + step * (MaxT - MinT) / FrameCount for animated
// curves, 0 for every other kind.
float CurveTime(const DrawContext& c);

// 3D curves (Curve3D, Curve3DAnimation) with tangents and normal planes; ribbons and 2.5D tables
// (Ribbon25D, Table25D, Ribbon25DAnimation), which leave their polygon mode and shade model to the frame to restore.
void Draw3DCurve(DrawContext& c);
void DrawRibbon(DrawContext& c);
// Vector plots (VectorPlot); vectors and vector operations (Vector, VectorOperation) with their report lines.
void DrawVectorPlot(DrawContext& c);
void DrawVectors(DrawContext& c);

