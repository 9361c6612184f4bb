#include "model/Cls1.h"

Cls1& PolarRegionBox() {
  static Cls1 box;
  return box;
}
