#pragma once
// The geometry of 3D curves and 2.5D ribbons, apart from drawing: the tangent and the normal
// plane patch of a space curve at a point, and a ribbon's quadrilaterals with their face and
// vertex normals and corner colours. The drawers emit what these functions return.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/BoundingBox.h"
#include "sampling/VectorOperations.h"

// ---- 3D curves (points in formula order X, Y, Z) ----

// The forms of a 3D curve whose tangents and normal planes are drawn, each read as sampling reads
// it, so that a tangent touches the curve drawn:
//   Cartesian    parametric: (X, Y, Z) = (ExpressX, ExpressY, ExpressZ) of u
//   Cylindrical  parametric: angle ExpressX, radius ExpressY, height ExpressZ, of u
//   Spherical    parametric: azimuth ExpressX, polar angle ExpressY, radius ExpressZ, of u
//   ExplicitX, ExplicitY     explicit Cartesian: height ExpressZ of x (point (t, 0, h)) or of y
//                            (point (0, t, h))
//   ExplicitR, ExplicitA     explicit cylindrical: height of r (point (t, 0, h)) or of a (the
//                            point (0, 0, h) on the vertical axis)
// None for every other form: explicit spherical curves (their polar angle b has no derivative in
// the formula engine), implicit forms, other coordinate systems, and an explicit formula that
// names neither variable of its system (its curve is one point).
enum class SpaceCurveForm {
  None,
  Cartesian,
  Cylindrical,
  Spherical,
  ExplicitX,
  ExplicitY,
  ExplicitR,
  ExplicitA
};

// The form of a curve from its FunForm, CoordType and, for the explicit forms, the postfix text of
// ExpressZ: as in sampling, the variable of the system named last decides ("XX" or "YY",
// "RR" or "AA").
SpaceCurveForm SpaceCurveFormOf(int32_t funForm, int32_t coordType, const std::string& postfixZ);

// The point P and the derivative D by the parameter, in formula order, at parameter t, from the
// form's formula values v and their derivatives d at t (for the explicit forms only v.x and d.x,
// ExpressZ and its derivative by its variable, are read). False for None or where a value is
// undefined or overflows.
bool SpaceCurvePoint(SpaceCurveForm form, float t, const Vec3f& v, const Vec3f& d, Vec3f& p,
                     Vec3f& dir);

// The tangent at P with derivative D: from P - D to P + D.
std::array<Vec3f, 2> CurveTangent(const Vec3f& p, const Vec3f& d);

// The patch of the plane through P perpendicular to D: the unit square centred on P across two
// formula axes, lifted onto the plane along the third. The third axis is Z, or Y where Z' is 0, or
// X where Y' is 0 too. False, with nothing to draw, for D = 0 or a patch that overflows.
// Corners in drawing order: offsets (-0.5, -0.5), (-0.5, 0.5), (0.5, 0.5), (0.5, -0.5) on the two
// axes in the order X, Y, Z.
bool NormalPlanePatch(const Vec3f& p, const Vec3f& d, std::array<Vec3f, 4>& corners);

// ---- ribbons (points in scene order, data units) ----

using Rgb3 = std::array<float, 3>;

// The colour of a value by the graph's colour map: value, low end, extent.
using ColourLookup = std::function<Rgb3(float value, float low, float extent)>;

struct RibbonStyle {
  int32_t FillStyle = 0;
  Rgb3 First{}, Second{}; // FirstColor, SecondColor as fractions
  BoundingBox Box;        // the graph's own box (both rows)
  ColourLookup ColorMap;  // for the colour-map fill
};

// Quadrilateral j: P0 = front j, P1 = back j, P2 = back j + 1, P3 = front j + 1.
struct RibbonQuad {
  std::array<Vec3f, 4> Corner;
  Vec3f FaceNormal;
  std::array<Vec3f, 4> Normal; // vertex normals of P0 .. P3
  std::array<Rgb3, 4> Colour;
  bool Defined = true; // no coordinate is UndefinedValue
};

struct RibbonMesh {
  std::vector<RibbonQuad> Quads;
  bool Closed = false; // the ends meet (each coordinate of both rows within 0.001)
};

// The unit normal of a quadrilateral: the cross product of its diagonals P0 - P2 and P1 - P3,
// (0, 0, 0) when they are parallel.
Vec3f RibbonFaceNormal(const Vec3f& p0, const Vec3f& p1, const Vec3f& p2, const Vec3f& p3);

// The ribbon between the front row (the curve) and the back row, both of the same length (at
// least two points): face normals, vertex normals (the sum of the neighbouring faces, joined
// across the seam of a closed ribbon, normalised) and the corner colours of the fill style:
// gradients from Second at the box's low end to First at its high end across x (1), z (2) or
// y (3), Second alone (4), the colour map of y (5), black for any other style.
RibbonMesh BuildRibbon(const std::vector<Vec3f>& front, const std::vector<Vec3f>& back,
                       const RibbonStyle& style);
