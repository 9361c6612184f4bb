#pragma once
// A scene source for the scene tests: graphs that draw flat, unlit rectangles given in scene
// units, axes and a background that draw what a test asks for, and a log of every call in order.

#include <GL/gl.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ProgramState.h"
#include "view/scene/Scene.h"

constexpr int32_t kPointMarkerType = 7;

struct FakeRect {
  float x0, y0, x1, y1;
  float r, g, b;
  float z = 0.0f;
};

inline void DrawFlatRect(const FakeRect& q) {
  glDisable(GL_LIGHTING);
  glColor3f(q.r, q.g, q.b);
  glBegin(GL_QUADS);
  glVertex3f(q.x0, q.y0, q.z);
  glVertex3f(q.x1, q.y0, q.z);
  glVertex3f(q.x1, q.y1, q.z);
  glVertex3f(q.x0, q.y1, q.z);
  glEnd();
}

struct FakeGraph {
  int32_t type = 0;
  bool animated = false;
  // What the graph draws at a step (nothing when empty).
  std::function<void(int32_t step)> draw;
  LegendGraphInfo legend;
};

class FakeSceneSource : public SceneSource {
public:
  std::vector<FakeGraph> graphs;
  std::vector<std::string> log;
  // Box per step; the scale factor AxisScaleX that GetBox sets for a step is 1 + step * scaleStep.
  BoundingBox box{-1, 1, -1, 1, -1, 1};
  std::function<BoundingBox(int32_t step)> boxAt;
  float scaleStep = 0.0f;
  float roll = 0, pitch = 0, yaw = 0;
  bool axesShown = true;
  std::function<void(BoundingBox&)> background, grid, axes;
  std::vector<std::array<float, 10>> legendArgs;
  float minV = -2, maxV = 5;

  int32_t GraphCount() override { return static_cast<int32_t>(graphs.size()); }
  bool Animation() override {
    for (const auto& g : graphs)
      if (g.animated) return true;
    return false;
  }
  BoundingBox GetBox(int32_t step) override {
    log.push_back("box " + std::to_string(step));
    AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f + static_cast<float>(step) * scaleStep;
    AxisScaleV = 1.0f;
    return boxAt ? boxAt(step) : box;
  }
  void SceneRotation(float& r, float& p, float& y) override {
    r = roll;
    p = pitch;
    y = yaw;
  }
  int32_t GraphType(int32_t index) override { return graphs.at(index - 1).type; }
  // What working out a graph's analysis does (nothing when empty); every call is counted, with
  // the number of calls in the log before it.
  std::function<void(int32_t index)> analysis;
  std::vector<std::pair<int32_t, size_t>> analysed; // index, log entries before the call
  void PrepareAnalysis(int32_t index) override {
    analysed.emplace_back(index, log.size());
    if (analysis) analysis(index);
  }
  void DrawGraph(int32_t index, int32_t step) override {
    const FakeGraph& g = graphs.at(index - 1);
    log.push_back("graph " + std::to_string(index) + " " + std::to_string(g.animated ? step : 0));
    if (g.draw) g.draw(g.animated ? step : 0);
  }
  LegendGraphInfo LegendInfo(int32_t index) override { return graphs.at(index - 1).legend; }
  void DrawColorLegend(int32_t index, const std::array<float, 10>& args) override {
    log.push_back("legend " + std::to_string(index));
    legendArgs.push_back(args);
  }
  void ValueRange(float& lo, float& hi) override {
    lo = minV;
    hi = maxV;
  }
  bool AxesShown() override { return axesShown; }
  void DrawBackground(BoundingBox& b) override {
    log.push_back("background");
    if (background) background(b);
  }
  void Draw2DGrid(BoundingBox& b) override {
    log.push_back("grid");
    if (grid) grid(b);
  }
  void DrawAxes(BoundingBox& b) override {
    log.push_back("axes");
    if (axes) axes(b);
  }
};
