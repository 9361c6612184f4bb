// The union box of a graph container (GraphContainer::GetBox): every graph's box at its step,
// combined with the axis scale factors it sets.

#include "model/GraphContainer.h"

#include "model/ProgramState.h"

BoundingBox GraphContainer::GetBox(int32_t animStep) {
  std::vector<GraphExtent> extents;
  extents.reserve(static_cast<std::size_t>(FunSurfs.Count()));
  for (const auto& g : FunSurfs) {
    GraphExtent e;
    e.box = g->Animation ? g->GetBox(animStep) : g->GetBox();
    e.minVV = g->MinVV; // as the graph's GetBox left them
    e.maxVV = g->MaxVV;
    extents.push_back(e);
  }
  AxisScales scales;
  const BoundingBox box = CombineBoxes(extents, DocumentType, AxisScaleMode, AxisRatioX, AxisRatioY,
                                       AxisRatioZ, scales);
  AxisScaleX = scales.X;
  AxisScaleY = scales.Y;
  AxisScaleZ = scales.Z;
  AxisScaleV = scales.V;
  return box;
}
