#include "render/surfaces/SliceContours.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "formula/FormulaGlobals.h"
#include "model/GraphPoint.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

std::vector<float> SliceContourLevels(const ContourGrid& grid, float spacing, float& minimum,
                                      float& maximum) {
  std::vector<float> levels;
  maximum = -1e10f;
  minimum = 1e10f;
  for (int32_t i = 1; i <= grid.Rows(); ++i)
    for (int32_t j = 1; j <= grid.Cols(); ++j) {
      const float v = grid(i, j);
      if (v == UndefinedValue || !std::isfinite(v)) continue;
      maximum = std::max(maximum, v);
      minimum = std::min(minimum, v);
    }
  const bool kindHasLevels = DocumentType == DocumentType3D || DocumentType == DocumentType3DAlso ||
                             DocumentType == DocumentTypeSpecial || DocumentType == DocumentType4D;
  if (!kindHasLevels || !(spacing > 0.0f) || !std::isfinite(spacing) || minimum > maximum)
    return levels;
  minimum = static_cast<float>(std::floor(double(minimum / spacing))) * spacing;
  maximum = static_cast<float>(std::floor(double(maximum / spacing))) * spacing;
  for (float level = minimum; level <= maximum && levels.size() < kMaxContourLevels;) {
    levels.push_back(level);
    const float next = level + spacing;
    if (!(next > level)) break; // the spacing is lost in the level's rounding
    level = next;
  }
  return levels;
}

bool SliceContours::Place(float X, float Y, float z, std::array<float, 3>& scene) {
  switch (DocumentType) {
  case DocumentTypeSpecial:
    scene = {Y - SceneCenterX, X - SceneCenterY, -SceneCenterZ};
    return true;
  case DocumentType3D:
  case DocumentType3DAlso:
    scene = {X / AxisScaleX - SceneCenterX, z / AxisScaleY + 0.08f - SceneCenterY,
             Y / AxisScaleZ - SceneCenterZ};
    return true;
  case DocumentType4D:
    switch (ContourSlicePlane) {
    case 1:
      scene = {X / AxisScaleX - SceneCenterX, z / AxisScaleY - SceneCenterY,
               Y / AxisScaleZ - SceneCenterZ};
      return true;
    case 2:
      scene = {Y / AxisScaleX - SceneCenterX, X / AxisScaleY - SceneCenterY,
               z / AxisScaleZ - SceneCenterZ};
      return true;
    case 3:
      scene = {z / AxisScaleX - SceneCenterX, X / AxisScaleY - SceneCenterY,
               Y / AxisScaleZ - SceneCenterZ};
      return true;
    default:
      return false;
    }
  default:
    return false;
  }
}

void SliceContours::Contour(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0,
                            float y0, float z, float levelSpacing, int32_t fillStyle,
                            int32_t firstColor, int32_t secondColor, int32_t lineWidth,
                            const std::string& colorName) {
  m_segments.clear();
  CentreX = static_cast<float>(m / 2) * dx + x0;
  CentreY = static_cast<float>(n / 2) * dy + y0;
  NearestDistance = 1e9f;
  m = std::min(m, S0.Rows());
  n = std::min(n, S0.Cols());

  std::vector<float> levels;
  float minimum = 0, maximum = 0;
  ContourGrid grid(std::max(m, 0), std::max(n, 0));
  if (m >= 2 && n >= 2) {
    for (int32_t i = 1; i <= m; ++i)
      for (int32_t j = 1; j <= n; ++j)
        grid(i, j) = S0(i, j);
    levels = SliceContourLevels(grid, levelSpacing, minimum, maximum);
    for (float level : levels) {
      NudgeGrid(S0, level);
      NudgeGrid(grid, level);
    }
  }

  glDisable(GL_LIGHTING);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glLineWidth(static_cast<float>(lineWidth));
  float r1 = 0, g1 = 0, b1 = 0, r2 = 0, g2 = 0, b2 = 0;
  if (fillStyle != ColorMapFill) {
    ColorToRgb(firstColor, r1, g1, b1);
    ColorToRgb(secondColor, r2, g2, b2);
  }
  const bool special = DocumentType == DocumentTypeSpecial;
  const bool tracksNearest = special || DocumentType == DocumentType3D || DocumentType == DocumentType3DAlso;

  for (float level : levels) {
    if (fillStyle == SingleColor) {
      glColor3f(r2, g2, b2);
    } else if (fillStyle == GradientTopBottom) {
      const float span = maximum - minimum;
      const float t = span > 0.0f ? (level - minimum) / span : 0.0f;
      glColor3f(r2 + (r1 - r2) * t, g2 + (g1 - g2) * t, b2 + (b1 - b2) * t);
    } else if (fillStyle == ColorMapFill) {
      std::string upper = UpperCaseName(colorName);
      if (!upper.empty() && upper[0] == '@') upper.erase(0, 1);
      if (const NamedColorScheme* scheme = FindColorScheme(upper)) m_scheme.Load(*scheme);
      std::array<float, 3> rgb{};
      if (LookUpStops(m_scheme, level, minimum, maximum - minimum, StopPairTest::HalfOpen, rgb))
        glColor3f(rgb[0], rgb[1], rgb[2]);
    }
    for (const ContourLine& line : TraceLevel(grid, dx, dy, level, CrossingTest::Exact, 1e-10f))
      for (size_t k = 0; k + 1 < line.size(); ++k) {
        const float xs = line[k].x + x0, ys = line[k].y + y0;
        const float xe = line[k + 1].x + x0, ye = line[k + 1].y + y0;
        Segment s;
        if (Place(xs, ys, z, s.from) && Place(xe, ye, z, s.to)) {
          glBegin(GL_LINES);
          glVertex3f(s.from[0], s.from[1], s.from[2]);
          glVertex3f(s.to[0], s.to[1], s.to[2]);
          glEnd();
          m_segments.push_back(s);
        }
        if (tracksNearest) {
          const float ddx = CentreX - xs, ddy = CentreY - ys;
          const float d = ddx * ddx + ddy * ddy;
          if (d < NearestDistance) {
            NearestX = xs;
            NearestY = ys;
            NearestDistance = d;
          }
        }
      }
  }
  if (special) {
    GraphPoint marker;
    marker.x = NearestY;
    marker.y = NearestX;
    marker.z = 0.0f;
    marker.Color = 0xff0000;
    marker.Size = 1.0f;
    marker.Symbol = 1;
    marker.Draw();
  }
  glEnable(GL_LIGHTING);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
}
