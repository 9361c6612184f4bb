#pragma once
// The animation player: the eleven playback commands of the Animation menu and the main toolbar
// (Start, Pause, Stop, First, Previous, Next, Last, Normal, Reverse, Normal Repeat, Reverse
// Repeat), the tick of the animation timer, and the capture of a normal play into frame files for
// the AVI export. It works on the program-wide CurrentFrame, FrameCount and PlayMode and keeps the
// rest of the state of a play itself: the direction of Reverse Repeat, whether the timer runs, and
// the capture. Every step is an explicit call, so tests drive a whole play without a timer; the
// main window connects its timer's timeout to Tick.
//
// Frames run from 1 to FrameCount + 1, frame k showing the compiled step k - 1. Normal starts
// at frame 0 and Reverse at FrameCount + 2, one step outside, because their tick steps before it
// presents. A frame that the Animation Options have left beyond the compiled ones (a lower frame
// count) is brought back to the last frame before any command or tick steps from it, and nothing
// ever presents a frame outside 0 .. FrameCount + 1.

#include <cstdint>
#include <string>

// What the player needs of the main window.
class PlaybackHost {
public:
  virtual ~PlaybackHost() = default;
  // Presents a frame (MainWindow.Display with CurrentFrame).
  virtual void Present(int32_t frame) = 0;
  // Starts or stops the animation timer (its Enabled).
  virtual void SetTimerEnabled(bool on) = 0;
};

// Where a capture puts its frames: the AVI export window.
class FrameCaptureSink {
public:
  virtual ~FrameCaptureSink() = default;
  // Saves the view, which shows the frame just presented, as frame file `number` and lists it.
  // False, with the reason in `error`, when the file cannot be written. Shows no message itself.
  virtual bool CaptureFrame(int32_t number, std::string& error) = 0;
  // The capture has ended: complete, cancelled (error empty) or failed (error says why).
  virtual void CaptureEnded(bool complete, const std::string& error) = 0;
};

class Playback {
public:
  explicit Playback(PlaybackHost& host) : m_host(host) {}

  // --- the commands ---------------------------------------------------------------------------
  void Start();         // plays on in the current mode; a finished Reverse play starts again
  void Pause();         // halts the play where it is
  void Stop();          // halts the play and shows frame 1
  void First();         // frame 1, manual stepping
  void Previous();      // the frame before, manual stepping
  void Next();          // the frame after, manual stepping
  void Last();          // frame FrameCount + 1, manual stepping
  void Normal();        // every frame forward once
  void Reverse();       // every frame backward once
  void NormalRepeat();  // forward in a loop, from the frame shown
  void ReverseRepeat(); // back and forth in a loop, from the frame shown

  // One tick of the animation timer: steps CurrentFrame as PlayMode asks and presents it; a
  // Normal or Reverse play stops the timer at its end. While capturing, each tick of a normal
  // play saves the frame it presented.
  void Tick();

  // --- frame capture (Generate Frames of the AVI export)
  // ------------------------------------------ Plays the animation once normally from its first
  // frame and saves frames 1 .. FrameCount through the sink, as frame files 1 .. FrameCount.
  void BeginCapture(FrameCaptureSink& sink);
  // Ends a capture before it is complete and stops the play; the frames saved so far are kept.
  void CancelCapture();
  bool CaptureFrames() const { return m_sink != nullptr; }
  int32_t CapturedFrames() const { return m_capturedFrames; }
  // A sink that goes away ends a capture that runs into it.
  void ForgetSink(FrameCaptureSink& sink);

  // --- state ------------------------------------------------------------------------------------
  bool TimerEnabled() const { return m_timerEnabled; }
  // The direction of Reverse Repeat: true while the frames go down.
  bool PlayBackward = false;
  // The frame presentation shows for a frame number: clamped to 0 .. FrameCount + 1.
  static int32_t PresentableFrame(int32_t frame);

private:
  void SetTimer(bool on);
  void Present();
  void BringIntoRange();
  void CaptureStep();
  void EndCapture(bool complete, const std::string& error);

  PlaybackHost& m_host;
  bool m_timerEnabled = false;
  FrameCaptureSink* m_sink = nullptr;
  int32_t m_capturedFrames = 0;
};
