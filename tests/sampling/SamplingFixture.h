#pragma once
// Shared set-up of the sampling tests: program-wide values at their start-up defaults, scripted
// dialogs, and small helpers to build a graph and read its points.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "sampling/Sampling.h"
#include "support/ProgramStateReset.h"

namespace sampling_test {

inline constexpr float U = UndefinedValue;
inline constexpr float kPi = 3.14159265358979323846f;

// Program-wide values at their defaults for each test, restored afterwards.
class SamplingTest : public ProgramStateTest {
protected:
  ScopedScriptedDialogs dialogs;
};

// A graph of a kind with its three formulas and both domains.
inline std::unique_ptr<Graph> MakeGraph(int32_t type, int32_t coord, int32_t form,
                                        const std::string& x, const std::string& y,
                                        const std::string& z) {
  auto g = std::make_unique<Graph>();
  g->GraphType = type;
  g->CoordType = coord;
  g->FunForm = form;
  g->ExpressX = x;
  g->ExpressY = y;
  g->ExpressZ = z;
  return g;
}

// A 4D graph (still or animated) in a 4D document, its value formula v over Cartesian x, y, z.
inline std::unique_ptr<Graph> Make4DGraph(int32_t type, const std::string& v) {
  DocumentType = DocumentType4D;
  auto g = MakeGraph(type, Cartesian3D, Explicit, "0", "0", "0");
  g->ExpressV = v;
  return g;
}

inline void Domain(Graph& g, float minU, float maxU, int32_t stepU, float minV, float maxV,
                   int32_t stepV) {
  g.MinU = minU;
  g.MaxU = maxU;
  g.StepU = stepU;
  g.MinV = minV;
  g.MaxV = maxV;
  g.StepV = stepV;
}

// The w domain of a 4D graph or implicit surface.
inline void DomainW(Graph& g, float minW, float maxW, int32_t stepW) {
  g.MinW = minW;
  g.MaxW = maxW;
  g.StepW = stepW;
}

// An animated graph with its frame values and the program's FrameCount.
inline void Animate(Graph& g, float minT, float maxT, int32_t frames) {
  g.Animation = true;
  g.MinT = minT;
  g.MaxT = maxT;
  FrameCount = frames;
}

struct P3 {
  float x, y, z;
};

inline uint32_t Bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

// A point equals (x, y, z) within a few units of the last place (exactly for UndefinedValue).
inline ::testing::AssertionResult Near(const GraphPoint& p, P3 e, float tol = 2e-6f) {
  auto same = [tol](float a, float b) {
    if (a == U || b == U) return a == b;
    return std::fabs(a - b) <= tol * std::max(1.0f, std::fabs(b));
  };
  if (same(p.x, e.x) && same(p.y, e.y) && same(p.z, e.z)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "point (" << p.x << ", " << p.y << ", " << p.z << ") expected (" << e.x << ", " << e.y
         << ", " << e.z << ")";
}

inline bool AllUndefined(const GraphPoint& p) { return p.x == U && p.y == U && p.z == U; }
inline bool AtOrigin(const GraphPoint& p) { return p.x == 0 && p.y == 0 && p.z == 0; }

} // namespace sampling_test
