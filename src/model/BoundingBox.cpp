#include "model/BoundingBox.h"

Cls1& PolarRegionBox() {
  static Cls1 box;
  return box;
}
