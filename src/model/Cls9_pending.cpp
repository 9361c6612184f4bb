// Members of Cls9 whose bodies belong to other subsystems and are not built yet. Each stub says
// so clearly when it is reached. Whoever builds one of these members deletes its stub here in the
// same commit that defines it in their own folder (otherwise the link has two definitions).

#include "model/Cls9.h"

#include <stdexcept>

// ---------------------------------------------------------------------------------------------
// Surface rendering (src/render/surfaces): DrawLegend
void Cls9::DrawLegend(float, float, float, float, float, float, float, float, float, float) {
  throw std::logic_error("Cls9::DrawLegend is not built yet (surface rendering)");
}
