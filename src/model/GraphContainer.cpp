#include "model/GraphContainer.h"

#include "model/AxesSettings.h"
#include "model/ProgramState.h"

#include <cmath>
#include <stdexcept>

GraphContainer AllGraphs;
GraphContainer ShownGraphs;

int32_t GraphNumber(const Graph& graph) {
  const int32_t position = AllGraphs.FunSurfs.PositionOf(GraphKey(graph));
  return position > 0 && AllGraphs.FunSurfs.Item(position).get() == &graph ? position : 0;
}

std::string ListedGraphName(const Graph& graph) {
  const int32_t number = GraphNumber(graph);
  return number > 0 ? "graph " + std::to_string(number) : "the graph";
}

// ---- GraphCollection ----

int32_t GraphCollection::Find(const std::string& key) const {
  if (!m_keySet.count(key)) return -1;
  for (std::size_t i = 0; i < m_keys.size(); ++i)
    if (m_keys[i] == key) return static_cast<int32_t>(i);
  return -1;
}

const std::shared_ptr<Graph>& GraphCollection::Item(int32_t position) const {
  if (position < 1 || position > Count())
    throw std::out_of_range("FunSurfs: no graph at position " + std::to_string(position));
  return m_graphs[static_cast<std::size_t>(position - 1)];
}

const std::shared_ptr<Graph>& GraphCollection::Item(const std::string& key) const {
  const int32_t i = Find(key);
  if (i < 0) throw std::out_of_range("FunSurfs: no graph under the key \"" + key + "\"");
  return m_graphs[static_cast<std::size_t>(i)];
}

void GraphCollection::Add(std::shared_ptr<Graph> graph, const std::string& key) {
  if (!graph) throw std::invalid_argument("FunSurfs: no graph to add");
  if (Find(key) >= 0)
    throw std::invalid_argument("FunSurfs: the key \"" + key + "\" is already held");
  m_keys.push_back(key);
  m_keySet.insert(key);
  m_graphs.push_back(std::move(graph));
}

void GraphCollection::Remove(const std::string& key) {
  const int32_t i = Find(key);
  if (i < 0) throw std::out_of_range("FunSurfs: no graph under the key \"" + key + "\"");
  Remove(i + 1);
}

void GraphCollection::Remove(int32_t position) {
  if (position < 1 || position > Count())
    throw std::out_of_range("FunSurfs: no graph at position " + std::to_string(position));
  m_keySet.erase(m_keys[static_cast<std::size_t>(position - 1)]);
  m_keys.erase(m_keys.begin() + (position - 1));
  m_graphs.erase(m_graphs.begin() + (position - 1));
}

void GraphCollection::Clear() {
  m_keys.clear();
  m_keySet.clear();
  m_graphs.clear();
}

// ---- scale factors ----

AxisScales ComputeAxisScales(float dx, float dy, float dz, float dv, int32_t documentType,
                             int32_t mode, float ratioX, float ratioY, float ratioZ) {
  AxisScales s{1.0f, 1.0f, 1.0f, 1.0f};
  // A flat, reversed or undefined range would give a factor of 0 or below, by which every drawer
  // divides: it counts as a range of 1.
  auto sane = [](float d) { return d > 0.0f ? d : 1.0f; };
  dx = sane(dx);
  dy = sane(dy);
  dz = sane(dz);
  if (documentType == DocumentType4D)
    dv = sane(dv);
  else
    dv = 0.0f;

  switch (mode) {
  case ScaleSquare:
    s.X = dx / 10.0f;
    s.Y = dy / 10.0f;
    s.Z = dz / 10.0f;
    break;
  case ScaleEqual: {
    float m = dx >= dy ? dx : dy;
    if (m < dz) m = dz;
    s.X = s.Y = s.Z = m / 10.0f;
    break;
  }
  case ScaleCustom: {
    // A ratio that is not positive would divide by zero or turn an axis over: it counts as 1.
    auto ratio = [](float r) { return (r > 0.0f && std::isfinite(r)) ? r : 1.0f; };
    const float rx = ratio(ratioX), ry = ratio(ratioY), rz = ratio(ratioZ);
    const float px = rx * dx;
    const float py = ry * dy;
    float m = py > px ? py : px;
    float pz = 0.0f;
    if (documentType != DocumentType2D) {
      pz = rz * dz;
      if (pz > m) m = pz;
    }
    if (px == m) {
      s.X = dx / 10.0f;
      s.Y = rx * s.X / ry;
      s.Z = rx * s.X / rz;
    } else if (py == m) {
      s.Y = dy / 10.0f;
      s.X = ry * s.Y / rx;
      s.Z = ry * s.Y / rz;
    } else {
      s.Z = dz / 10.0f;
      s.Y = rz * s.Z / ry;
      s.X = rz * s.Z / rx;
    }
    break;
  }
  default:
    return s; // every factor stays 1
  }
  s.V = dv / 10.0f;
  return s;
}

// ---- GraphContainer ----

GraphContainer::GraphContainer() : Axis(std::make_shared<AxesSettings>()) {}

bool GraphContainer::Animation() const {
  for (const auto& g : FunSurfs)
    if (g->Animation) return true;
  return false;
}

BoundingBox GraphContainer::CombineBoxes(const std::vector<GraphExtent>& extents,
                                         int32_t documentType, int32_t mode, float ratioX,
                                         float ratioY, float ratioZ, AxisScales& scales) {
  float minX = 1000000000.0f, maxX = -1000000000.0f;
  float minY = 1000000000.0f, maxY = -1000000000.0f;
  float minZ = 1000000000.0f, maxZ = -1000000000.0f;
  // The value range is gathered afresh from the graphs on every call, so the range of one
  // document never leaks into the next.
  MinV = 0.0f;
  MaxV = 0.0f;
  for (const GraphExtent& e : extents) {
    if (e.box.MinX < minX) minX = e.box.MinX;
    if (e.box.MaxX > maxX) maxX = e.box.MaxX;
    if (e.box.MinY < minY) minY = e.box.MinY;
    if (e.box.MaxY > maxY) maxY = e.box.MaxY;
    if (e.box.MinZ < minZ) minZ = e.box.MinZ;
    if (e.box.MaxZ > maxZ) maxZ = e.box.MaxZ;
    if (e.minVV < MinV) MinV = e.minVV;
    if (e.maxVV > MaxV) MaxV = e.maxVV;
  }
  // No graph gave a bound on an axis (an empty container): that axis is 0 .. 0.
  if (minX > maxX) minX = maxX = 0.0f;
  if (minY > maxY) minY = maxY = 0.0f;
  if (minZ > maxZ) minZ = maxZ = 0.0f;

  if (documentType != DocumentType2D) {
    minX -= 0.04f;
    minY -= 0.04f;
    minZ -= 0.04f;
    maxX += 0.04f;
    maxY += 0.04f;
    maxZ += 0.04f;
  }

  const float dx = maxX - minX;
  const float dy = maxY - minY;
  const float dz = maxZ - minZ;
  const float dv = documentType == DocumentType4D ? MaxV - MinV : 0.0f;
  scales = ComputeAxisScales(dx, dy, dz, dv, documentType, mode, ratioX, ratioY, ratioZ);

  BoundingBox box;
  box.MinX = minX;
  box.MaxX = maxX;
  box.MinY = minY;
  box.MaxY = maxY;
  box.MinZ = minZ;
  box.MaxZ = maxZ;
  return box;
}
