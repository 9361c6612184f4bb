#include "commands/AnimationOptions.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "commands/GraphCommandHost.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/VbRuntime.h"
#include "platform/WorkProgress.h"

namespace {

// The whole number a box's text gives: its leading number rounded half to even; nothing when it
// lies beyond 32-bit integers.
std::optional<int64_t> WholeOfText(const std::string& text) {
  const double value = vb::RoundHalfEven(vb::Val(text));
  if (!std::isfinite(value) || std::fabs(value) > 2147483647.0) return std::nullopt;
  return static_cast<int64_t>(value);
}

} // namespace

std::optional<AnimationSettings>
ParseAnimationOptions(const std::string& frames, const std::string& speed, std::string* message) {
  auto refuse = [message](const char* text) -> std::optional<AnimationSettings> {
    if (message) *message = text;
    return std::nullopt;
  };
  // Below 1 before rounding: 0.5 is refused, not rounded to 0 and then refused.
  if (vb::Val(frames) < 1.0) return refuse("The number of frames must large than 1.");
  const std::optional<int64_t> count = WholeOfText(frames);
  if (!count || *count > MaxFrameCount)
    return refuse("The number of frames must not be larger than 10000.");
  if (vb::Val(speed) < 1.0)
    return refuse("The speed of animation must large than 1 frame per second.");
  const std::optional<int64_t> fps = WholeOfText(speed);
  if (!fps || *fps > MaxFramesPerSecond)
    return refuse("The speed of animation must not be larger than 1999 frames per second.");
  return AnimationSettings{static_cast<int32_t>(*count), static_cast<int32_t>(*fps)};
}

int32_t ClampFramesPerSecond(int32_t framesPerSecond) {
  return std::clamp(framesPerSecond, MinFramesPerSecond, MaxFramesPerSecond);
}

int32_t TimerIntervalFor(int32_t framesPerSecond) {
  const double interval = vb::RoundHalfEven(1000.0 / ClampFramesPerSecond(framesPerSecond));
  return std::max(1, static_cast<int32_t>(interval));
}

void ApplyAnimationSettings(const AnimationSettings& settings, GraphCommandHost& host) {
  FrameCount = settings.frameCount;
  FramesPerSecond = settings.framesPerSecond;
  host.SetTimerInterval(TimerIntervalFor(FramesPerSecond));
}

void SampleForNewFrameCount(GraphCommandHost& host, const Graph* sampledByCaller) {
  host.SetAnimationOptionsTexts(FrameCount, FramesPerSecond);
  for (const auto& graph : ShownGraphs.FunSurfs)
    if (graph.get() != sampledByCaller) host.SampleGraph(*graph);
}

void mnuAniOpt_Click(GraphCommandHost& host, const std::function<void()>& showDialog) {
  const int32_t before = FrameCount;
  showDialog();
  host.SetAnimationOptionsTexts(FrameCount, FramesPerSecond);
  if (FrameCount == before) return;
  bool cancelled = false;
  {
    // Many frames take long to sample and compile: past about a second a progress window offers
    // Cancel. The graphs are counted as steps of the sampling; the compilation counts its frames.
    WorkScope work("Sampling and compiling " + std::to_string(FrameCount + 1) + " frames...");
    const int32_t graphs = ShownGraphs.FunSurfs.Count();
    for (int32_t i = 1; i <= graphs && i <= ShownGraphs.FunSurfs.Count() && !cancelled; ++i) {
      host.SampleGraph(*ShownGraphs.FunSurfs.Item(i));
      cancelled = !ReportWorkStep(i, graphs);
    }
    if (!cancelled) {
      host.BuildScene();
      cancelled = work.Cancelled();
    }
  }
  if (cancelled) {
    // Back to the frame count before: the graphs are sampled with it again and the scene is
    // compiled from those samples, which gives the pictures it had.
    FrameCount = before;
    SampleForNewFrameCount(host);
    host.BuildScene();
  }
  host.Display(CurrentFrame);
}
