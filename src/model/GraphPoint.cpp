#include "model/GraphPoint.h"

#include <cmath>

void ColorToRgb(int32_t colour, float& red, float& green, float& blue) {
  const double c = colour;
  const float b = static_cast<float>(std::trunc(c / 256.0 / 256.0));
  const float g = static_cast<float>(std::trunc((c - double{b} * 256.0 * 256.0) / 256.0));
  const float r = static_cast<float>(std::trunc(c - double{b} * 65536.0 - double{g} * 256.0));
  red = r / 255.0f;
  green = g / 255.0f;
  blue = b / 255.0f;
}
