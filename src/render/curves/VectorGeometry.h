#pragma once
// The geometry and report texts of vector graphs, apart from drawing: the arrow of a vector
// (shaft, cone head turned onto its direction, direction angles), the arrow heads of its
// components and projections, the report lines of a vector and of a vector operation, and the
// arrows of a vector plot. The drawers emit what these functions return.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sampling/VectorOperations.h"

class Graph;
template <int Rank> class PointArray;

// A cone head: GLU builds the cone along +z from its base; the head is translated to Base and
// turned by AngleDegrees about Axis, which takes +z onto the arrow's direction.
struct ArrowHead {
  Vec3f Base;          // centre of the cone's base, in scene units
  Vec3f Axis{1, 0, 0}; // unit rotation axis
  float AngleDegrees = 0.0f;
  float Height = 0.0f;
  float Radius = 0.0f;
};

// The head of a vector arrow: radius 0.3, height 0.82, base 0.8 back from the end point, so the
// apex lies 0.02 beyond it.
inline constexpr float kVectorHeadRadius = 0.3f;
inline constexpr float kVectorHeadHeight = 0.82f;
inline constexpr float kHeadSetBack = 0.8f;
// The head of a component or projection arrow: height 0.8, apex exactly at the end.
inline constexpr float kAxisHeadHeight = 0.8f;
// The spheres at the ends of an arrow.
inline constexpr float kEndSphereRadius = 0.2f;

// The arrow from S to E (scene order, data units), drawn at its coordinates less the centre C.
struct VectorArrow {
  Vec3f From, To;      // the shaft, less the centre
  float Module = 0.0f; // |E - S|
  Vec3f Unit;          // (E - S) / Module; zero for a zero vector
  // The direction angles of the unit vector with the scene's x, y and z axes, 0 .. 180 degrees.
  float AngleX = 0.0f, AngleY = 0.0f, AngleZ = 0.0f;
  bool HasHead = false; // a vector of no length has no direction and so no head
  ArrowHead Head;
};

VectorArrow MakeVectorArrow(const Vec3f& s, const Vec3f& e, const Vec3f& centre);

// The rotation (axis, angle in degrees) that takes +z onto the unit vector u: about +z x u by the
// angle between them; about the x axis by 180 degrees for u = -z.
void RotationFromZ(const Vec3f& u, Vec3f& axis, float& angleDegrees);

// The head of a component or projection arrow ending at the scene point P (less the centre) along
// scene axis 0 (x), 1 (y) or 2 (z), pointing the positive way when the component d is above 0 and
// the negative way when it is 0 or below, its apex at P. Only a component that is not a number
// gets no head.
bool AxisArrowHead(const Vec3f& p, int axis, float d, ArrowHead& head);

// The nine edges of the box spanned by B and E that do not touch B, as the spans of GL_LINES.
std::array<std::array<Vec3f, 2>, 9> FarBoxEdges(const Vec3f& b, const Vec3f& e);

// The report of a Vector graph: nine lines without their line ends. The document's axes name the
// scene's: x is the scene z, y the scene x, z the scene y.
std::vector<std::string> VectorReportLines(const Graph& g, const VectorArrow& arrow);

// The report of a VectorOperation graph, lines without their line ends.
std::vector<std::string> VectorOperationReportLines(const Graph& g,
                                                    const VectorOperationOutcome& o);

// One arrow of a vector plot in the plane: a shaft from the base to the tip and a head of 21 rim
// points around the tip (point 20 closes the circle).
struct PlotArrow {
  float BaseX = 0.0f, BaseY = 0.0f, TipX = 0.0f, TipY = 0.0f;
  std::array<float, 21> RimX{}, RimY{};
};

// The head's radius, a double: the rim offsets are worked out in double precision.
inline constexpr double kPlotHeadRadius = 0.04;

// The angle of rim point k (0 .. 20) of a vector plot's arrow head: k times 0.31416, the product
// taken in double precision and then kept as a float.
float PlotHeadAngle(int k);

// The arrows of a vector plot sampled into grid (0 .. stepU, 0 .. stepV; a point holds Y, Z, X
// of the formulas in x, y, z): one at every inner node whose Z and the Z of its four neighbours
// are defined, pointing along the change of Z over one grid step (u along the X direction, v
// along Y). Nodes the grid does not hold get no arrow.
std::vector<PlotArrow> VectorPlotArrows(const PointArray<2>& grid, int32_t stepU, int32_t stepV);
