#pragma once
// A stand-in for the main window in the tests of the graph commands (removal, the list's check
// event, Cut, Copy, Paste): it keeps the list rows with their check boxes and the current row,
// raises the check event (OnGraphListCheck) whenever a box is set through it, and writes the scene
// compilations, presentations and samplings into a log. Sampling is recorded only, unless
// realSampling asks for the graph's own.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/GraphList.h"
#include "document/GraphRemoval.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

class ListTestHost : public GraphListHost {
public:
  struct Row {
    std::string caption;
    bool checked = false;
  };
  std::vector<Row> rows;
  int32_t current = -1;
  std::vector<std::string> log;
  std::vector<int32_t> sampled; // IDs of the graphs sampled, in order
  int builds = 0;
  bool realSampling = false;
  std::string animationTexts;

  int32_t ListCount() const override { return static_cast<int32_t>(rows.size()); }
  int32_t ListIndex() const override { return current; }
  bool ListRowChecked(int32_t row) const override { return rows.at(Index(row)).checked; }
  void AddListRow(const std::string& caption) override {
    log.push_back("AddListRow " + caption);
    rows.push_back({caption, false});
  }
  void SetListRowChecked(int32_t row, bool checked) override {
    log.push_back("Check " + std::to_string(row) + (checked ? " on" : " off"));
    rows.at(Index(row)).checked = checked;
    OnGraphListCheck(*this);
  }
  void RemoveListRow(int32_t row) override {
    log.push_back("RemoveListRow " + std::to_string(row));
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(Index(row)));
    if (current >= ListCount()) current = ListCount() - 1;
  }
  void ClearList() override {
    log.push_back("ClearList");
    rows.clear();
    current = -1;
  }
  void BuildScene() override {
    log.push_back("BuildScene");
    ++builds;
  }
  void Display(int32_t frame) override { log.push_back("Display " + std::to_string(frame)); }
  void SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) override {
    animationTexts = std::to_string(frameCount) + " " + std::to_string(framesPerSecond);
    log.push_back("AnimationOptions " + animationTexts);
  }
  void SampleGraph(Graph& graph) override {
    log.push_back("Sample " + std::to_string(graph.ID));
    sampled.push_back(graph.ID);
    if (realSampling) GraphListHost::SampleGraph(graph);
  }

  // Adds a graph under its ID to AllGraphs (and ShownGraphs when shown) with a row whose caption
  // names the ID and whose box tells whether it is shown, without any check event.
  std::shared_ptr<Graph> AddGraph(int32_t id, int32_t graphType = Curve2D, bool shown = true) {
    auto g = std::make_shared<Graph>();
    g->ID = id;
    g->GraphType = graphType;
    AllGraphs.FunSurfs.Add(g);
    if (shown) ShownGraphs.FunSurfs.Add(g);
    rows.push_back({"g" + std::to_string(id), shown});
    if (GraphIdCounter < id) GraphIdCounter = id;
    return g;
  }

  // Forgets the log and the counts (not the rows).
  void ClearLog() {
    log.clear();
    sampled.clear();
    builds = 0;
  }

private:
  static size_t Index(int32_t row) {
    if (row < 0) throw std::out_of_range("no row " + std::to_string(row));
    return static_cast<size_t>(row);
  }
};

// The IDs of the graphs of a container, in order.
inline std::vector<int32_t> IdsOf(const GraphContainer& container) {
  std::vector<int32_t> ids;
  for (const auto& g : container.FunSurfs)
    ids.push_back(g->ID);
  return ids;
}
