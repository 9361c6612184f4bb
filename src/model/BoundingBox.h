#pragma once
// A box aligned with the axes, in data units and single precision: the bounding box of one graph
// or of all graphs of a container. A new box holds 0 in all six bounds; nothing checks that a
// lower bound lies below its upper bound.

struct BoundingBox {
  float MinX = 0.0f;
  float MaxX = 0.0f;
  float MinY = 0.0f;
  float MaxY = 0.0f;
  float MinZ = 0.0f;
  float MaxZ = 0.0f;

  // A box draws nothing.
  void Draw() const {}
  bool operator==(const BoundingBox&) const = default;
};

// The program-wide arc box of polar implicit and inequality curves, created empty at first use
// and never replaced.
BoundingBox& PolarRegionBox();
