#pragma once
// A stand-in for the main window in document tests: it keeps the graph list rows and their check
// boxes, brings the shown graphs in step with them on every check as the graph list does, and
// writes every call it receives into a log, so tests see what the commands did and in which order.

#include <QImage>

#include <string>
#include <vector>

#include "document/DocumentHost.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "render/common/ResultBox.h"
#include "support/ProgramStateReset.h"
#include "view/camera/SceneLight.h"

class RecordingHost : public DocumentHost {
public:
  struct Row {
    std::string caption;
    bool checked = false;
  };
  std::vector<Row> rows;
  std::vector<std::string> log;
  bool trackball = true;
  bool dragModes = true;
  int32_t enabledKind = 0;
  bool animationCommands = false;
  std::string animationTexts; // "frames fps"
  std::vector<std::string> bmpWritten;
  bool bmpSucceeds = true;
  QImage image;

  void RemoveAllGraphs() override {
    log.push_back("RemoveAllGraphs");
    ShownGraphs.FunSurfs.Clear();
    AllGraphs.FunSurfs.Clear();
    rows.clear();
    GraphIdCounter = 0;
  }
  void EnableCommands(int32_t documentType) override {
    log.push_back("EnableCommands " + std::to_string(documentType));
    enabledKind = documentType;
    animationCommands = false;
  }
  void EnableAnimationCommands() override {
    log.push_back("EnableAnimationCommands");
    animationCommands = true;
  }
  void AddListRow(const std::string& caption) override {
    log.push_back("AddListRow " + caption);
    rows.push_back({caption, false});
  }
  // As the graph list's check event: shown graphs follow the check boxes.
  void SetListRowChecked(int32_t row, bool checked) override {
    log.push_back("Check " + std::to_string(row));
    rows.at(static_cast<size_t>(row)).checked = checked;
    for (int32_t i = 1; i <= AllGraphs.FunSurfs.Count(); ++i) {
      const auto& g = AllGraphs.FunSurfs.Item(i);
      const std::string key = GraphKey(*g);
      const bool shown = ShownGraphs.FunSurfs.Contains(key);
      if (!rows.at(static_cast<size_t>(i - 1)).checked && shown) ShownGraphs.FunSurfs.Remove(key);
      if (rows.at(static_cast<size_t>(i - 1)).checked && !shown) ShownGraphs.FunSurfs.Add(g, key);
    }
  }
  void SetUseTrackballRotation(bool on) override {
    log.push_back(std::string("Trackball ") + (on ? "on" : "off"));
    trackball = on;
  }
  void DragModesOff() override {
    log.push_back("DragModesOff");
    dragModes = false;
  }
  void SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) override {
    animationTexts = std::to_string(frameCount) + " " + std::to_string(framesPerSecond);
    log.push_back("AnimationOptions " + animationTexts);
  }
  void Refresh() override { log.push_back("Refresh"); }
  void Display(int32_t frame) override { log.push_back("Display " + std::to_string(frame)); }
  void ZoomToFit() override { log.push_back("ZoomToFit"); }
  void RefreshAssociation() override { log.push_back("RefreshAssociation"); }
  bool SaveViewAsBmp(const std::string& path, std::string* problem) override {
    log.push_back("SaveViewAsBmp " + path);
    bmpWritten.push_back(path);
    if (!bmpSucceeds) *problem = "No space left on device";
    return bmpSucceeds;
  }
  QImage ViewImage() override {
    log.push_back("ViewImage");
    return image;
  }

  // The position of the first log line that begins with prefix, or -1.
  int Find(const std::string& prefix, int from = 0) const {
    for (size_t i = static_cast<size_t>(from); i < log.size(); ++i)
      if (log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  }
};
