// Members of Cls9 whose bodies belong to other subsystems and are not built yet. Whoever builds
// one of these members deletes its stub here in the same commit that defines it in their own
// folder (otherwise the link has two definitions).

#include "model/Cls9.h"
