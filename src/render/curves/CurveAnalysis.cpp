// The analysis stages of a 2D curve that are not built yet: each draws and reports nothing and
// lets the drawing go on.

#include "render/curves/CurveAnalysis.h"

#include "render/curves/DrawFrame.h"

bool DrawIntegralStage(DrawContext&) { return true; }

bool DrawSecondFunctionStage(DrawContext&) { return true; }

bool DrawSecondFunctionSegment(DrawContext&, const CurveSegment&) { return true; }

bool DrawDerivativeStage(DrawContext&) { return true; }

bool DrawTangentStage(DrawContext&) { return true; }

bool DrawInflexionStage(DrawContext&) { return true; }
