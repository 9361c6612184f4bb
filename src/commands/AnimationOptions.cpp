#include "commands/AnimationOptions.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "commands/AddGraphCommands.h"
#include "commands/GraphCommandHost.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"
#include "platform/WorkProgress.h"
#include "sampling/Sampling.h"

namespace {

// The whole number a box's text gives: its leading number rounded half to even; nothing when it
// lies beyond 32-bit integers.
std::optional<int64_t> WholeOfText(const std::string& text) {
  const double value = NumberText::RoundHalfEven(NumberText::LeadingValue(text));
  if (!std::isfinite(value) || std::fabs(value) > 2147483647.0) return std::nullopt;
  return static_cast<int64_t>(value);
}

// How many characters of a graph's row a message quotes.
constexpr std::size_t QuotedCaptionChars = 80;

// Memory as the messages give it, never less than a megabyte: the amounts here are frames' samples.
std::string FramesMemoryText(std::size_t bytes, MemoryRounding rounding = MemoryRounding::Nearest) {
  return MemoryText(std::max<std::size_t>(bytes, std::size_t{1} << 20), rounding);
}

// A graph as the user finds it: its number in the graph list and its row.
std::string GraphName(const Graph& g, const GraphListHost& host) {
  const int32_t position = AllGraphs.FunSurfs.PositionOf(GraphKey(g));
  std::string caption = position >= 1 ? host.ListRowCaption(position - 1) : std::string();
  if (caption.empty()) caption = AddedGraphCaption(g, DocumentType);
  return "graph " + std::to_string(position) + " (\"" + ShortenedLine(caption, QuotedCaptionChars) +
         "\")";
}

// The bytes a graph's samples take with a frame count; nothing when they cannot be laid out.
std::optional<std::size_t> BytesWithFrames(const Graph& g, int32_t frames) {
  return SamplingBytes(g.GraphType, g.FunForm, g.CoordType, g.StepU, g.StepV, g.StepW, frames,
                       g.ShowSurPX, g.ShowSurPY, g.ShowJO);
}

} // namespace

std::optional<AnimationSettings>
ParseAnimationOptions(const std::string& frames, const std::string& speed, std::string* message) {
  auto refuse = [message](const char* text) -> std::optional<AnimationSettings> {
    if (message) *message = text;
    return std::nullopt;
  };
  // Below 1 before rounding: 0.5 is refused, not rounded to 0 and then refused.
  if (NumberText::LeadingValue(frames) < 1.0)
    return refuse("The number of frames must large than 1.");
  const std::optional<int64_t> count = WholeOfText(frames);
  if (!count || *count > MaxFrameCount)
    return refuse("The number of frames must not be larger than 10000.");
  if (NumberText::LeadingValue(speed) < 1.0)
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
  const double interval = NumberText::RoundHalfEven(1000.0 / ClampFramesPerSecond(framesPerSecond));
  return std::max(1, static_cast<int32_t>(interval));
}

void ApplyAnimationSettings(const AnimationSettings& settings, GraphCommandHost& host) {
  FrameCount = settings.frameCount;
  FramesPerSecond = settings.framesPerSecond;
  host.SetTimerInterval(TimerIntervalFor(FramesPerSecond));
}

std::optional<std::string> FrameCountProblem(int32_t frames, const GraphListHost& host,
                                             const std::optional<CommittedGraph>& committed) {
  const std::string count = std::to_string(frames) + (frames == 1 ? " frame" : " frames");
  const std::string stays = " The number of frames stays " + std::to_string(FrameCount) + ".";
  const Graph* edited = committed ? committed->edited : nullptr;
  // Samples that cannot be counted cannot be laid out either: never counted as nothing.
  if (committed && !committed->bytes)
    return "This graph cannot be sampled with " + count + ": its samples would not fit in memory." +
           stays;
  for (const auto& g : ShownGraphs.FunSurfs) {
    if (g.get() == edited || !GraphKind(*g).SampledWhenShown) continue;
    if (!BytesWithFrames(*g, frames) && BytesWithFrames(*g, FrameCount)) {
      std::string name = GraphName(*g, host);
      name[0] = 'G';
      return name + " cannot be sampled with " + count + ": its samples would not fit in memory." +
             stays;
    }
  }
  // The budget is the whole document's: a hidden graph is sampled with the count once shown. The
  // committed graph counts as it will be after the change and as it is before it.
  std::size_t before = 0, after = 0, largestBytes = 0;
  std::string largest;
  if (committed) {
    after = largestBytes = *committed->bytes;
    largest = edited ? GraphName(*edited, host) : "this graph";
  }
  for (const auto& g : AllGraphs.FunSurfs) {
    if (!GraphKind(*g).SampledWhenShown) continue;
    before += BytesWithFrames(*g, FrameCount).value_or(0);
    if (g.get() == edited) continue;
    const std::size_t bytes = BytesWithFrames(*g, frames).value_or(0);
    after += bytes;
    if (bytes > largestBytes) largestBytes = bytes, largest = GraphName(*g, host);
  }
  // Read once: the message names the budget the count was judged by (the memory available
  // changes from one reading to the next).
  const std::size_t budget = DocumentSamplingBudget();
  if (after <= budget || after <= before) return std::nullopt;
  std::string need = FramesMemoryText(after), allowed = FramesMemoryText(budget);
  if (need == allowed) {
    need = FramesMemoryText(after, MemoryRounding::Up);
    allowed = FramesMemoryText(budget, MemoryRounding::Down);
  }
  std::string text = "The graphs cannot be sampled with " + count + ": their samples would need " +
                     need + " of memory for their samples and their drawing, more than the " +
                     allowed + " a document may use";
  if (!largest.empty())
    text += " (the largest: " + largest + ", " + FramesMemoryText(largestBytes) + ")";
  return text + "." + stays;
}

bool SampleForNewFrameCount(GraphCommandHost& host, const Graph* sampledByCaller) {
  host.SetAnimationOptionsTexts(FrameCount, FramesPerSecond);
  const int32_t graphs = ShownGraphs.FunSurfs.Count();
  // The bounds are asked again for every graph: a message box of the sampling lets other events
  // run.
  for (int32_t i = 1; i <= graphs && i <= ShownGraphs.FunSurfs.Count(); ++i) {
    const std::shared_ptr<Graph> graph = ShownGraphs.FunSurfs.Item(i);
    if (graph.get() == sampledByCaller) continue;
    WorkPart part(double(i - 1) / graphs, double(i) / graphs);
    host.SampleGraph(*graph);
    if (!ReportWorkStep(1, 1)) return false;
  }
  return true;
}

void EditAnimationOptions(GraphCommandHost& host, const std::function<void()>& showDialog) {
  const int32_t before = FrameCount;
  showDialog();
  host.SetAnimationOptionsTexts(FrameCount, FramesPerSecond);
  if (FrameCount == before) return;
  bool cancelled = false;
  {
    // Many frames take long to sample and compile: past about a second a progress window offers
    // Cancel. Sampling reports its steps graph by graph; the compilation counts its frames.
    WorkScope work("Sampling and compiling " + std::to_string(FrameCount + 1) + " frames...");
    {
      WorkPart sampling(0.0, SamplingShareOfFrameWork);
      cancelled = !SampleForNewFrameCount(host);
    }
    if (!cancelled) {
      WorkPart compiling(SamplingShareOfFrameWork, 1.0);
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
