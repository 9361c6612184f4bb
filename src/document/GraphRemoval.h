#pragma once
// Taking graphs out of the document: RemoveGraphAt removes the graph of one row of the graph list,
// RemoveAllGraphs empties the document. Both keep AllGraphs (every graph, in row order),
// ShownGraphs (the graphs of the checked rows) and the rows of the list in step, and show the
// result at once.
//
// Also here: GraphListHost, the main window as the graph commands (removal, the list's check
// event, Cut, Copy, Paste) see it: the graph list with its rows and check boxes, the scene's
// compilation and presentation, and the sampling of a graph that becomes shown. The window gives
// the real one; tests give a recording one.

#include <cstdint>
#include <string>

class Graph;

class GraphListHost {
public:
  virtual ~GraphListHost() = default;

  // The graph list: the number of rows, the current row (-1 when there is none) and the check box
  // of a row (rows counted from 0; row r shows item r + 1 of AllGraphs).
  virtual int32_t ListCount() const = 0;
  virtual int32_t ListIndex() const = 0;
  virtual bool ListRowChecked(int32_t row) const = 0;
  // The text of a row (empty when the host shows none).
  virtual std::string ListRowCaption(int32_t /*row*/) const { return {}; }
  // Appends an unchecked row.
  virtual void AddListRow(const std::string& caption) = 0;
  // Checks or clears the box of a row; raises the list's check event (OnGraphListCheck), also when
  // the box already had that state.
  virtual void SetListRowChecked(int32_t row, bool checked) = 0;
  virtual void RemoveListRow(int32_t row) = 0;
  virtual void ClearList() = 0;

  // BuildScene, and MainWindow.Display of a frame.
  virtual void BuildScene() = 0;
  virtual void Display(int32_t frame) = 0;

  // The frame count and speed that the Animation Options dialog shows in its two boxes.
  virtual void SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) = 0;

  // Samples a graph (Graph::GetPoints). A graph that cannot be sampled stays where it is and draws
  // what it has; the reason is shown in a message box.
  virtual void SampleGraph(Graph& graph);

  // Holds the scene's compilation and presentation back while many graphs change (a paste): what
  // was asked for meanwhile is done once when released.
  virtual void HoldSceneUpdates() {}
  virtual void ReleaseSceneUpdates() {}

  // Enables or disables the playback commands (the shown graphs became animated or still).
  virtual void SetPlaybackEnabled(bool /*on*/) {}
};

// The one rule of the playback commands: they are available exactly when the shown graphs are
// animated. Every change of the shown graphs (a check, a commit, a removal, a paste, an opened or
// a new document) ends with it, so no path leaves Start enabled over a still scene or disabled over
// an animation.
void PlaybackFollowsShownGraphs(GraphListHost& host);

// Removes the graph at position index (1 .. Count) of AllGraphs: from ShownGraphs when it is
// shown, from AllGraphs, and its row (index - 1) from the list; then lets the playback commands
// follow the shown graphs, builds the scene and presents CurrentFrame. Does nothing at all when AllGraphs is empty or index lies outside 1 .. Count.
// Returns true when a graph was removed.
bool RemoveGraphAt(int32_t index, GraphListHost& host);

// Removes every graph from ShownGraphs and then from AllGraphs (last position first), empties the
// list, sets GraphIdCounter to 0, disables the playback commands, builds the (empty) scene and
// presents CurrentFrame. Keeps the
// document's kind, axes, scale settings, rotation, animation state and the report box.
void RemoveAllGraphs(GraphListHost& host);
