#include "view/scene/Scene.h"

#include "model/AxesSettings.h"
#include "model/Graph.h"
#include "model/GraphContainer.h"
#include "render/curves/CurveAnalysis.h"
#include "render/surfaces/SurfaceTextures.h"

namespace {

// The document as the scene sees it: the shown graphs (ShownGraphs) and the axes (DocumentAxes).
class DocumentSource : public SceneSource {
public:
  int32_t GraphCount() override { return ShownGraphs.FunSurfs.Count(); }
  bool Animation() override { return ShownGraphs.Animation(); }
  BoundingBox GetBox(int32_t step) override { return ShownGraphs.GetBox(step); }
  void SceneRotation(float& roll, float& pitch, float& yaw) override {
    roll = ShownGraphs.RotRoll;
    pitch = ShownGraphs.RotPitch;
    yaw = ShownGraphs.RotYaw;
  }
  int32_t GraphType(int32_t index) override { return ShownGraph(index).GraphType; }
  void DrawGraph(int32_t index, int32_t step) override {
    Graph& g = ShownGraph(index);
    if (g.Animation)
      g.Draw(step);
    else
      g.Draw();
  }
  void PrepareGraph(int32_t index) override { SurfaceTextures::PrepareGraph(ShownGraph(index)); }
  void PrepareAnalysis(int32_t index) override { PrepareCurveAnalysis(ShownGraph(index)); }
  LegendGraphInfo LegendInfo(int32_t index) override {
    const Graph& g = ShownGraph(index);
    LegendGraphInfo info;
    info.GraphType = g.GraphType;
    info.FunForm = g.FunForm;
    info.CoordType = g.CoordType;
    info.ExpressZ = g.ExpressZ;
    info.ExpressY = g.ExpressY;
    info.LineColor = g.LineColor;
    return info;
  }
  void DrawColorLegend(int32_t index, const std::array<float, 10>& a) override {
    ShownGraph(index).DrawLegend(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
  }
  void ValueRange(float& minV, float& maxV) override {
    minV = ShownGraphs.MinV;
    maxV = ShownGraphs.MaxV;
  }
  bool AxesShown() override { return DocumentAxes().Show; }
  void DrawBackground(BoundingBox& b) override {
    DocumentAxes().DrawBackground(b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ);
  }
  void Draw2DGrid(BoundingBox& b) override {
    DocumentAxes().Draw2DGrid(b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ);
  }
  void DrawAxes(BoundingBox& b) override {
    DocumentAxes().Draw(2, b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ);
  }

private:
  static Graph& ShownGraph(int32_t index) { return *ShownGraphs.FunSurfs.Item(index); }
};

} // namespace

SceneSource* DocumentSceneSource() {
  static DocumentSource source;
  return &source;
}
