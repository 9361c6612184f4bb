#pragma once
// A graph container: the graphs of a document (or its shown graphs) in insertion order, each under
// the decimal text of its ID, with the scene rotation and the operations over all its graphs: the
// union box with the axis scale factors (GetBox), drawing (Draw) and the records of the document
// text (Save). The program has two, AllGraphs and ShownGraphs, that live as long as the program.

#include "model/BoundingBox.h"
#include "model/Graph.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class AxesSettings;

// The collection of a container: graphs at positions 1 .. Count in insertion order, each under a
// key that is held only once. Removing a graph closes the gap. Bad positions and keys throw
// std::out_of_range; a key already held throws std::invalid_argument.
class GraphCollection {
public:
  int32_t Count() const { return static_cast<int32_t>(m_graphs.size()); }
  // The graph at position 1 .. Count.
  const std::shared_ptr<Graph>& Item(int32_t position) const;
  // The graph held under key.
  const std::shared_ptr<Graph>& Item(const std::string& key) const;
  bool Contains(const std::string& key) const { return m_keySet.count(key) > 0; }
  // Position (1 .. Count) of the graph held under key, 0 when none.
  int32_t PositionOf(const std::string& key) const { return Find(key) + 1; }
  // Appends graph at the end under key.
  void Add(std::shared_ptr<Graph> graph, const std::string& key);
  // Appends graph under GraphKey(graph).
  void Add(std::shared_ptr<Graph> graph) {
    const std::string key = GraphKey(*graph);
    Add(std::move(graph), key);
  }
  void Remove(const std::string& key);
  void Remove(int32_t position);
  void Clear();

  // Iterates the graphs in order (each a std::shared_ptr<Graph>).
  auto begin() const { return m_graphs.begin(); }
  auto end() const { return m_graphs.end(); }

private:
  int32_t Find(const std::string& key) const;
  std::vector<std::string> m_keys;
  std::unordered_set<std::string> m_keySet; // the keys again, so that a key is found at once
  std::vector<std::shared_ptr<Graph>> m_graphs;
};

// The axis scale factors (data units per scene unit) that GetBox derives from a box.
struct AxisScales {
  float X = 1.0f, Y = 1.0f, Z = 1.0f, V = 0.0f;
};

class GraphContainer {
public:
  GraphContainer();

  GraphCollection FunSurfs;

  // The 4D value range of the graphs, gathered afresh by every GetBox (0 when no graph widens
  // it, as every range includes 0).
  float MaxV = 0.0f;
  float MinV = 0.0f;
  bool DrawAxis = true;               // stored only
  std::shared_ptr<AxesSettings> Axis; // stored only; the document's axes are DocumentAxes()
  float RotRoll = 0.0f;               // scene rotation in degrees
  float RotPitch = 0.0f;
  float RotYaw = 0.0f;
  float TransX = 0.0f, TransY = 0.0f, TransZ = 0.0f; // stored only
  float ScaleX = 1.0f, ScaleY = 1.0f, ScaleZ = 1.0f; // stored only

  // True as soon as one graph is animated; False for an empty container.
  bool Animation() const;

  // The union of the graphs' boxes (animated graphs at animStep, the others at step 0),
  // widened by 0.04 on every side outside 2D documents; recomputes MinV and MaxV from the graphs
  // and sets AxisScaleX, AxisScaleY, AxisScaleZ and AxisScaleV by AxisScaleMode.
  BoundingBox GetBox(int32_t animStep = 0);

  // Draws every graph (animated ones at animStep, the others at step 0) and then disables the
  // clip planes 0 and 1. A graph whose drawing throws does not stop the others: its message is
  // kept in LastDrawErrors (emptied by every Draw) for the scene compiler to report.
  void Draw(int32_t animStep = 0);
  std::vector<std::string> LastDrawErrors;

  // The records of the graphs in order: SaveTable for table graphs, Save for the kinds with a
  // function record, nothing for other kinds.
  std::string Save() const;

  // The arithmetic of GetBox on given per-graph boxes and value ranges (MinVV, MaxVV of each
  // graph): returns the box, sets MinV and MaxV here and returns the factors through scales.
  // documentType, mode and the ratios are the program-wide values GetBox passes.
  struct GraphExtent {
    BoundingBox box;
    float minVV = 0.0f, maxVV = 0.0f;
  };
  BoundingBox CombineBoxes(const std::vector<GraphExtent>& extents, int32_t documentType,
                           int32_t mode, float ratioX, float ratioY, float ratioZ,
                           AxisScales& scales);
};

// The factors of one box: dx, dy, dz, dv are its ranges (dv the 4D value range, 0 outside 4D
// documents). A range that is not positive counts as 1 (so no factor is 0 or negative), and a
// custom ratio that is not positive counts as 1.
AxisScales ComputeAxisScales(float dx, float dy, float dz, float dv, int32_t documentType,
                             int32_t mode, float ratioX, float ratioY, float ratioZ);

// The two program-wide containers: every graph of the document in list order, and the graphs of
// the checked list rows in the order they were shown.
extern GraphContainer AllGraphs;
extern GraphContainer ShownGraphs;

// Where a graph stands in AllGraphs, counted from 1: the row of the graph list that shows it, as
// messages name it ("graph 3"). 0 when it is not there (a graph a dialog is still making).
int32_t GraphNumber(const Graph& graph);
// The graph as messages name it: "graph 3", or "the graph" when it is in no row of the list.
std::string ListedGraphName(const Graph& graph);
