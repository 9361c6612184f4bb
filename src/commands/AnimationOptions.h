#pragma once
// Animation > "Options...": the number of frames and the speed of animations. The two texts of
// the dialog are read as their leading numbers (blanks ignored, "12abc" is 12) and rounded half
// to even; a value outside its range is refused with a message and changes nothing. The timer
// interval is 1000 / speed rounded, never below 1 ms (a 0 ms timer never ticks).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/ProgramState.h"

class Graph;
class GraphCommandHost;
class GraphListHost;

// The frames of an animation and its speed in frames per second (at most MaxFramesPerSecond, the
// fastest speed whose timer interval rounds to 1 ms rather than 0).
inline constexpr int32_t MinFrameCount = 1, MaxFrameCount = 10000;
inline constexpr int32_t MinFramesPerSecond = 1;

struct AnimationSettings {
  int32_t frameCount = 10;
  int32_t framesPerSecond = 10;
};

// The settings the two texts give, or nothing with the message that refuses them in *message
// (the frame count is judged first).
std::optional<AnimationSettings>
ParseAnimationOptions(const std::string& frames, const std::string& speed, std::string* message);

// The speed brought into its range (a stored 0 or a huge value plays at a speed that works).
int32_t ClampFramesPerSecond(int32_t framesPerSecond);
// The timer interval in milliseconds for a speed (clamped first): at least 1.
int32_t TimerIntervalFor(int32_t framesPerSecond);

// Sets FrameCount, FramesPerSecond and the timer interval.
void ApplyAnimationSettings(const AnimationSettings& settings, GraphCommandHost& host);

// A graph that a dialog is about to commit in place together with a new frame count, as it will
// be: the graph it edits (null for one it adds) and the bytes its samples will take with the step
// counts it will have and the new frame count, nothing when they cannot be counted (SamplingBytes).
struct CommittedGraph {
  const Graph* edited = nullptr;
  std::optional<std::size_t> bytes;
};

// Why the graphs cannot take `frames` frames: one message naming the first shown graph whose
// samples would then not fit in memory, or, when the samples of all the document's graphs would
// need more than the document's memory budget, that budget and the largest of them; it ends with
// the number of frames in force. Nothing when they can. A graph that cannot be sampled with the
// count in force either is not held against the new one, and neither is a budget that the
// samples already pass when the new count needs no more than they take now. `committed` is the
// graph of a dialog that sets the count: its dialog judges it alone, but its samples as it will
// be are counted beside the others' (those it takes now beside theirs now), and samples of it
// that cannot be counted cannot be made, which refuses the count. Asked before anything changes,
// so that a refused count leaves the samples and pictures as they are.
std::optional<std::string>
FrameCountProblem(int32_t frames, const GraphListHost& host,
                  const std::optional<CommittedGraph>& committed = std::nullopt);

// After the frame count changed: every shown graph but `sampledByCaller` (which its caller
// samples itself, or null) is sampled again for the new count, each an equal part of the work in
// progress, and the Animation Options texts show it. False when the user cancelled the work
// (the graphs after the one cancelled keep their samples). Building and presenting the scene is
// left to the caller.
bool SampleForNewFrameCount(GraphCommandHost& host, const Graph* sampledByCaller = nullptr);

// The "Options..." command around its dialog: showDialog shows the dialog modally (its OK applies
// the settings). When the frame count changed, every shown graph is sampled again and the scene
// built and presented, with a progress window and Cancel when that takes long; Cancel gives the
// frame count before back, with its samples and pictures. The dialog's boxes then hold the values
// in force.
void EditAnimationOptions(GraphCommandHost& host, const std::function<void()>& showDialog);
