#pragma once
// The arithmetic of vector graphs, apart from drawing: the result of a vector operation (sum,
// difference, multiple, dot and cross product) with the angle between its two vectors, the
// direction angles of a vector, and the box of a vector operation, which covers the arrows its
// drawing shows. Vectors are in scene order (x, vertical y, z) and data units.

#include <cstdint>

class Graph;
struct BoundingBox;

struct Vec3f {
  float x = 0.0f, y = 0.0f, z = 0.0f;
  bool operator==(const Vec3f&) const = default;
};

// The operations of a VectorOperation graph (VecOperation).
enum VecOperationCode : int32_t {
  VectorSum = 1,        // V2 + V1
  VectorDifference = 2, // V2 - V1
  VectorMultiple = 3,   // k * V1
  DotProduct = 4,       // V1 . V2, reported only
  CrossProduct = 5,     // V1 x V2
};

struct VectorOperationOutcome {
  Vec3f V1, V2;
  int32_t Operation = 0;
  bool ShowsSecond = true;   // the second vector is drawn (not for the multiple)
  bool HasResult = false;    // a result arrow is drawn (sum, difference, multiple, cross)
  Vec3f R;                   // the result arrow
  float Dot = 0.0f;          // the dot product
  float AngleDegrees = 0.0f; // the angle between V1 and V2, 0 .. 180 (90 when one is zero)
};

// V1 = (VecDX, VecDY, VecDZ), V2 = (VecDX2, VecDY2, VecDZ2) and the result of VecOperation,
// component by component in single precision. Any other operation gives the two vectors only.
VectorOperationOutcome ComputeVectorOperation(const Graph& g);

// The length of a vector: the square root, in double precision, of the single-precision sum of
// the squared components.
float VectorModule(const Vec3f& v);

// An angle in radians as the degrees the reports show (divided by 3.1416, times 180).
float ReportDegrees(double radians);

// The direction angle of a unit component, 0 .. 180 degrees as ReportDegrees gives it. A
// component of exactly 0 is taken as 0.0000001 (just under 90).
float DirectionDegrees(float unitComponent);

// The box of a vector operation graph: on every axis from -(M + 3) to M + 3, M the largest
// magnitude among the ends of the drawn arrows (V1, V2 unless not drawn, the result), so the
// origin where they start lies inside. The graph's own box receives -M .. M.
BoundingBox VectorOperationBoxOf(Graph& g);
