// Members of Cls9 whose bodies belong to other subsystems and are not built yet. Whoever builds
// one of these members deletes its stub here in the same commit that defines it in their own
// folder (otherwise the link has two definitions).

#include "model/Cls9.h"

// ---------------------------------------------------------------------------------------------
// Surface rendering (src/render/surfaces): DrawLegend. The colour legend of surfaces and 4D
// graphs is not drawn yet; the scene simply has no legend (the README says so).
void Cls9::DrawLegend(float, float, float, float, float, float, float, float, float, float) {}
