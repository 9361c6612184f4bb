// Branches of graph kinds whose drawing is not built yet (2D tables): each draws nothing. Whoever
// builds one replaces its body here or moves it to a file of its own.

#include "render/curves/DrawFrame.h"

void DrawTable2D(DrawContext&) {}
