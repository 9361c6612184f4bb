#pragma once
// The "Save Animation As AVI File" window: "Generate Frames" plays the animation once normally
// and saves its frames as files (listed under "Animation Frames"); the user picks the frames of
// the video in any order, with repeats (">", ">>", "Del" fill "Selected Frames"), sets the speed,
// and "Save Animation" asks for the file name and the compression and writes the video.
//
// The frame files live in a temporary folder of the window's own. They are deleted after a
// successful save (the lists are emptied with them) or when the window closes, never while the
// lists still name them. The capture shows its progress with a Cancel button and the window
// stays usable; writing the video shows a progress dialog with Cancel. The window is not modal: it
// is a tool window of the main window, which keeps it in front of the main window.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "commands/Playback.h"

class QImage;
class QLineEdit;
class QPoint;
class QRect;
class QSize;
class QListWidget;
class QProgressBar;
class QPushButton;
class FrameStore;

// Where a tool window of `frameSize` (its frame included) goes beside its owner's frame `owner`:
// inside the owner's top-right corner, moved as far as needed to lie within `available` (the area
// of the owner's screen without its panels); at the available area's top-left corner when it is
// larger than that area.
QPoint ToolWindowPlace(const QRect& owner, const QSize& frameSize, const QRect& available);

class AviExportWindow : public QWidget, public FrameCaptureSink {
  Q_OBJECT
public:
  // grabView returns the picture the view shows (a null image when it cannot).
  AviExportWindow(Playback& playback, std::function<QImage()> grabView, QWidget* parent = nullptr);
  ~AviExportWindow() override;

  QListWidget* FrameList() const { return m_frameList; }                 // "Animation Frames"
  QListWidget* SelectedFrameList() const { return m_selectedFrameList; } // "Selected Frames"
  QLineEdit* SpeedField() const { return m_speedField; }                 // speed, frames per second
  QProgressBar* CaptureProgress() const { return m_progress; }
  QPushButton* CancelButton() const { return m_cancel; }
  // The file of a captured frame; empty when no frames have been generated.
  std::string FramePath(int32_t number) const;

  void OnAddFrame();       // ">": the current row of the frame list to the end of the selection
  void OnAddAllFrames();   // ">>": every captured frame to the end of the selection
  void OnRemoveFrame();    // "Del": removes the current row of the selection
  void OnGenerateFrames(); // "Generate Frames"
  void OnSaveAnimation();  // "Save Animation"
  void OnCancel();         // Cancel of the capture

  // FrameCaptureSink
  bool CaptureFrame(int32_t number, std::string& error) override;
  void CaptureEnded(bool complete, const std::string& error) override;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void ShowCaptureProgress(bool on);
  void DeleteFrames();

  Playback& m_playback;
  std::function<QImage()> m_grabView;
  std::unique_ptr<FrameStore> m_store;
  QListWidget* m_frameList = nullptr;
  QListWidget* m_selectedFrameList = nullptr;
  QLineEdit* m_speedField = nullptr;
  QProgressBar* m_progress = nullptr;
  QPushButton* m_cancel = nullptr;
};
