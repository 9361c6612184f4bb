// Branches of graph kinds whose drawing is not built yet (3D curves, ribbons and 2.5D tables, 2D
// tables, vector plots, vectors and vector operations): each draws nothing. Whoever builds one
// replaces its body here or moves it to a file of its own.

#include "render/curves/DrawFrame.h"

void Draw3DCurve(DrawContext&) {}

void DrawRibbon(DrawContext&) {}

void DrawTable2D(DrawContext&) {}

void DrawVectorPlot(DrawContext&) {}

void DrawVectors(DrawContext&) {}
