#include "model/BoundingBox.h"

BoundingBox& PolarRegionBox() {
  static BoundingBox box;
  return box;
}
