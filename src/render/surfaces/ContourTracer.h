#pragma once
// Level lines of a function sampled on a rectangular grid. The tracer finds where a level
// crosses every grid edge and follows each line from edge to edge through the cells: lines that
// reach the border first, closed lines inside afterwards. It returns the lines as data in tracer
// coordinates (x along the second index, y along the first; node (i, j) at (j * dx, i * dy));
// the drawers place and emit them (GridContours for implicit curves, contour plots and surface
// floors; the 4D slices use the same tracing).

#include <cstddef>
#include <cstdint>
#include <vector>

// A caller's sample grid, nodes (1 .. m, 1 .. n), addressed from 1 as the drawers fill it.
class ContourGrid {
public:
  ContourGrid(int32_t m, int32_t n) : m_m(m), m_n(n), m_values(static_cast<size_t>(m) * n, 0.0f) {}
  int32_t Rows() const { return m_m; }
  int32_t Cols() const { return m_n; }
  float& operator()(int32_t i, int32_t j) { return m_values[Index(i, j)]; }
  float operator()(int32_t i, int32_t j) const { return m_values[Index(i, j)]; }

private:
  size_t Index(int32_t i, int32_t j) const;
  int32_t m_m, m_n;
  std::vector<float> m_values;
};

struct TracerPoint {
  float x, y;
};

// One traced line: its points in order (at least two). A closed line ends near its start.
using ContourLine = std::vector<TracerPoint>;

// How an edge is judged to carry a crossing.
enum class CrossingTest {
  Exact, // one node strictly above the level, the other strictly below
  Band,  // the zero level of implicit curves: above >= 1e-7, below <= -1e-7
};

// The lines of one level. Edges with a node equal to UndefinedValue carry no crossing, so a
// curve is never traced through cells where the function has no value. A line has closed, or
// reached the first row or column, when its point lies closer than `closeness` to the start, or
// to that row or column.
std::vector<ContourLine> TraceLevel(const ContourGrid& grid, float dx, float dy, float level,
                                    CrossingTest test, float closeness = 1e-7f);

// Moves every node within 0.0001 of the level up by 0.00001 (undefined nodes stay as they are),
// so that no node lies on a level exactly.
void NudgeGrid(ContourGrid& grid, float level);

// The levels of a contour plot: `count` equal intervals from the grid's minimum to its maximum,
// accumulated in single precision. A negative count gives none; a grid whose values are all
// equal gives its one value; a count of 0 gives none. Undefined nodes are not part of the range.
// `minimum` and `maximum` receive the range.
std::vector<float> ContourLevels(const ContourGrid& grid, float count, float& minimum,
                                 float& maximum);

// Caps that keep a malformed request finite.
constexpr int32_t kMaxContourGridSide = 500;
constexpr size_t kMaxContourLevels = 10000;
