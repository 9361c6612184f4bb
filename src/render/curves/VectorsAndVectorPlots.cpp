// The drawing of vectors, vector operations and vector plots: their arrows are built as data
// (VectorGeometry.h) and emitted here, with the report lines of vectors and vector operations.

#include <GL/glu.h>

#include "render/curves/CurveReport.h"
#include "render/curves/DrawFrame.h"
#include "render/curves/VectorGeometry.h"

namespace {

void Vertex(const Vec3f& v) { glVertex3f(v.x, v.y, v.z); }

void Line(const Vec3f& a, const Vec3f& b) {
  glBegin(GL_LINES);
  Vertex(a);
  Vertex(b);
  glEnd();
}

Vec3f Minus(const Vec3f& a, const Vec3f& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vec3f SceneCentre() { return {SceneCenterX, SceneCenterY, SceneCenterZ}; }

// A cone head, lit; GLU builds it along +z from its base.
void EmitHead(const ArrowHead& h) {
  GLUquadric* quadric = gluNewQuadric();
  if (!quadric) return;
  glPushMatrix();
  glTranslatef(h.Base.x, h.Base.y, h.Base.z);
  glRotatef(h.AngleDegrees, h.Axis.x, h.Axis.y, h.Axis.z);
  gluCylinder(quadric, double{h.Radius}, 0.0, double{h.Height}, 16, 16);
  glPopMatrix();
  gluDeleteQuadric(quadric);
}

void EmitSphere(const Vec3f& at) {
  GLUquadric* quadric = gluNewQuadric();
  if (!quadric) return;
  glPushMatrix();
  glTranslatef(at.x, at.y, at.z);
  gluSphere(quadric, double{kEndSphereRadius}, 16, 16);
  glPopMatrix();
  gluDeleteQuadric(quadric);
}

// The shaft unlit in the current colour and width, the head and spheres lit in that colour.
void EmitArrow(const VectorArrow& a, bool startSphere, bool endSphere) {
  Line(a.From, a.To);
  glEnable(GL_LIGHTING);
  if (a.HasHead) EmitHead(a.Head);
  if (startSphere) EmitSphere(a.From);
  if (endSphere) EmitSphere(a.To);
  glDisable(GL_LIGHTING);
}

// The arrow from the origin to v with spheres at both ends, in a colour, width 2.
void OperandArrow(const Vec3f& v, float r, float g, float b) {
  glColor3f(r, g, b);
  glLineWidth(2.0f);
  EmitArrow(MakeVectorArrow({}, v, SceneCentre()), true, true);
}

float Along(const Vec3f& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }
Vec3f With(Vec3f v, int axis, float value) {
  (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = value;
  return v;
}

// An arrow along one scene axis from `from` to `to` (less the centre) with its axis head.
void AxisArrow(const Vec3f& from, const Vec3f& to, int axis, float d) {
  const Vec3f c = SceneCentre();
  Line(Minus(from, c), Minus(to, c));
  ArrowHead head;
  if (!AxisArrowHead(Minus(to, c), axis, d, head)) return;
  glEnable(GL_LIGHTING);
  EmitHead(head);
  glDisable(GL_LIGHTING);
}

void DrawVectorGraph(DrawContext& c) {
  Graph& g = c.g;
  const Vec3f b{g.VecBeginX, g.VecBeginY, g.VecBeginZ};
  const Vec3f e{g.VecEndX, g.VecEndY, g.VecEndZ};
  const Vec3f centre = SceneCentre();
  const VectorArrow arrow = MakeVectorArrow(b, e, centre);
  for (const std::string& line : VectorReportLines(g, arrow))
    AppendReportLine(line);

  SetColour(g.VecColor);
  glLineWidth(static_cast<float>(g.VecWidth));
  EmitArrow(arrow, g.ShowVecBegin, g.ShowVecEnd);

  const Vec3f d = Minus(e, b);
  if (g.ShowVecB) {
    glColor3f(0.0f, 1.0f, 0.0f);
    for (int axis = 0; axis < 3; ++axis)
      AxisArrow(b, With(b, axis, Along(e, axis)), axis, Along(d, axis));
    glColor3f(1.0f, 1.0f, 0.0f);
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (const auto& edge : FarBoxEdges(b, e)) {
      Vertex(Minus(edge[0], centre));
      Vertex(Minus(edge[1], centre));
    }
    glEnd();
  }
  if (g.ShowVecPrj) {
    glColor3f(0.8f, 0.2f, 0.2f);
    glLineWidth(2.0f);
    for (int axis = 0; axis < 3; ++axis)
      AxisArrow(With({}, axis, Along(b, axis)), With({}, axis, Along(e, axis)), axis,
                Along(d, axis));
  }
}

void DrawVectorOperationGraph(DrawContext& c) {
  const VectorOperationOutcome o = ComputeVectorOperation(c.g);
  for (const std::string& line : VectorOperationReportLines(c.g, o))
    AppendReportLine(line);

  OperandArrow(o.V1, 1.0f, 0.0f, 0.0f);
  if (o.ShowsSecond) OperandArrow(o.V2, 0.0f, 1.0f, 0.0f);
  if (!o.HasResult) return;
  if (o.Operation == CrossProduct)
    OperandArrow(o.R, 1.0f, 0.0f, 1.0f);
  else
    OperandArrow(o.R, 0.0f, 0.0f, 1.0f);
  if (o.Operation == VectorSum || o.Operation == VectorDifference) {
    // The lines that complete the parallelogram of the sum.
    const Vec3f centre = SceneCentre();
    glColor3f(1.0f, 1.0f, 0.0f);
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    Vertex(Minus(o.V1, centre));
    Vertex(Minus(o.R, centre));
    Vertex(Minus(o.R, centre));
    Vertex(Minus(o.V2, centre));
    glEnd();
  }
}

} // namespace

void DrawVectors(DrawContext& c) {
  if (c.g.GraphType != Vector && c.g.GraphType != VectorOperation) return;
  BeginFlatLines();
  if (c.g.GraphType == Vector)
    DrawVectorGraph(c);
  else
    DrawVectorOperationGraph(c);
  glEnable(GL_LIGHTING);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
}

void DrawVectorPlot(DrawContext& c) {
  Graph& g = c.g;
  // The lighting is left as the scene has it, so the arrows are lit like the surfaces around
  // them; they lie in the plane that faces the viewer of a Special document, and take its normal
  // rather than whatever normal the graph drawn before left current.
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  SetColour(c.SecondRgb);
  glNormal3f(0.0f, 0.0f, 1.0f);

  const std::vector<PlotArrow> arrows = VectorPlotArrows(g.Vert3D, g.StepU, g.StepV);
  // The shaft and tip lie at the depth of the lowest value, the rim of the head at depth 0.
  const float shaftZ = g.BoxMinY - SceneCenterZ;
  const float rimZ = -SceneCenterZ;
  auto at = [](float a, float b, float depth) {
    glVertex3f(a - SceneCenterX, b - SceneCenterY, depth);
  };
  glBegin(GL_LINES);
  for (const PlotArrow& a : arrows) {
    at(a.BaseX, a.BaseY, shaftZ);
    at(a.TipX, a.TipY, shaftZ);
  }
  glEnd();
  glBegin(GL_TRIANGLES);
  for (const PlotArrow& a : arrows)
    for (size_t k = 0; k < 20; ++k) {
      at(a.RimX[k], a.RimY[k], rimZ);
      at(a.RimX[k + 1], a.RimY[k + 1], rimZ);
      at(a.TipX, a.TipY, shaftZ);
    }
  glEnd();

  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
}
