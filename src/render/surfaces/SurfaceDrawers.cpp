// Placeholders of the surface and volume drawers: they draw nothing until those drawers are built.

#include "render/surfaces/SurfaceDrawers.h"

void Draw4DSlices(Cls9&, int32_t) {}

void DrawIsoSurface(const IsoSamples&, float, const std::string&, float, float) {}
