#pragma once
// A stand-in for the main window in the tests of the add, edit and animation-options commands:
// the list rows with their check boxes and the current row (checking raises OnGraphListCheck), a
// log of scene builds, presentations and samplings, the timer interval, the playback state and
// the Animation Options values. Graphs are sampled for real.

#include <cstdint>
#include <string>
#include <vector>

#include "commands/GraphCommandHost.h"
#include "commands/GraphList.h"
#include "model/Graph.h"

class CommandTestHost : public GraphCommandHost {
public:
  struct Row {
    std::string caption;
    bool checked = false;
  };
  std::vector<Row> rows;
  int32_t current = -1;
  std::vector<std::string> log;
  std::vector<int32_t> sampled;
  int builds = 0;
  int32_t interval = 100;
  bool playback = false;
  int32_t optionsFrames = 10, optionsSpeed = 10;

  int32_t ListCount() const override { return static_cast<int32_t>(rows.size()); }
  int32_t ListIndex() const override { return current; }
  bool ListRowChecked(int32_t row) const override {
    return rows.at(static_cast<size_t>(row)).checked;
  }
  std::string ListRowCaption(int32_t row) const override {
    return rows.at(static_cast<size_t>(row)).caption;
  }
  void AddListRow(const std::string& caption) override { rows.push_back({caption, false}); }
  void SetListRowChecked(int32_t row, bool checked) override {
    rows.at(static_cast<size_t>(row)).checked = checked;
    OnGraphListCheck(*this);
  }
  void RemoveListRow(int32_t row) override { rows.erase(rows.begin() + row); }
  void ClearList() override { rows.clear(); }
  void BuildScene() override {
    log.push_back("BuildScene");
    ++builds;
  }
  void Display(int32_t frame) override { log.push_back("Display " + std::to_string(frame)); }
  void SetAnimationOptionsTexts(int32_t frames, int32_t speed) override {
    optionsFrames = frames;
    optionsSpeed = speed;
  }
  void SampleGraph(Graph& graph) override {
    sampled.push_back(graph.ID);
    GraphListHost::SampleGraph(graph);
  }
  void SetPlaybackEnabled(bool on) override { playback = on; }
  void SetListRowCaption(int32_t row, const std::string& caption) override {
    rows.at(static_cast<size_t>(row)).caption = caption;
  }
  void SetTimerInterval(int32_t ms) override { interval = ms; }
  int32_t AnimationOptionsFrameCount() const override { return optionsFrames; }
  int32_t AnimationOptionsFramesPerSecond() const override { return optionsSpeed; }
};
