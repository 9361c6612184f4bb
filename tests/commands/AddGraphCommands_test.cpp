// The add commands' flow around a stand-in dialog: one graph, one checked row with the command's
// caption, the rotation, sampling and animation settings of the kind; a cancelled dialog changes
// nothing; playback follows animated graphs. The commands' captions, and the Animation Options
// parsing with its timer interval.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "commands/AddGraphCommands.h"
#include "commands/AnimationOptions.h"
#include "commands/CommandTestHost.h"
#include "document/RecordingHost.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/WorkProgress.h"
#include "view/camera/SceneLight.h"

namespace {

const AddCommandSpec& Command(const std::string& handler) {
  for (const AddCommandSpec& spec : AddCommandTable())
    if (handler == spec.handler) return spec;
  throw std::out_of_range(handler);
}

std::shared_ptr<Graph> MakeGraph(int32_t type, int32_t coord, int32_t form, const char* x,
                                 const char* y, const char* z) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type, g->CoordType = coord, g->FunForm = form;
  g->ExpressX = x, g->ExpressY = y, g->ExpressZ = z;
  return g;
}

class AddGraphTest : public ::testing::Test {
protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override {
    SetAddDialog(GraphDialog::Curve2DDialog, nullptr);
    SetAddDialog(GraphDialog::RibbonDialog, nullptr);
    ResetProgramState();
    Light.TwoSides[0] = 1.0f;
  }
  // A dialog that adds the graph as the commit does (or nothing when graph is null).
  void DialogAdds(GraphDialog kind, std::shared_ptr<Graph> graph) {
    SetAddDialog(kind, [graph, this](const AddDialogSetup& setup, GraphCommandHost&) {
      seen = setup;
      framesSeen = FrameCount;
      if (!graph) return;
      graph->ID = ++GraphIdCounter;
      AllGraphs.FunSurfs.Add(graph);
      ShownGraphs.FunSurfs.Add(graph);
    });
  }
  CommandTestHost host;
  ScopedScriptedDialogs dialogs;
  AddDialogSetup seen;
  int32_t framesSeen = 0;
};

TEST_F(AddGraphTest, AnAddedGraphGetsOneCheckedRowAndTheKindsSettings) {
  DocumentType = DocumentType25D;
  host.optionsFrames = 20;
  host.optionsSpeed = 400;
  auto ribbon = MakeGraph(Ribbon25DAnimation, Cartesian2D, Parametric, "", "u", "u^2");
  ribbon->Animation = true, ribbon->MinV = -1, ribbon->MaxV = 1, ribbon->StepV = 10;
  ribbon->MaxT = 1;
  DialogAdds(GraphDialog::RibbonDialog, ribbon);
  AddGraphCommand(Command("Add25DPolarAnimation"), host);

  EXPECT_EQ(seen.coordinate, 1);
  EXPECT_TRUE(seen.animated);
  EXPECT_EQ(framesSeen, 20) << "the dialog shows the frame count of the options";
  ASSERT_EQ(host.rows.size(), 1u);
  EXPECT_EQ(host.rows[0].caption, "2.5D Ribbon Animation  x=u, y=u^2");
  EXPECT_TRUE(host.rows[0].checked);
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 1);
  EXPECT_EQ(ShownGraphs.RotPitch, -30.0f);
  EXPECT_EQ(ShownGraphs.RotYaw, 45.0f);
  EXPECT_EQ(FramesPerSecond, 400);
  EXPECT_EQ(host.interval, 2);
  EXPECT_EQ(Light.TwoSides[0], 0.0f);
  EXPECT_FALSE(DocumentAxes().BetterFonts);
  EXPECT_TRUE(host.playback) << "playback follows an added animation";
  EXPECT_EQ(host.builds, 1);
}

TEST_F(AddGraphTest, ACancelledDialogChangesNothing) {
  DocumentType = DocumentType25D;
  DocumentAxes().BetterFonts = true;
  ShownGraphs.RotPitch = 7.0f;
  host.optionsFrames = 30;
  host.optionsSpeed = 3;
  DialogAdds(GraphDialog::RibbonDialog, nullptr);
  EditMode = true;
  AddGraphCommand(Command("Add25DCartesianAnimation"), host);
  EXPECT_EQ(framesSeen, 30);
  EXPECT_EQ(FrameCount, 10);
  EXPECT_EQ(FramesPerSecond, 10);
  EXPECT_EQ(host.interval, 100);
  EXPECT_EQ(Light.TwoSides[0], 1.0f);
  EXPECT_TRUE(DocumentAxes().BetterFonts);
  EXPECT_EQ(ShownGraphs.RotPitch, 7.0f);
  EXPECT_TRUE(host.rows.empty());
  EXPECT_EQ(host.builds, 0);
  EXPECT_FALSE(EditMode);
}

// The 4D animation's dialog may change the frame count: the command samples the new graph and the
// shown ones with it under a progress window, and Cancel takes the new graph out again and gives
// the frame count before back, with the other graphs' samples.
TEST_F(AddGraphTest, ANewFrameCountFromTheDialogSamplesWithProgressAndCancelTakesTheGraphOut) {
  DocumentType = DocumentType4D;
  auto other = MakeGraph(Curve2DAnimation, Cartesian2D, Explicit, "0", "0", "x*t");
  other->Animation = true, other->StepV = 4, other->MaxV = 1, other->MaxT = 1;
  other->ID = ++GraphIdCounter;
  AllGraphs.FunSurfs.Add(other);
  ShownGraphs.FunSurfs.Add(other);
  host.rows.push_back({"other", true});
  ASSERT_TRUE(other->GetPoints());
  SetAddDialog(GraphDialog::Graph4DDialog, [](const AddDialogSetup&, GraphCommandHost&) {
    // As its "Steps t" does: the new count is in force when the graph is added.
    FrameCount = 500;
    auto g = MakeGraph(Function4DAnimation, Cartesian3D, Explicit, "0", "0", "0");
    g->ExpressV = "x+t", g->Animation = true, g->StepU = g->StepV = g->StepW = 2;
    g->ID = ++GraphIdCounter;
    AllGraphs.FunSurfs.Add(g);
    ShownGraphs.FunSurfs.Add(g);
  });
  ScriptedProgressShower progress;
  SetProgressShower(&progress);

  progress.cancelAtStep = 1;
  AddGraphCommand(Command("Add4DAnimation"), host);
  EXPECT_EQ(progress.labels, std::vector<std::string>{"Sampling and compiling 501 frames..."});
  EXPECT_EQ(FrameCount, 10);
  EXPECT_EQ(host.optionsFrames, 10);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1) << "the new graph is taken out again";
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 1);
  EXPECT_EQ(host.rows.size(), 1u);
  EXPECT_EQ(GraphIdCounter, other->ID);
  EXPECT_EQ(other->Anim2D.Upper(1), 10) << "sampled with the frame count before";
  EXPECT_EQ(host.log.back(), "Display " + std::to_string(CurrentFrame));

  progress = ScriptedProgressShower();
  host.sampled.clear();
  AddGraphCommand(Command("Add4DAnimation"), host);
  EXPECT_EQ(progress.labels, std::vector<std::string>{"Sampling and compiling 501 frames..."});
  EXPECT_GE(progress.steps, 2);
  EXPECT_EQ(FrameCount, 500);
  EXPECT_EQ(host.optionsFrames, 500);
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 2);
  EXPECT_EQ(host.sampled, (std::vector<int32_t>{other->ID + 1, other->ID})) << "each once";
  EXPECT_EQ(other->Anim2D.Upper(1), 500);
  EXPECT_EQ(host.rows.size(), 2u);
  SetProgressShower(nullptr);
  SetAddDialog(GraphDialog::Graph4DDialog, nullptr);
  for (const auto& shown : dialogs.prompter.shown)
    ADD_FAILURE() << shown.text;
}

TEST_F(AddGraphTest, ACommandWithoutItsDialogAddsNothing) {
  // The program installs every dialog (tested with the dialogs); without one nothing changes.
  DocumentType = DocumentType3D;
  AddGraphCommand(Command("Add3DCartesianGraph"), host);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_TRUE(host.rows.empty());
}

TEST_F(AddGraphTest, EveryGraphGetsARowEvenWithoutACommandCaption) {
  // A point animation added to a 4D document: the reader's caption, and the checked row is its own.
  DocumentType = DocumentType4D;
  host.rows.push_back({"earlier", true});
  auto earlier = MakeGraph(PointMarker, Cartesian3D, 0, "1", "2", "3");
  earlier->ID = ++GraphIdCounter;
  AllGraphs.FunSurfs.Add(earlier);
  ShownGraphs.FunSurfs.Add(earlier);
  auto point = MakeGraph(PointAnimation, Cartesian3D, 0, "t", "0", "0");
  point->Animation = true;
  SetAddDialog(GraphDialog::PointAnimationDialog,
               [point](const AddDialogSetup&, GraphCommandHost&) {
                 point->ID = ++GraphIdCounter;
                 AllGraphs.FunSurfs.Add(point);
                 ShownGraphs.FunSurfs.Add(point);
               });
  AddGraphCommand(Command("AddPointAnimation"), host);
  SetAddDialog(GraphDialog::PointAnimationDialog, nullptr);
  ASSERT_EQ(host.rows.size(), 2u);
  EXPECT_FALSE(host.rows[1].caption.empty());
  EXPECT_TRUE(host.rows[1].checked);
  EXPECT_EQ(ShownGraphs.RotPitch, 0.0f) << "a point outside 3D documents is viewed flat";
}

// The rows of Draw > "Point" and Animation > "Point Animation" by document kind and coordinate
// system. Points of 2D and 2.5D documents keep two coordinates (ExpressY, ExpressZ), the others
// three. A Special document's point names all three as a 3D document's does: the view draws it
// from all three (a cylindrical point across at r sin a, not at r), so "x=" and "y=" of the
// second and third alone would misstate where it is drawn.
TEST_F(AddGraphTest, PointRowsByDocumentKindAndCoordinates) {
  struct Row {
    int32_t doc, coord;
    const char *point, *animation;
  } rows[] = {
      {DocumentType2D, Cartesian2D, "Point  x=2, y=3", "Point Animation   x=2*t, y=3"},
      {DocumentType2D, Polar, "Point  a=2, r=3", "Point Animation   a=2*t, r=3"},
      {DocumentType25D, Cartesian2D, "Point  x=2, y=3", "Point Animation   x=2*t, y=3"},
      {DocumentType25D, Polar, "Point  a=2, r=3", "Point Animation   a=2*t, r=3"},
      {DocumentType3D, Cartesian3D, "Point  x=1, y=2, z=3", "Point Animation   x=t, y=2*t, z=3"},
      {DocumentType3D, Cylindrical, "Point  a=1, r=2, z=3", "Point Animation   a=t, r=2*t, z=3"},
      {DocumentType3D, Spherical, "Point  a=1, b=2, r=3", "Point Animation   a=t, b=2*t, r=3"},
      // Viewed flat: the two coordinates the view shows.
      {DocumentTypeSpecial, Cartesian3D, "Point  x=2, y=3", "Point Animation   x=2*t, y=3"},
      // Drawn from all three coordinates, named by all three.
      {DocumentTypeSpecial, Cylindrical, "Point  a=1, r=2, z=3",
       "Point Animation   a=t, r=2*t, z=3"},
      {DocumentTypeSpecial, Spherical, "Point  a=1, b=2, r=3", "Point Animation   a=t, b=2*t, r=3"},
  };
  for (const Row& row : rows)
    for (const bool animated : {false, true}) {
      ResetProgramState();
      host = CommandTestHost();
      DocumentType = row.doc;
      auto g = animated ? MakeGraph(PointAnimation, row.coord, 0, "t", "2*t", "3")
                        : MakeGraph(PointMarker, row.coord, 0, "1", "2", "3");
      g->Animation = animated;
      const GraphDialog dialog =
          animated ? GraphDialog::PointAnimationDialog : GraphDialog::PointPropertiesDialog;
      DialogAdds(dialog, g);
      AddGraphCommand(Command(animated ? "AddPointAnimation" : "AddPoint"), host);
      SetAddDialog(dialog, nullptr);
      ASSERT_EQ(host.rows.size(), 1u) << row.point;
      EXPECT_EQ(host.rows[0].caption, animated ? row.animation : row.point)
          << "document kind " << row.doc;
      EXPECT_TRUE(host.rows[0].checked);
    }
}

TEST(AddedGraphCaption, CommandCaptions) {
  struct Row {
    int32_t doc;
    std::shared_ptr<Graph> g;
    const char* caption;
  } rows[] = {
      {1, MakeGraph(Curve2D, Cartesian2D, Explicit, "", "", "sin(x)"), "2D Curve  y=sin(x)"},
      {1, MakeGraph(Curve2D, Polar, Parametric, "", "u", "2"), "2D Curve  a=u, r=2"},
      {1, MakeGraph(Curve2D, Polar, Implicit, "", "", "a-r"), "2D Curve  a-r=0"},
      {1, MakeGraph(Curve2D, Cartesian2D, Inequality, "", "", "x-y"), "Inequality  x-y<=0"},
      {1, MakeGraph(Curve2DAnimation, Cartesian2D, Parametric, "", "u", "t"),
       "2D Curve Animation  x=u, y=t"},
      {1, MakeGraph(Curve2DAnimation, Polar, Inequality, "", "", "r-t"),
       "Inequality Animation  r-t<=0"},
      {2, MakeGraph(Ribbon25D, Cartesian2D, Parametric, "", "u", "u"), "2.5D Ribbon  x=u,y=u"},
      {2, MakeGraph(Ribbon25D, Polar, Explicit, "", "", "1"), "2.5D Ribbon  r=1"},
      {3, MakeGraph(Surface3D, Spherical, Parametric, "u", "v", "1"), "3D Surface  a=u, b=v, r=1"},
      {3, MakeGraph(Surface3DAnimation, Cylindrical, Implicit, "x+y", "", ""),
       "3D Surface Animation  x+y=0"},
      {3, MakeGraph(PointAnimation, Cylindrical, 0, "t", "1", "2"),
       "Point Animation   a=t, r=1, z=2"},
      {2, MakeGraph(PointAnimation, Polar, 0, "", "t", "1"), "Point Animation   a=t, r=1"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(AddedGraphCaption(*row.g, row.doc), row.caption);
  // A form with no command caption still gets one.
  EXPECT_FALSE(AddedGraphCaption(*MakeGraph(Curve2D, Cartesian2D, 0, "", "", "x"), 1).empty());
}

TEST(AnimationOptions, ParsingAndInterval) {
  struct Row {
    const char *frames, *speed;
    int32_t count, fps, interval; // count 0: refused
  } rows[] = {
      {"1.5", "10", 2, 10, 100},    {"2.5", "3", 2, 3, 333},
      {"1.2", "7", 1, 7, 143},      {"12abc", "1999", 12, 1999, 1},
      {"1 2", "1000", 12, 1000, 1}, {"0", "10", 0, 0, 0},
      {"", "10", 0, 0, 0},          {"0.5", "10", 0, 0, 0},
      {"10", "0", 0, 0, 0},         {"10", "2000", 0, 0, 0},
      {"20000", "10", 0, 0, 0},     {"12abc", "1", 12, 1, 1000},
      {"10", "1001", 10, 1001, 1},  {"10", "1998.6", 10, 1999, 1},
      {"10", "1999.5", 0, 0, 0},
  };
  for (const Row& row : rows) {
    std::string message;
    const auto s = ParseAnimationOptions(row.frames, row.speed, &message);
    if (row.count == 0) {
      EXPECT_FALSE(s) << row.frames << " " << row.speed;
      EXPECT_FALSE(message.empty());
      continue;
    }
    ASSERT_TRUE(s) << row.frames << " " << row.speed << ": " << message;
    EXPECT_EQ(s->frameCount, row.count);
    EXPECT_EQ(s->framesPerSecond, row.fps);
    EXPECT_EQ(TimerIntervalFor(s->framesPerSecond), row.interval);
  }
  // Stored speeds outside the range still give a working timer.
  EXPECT_EQ(TimerIntervalFor(0), 1000);
  EXPECT_EQ(TimerIntervalFor(5000), 1);
  std::string message;
  ParseAnimationOptions("10", "2000", &message);
  EXPECT_EQ(message, "The speed of animation must not be larger than 1999 frames per second.");
}

TEST(AnimationOptions, ANewFrameCountSamplesTheShownGraphsAgain) {
  ResetProgramState();
  ScopedScriptedDialogs dialogs;
  CommandTestHost host;
  auto g = MakeGraph(Curve2D, Cartesian2D, Explicit, "0", "0", "x");
  g->ID = 1, g->StepV = 4, g->MinV = 0, g->MaxV = 1;
  AllGraphs.FunSurfs.Add(g);
  ShownGraphs.FunSurfs.Add(g);
  EditAnimationOptions(host, [] {});
  EXPECT_EQ(host.builds, 0) << "an unchanged count samples nothing";
  EditAnimationOptions(host, [&host] { ApplyAnimationSettings({25, 5}, host); });
  EXPECT_EQ(host.sampled, std::vector<int32_t>{1});
  EXPECT_EQ(host.builds, 1);
  EXPECT_EQ(host.interval, 200);
  EXPECT_EQ(host.optionsFrames, 25);
  for (const auto& shown : dialogs.prompter.shown)
    ADD_FAILURE() << shown.text;
  ResetProgramState();
}

TEST(AnimationOptions, CancelledWorkGivesTheFrameCountBeforeBack) {
  ResetProgramState();
  ScopedScriptedDialogs dialogs;
  ScriptedProgressShower progress;
  SetProgressShower(&progress);
  CommandTestHost host;
  for (int32_t id = 1; id <= 2; ++id) {
    auto g = MakeGraph(Curve2DAnimation, Cartesian2D, Explicit, "0", "0", "x*t");
    g->ID = id, g->StepV = 4, g->MinV = 0, g->MaxV = 1, g->MinT = 0, g->MaxT = 1;
    g->Animation = true;
    AllGraphs.FunSurfs.Add(g);
    ShownGraphs.FunSurfs.Add(g);
  }
  // Cancel after the first graph: both are sampled again with the count before, and the scene is
  // compiled from those samples.
  progress.cancelAtStep = 1;
  EditAnimationOptions(host, [&host] { ApplyAnimationSettings({500, 10}, host); });
  EXPECT_EQ(FrameCount, 10);
  EXPECT_EQ(host.optionsFrames, 10);
  EXPECT_EQ(host.sampled, (std::vector<int32_t>{1, 1, 2}));
  EXPECT_EQ(host.builds, 1);
  EXPECT_EQ(AllGraphs.FunSurfs.Item(2)->Anim2D.Upper(1), 10);
  EXPECT_EQ(host.log.back(), "Display " + std::to_string(CurrentFrame));
  ASSERT_EQ(progress.labels.size(), 1u);
  EXPECT_EQ(progress.labels[0], "Sampling and compiling 501 frames...");

  // Not cancelled: the new count stays.
  host = CommandTestHost();
  progress.cancelAtStep = -1;
  EditAnimationOptions(host, [&host] { ApplyAnimationSettings({20, 10}, host); });
  EXPECT_EQ(FrameCount, 20);
  EXPECT_EQ(host.sampled, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(host.builds, 1);
  SetProgressShower(nullptr);
  ResetProgramState();
}

} // namespace
