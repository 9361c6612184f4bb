#pragma once
// The polygon mode that draws a graph in its display model (points, grid or filled surface).

#include <cstdint>

// Sets GL's polygon mode for both faces from a graph's `Show` value; a value that is no display
// model leaves the mode as it is.
void SetPolygonModeOf(int32_t show);
