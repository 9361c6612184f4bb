#include "render/surfaces/GridContours.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "model/Graph.h"
#include "model/GraphPoint.h"
#include "model/ProgramState.h"

namespace {

// The m x n corner of the caller's grid when the caller fills fewer nodes than the grid holds.
ContourGrid Corner(const ContourGrid& grid, int32_t m, int32_t n) {
  ContourGrid corner(m, n);
  for (int32_t i = 1; i <= m; ++i)
    for (int32_t j = 1; j <= n; ++j) corner(i, j) = grid(i, j);
  return corner;
}

} // namespace

bool GridContours::Place(int32_t mode, float tracerX, float tracerY, float x0, float y0, float z,
                         std::array<double, 3>& scene) {
  const float X = tracerX + x0;
  const float Y = tracerY + y0;
  switch (DocumentType) {
  case DocumentType2D:
    if (mode == 1) {
      scene = {Y / AxisScaleX - SceneCenterX, X / AxisScaleY - SceneCenterY, z - SceneCenterZ};
      return true;
    }
    if (mode == 2) {
      const float px = X * std::cos(Y);
      const float py = X * std::sin(Y);
      scene = {px / AxisScaleX - SceneCenterX, py / AxisScaleY - SceneCenterY, z - SceneCenterZ};
      return true;
    }
    return false;
  case DocumentTypeSpecial:
    scene = {Y - SceneCenterX, X - SceneCenterY, z - SceneCenterZ};
    return true;
  case DocumentType3D: {
    const float lifted = z + 0.1f;
    scene = {X / AxisScaleX - SceneCenterX, lifted / AxisScaleY - SceneCenterY,
             Y / AxisScaleZ - SceneCenterZ};
    return true;
  }
  default: return false;
  }
}

void GridContours::Run(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0,
                       float y0, float z, const std::vector<float>& levels, float minimum,
                       float maximum, CrossingTest test, int32_t mode, bool gradient,
                       int32_t firstColor, int32_t secondColor, int32_t lineWidth) {
  m_segments.clear();
  m = std::min(m, S0.Rows());
  n = std::min(n, S0.Cols());
  if (m < 2 || n < 2 || m > kMaxContourGridSide || n > kMaxContourGridSide) return;

  for (float level : levels) NudgeGrid(S0, level);
  const bool whole = m == S0.Rows() && n == S0.Cols();
  const ContourGrid grid = whole ? ContourGrid(0, 0) : Corner(S0, m, n);
  const ContourGrid& traced = whole ? S0 : grid;

  glDisable(GL_LIGHTING);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glLineWidth(static_cast<float>(lineWidth));
  float r1, g1, b1, r2, g2, b2;
  ColorToRgb(firstColor, r1, g1, b1);
  ColorToRgb(secondColor, r2, g2, b2);

  for (float level : levels) {
    std::array<float, 3> colour{r2, g2, b2};
    if (gradient && maximum > minimum) {
      const float t = (level - minimum) / (maximum - minimum);
      colour = {r2 + (r1 - r2) * t, g2 + (g1 - g2) * t, b2 + (b1 - b2) * t};
    }
    glColor3f(colour[0], colour[1], colour[2]);
    for (const ContourLine& line : TraceLevel(traced, dx, dy, level, test)) {
      for (size_t k = 0; k + 1 < line.size(); ++k) {
        Segment s;
        if (!Place(mode, line[k].x, line[k].y, x0, y0, z, s.from) ||
            !Place(mode, line[k + 1].x, line[k + 1].y, x0, y0, z, s.to))
          continue;
        s.colour = colour;
        glBegin(GL_LINES);
        glVertex3d(s.from[0], s.from[1], s.from[2]);
        glVertex3d(s.to[0], s.to[1], s.to[2]);
        glEnd();
        m_segments.push_back(s);
      }
    }
  }
  glEnable(GL_LIGHTING);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
}

void GridContours::ContourOne(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0,
                              float y0, float z, int32_t, int32_t firstColor,
                              int32_t secondColor, int32_t lineWidth) {
  Run(m, n, dx, dy, S0, x0, y0, z, {0.0f}, 0, 0, CrossingTest::Band, 1, false, firstColor,
      secondColor, lineWidth);
}

void GridContours::ContourTwo(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0,
                              float y0, float z, int32_t, int32_t firstColor,
                              int32_t secondColor, int32_t lineWidth) {
  Run(m, n, dx, dy, S0, x0, y0, z, {0.0f}, 0, 0, CrossingTest::Band, 2, false, firstColor,
      secondColor, lineWidth);
}

void GridContours::Contour2(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0,
                            float y0, float z, float levelCount, int32_t fillStyle,
                            int32_t firstColor, int32_t secondColor, int32_t lineWidth) {
  float minimum = 0, maximum = 0;
  m = std::min(m, S0.Rows());
  n = std::min(n, S0.Cols());
  const ContourGrid region = (m == S0.Rows() && n == S0.Cols()) ? ContourGrid(0, 0)
                             : (m >= 1 && n >= 1)                ? Corner(S0, m, n)
                                                                 : ContourGrid(0, 0);
  const std::vector<float> levels =
      ContourLevels(region.Rows() ? region : S0, levelCount, minimum, maximum);
  Run(m, n, dx, dy, S0, x0, y0, z, levels, minimum, maximum, CrossingTest::Exact, 1,
      fillStyle != SingleColor, firstColor, secondColor, lineWidth);
}
