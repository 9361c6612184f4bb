#pragma once
// Looking a value up in a list of colour stops: the value's percentage of a range finds the pair
// of stops around it and the colour is interpolated between them. The graph's own lookup and the
// private scheme copies of the slice contours and the isosurfaces share this arithmetic; they
// differ only in how a value on the upper stop of a pair is matched.

#include <array>
#include <cstdint>

#include "render/surfaces/ColorSchemes.h"

// A scheme as a holder keeps it: the stops in use and their positions and colours.
struct SchemeStops {
  int32_t Count = 0;
  std::array<ColorStop, 31> Stops{};

  void Load(const NamedColorScheme& scheme);
};

enum class StopPairTest {
  Closed,   // P(i) <= t <= P(i + 1)
  HalfOpen, // P(i) <= t < P(i + 1)
};

// Writes the colour of value (as fractions 0 .. 1) into rgb and returns true when the percentage
// (value - min) / range * 100 finds a stop pair or lies within 0.0001 of the last stop; otherwise
// rgb is left as it was and the result is false. A range of 0 finds nothing.
bool LookUpStops(const SchemeStops& scheme, float value, float min, float range, StopPairTest test,
                 std::array<float, 3>& rgb);
