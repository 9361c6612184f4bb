#pragma once
// What the document commands (File New, Open, Save, Save As, Print) need of the main window and
// its graph list: the few window operations they call, gathered in one interface so that the
// commands run and are tested without a window. The main window provides the real one; tests give
// a recording one.

#include <QImage>

#include <cstdint>
#include <string>
#include <utility>

class DocumentHost {
public:
  virtual ~DocumentHost() = default;

  // The outcome of the last File > Save (the main window's SaveCompleted): True after a save that
  // wrote its file or had nothing to write, False after one that failed or was cancelled.
  bool SaveCompleted = false;

  // Edit > Delete All: empties both graph containers and the graph list, sets GraphIdCounter to 0
  // and builds and presents the empty scene.
  virtual void RemoveAllGraphs() = 0;
  // Enables the toolbar buttons and menu items that suit a document kind (EnableCommands2D ..
  // EnableCommandsSpecial); the playback commands end up disabled.
  virtual void EnableCommands(int32_t documentType) = 0;
  // Enables the playback commands (the main toolbar's Start to Reverse Repeat buttons and the
  // Animation menu items).
  virtual void EnableAnimationCommands() = 0;

  // The graph list: appends an unchecked row; checks or clears a row (counted from 0), which
  // raises OnGraphListCheck (shown graphs brought in step, scene built and presented).
  virtual void AddListRow(const std::string& caption) = 0;
  virtual void SetListRowChecked(int32_t row, bool checked) = 0;
  // Checks every row, as checking them one by one does. A window may mark them all at once and
  // raise the check event once: the graphs of every row are then shown in row order either way,
  // without a scene build per row.
  virtual void CheckAllListRows(int32_t count) {
    for (int32_t row = 0; row < count; ++row)
      SetListRowChecked(row, true);
  }

  // The main window's switches: the trackball rotation in force, and the drag modes of the view
  // (ZoomActive, MoveActive, RotateActive), all turned off by File New.
  virtual void SetUseTrackballRotation(bool on) = 0;
  virtual void DragModesOff() = 0;

  // The frame count and speed shown in the two boxes of the Animation Options dialog.
  virtual void SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) = 0;

  // Holds the scene's compilation and presentation back while a document is applied: what was
  // asked for meanwhile is done once when released. A host without a scene does nothing.
  virtual void HoldSceneUpdates() {}
  virtual void ReleaseSceneUpdates() {}

  // The repaint of the window, the presentation of a frame, and View > Zoom to Fit.
  virtual void Refresh() = 0;
  virtual void Display(int32_t frame) = 0;
  virtual void ZoomToFit() = 0;

  // After a document has been written: the desktop association of the document type is refreshed.
  virtual void RefreshAssociation() = 0;

  // The view as it shows the current scene: its size in pixels, a BMP file of it (false, with the
  // reason in problem, when it could not be written) and its picture for printing (null when
  // there is none).
  virtual bool SaveViewAsBmp(const std::string& path, std::string* problem) = 0;
  virtual QImage ViewImage() = 0;
};

// Holds a host's scene updates (HoldSceneUpdates) from its construction until Release or its end,
// so that a command that changes many graphs compiles and presents the scene once.
template <typename Host> class HeldSceneUpdates {
public:
  explicit HeldSceneUpdates(Host& host) : m_host(&host) { host.HoldSceneUpdates(); }
  ~HeldSceneUpdates() { Release(); }
  HeldSceneUpdates(const HeldSceneUpdates&) = delete;
  HeldSceneUpdates& operator=(const HeldSceneUpdates&) = delete;
  void Release() {
    if (m_host) std::exchange(m_host, nullptr)->ReleaseSceneUpdates();
  }

private:
  Host* m_host;
};
