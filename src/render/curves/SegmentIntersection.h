#pragma once
// Plane-geometry routines of the 2D analysis: where two straight segments meet. Roots, extrema
// and inflexions are crossings of a sampled curve's segments with the x axis; the intersections
// of two curves are crossings of their segments. All values are single precision and every
// stored result is rounded to single precision before it is compared.

#include <cstdint>

// Slope and intercept of the line through (xa, ya) and (xb, yb). A vertical (or zero-length)
// segment has no slope; it gets the conventional slope 10000 here, but IntersectSegments treats
// vertical segments exactly and never relies on that value.
void LineCoefficients(float xa, float ya, float xb, float yb, float& k, float& b);

float MinOf(float p, float q);
float MaxOf(float p, float q);

// Result of IntersectSegments.
enum SegmentMeet : int32_t { SegmentsApart = 0, SegmentsCross = 1, SegmentsOverlap = 2 };

// Whether segment A (x1, y1)-(x2, y2) and segment B (x3, y3)-(x4, y4) cross (1, at (X, Y)) or
// overlap on one line (2, from (X, Y) to (X2, Y2)), or neither (0). For two non-parallel lines
// X and Y receive the lines' crossing point even when the result is 0; otherwise the outputs are
// written only with a result of 1 or 2.
int32_t IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                          float y4, float& X, float& Y, float& X2, float& Y2);
