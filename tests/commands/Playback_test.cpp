// The animation player, stepped without a timer: the frames each play presents tick by tick for
// one and for three steps of t, the manual steps at the ends, Start, Pause and Stop, frames that a
// lower frame count has left beyond the compiled ones, and the capture of a normal play into
// frame files (complete, cancelled, failed, and chosen from any play mode).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/Playback.h"
#include "model/ProgramState.h"
#include "support/ProgramStateReset.h"

namespace {

class RecordingHost : public PlaybackHost {
public:
  std::vector<int32_t> presented;
  bool timer = false;
  void Present(int32_t frame) override { presented.push_back(frame); }
  void SetTimerEnabled(bool on) override { timer = on; }
};

class RecordingSink : public FrameCaptureSink {
public:
  std::vector<int32_t> captured;    // file numbers
  std::vector<int32_t> shownFrames; // the frame presented when each was captured
  int32_t failAt = 0;               // the file number whose saving fails
  std::vector<std::string> endings; // "complete", "cancelled" or the error
  RecordingHost* host = nullptr;
  bool CaptureFrame(int32_t number, std::string& error) override {
    if (number == failAt) {
      error = "disk full";
      return false;
    }
    captured.push_back(number);
    shownFrames.push_back(host->presented.back());
    return true;
  }
  void CaptureEnded(bool complete, const std::string& error) override {
    endings.push_back(complete ? "complete" : error.empty() ? "cancelled" : error);
  }
};

class PlaybackTest : public ProgramStateTest {
protected:
  // Ticks while the timer runs, at most `limit` times; the frames presented by these ticks.
  std::vector<int32_t> PlayOut(int limit = 50) {
    host.presented.clear();
    for (int i = 0; i < limit && host.timer; ++i)
      player.Tick();
    return host.presented;
  }
  std::vector<int32_t> Ticks(int count) {
    host.presented.clear();
    for (int i = 0; i < count; ++i)
      player.Tick();
    return host.presented;
  }
  RecordingHost host;
  Playback player{host};
};

using Frames = std::vector<int32_t>;

TEST_F(PlaybackTest, OneShotPlaysForOneAndThreeSteps) {
  struct Case {
    int32_t n;
    Frames normal, reverse, startAfterNormal, startAfterReverse;
  };
  for (const Case& c : {Case{1, {1, 2, 1}, {2, 1}, {2, 1}, {2, 1}},
                        Case{3, {1, 2, 3, 4, 1}, {4, 3, 2, 1}, {2, 3, 4, 1}, {4, 3, 2, 1}}}) {
    SCOPED_TRACE(c.n);
    FrameCount = c.n;
    player.Normal();
    EXPECT_EQ(CurrentFrame, 0);
    EXPECT_EQ(PlayOut(), c.normal);
    EXPECT_FALSE(host.timer);
    player.Start(); // a finished normal play starts again from frame 1
    EXPECT_EQ(PlayOut(), c.startAfterNormal);

    player.Reverse();
    EXPECT_EQ(CurrentFrame, c.n + 2);
    EXPECT_EQ(PlayOut(), c.reverse);
    EXPECT_FALSE(host.timer);
    player.Start(); // a finished reverse play starts again from the last frame
    EXPECT_EQ(PlayOut(), c.startAfterReverse);
    EXPECT_TRUE(host.presented.size() < 50u);
  }
}

TEST_F(PlaybackTest, RepeatPlaysLoopForOneAndThreeSteps) {
  struct Case {
    int32_t n, from;
    bool reverse;
    Frames ticks;
  };
  for (const Case& c : {
           Case{3, 1, false, {1, 2, 3, 4, 2, 3, 4, 2, 3}},
           Case{3, 0, false, {0, 1, 2, 3, 4, 2}}, // frame 0 shows step 0 before frame 1 does
           Case{3, 1, true, {1, 2, 3, 4, 3, 2, 1, 2, 3, 4, 3}},
           Case{3, 4, true, {4, 3, 2, 1, 2, 3, 4, 3}},
           Case{1, 1, false, {1, 2, 2, 2, 2}},
           Case{1, 1, true, {1, 2, 1, 2, 1}},
       }) {
    SCOPED_TRACE(testing::Message() << c.n << " from " << c.from << (c.reverse ? " reverse" : ""));
    FrameCount = c.n;
    CurrentFrame = c.from;
    player.PlayBackward = false;
    if (c.reverse)
      player.ReverseRepeat();
    else
      player.NormalRepeat();
    EXPECT_EQ(Ticks(static_cast<int>(c.ticks.size())), c.ticks);
    EXPECT_TRUE(host.timer); // loops never stop by themselves
  }
}

TEST_F(PlaybackTest, ManualStepsStopAtTheEndsAndLeaveTheTimerAlone) {
  FrameCount = 3;
  player.Last();
  EXPECT_EQ(host.presented, Frames{4});
  player.Next(); // at the last frame: nothing
  player.First();
  player.Previous(); // at frame 1: nothing
  player.Next();
  EXPECT_EQ(host.presented, (Frames{4, 1, 2}));
  EXPECT_EQ(PlayMode, PlayManual);
  EXPECT_FALSE(host.timer);

  // Normal paused before its first tick, then Next, shows frame 1; Reverse paused, then Previous,
  // shows the last frame.
  player.Normal();
  player.Pause();
  host.presented.clear();
  player.Next();
  player.Reverse();
  player.Pause();
  player.Previous();
  EXPECT_EQ(host.presented, (Frames{1, 4}));

  // A running timer goes on ticking idle in manual mode.
  player.Normal();
  player.First();
  const int32_t frame = CurrentFrame;
  EXPECT_TRUE(Ticks(3).empty());
  EXPECT_EQ(CurrentFrame, frame);
  EXPECT_TRUE(host.timer);
}

TEST_F(PlaybackTest, PauseKeepsThePlaceAndStopShowsFrameOne) {
  FrameCount = 3;
  player.Normal();
  Ticks(2);
  player.Pause();
  EXPECT_FALSE(host.timer);
  player.Start();
  EXPECT_EQ(PlayOut(), (Frames{3, 4, 1}));

  PlayMode = PlayReverseRepeat;
  CurrentFrame = 3;
  host.presented.clear();
  player.Stop();
  EXPECT_EQ(host.presented, Frames{1});
  EXPECT_EQ(PlayMode, PlayReverseRepeat);
  EXPECT_FALSE(host.timer);
}

TEST_F(PlaybackTest, FramesLeftBeyondALowerFrameCountAreNeverPresented) {
  // Frame 9 of ten steps, then the frame count drops to three (frames 1 .. 4).
  struct Case {
    const char* name;
    void (Playback::*command)();
    int ticks;
  };
  for (const Case& c :
       {Case{"next", &Playback::Next, 0}, Case{"previous", &Playback::Previous, 0},
        Case{"start", &Playback::Start, 6}, Case{"normal repeat", &Playback::NormalRepeat, 6},
        Case{"reverse repeat", &Playback::ReverseRepeat, 6}}) {
    SCOPED_TRACE(c.name);
    FrameCount = 10;
    CurrentFrame = 9;
    FrameCount = 3;
    host.presented.clear();
    (player.*c.command)();
    for (int i = 0; i < c.ticks; ++i)
      player.Tick();
    for (int32_t frame : host.presented) {
      EXPECT_GE(frame, 0);
      EXPECT_LE(frame, 4);
    }
  }
  // Reverse Repeat goes on from the last frame downwards, without showing it again and again.
  FrameCount = 10;
  CurrentFrame = 9;
  FrameCount = 3;
  player.ReverseRepeat();
  EXPECT_EQ(Ticks(4), (Frames{4, 3, 2, 1}));
}

TEST_F(PlaybackTest, CaptureSavesFramesOneToFrameCountOfANormalPlayFromAnyMode) {
  RecordingSink sink;
  sink.host = &host;
  FrameCount = 3;
  player.First(); // manual mode: the capture still plays normally
  player.BeginCapture(sink);
  EXPECT_TRUE(player.CaptureFrames());
  EXPECT_EQ(PlayOut(), (Frames{1, 2, 3, 4, 1}));
  EXPECT_EQ(sink.captured, (Frames{1, 2, 3}));
  EXPECT_EQ(sink.shownFrames, (Frames{1, 2, 3}));
  EXPECT_EQ(sink.endings, std::vector<std::string>{"complete"});
  EXPECT_FALSE(player.CaptureFrames());
  EXPECT_EQ(player.CapturedFrames(), 3);
}

TEST_F(PlaybackTest, ACancelledOrFailedCaptureStopsItsPlayAndKeepsWhatWasSaved) {
  FrameCount = 5;
  RecordingSink cancelled;
  cancelled.host = &host;
  player.BeginCapture(cancelled);
  Ticks(2);
  player.CancelCapture();
  EXPECT_FALSE(host.timer);
  EXPECT_EQ(cancelled.captured, (Frames{1, 2}));
  EXPECT_EQ(cancelled.endings, std::vector<std::string>{"cancelled"});

  RecordingSink failing;
  failing.host = &host;
  failing.failAt = 3;
  player.BeginCapture(failing);
  PlayOut();
  EXPECT_EQ(failing.captured, (Frames{1, 2}));
  EXPECT_EQ(failing.endings, std::vector<std::string>{"disk full"});
  EXPECT_EQ(player.CapturedFrames(), 2);
  EXPECT_FALSE(player.CaptureFrames());
  EXPECT_FALSE(host.timer);
}

} // namespace
