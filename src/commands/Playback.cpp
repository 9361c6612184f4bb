#include "commands/Playback.h"

#include <algorithm>

#include "model/ProgramState.h"

namespace {
int32_t LastFrame() { return std::max(FrameCount, 0) + 1; }
} // namespace

int32_t Playback::PresentableFrame(int32_t frame) { return std::clamp(frame, 0, LastFrame()); }

void Playback::SetTimer(bool on) {
  m_timerEnabled = on;
  m_host.SetTimerEnabled(on);
}

void Playback::Present() { m_host.Present(PresentableFrame(CurrentFrame)); }

void Playback::BringIntoRange() {
  // One step outside the frames (Reverse before its first tick) is a valid start; anything
  // further out was left by a lower frame count and continues from the last frame.
  if (CurrentFrame > LastFrame() + 1) CurrentFrame = LastFrame();
  if (CurrentFrame < 0) CurrentFrame = 0;
}

void Playback::Start() {
  BringIntoRange();
  if (CurrentFrame == 1 && PlayMode == PlayReverse) CurrentFrame = FrameCount + 2;
  SetTimer(true);
}

void Playback::Pause() { SetTimer(false); }

void Playback::Stop() {
  SetTimer(false);
  CurrentFrame = 1;
  Present();
}

void Playback::First() {
  PlayMode = PlayManual;
  CurrentFrame = 1;
  Present();
}

void Playback::Previous() {
  PlayMode = PlayManual;
  BringIntoRange();
  if (CurrentFrame >= 2) {
    --CurrentFrame;
    Present();
  }
}

void Playback::Next() {
  PlayMode = PlayManual;
  BringIntoRange();
  if (CurrentFrame < FrameCount + 1) {
    ++CurrentFrame;
    Present();
  }
}

void Playback::Last() {
  PlayMode = PlayManual;
  CurrentFrame = FrameCount + 1;
  Present();
}

void Playback::Normal() {
  CurrentFrame = 0;
  PlayMode = PlayNormal;
  Start();
}

void Playback::Reverse() {
  CurrentFrame = FrameCount + 2;
  PlayMode = PlayReverse;
  Start();
}

void Playback::NormalRepeat() {
  PlayMode = PlayNormalRepeat;
  Start();
}

void Playback::ReverseRepeat() {
  PlayMode = PlayReverseRepeat;
  Start();
}

void Playback::Tick() {
  const int32_t n = FrameCount;
  switch (PlayMode) {
  case PlayNormal:
    BringIntoRange();
    if (CurrentFrame > n) {
      CurrentFrame = 0;
      SetTimer(false);
    }
    ++CurrentFrame;
    Present();
    CaptureStep();
    break;
  case PlayReverse:
    BringIntoRange();
    if (CurrentFrame < 3) SetTimer(false);
    --CurrentFrame;
    Present();
    break;
  case PlayNormalRepeat:
    BringIntoRange();
    if (CurrentFrame > n + 1) CurrentFrame = 2;
    Present();
    ++CurrentFrame;
    break;
  case PlayReverseRepeat:
    BringIntoRange();
    if (CurrentFrame > n)
      PlayBackward = true;
    else if (CurrentFrame < 2)
      PlayBackward = false;
    Present();
    CurrentFrame += PlayBackward ? -1 : 1;
    break;
  default: // manual stepping: the timer runs idle
    break;
  }
}

void Playback::CaptureStep() {
  if (!m_sink) return;
  ++m_capturedFrames;
  std::string error;
  if (!m_sink->CaptureFrame(m_capturedFrames, error)) {
    --m_capturedFrames;
    EndCapture(false, error);
    return;
  }
  if (m_capturedFrames >= FrameCount) EndCapture(true, "");
}

void Playback::EndCapture(bool complete, const std::string& error) {
  FrameCaptureSink* sink = m_sink;
  m_sink = nullptr;
  // A capture cut short stops its play; a complete one plays on to its end.
  if (!complete) SetTimer(false);
  if (sink) sink->CaptureEnded(complete, error);
}

void Playback::BeginCapture(FrameCaptureSink& sink) {
  // Frames are saved only by a normal play, so the capture chooses it.
  CurrentFrame = 0;
  m_capturedFrames = 0;
  PlayMode = PlayNormal;
  m_sink = &sink;
  SetTimer(true);
}

void Playback::CancelCapture() {
  if (m_sink) EndCapture(false, "");
}

void Playback::ForgetSink(FrameCaptureSink& sink) {
  if (m_sink == &sink) {
    m_sink = nullptr;
    SetTimer(false);
  }
}
