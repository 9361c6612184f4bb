#include "commands/AddGraphCommands.h"

#include <algorithm>
#include <map>

#include "commands/AnimationOptions.h"
#include "commands/GraphCommandHost.h"
#include "document/GraphRemoval.h"
#include "model/AxesSettings.h"
#include "model/Graph.h"
#include "model/GraphCaption.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/Errors.h"
#include "platform/WorkProgress.h"
#include "sampling/Sampling.h"
#include "view/camera/SceneLight.h"
#include "view/window/MainWindowCommands.h"

namespace {

std::map<GraphDialog, AddDialogOpener>& Openers() {
  static std::map<GraphDialog, AddDialogOpener> openers;
  return openers;
}

using K = GraphDialog;

// The program-wide animation values a cancelled dialog gives back.
struct SavedAnimation {
  int32_t frameCount = FrameCount;
  int32_t framesPerSecond = FramesPerSecond;
  void Restore() const {
    FrameCount = frameCount;
    FramesPerSecond = framesPerSecond;
  }
};

// The step and stem commands' captions of their dialog and prefixes of their rows.
constexpr const char* StepCaption = "Step Graph Properties";
constexpr const char* StemCaption = "Stem Graph Properties";

// The row of a graph added by a command: the step and stem commands name their own plot.
std::string CommandRowCaption(const AddCommandSpec& spec, const Graph& g) {
  const bool step = spec.setup.caption == StepCaption;
  if ((step || spec.setup.caption == StemCaption) && g.FunForm == Explicit)
    return (step ? "Step Plot  y=" : "Stem Plot  y=") + g.ExpressZ;
  return AddedGraphCaption(g, DocumentType);
}

std::string Pair(const char* first, const Graph& g, const char* second) {
  return std::string(first) + g.ExpressY + second + g.ExpressZ;
}

// The formula part of a 3D curve or surface by form and coordinate system.
std::string Formula3D(const Graph& g) {
  if (g.FunForm == Implicit) return g.ExpressX + "=0";
  if (g.FunForm == Explicit) return (g.CoordType == Spherical ? "r=" : "z=") + g.ExpressZ;
  const char* names[3] = {"x=", ", y=", ", z="};
  if (g.CoordType == Cylindrical) names[0] = "a=", names[1] = ", r=", names[2] = ", z=";
  if (g.CoordType == Spherical) names[0] = "a=", names[1] = ", b=", names[2] = ", r=";
  return names[0] + g.ExpressX + names[1] + g.ExpressY + names[2] + g.ExpressZ;
}

// The commands' own captions; empty where they give none.
std::string CommandCaption(const Graph& g, int32_t documentType) {
  const bool polar = g.CoordType == Polar;
  switch (g.GraphType) {
  case Curve2D:
  case Curve2DAnimation: {
    const bool animated = GraphKind(g).Animated;
    const std::string kind = animated ? "2D Curve Animation  " : "2D Curve  ";
    switch (g.FunForm) {
    case Implicit:
      return kind + g.ExpressZ + "=0";
    case Explicit:
      return kind + (polar ? "r=" : "y=") + g.ExpressZ;
    case Parametric:
      return kind + (polar ? Pair("a=", g, ", r=") : Pair("x=", g, ", y="));
    case Inequality:
      return (animated ? "Inequality Animation  " : "Inequality  ") + g.ExpressZ + "<=0";
    default:
      return {};
    }
  }
  case Ribbon25D:
  case Ribbon25DAnimation: {
    const bool animated = GraphKind(g).Animated;
    const std::string kind = animated ? "2.5D Ribbon Animation  " : "2.5D Ribbon  ";
    if (g.FunForm == Explicit) return kind + (polar ? "r=" : "y=") + g.ExpressZ;
    if (g.FunForm != Parametric) return {};
    if (polar) return kind + Pair("a=", g, ", r=");
    // The still Cartesian ribbon's row has no blank after its comma.
    return kind + Pair("x=", g, animated ? ", y=" : ",y=");
  }
  case Curve3D:
    return "3D Curve  " + Formula3D(g);
  case Surface3D:
    return "3D Surface  " + Formula3D(g);
  case Curve3DAnimation:
    return "3D Curve Animation  " + Formula3D(g);
  case Surface3DAnimation:
    return "3D Surface Animation  " + Formula3D(g);
  case Function4DAnimation:
    return "4D Animation  v=" + g.ExpressV;
  case Table2D:
  case Table25D:
  case Table3D:
    return std::string(GraphKind(g).Name) + "  " + g.NameS;
  case PointMarker:
  case PointAnimation: {
    const std::string kind = g.GraphType == PointMarker ? "Point  " : "Point Animation   ";
    // Points of 2D and 2.5D documents keep two coordinates. A Special document is viewed flat:
    // its Cartesian point is named by the two coordinates the view shows (y across, z up), while
    // a cylindrical or spherical point, drawn from all three, is named by all three.
    const bool namedFlat = documentType == DocumentType2D || documentType == DocumentType25D ||
                           (documentType == DocumentTypeSpecial && g.CoordType != Cylindrical &&
                            g.CoordType != Spherical);
    if (namedFlat) return kind + (polar ? Pair("a=", g, ", r=") : Pair("x=", g, ", y="));
    if (g.CoordType == Cylindrical)
      return kind + "a=" + g.ExpressX + ", r=" + g.ExpressY + ", z=" + g.ExpressZ;
    if (g.CoordType == Spherical)
      return kind + "a=" + g.ExpressX + ", b=" + g.ExpressY + ", r=" + g.ExpressZ;
    return kind + "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
  }
  case Function4D:
    if (g.FunForm != Explicit) return {};
    return "4D Graph  v=" + g.ExpressV;
  case ColorMap:
    return "Color Map  x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
  case ContourPlot:
    return "Contour  x=" + g.ExpressX + ",y=" + g.ExpressY + ",z=" + g.ExpressZ;
  case VectorPlot:
    return "Vector Plot  x=" + g.ExpressX + ",y=" + g.ExpressY + ",z=" + g.ExpressZ;
  default:
    return {};
  }
}

} // namespace

void SetAddDialog(GraphDialog kind, AddDialogOpener opener) {
  if (opener)
    Openers()[kind] = std::move(opener);
  else
    Openers().erase(kind);
}

const std::vector<AddCommandSpec>& AddCommandTable() {
  // handler, dialog, {coordinate, animated}, lighting, frames, fonts, samples, pitch, yaw
  static const std::vector<AddCommandSpec> table = {
      {"Add2DCartesianGraph", K::Curve2DDialog, {0, false}, false, false, false, false, 0, 0},
      {"Add2DPolarGraph", K::Curve2DDialog, {1, false}, false, false, false, false, 0, 0},
      {"Add25DCartesianGraph", K::RibbonDialog, {0, false}, false, false, false, false, -30, 45},
      {"Add25DPolarGraph", K::RibbonDialog, {1, false}, false, false, false, false, -30, 45},
      {"Add3DCartesianGraph", K::Graph3DDialog, {0, false}, false, false, false, true, -30, 45},
      {"Add3DCylindricalGraph", K::Graph3DDialog, {1, false}, false, false, false, true, -30, 45},
      {"Add3DSphericalGraph", K::Graph3DDialog, {2, false}, false, false, false, true, -30, 45},
      {"AddPointAnimation", K::PointAnimationDialog, {0, true}, false, true, true, false, -30, 45},
      {"Add2DCartesianAnimation", K::Curve2DDialog, {0, true}, false, true, true, false, 0, 0},
      {"Add2DPolarAnimation", K::Curve2DDialog, {1, true}, false, true, true, false, 0, 0},
      {"Add25DCartesianAnimation", K::RibbonDialog, {0, true}, true, true, true, false, -30, 45},
      {"Add25DPolarAnimation", K::RibbonDialog, {1, true}, true, true, true, false, -30, 45},
      {"Add3DCartesianAnimation", K::Graph3DDialog, {0, true}, true, true, true, true, -30, 45},
      {"Add3DCylindricalAnimation", K::Graph3DDialog, {1, true}, true, true, true, true, -30, 45},
      {"Add3DSphericalAnimation", K::Graph3DDialog, {2, true}, true, true, true, true, -30, 45},
      {"Add4DAnimation", K::Graph4DDialog, {0, true}, false, true, false, true, -30, 45},
      {"Add2DTableGraph", K::Table2DDialog, {0, false}, false, false, false, false, 0, 0},
      {"Add25DTableGraph", K::Table25DDialog, {0, false}, false, false, false, false, -30, 45},
      {"Add3DTableGraph", K::Table3DDialog, {0, false}, false, false, false, false, -30, 45},
      {"AddPoint", K::PointPropertiesDialog, {0, false}, false, false, false, false, -30, 45},
      {"Add4DGraph", K::Graph4DDialog, {0, false}, false, false, false, true, -30, 45},
      {"AddStepPlot", K::StepStemDialog, {0, false, StepCaption}, false, false, false, false, 0, 0},
      {"AddStemPlot", K::StepStemDialog, {0, false, StemCaption}, false, false, false, false, 0, 0},
      {"AddColorMap", K::ColorMapDialog, {0, false}, false, false, false, true, 0, 0},
      {"AddContourPlot", K::ContourPlotDialog, {0, false}, false, false, false, true, 0, 0},
      {"AddVectorPlot", K::VectorPlotDialog, {0, false}, false, false, false, true, 0, 0},
  };
  return table;
}

bool HasAddDialog(GraphDialog kind) { return Openers().count(kind) > 0; }

void AddGraphCommand(const AddCommandSpec& spec, GraphCommandHost& host) {
  const auto opener = Openers().find(spec.dialog);
  if (opener == Openers().end()) {
    // Every dialog of the command table is installed at start-up; a program built without one
    // adds nothing and says which on stderr.
    ReportSkippedStep(spec.handler, "no property dialog is installed for it");
    return;
  }
  EditMode = false;
  // The dialog shows the frame count and the new graph is sampled with it, so it is set before
  // the dialog opens and given back when nothing is added.
  const SavedAnimation saved;
  if (spec.frames) {
    FrameCount = std::max(MinFrameCount, host.AnimationOptionsFrameCount());
    FramesPerSecond = ClampFramesPerSecond(host.AnimationOptionsFramesPerSecond());
  }
  const int32_t before = AllGraphs.FunSurfs.Count();
  opener->second(spec.setup, host);
  if (AllGraphs.FunSurfs.Count() <= before) {
    saved.Restore();
    return;
  }
  if (spec.lighting) Light.TwoSides[0] = 0.0f;
  if (spec.fonts) DocumentAxes().BetterFonts = false;
  if (spec.frames) host.SetTimerInterval(TimerIntervalFor(FramesPerSecond));

  const bool point =
      spec.dialog == K::PointPropertiesDialog || spec.dialog == K::PointAnimationDialog;
  const bool flat = point && DocumentType != DocumentType3D;
  ShownGraphs.RotRoll = 0.0f;
  ShownGraphs.RotPitch = flat ? 0.0f : spec.pitch;
  ShownGraphs.RotYaw = flat ? 0.0f : spec.yaw;

  // The new graph is the last of AllGraphs; its row is the last row.
  const int32_t count = AllGraphs.FunSurfs.Count();
  const std::shared_ptr<Graph> added = AllGraphs.FunSurfs.Item(count);
  Graph& graph = *added;
  const bool framesChanged = FrameCount != saved.frameCount;
  bool cancelled = false, rowAdded = false;
  {
    // Sampling the graph (and the others, sampled with the former frame count) and compiling its
    // frames may take long: past about a second a progress window offers Cancel.
    WorkScope work(GraphKind(graph).Animated
                       ? "Sampling and compiling " + std::to_string(FrameCount + 1) + " frames..."
                       : std::string("Sampling and compiling the graph..."));
    {
      WorkPart sampling(0.0, SamplingShareOfFrameWork);
      if (spec.samples) {
        WorkPart own(0.0, framesChanged ? 0.5 : 1.0);
        host.SampleGraph(graph);
      }
      if (framesChanged && !work.Cancelled()) {
        WorkPart others(0.5, 1.0);
        SampleForNewFrameCount(host, &graph);
      }
      cancelled = work.Cancelled();
    }
    if (!cancelled) {
      host.AddListRow(CommandRowCaption(spec, graph));
      rowAdded = true;
      WorkPart compiling(SamplingShareOfFrameWork, 1.0);
      host.SetListRowChecked(count - 1, true);
      cancelled = work.Cancelled();
    }
  }
  if (!cancelled) return;
  // Cancel takes the new graph out again and gives a new frame count back, with the samples and
  // pictures of before.
  if (ShownGraphs.FunSurfs.Contains(GraphKey(graph))) ShownGraphs.FunSurfs.Remove(GraphKey(graph));
  AllGraphs.FunSurfs.Remove(count);
  if (rowAdded) host.RemoveListRow(count - 1);
  if (GraphIdCounter == graph.ID) --GraphIdCounter;
  PlaybackFollowsShownGraphs(host);
  if (framesChanged) {
    saved.Restore();
    host.SetTimerInterval(TimerIntervalFor(FramesPerSecond));
    SampleForNewFrameCount(host);
  }
  host.BuildScene();
  host.Display(CurrentFrame);
}

std::string AddedGraphCaption(const Graph& graph, int32_t documentType) {
  std::string caption = CommandCaption(graph, documentType);
  return caption.empty() ? GraphCaption(graph, documentType) : caption;
}

void InstallAddGraphCommands() {
  for (const AddCommandSpec& spec : AddCommandTable())
    MainWindowCommands::Set(spec.handler, [&spec] {
      if (auto host = MakeWindowCommandHost()) AddGraphCommand(spec, *host);
    });
}
