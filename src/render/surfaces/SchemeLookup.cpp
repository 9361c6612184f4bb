#include "render/surfaces/SchemeLookup.h"

#include <cmath>

void SchemeStops::Load(const NamedColorScheme& scheme) {
  Count = static_cast<int32_t>(scheme.Stops.size());
  for (size_t i = 0; i < scheme.Stops.size(); ++i)
    Stops[i] = scheme.Stops[i];
}

bool LookUpStops(const SchemeStops& scheme, float value, float min, float range, StopPairTest test,
                 std::array<float, 3>& rgb) {
  const int32_t n = scheme.Count;
  if (n < 1 || n > 31 || range == 0.0f) return false;
  const float share = (value - min) / range;
  const float t = share * 100.0f;
  bool found = false;
  float c[3] = {0, 0, 0};
  for (int32_t i = 0; i + 1 < n; ++i) {
    const ColorStop& a = scheme.Stops[size_t(i)];
    const ColorStop& b = scheme.Stops[size_t(i + 1)];
    const bool inside = test == StopPairTest::Closed ? (a.Position <= t && t <= b.Position)
                                                     : (a.Position <= t && t < b.Position);
    if (!inside || !(b.Position > a.Position)) continue;
    const float f = (t - a.Position) / (b.Position - a.Position);
    c[0] = static_cast<float>(double(f) * double(b.Red - a.Red) + double(a.Red));
    c[1] = static_cast<float>(double(f) * double(b.Green - a.Green) + double(a.Green));
    c[2] = static_cast<float>(double(f) * double(b.Blue - a.Blue) + double(a.Blue));
    found = true;
    break;
  }
  const ColorStop& last = scheme.Stops[size_t(n - 1)];
  const float fromLast = t - last.Position;
  if (std::fabs(fromLast) < 0.0001f) {
    c[0] = float(last.Red);
    c[1] = float(last.Green);
    c[2] = float(last.Blue);
    found = true;
  }
  if (!found) return false;
  for (size_t k = 0; k < 3; ++k)
    rgb[k] = c[k] / 255.0f;
  return true;
}
