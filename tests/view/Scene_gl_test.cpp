// The scene compiler and its presentation, drawn under Xvfb with a scene source of flat
// rectangles: the clear colour of an empty scene, the averaged jittered passes against a reference
// average, the overlays drawn once over the average, the frame lists of an animation, and the
// mended faults (no nested compilation, held messages, failing graphs left out, lists freed, one
// set of scale factors, frame numbers clamped, projection changes shown at once), and the mouse
// drag: a one-pass picture while it lasts, content reused when only the rotation changed.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "SceneFakeSource.h"
#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/WorkProgress.h"
#include "render/common/ResultBox.h"
#include "support/GlTestContext.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/SceneLight.h"
#include "view/scene/Scene.h"
#include "support/ProgramStateReset.h"

namespace {

constexpr int kSize = 64;

std::vector<uint8_t> ReadRgba() {
  std::vector<uint8_t> px(kSize * kSize * 4);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
  return px;
}

Rgb At(const std::vector<uint8_t>& px, int x, int y) {
  const size_t i = (static_cast<size_t>(y) * kSize + static_cast<size_t>(x)) * 4;
  return Rgb{px[i], px[i + 1], px[i + 2]};
}

// A black triangle with slanted edges, in scene units (1 unit = 1 pixel in the tests' camera).
void DrawTriangle(float r = 0, float g = 0, float b = 0, float z = 0) {
  glDisable(GL_LIGHTING);
  glColor3f(r, g, b);
  glBegin(GL_TRIANGLES);
  glVertex3f(-20.0f, -17.0f, z);
  glVertex3f(21.0f, -9.0f, z);
  glVertex3f(-3.0f, 22.0f, z);
  glEnd();
}

int CountBetween(const std::vector<uint8_t>& px, int lo, int hi) {
  int n = 0;
  for (size_t i = 0; i < px.size(); i += 4)
    if (px[i] > lo && px[i] < hi) ++n;
  return n;
}

class SceneTest : public ProgramStateTest {
protected:
  static void SetUpTestSuite() { s_ctx = new GlTestContext(kSize, kSize); }
  static void TearDownTestSuite() {
    delete s_ctx;
    s_ctx = nullptr;
  }

  void SetUp() override {
    ProgramStateTest::SetUp();
    ASSERT_TRUE(s_ctx->Valid());
    s_ctx->MakeCurrent();
    Camera.SetScreen(kSize, kSize);
    Camera.VolWidth = Camera.VolHeight = static_cast<float>(kSize);
    Light.Enabled = false;
    DocumentType = DocumentType3D;
    ShowLegend = false;
    scene.SetSource(&source);
    ASSERT_TRUE(scene.InitializeGL());
    glGetError();
  }

  void TearDown() override {
    scene.ReleaseGL();
    ProgramStateTest::TearDown();
  }

  // A still graph that draws the test triangle and counts how often it is drawn.
  void AddCountingTriangle(int& draws) {
    source.graphs.push_back({0,
                             false,
                             [&draws](int32_t) {
                               ++draws;
                               DrawTriangle();
                             },
                             {}});
  }

  // The mean of three renderings of draw, each with the camera's projection shifted by one
  // jitter offset: what the scene's averaged still picture must be.
  std::vector<uint8_t> ReferenceAverage(const std::function<void()>& draw) {
    std::vector<int> sum(kSize * kSize * 4, 0);
    for (const auto& j : Scene::Jitter) {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      Camera.Projection(j[0], j[1], 0, 0, 1);
      draw();
      const auto px = ReadRgba();
      for (size_t i = 0; i < px.size(); ++i)
        sum[i] += px[i];
    }
    std::vector<uint8_t> mean(sum.size());
    for (size_t i = 0; i < sum.size(); ++i)
      mean[i] = static_cast<uint8_t>((sum[i] + 1) / 3);
    return mean;
  }

  static GlTestContext* s_ctx;
  FakeSceneSource source;
  Scene scene;
};

GlTestContext* SceneTest::s_ctx = nullptr;

TEST_F(SceneTest, EmptyScenesShowTheWhiteClearColour) {
  auto expectWhite = [](const char* what) {
    const auto px = ReadRgba();
    for (int y = 0; y < kSize; y += 7)
      for (int x = 0; x < kSize; x += 7)
        ASSERT_EQ(At(px, x, y), (Rgb{255, 255, 255})) << what;
  };
  glClearColor(0.2f, 0.3f, 0.4f, 1.0f); // the set-up makes the clear colour white
  ASSERT_TRUE(scene.InitializeGL());
  scene.Render(1);
  expectWhite("before the first compilation");
  scene.SetSource(nullptr);
  scene.BuildScene();
  scene.Render(1);
  expectWhite("no source");
  scene.SetSource(&source);
  scene.BuildScene();
  EXPECT_EQ(scene.CompiledKind(), Scene::Kind::Still);
  scene.Render(1);
  expectWhite("no shown graph");
  // An empty document records no background, grid, axes or markers.
  for (const auto& call : source.log)
    EXPECT_TRUE(call.rfind("box", 0) == 0) << call;
}

TEST_F(SceneTest, StillSceneIsTheAverageOfThreeJitteredPassesWithAntialiasedEdges) {
  source.graphs.push_back({0, false, [](int32_t) { DrawTriangle(); }, {}});
  scene.BuildScene();
  scene.Render(1);
  const auto shown = ReadRgba();
  const auto reference = ReferenceAverage([] { DrawTriangle(); });
  EXPECT_EQ(shown, reference);
  // Edge pixels lie between the background and the line colour.
  EXPECT_GT(CountBetween(shown, 0, 255), 20);
  EXPECT_EQ(At(shown, 32, 32), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(shown, 2, 60), (Rgb{255, 255, 255}));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneTest, GraphsAreDrawnOncePerCompilationNotOncePerPass) {
  int draws = 0;
  AddCountingTriangle(draws);
  scene.BuildScene();
  scene.Render(1);
  scene.Render(1);
  EXPECT_EQ(draws, 1);
}

TEST_F(SceneTest, FlatDocumentsDrawAxesAndMarkersOnceOverTheAverageWithTheLastPassDepth) {
  for (int32_t kind : {DocumentType2D, DocumentTypeSpecial, DocumentType3D}) {
    SCOPED_TRACE(kind);
    DocumentType = kind;
    source.graphs.clear();
    source.log.clear();
    // A red square in front; the axes draw the black triangle behind it (further from the eye).
    source.graphs.push_back({0,
                             false,
                             [](int32_t) {
                               DrawFlatRect({-6, -6, 6, 6, 1, 0, 0, 0.5f});
                             },
                             {}});
    source.graphs.push_back({kPointMarkerType, false, nullptr, {}});
    source.axes = [](BoundingBox&) { DrawTriangle(0, 0, 0, -0.5f); };
    scene.BuildScene();
    scene.Render(1);
    const auto px = ReadRgba();
    // The square covers the axes where both are: the last pass's depth is in force.
    EXPECT_EQ(At(px, 32, 32), (Rgb{255, 0, 0}));
    const bool flat = kind != DocumentType3D;
    EXPECT_EQ(scene.OverlayList() != 0, flat);
    // Drawn once over the average, the axes' edges are not smoothed; drawn in the passes, they are.
    std::vector<uint8_t> greys;
    for (size_t i = 0; i < px.size(); i += 4)
      if (px[i] == px[i + 1] && px[i] == px[i + 2]) greys.push_back(px[i]);
    const bool smoothed =
        std::any_of(greys.begin(), greys.end(), [](int v) { return v > 0 && v < 255; });
    EXPECT_EQ(smoothed, !flat);
    // The marker is drawn a second time after the axes.
    const std::vector<std::string> tail(source.log.end() - 2, source.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"axes", "graph 2 0"}));
  }
}

TEST_F(SceneTest, DrawingOrderOfAStill2DScene) {
  DocumentType = DocumentType2D;
  source.graphs.push_back({0, false, nullptr, {}});
  source.graphs.push_back({kPointMarkerType, false, nullptr, {}});
  source.graphs.push_back({0, false, nullptr, {}});
  // The box values flow from the grid to the axes: a zero set by the grid reaches the axes.
  float axesMinY = -1;
  source.grid = [](BoundingBox& b) { b.MinY = 0; };
  source.axes = [&](BoundingBox& b) { axesMinY = b.MinY; };
  source.axesShown = false;
  scene.BuildScene();
  EXPECT_EQ(source.log, (std::vector<std::string>{"box 0", "background", "grid", "graph 1 0",
                                                  "graph 2 0", "graph 3 0", "graph 2 0"}));
  source.axesShown = true;
  source.log.clear();
  scene.BuildScene();
  EXPECT_EQ(source.log, (std::vector<std::string>{"box 0", "background", "grid", "graph 1 0",
                                                  "graph 2 0", "graph 3 0", "axes", "graph 2 0"}));
  EXPECT_EQ(axesMinY, 0.0f);
}

TEST_F(SceneTest, ProjectionChangesShowWithoutRecompiling) {
  source.graphs.push_back({0, false, [](int32_t) { DrawFlatRect({-4, -4, 4, 4, 0, 0, 1}); }, {}});
  scene.BuildScene();
  const int32_t compiled = scene.Compilations();
  scene.Render(1);
  EXPECT_EQ(ReadRgba()[(32 * kSize + 32 - 10) * 4], 255); // 10 pixels left of the centre: white
  Camera.Zoom(0.25f);                                     // four times closer
  scene.Render(1);
  const auto px = ReadRgba();
  EXPECT_EQ(At(px, 32 - 10, 32), (Rgb{0, 0, 255}));
  Camera.ProjectType = ProjectPerspective;
  scene.Render(1);
  EXPECT_EQ(At(ReadRgba(), 32, 32), (Rgb{0, 0, 255}));
  EXPECT_EQ(scene.Compilations(), compiled);
}

TEST_F(SceneTest, SceneRotationFromRollPitchYawAndTrackball) {
  source.roll = 0;
  source.pitch = -30;
  source.yaw = 45;
  scene.BuildScene();
  Quaternion q1{}, q{}, qRoll{}, qPitch{}, qYaw{};
  Vec4f z{0, 0, 1, 0}, x{1, 0, 0, 0}, y{0, 1, 0, 0};
  AxisAngleQuaternion(z, 0.0f * 3.1416f / 180.0f, qRoll);
  AxisAngleQuaternion(x, -30.0f * 3.1416f / 180.0f, qPitch);
  CombineRotations(qRoll, qPitch, q1);
  AxisAngleQuaternion(y, 45.0f * 3.1416f / 180.0f, qYaw);
  CombineRotations(q1, qYaw, q);
  EXPECT_EQ(scene.CurrentRotation, q);
  Matrix16 m{};
  RotationMatrixFromQuaternion(m, q);
  EXPECT_EQ(scene.RotationMatrix(), m);

  // With the trackball, the rotation is taken as it is and not rewritten.
  scene.UseTrackballRotation = true;
  scene.CurrentRotation = {0, 0, std::sin(0.5f), std::cos(0.5f)};
  source.yaw = 10;
  scene.BuildScene();
  EXPECT_EQ(scene.CurrentRotation, (Quaternion{0, 0, std::sin(0.5f), std::cos(0.5f)}));
  RotationMatrixFromQuaternion(m, scene.CurrentRotation);
  EXPECT_EQ(scene.RotationMatrix(), m);
}

TEST_F(SceneTest, AnimatedSceneHasOneListPerStepAndClampsFrameNumbers) {
  FrameCount = 4;
  // Step s draws the triangle with red s / 4.
  source.graphs.push_back(
      {0, true, [](int32_t s) { DrawTriangle(static_cast<float>(s) / 4.0f, 0, 0); }, {}});
  scene.BuildScene();
  ASSERT_EQ(scene.CompiledKind(), Scene::Kind::Animated);
  EXPECT_EQ(scene.CompiledFrameCount(), 4);
  for (int s = 0; s <= 4; ++s)
    EXPECT_TRUE(glIsList(scene.FrameListBase + s)) << s;
  struct Row {
    int32_t frame;
    int red;
  };
  // Frame n shows step n - 1; 0 shows step 0; beyond the last step the last step is shown.
  for (Row r :
       {Row{0, 0}, Row{1, 0}, Row{2, 64}, Row{5, 255}, Row{6, 255}, Row{1000, 255}, Row{-7, 0}}) {
    scene.Render(r.frame);
    EXPECT_EQ(At(ReadRgba(), 32, 32).r, r.red) << r.frame;
  }
  // The frames are not averaged: the slanted edges of the last step's triangle stay sharp.
  scene.Render(5);
  const auto sharp = ReadRgba();
  for (size_t i = 0; i < sharp.size(); i += 4)
    ASSERT_TRUE(sharp[i + 1] == 0 || sharp[i + 1] == 255) << i;
  // Rebuilding after a change of the frame count gives FrameCount + 1 new lists.
  FrameCount = 2;
  scene.BuildScene();
  EXPECT_EQ(scene.CompiledFrameCount(), 2);
  scene.Render(99);
  EXPECT_NEAR(At(ReadRgba(), 32, 32).r, 128, 1);
}

TEST_F(SceneTest, AnimatedFramesShareOneSetOfScaleFactorsAndTheUnionBox) {
  FrameCount = 3;
  DocumentType = DocumentType2D;
  source.scaleStep = 1.0f; // GetBox of step s sets the scales to 1 + s
  source.boxAt = [](int32_t s) {
    return BoundingBox{-1.0f - s, 1.0f, -2.0f, 2.0f + s, 0.0f, 0.0f};
  };
  std::vector<float> scalesSeen;
  std::vector<BoundingBox> gridBoxes;
  source.graphs.push_back({0, true, [&](int32_t) { scalesSeen.push_back(AxisScaleX); }, {}});
  source.grid = [&](BoundingBox& b) { gridBoxes.push_back(b); };
  scene.BuildScene();
  ASSERT_EQ(scalesSeen.size(), 4u);
  for (float s : scalesSeen)
    EXPECT_EQ(s, 1.0f);
  EXPECT_EQ(AxisScaleX, 1.0f);
  ASSERT_EQ(gridBoxes.size(), 4u);
  const BoundingBox u{-4.1f, 1.1f, -2.1f, 5.1f, -0.1f, 0.1f};
  for (const BoundingBox& b : gridBoxes) {
    EXPECT_FLOAT_EQ(b.MinX, u.MinX);
    EXPECT_FLOAT_EQ(b.MaxY, u.MaxY);
    EXPECT_FLOAT_EQ(b.MaxZ, u.MaxZ);
  }
}

TEST_F(SceneTest, MessagesRaisedWhileRecordingAreShownOnceAfterTheListsClose) {
  ScopedScriptedDialogs dialogs;
  bool listOpenWhenShown = false;
  for (int i = 0; i < 2; ++i)
    source.graphs.push_back({0,
                             true,
                             [&](int32_t) {
                               MsgBox("Syntax Error", MsgButtons::OK, MsgIcon::Critical,
                                      "Syntax Error");
                               if (!dialogs.prompter.shown.empty()) listOpenWhenShown = true;
                             },
                             {}});
  FrameCount = 3; // 2 graphs x 4 frames raise the same message eight times
  scene.BuildScene();
  EXPECT_FALSE(listOpenWhenShown);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Syntax Error");
  EXPECT_EQ(&ThePrompter(), &dialogs.prompter);
}

TEST_F(SceneTest, ABuildAskedForDuringACompilationIsDoneAfterItNotInsideIt) {
  int depth = 0, maxDepth = 0, draws = 0;
  source.graphs.push_back({0,
                           false,
                           [&](int32_t) {
                             ++depth;
                             maxDepth = std::max(maxDepth, depth);
                             if (++draws == 1) {
                               scene.BuildScene(); // coalesced
                               scene.BuildScene();
                               scene.Display(1); // no view: presented after the compilation
                             }
                             DrawFlatRect({-5, -5, 5, 5, 0, 1, 0});
                             --depth;
                           },
                           {}});
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  const int32_t before = scene.Compilations();
  scene.BuildScene();
  EXPECT_EQ(maxDepth, 1);
  EXPECT_EQ(draws, 2);
  EXPECT_EQ(scene.Compilations(), before + 2);
  EXPECT_EQ(At(ReadRgba(), 32, 32), (Rgb{0, 255, 0}));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneTest, AFailureOfAnyKindIsToldInTheReportBoxAndOnStderr) {
  ScopedScriptedDialogs dialogs;
  source.graphs.push_back({0, false, [](int32_t) { throw 42; }, {}});
  testing::internal::CaptureStderr();
  scene.BuildScene();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(scene.SkippedSteps(), 1);
  EXPECT_NE(ResultBox::Text().find("an unknown failure\r\n"), std::string::npos);
  EXPECT_NE(err.find("a drawing step failed: an unknown failure"), std::string::npos) << err;
}

TEST_F(SceneTest, AGraphWithoutMemoryToDrawIsNamedAndTheOthersAreDrawn) {
  ScopedScriptedDialogs dialogs;
  source.graphs.push_back({0,
                           false,
                           [](int32_t) {
                             DrawFlatRect({-20, -20, -10, -10, 1, 0, 0});
                           },
                           {}});
  source.graphs.push_back({0, false, [](int32_t) { throw std::bad_alloc(); }, {}});
  testing::internal::CaptureStderr();
  scene.BuildScene();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(scene.SkippedSteps(), 1);
  EXPECT_NE(ResultBox::Text().find("Cannot draw graph 2: there is not enough memory.\r\n"),
            std::string::npos)
      << ResultBox::Text();
  EXPECT_NE(err.find("drawing graph 2 failed: there is not enough memory"), std::string::npos)
      << err;
  scene.Render(1);
  EXPECT_EQ(At(ReadRgba(), 32 - 15, 32 - 15), (Rgb{255, 0, 0}));
}

TEST_F(SceneTest, AFailingGraphIsLeftOutWithStateAndMatrixStackIntact) {
  ScopedScriptedDialogs dialogs;
  source.graphs.push_back({0,
                           false,
                           [](int32_t) {
                             DrawFlatRect({-20, -20, -10, -10, 1, 0, 0});
                           },
                           {}});
  source.graphs.push_back({0,
                           false,
                           [](int32_t) {
                             glPushMatrix();
                             glTranslatef(5, 5, 0);
                             glEnable(GL_CLIP_PLANE3);
                             glEnableClientState(GL_VERTEX_ARRAY);
                             DrawFlatRect({-30, -30, 30, 30, 0, 0, 0});
                             throw std::runtime_error("drawing failed");
                           },
                           {}});
  source.graphs.push_back({0, false, [](int32_t) { DrawFlatRect({10, 10, 20, 20, 0, 0, 1}); }, {}});
  GLint depthBefore = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
  scene.BuildScene();
  EXPECT_EQ(scene.SkippedSteps(), 1);
  // Its error is told in the report box, without a message box.
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_NE(ResultBox::Text().find("drawing failed\r\n"), std::string::npos);
  scene.Render(1);
  const auto px = ReadRgba();
  EXPECT_EQ(At(px, 32 - 15, 32 - 15), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(px, 32 + 15, 32 + 15), (Rgb{0, 0, 255}));
  EXPECT_EQ(At(px, 32, 32), (Rgb{255, 255, 255})); // nothing of the failed graph
  GLint depthAfter = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
  EXPECT_EQ(depthAfter, depthBefore);
  EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE3));
  EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
  GLint listOpen = 0;
  glGetIntegerv(GL_LIST_INDEX, &listOpen);
  EXPECT_EQ(listOpen, 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneTest, EachCompilationFreesTheListsOfTheOneBefore) {
  source.graphs.push_back({0, false, [](int32_t) { DrawTriangle(); }, {}});
  scene.BuildScene();
  const GLuint firstStill = scene.SceneList;
  ASSERT_TRUE(glIsList(firstStill));
  source.graphs[0].animated = true;
  FrameCount = 3;
  scene.BuildScene();
  EXPECT_FALSE(glIsList(firstStill));
  const GLuint firstFrames = scene.FrameListBase;
  source.graphs[0].animated = false;
  scene.BuildScene();
  for (GLuint s = 0; s <= 3; ++s)
    EXPECT_FALSE(glIsList(firstFrames + s));
  EXPECT_TRUE(glIsList(scene.SceneList));
  // A long run does not use up names.
  for (int i = 0; i < 50; ++i)
    scene.BuildScene();
  EXPECT_LT(scene.SceneList, firstStill + 400);
}

TEST_F(SceneTest, SettingUpAgainInTheSameContextFreesAndRebuilds) {
  source.graphs.push_back({0, false, [](int32_t) { DrawTriangle(); }, {}});
  scene.BuildScene();
  const GLuint oldScene = scene.SceneList;
  const uint32_t oldTick = TickFontBase;
  const int32_t compiled = scene.Compilations();
  ASSERT_TRUE(scene.InitializeGL());
  EXPECT_EQ(scene.Compilations(), compiled + 1); // the scene is compiled again
  EXPECT_TRUE(glIsList(scene.SceneList));
  EXPECT_TRUE(glIsList(TickFontBase));
  // The old names were freed before new ones were taken: nothing leaks.
  for (auto [before, now] :
       {std::pair{oldScene, scene.SceneList}, std::pair{oldTick, TickFontBase}}) {
    if (before != now) {
      EXPECT_FALSE(glIsList(before));
    }
  }
}

// The long work of an analysis is done before any list is recorded, where its progress window
// may come up, never while the view is being set up; a cancelled work keeps the picture before.
TEST_F(SceneTest, TheAnalysisIsWorkedOutBeforeRecordingAndCancelKeepsThePicture) {
  source.graphs.push_back({0, false, [](int32_t) { DrawTriangle(); }, {}});
  GLint openList = -1;
  source.analysis = [&](int32_t) { glGetIntegerv(GL_LIST_INDEX, &openList); };
  source.log.clear();
  source.analysed.clear();
  scene.BuildScene();
  EXPECT_EQ(openList, 0);
  const auto drawn = std::find(source.log.begin(), source.log.end(), "graph 1 0");
  ASSERT_EQ(source.analysed.size(), 1u);
  EXPECT_EQ(source.analysed[0].first, 1);
  EXPECT_LE(source.analysed[0].second, static_cast<size_t>(drawn - source.log.begin()));
  scene.Render(1);
  const auto picture = ReadRgba();

  // Cancelled: nothing is recorded, and the picture before stays.
  source.graphs[0].draw = [](int32_t) { DrawTriangle(1, 0, 0); };
  source.analysis = [](int32_t) { throw WorkCancelled(); };
  source.log.clear();
  const int32_t recordings = scene.Recordings();
  scene.BuildScene();
  EXPECT_EQ(scene.Recordings(), recordings);
  EXPECT_EQ(std::count(source.log.begin(), source.log.end(), "graph 1 0"), 0);
  scene.Render(1);
  EXPECT_EQ(ReadRgba(), picture);

  // Setting the view up compiles the scene without the analysis: the drawing works it out.
  source.analysis = nullptr;
  source.log.clear();
  source.analysed.clear();
  ASSERT_TRUE(scene.InitializeGL());
  EXPECT_TRUE(source.analysed.empty());
  EXPECT_EQ(std::count(source.log.begin(), source.log.end(), "graph 1 0"), 1);
}

TEST_F(SceneTest, TwoDimensionalBackgroundAndGridUnderTheGraphs) {
  DocumentType = DocumentType2D;
  Camera.VolWidth = Camera.VolHeight = 32; // 2 pixels per unit
  AxesSettings axes;
  axes.ShowBackground = true;
  axes.BackStyle = 1; // plain BackColor
  axes.BackColor = 0x0000FF;
  axes.ShowprimaryGrid = true;
  axes.PriGridColor = 0x00FF00;
  source.box = {0, 10, 0, 10, 0, 0};
  source.background = [&](BoundingBox& b) {
    axes.DrawBackground(b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ);
  };
  source.grid = [&](BoundingBox& b) {
    axes.Draw2DGrid(b.MinX, b.MaxX, b.MinY, b.MaxY, b.MinZ, b.MaxZ);
  };
  source.axesShown = false;
  // A blue square over the middle of the box (5, 5), which is the scene centre.
  source.graphs.push_back({0, false, [](int32_t) { DrawFlatRect({-1, -1, 1, 1, 0, 0, 1}); }, {}});
  scene.BuildScene();
  EXPECT_EQ(SceneCenterX, 5.0f);
  EXPECT_EQ(SceneCenterY, 5.0f);
  scene.Render(1);
  const auto px = ReadRgba();
  EXPECT_EQ(At(px, 32, 32), (Rgb{0, 0, 255}));
  int red = 0, green = 0;
  for (int y = 14; y < 50; ++y)
    for (int x = 14; x < 50; ++x) {
      const Rgb c = At(px, x, y);
      if (c == (Rgb{255, 0, 0})) ++red;
      if (c.g > 100 && c.r < 200 && c.b < 100) ++green;
    }
  EXPECT_GT(red, 100);                           // the background around the square
  EXPECT_GT(green, 10);                          // grid lines over it
  EXPECT_EQ(At(px, 1, 1), (Rgb{255, 255, 255})); // outside the background
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneTest, TwoDimensionalLegendRowsShowLineSamplesAndText) {
  DocumentType = DocumentType2D;
  ShowLegend = true;
  LegendGraphInfo red{0, 2, 1, "x^2", "", 255};
  LegendGraphInfo blue{23, 2, 1, "sin(x)", "", 255 * 65536};
  LegendGraphInfo animated{9, 2, 1, "t*x", "", 255 * 256};
  source.graphs.push_back({0, false, nullptr, red});
  source.graphs.push_back({23, false, nullptr, blue});
  source.graphs.push_back({9, false, nullptr, animated});
  scene.BuildScene();
  scene.Render(1);
  auto px = ReadRgba();
  // Overlay x, y in 0..100 of the view: the samples run from x 65 to 68, rows at y 75 and 72.
  auto toPixel = [](float v) { return static_cast<int>(v * kSize / 100.0f); };
  EXPECT_EQ(At(px, toPixel(66.5f), toPixel(75)), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(px, toPixel(66.5f), toPixel(72)), (Rgb{0, 0, 255}));
  EXPECT_EQ(At(px, toPixel(66.5f), toPixel(69)), (Rgb{255, 255, 255})); // no row for the third
  int dark = 0;
  for (int x = toPixel(70); x < kSize; ++x)
    for (int y = toPixel(71); y < toPixel(78); ++y)
      if (At(px, x, y) == (Rgb{0, 0, 0})) ++dark;
  EXPECT_GT(dark, 3);
  // No legend is recorded when it is off.
  ShowLegend = false;
  scene.BuildScene();
  EXPECT_EQ(scene.LegendList(), 0u);
}

TEST_F(SceneTest, ColourLegendArgumentsOf3DAnd4DDocuments) {
  ShowLegend = true;
  source.box = {1, 2, 3, 4, 5, 6};
  source.graphs.push_back({2, false, nullptr, {}});
  for (int32_t kind : {DocumentType3D, DocumentType4D, DocumentType25D, DocumentTypeSpecial}) {
    DocumentType = kind;
    source.legendArgs.clear();
    scene.BuildScene();
    if (kind == DocumentType3D) {
      ASSERT_EQ(source.legendArgs.size(), 1u);
      EXPECT_EQ(source.legendArgs[0], (std::array<float, 10>{5, 6, 1, 2, 3, 4, 3, 4, 0, 1}));
    } else if (kind == DocumentType4D) {
      ASSERT_EQ(source.legendArgs.size(), 1u);
      EXPECT_EQ(source.legendArgs[0], (std::array<float, 10>{5, 6, 1, 2, 3, 4, -2, 5, -2, 5}));
    } else {
      EXPECT_TRUE(source.legendArgs.empty()) << kind;
    }
  }
  // An animated 4D scene uses the 3D form.
  DocumentType = DocumentType4D;
  FrameCount = 1;
  source.graphs[0].animated = true;
  source.legendArgs.clear();
  scene.BuildScene();
  ASSERT_EQ(source.legendArgs.size(), 2u);
  EXPECT_EQ(source.legendArgs[1], (std::array<float, 10>{5, 6, 1, 2, 3, 4, 3, 4, 0, 1}));
}

// One rendering of draw with the camera's projection, no jitter, turned by the rotation m.
std::vector<uint8_t> SinglePass(const std::function<void()>& draw, const Matrix16& m) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  Camera.Projection(0, 0, 0, 0, 1);
  glPushMatrix();
  glMultMatrixf(m.data());
  draw();
  glPopMatrix();
  return ReadRgba();
}

TEST_F(SceneTest, ADragShowsOnePassAndItsEndShowsTheAverageAgain) {
  source.graphs.push_back({0, false, [](int32_t) { DrawTriangle(); }, {}});
  const Matrix16 identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  const auto average = ReferenceAverage([] { DrawTriangle(); });
  const auto onePass = SinglePass([] { DrawTriangle(); }, identity);
  ASSERT_NE(average, onePass);
  EXPECT_EQ(CountBetween(onePass, 0, 255), 0); // no averaged edge pixels

  scene.BuildScene();
  scene.Display(1);
  EXPECT_EQ(ReadRgba(), average);
  // A press alone (nothing presented during it) needs no new picture at its release.
  scene.BeginDrag();
  EXPECT_TRUE(scene.DragInProgress());
  EXPECT_FALSE(scene.EndDrag());

  scene.BeginDrag();
  scene.BuildScene();
  scene.Display(1);
  EXPECT_EQ(ReadRgba(), onePass);
  EXPECT_TRUE(scene.EndDrag());
  EXPECT_FALSE(scene.DragInProgress());
  scene.BuildScene();
  scene.Display(1);
  EXPECT_EQ(ReadRgba(), average);
  EXPECT_FALSE(scene.EndDrag()); // no drag any more
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneTest, ARotationOnlyCompilationDuringADragRecordsNothingYetShowsTheNewRotation) {
  int draws = 0;
  AddCountingTriangle(draws);
  scene.BuildScene();
  scene.Display(1);
  const int32_t recorded = scene.Recordings();
  const GLuint list = scene.SceneList;

  scene.BeginDrag();
  scene.UseTrackballRotation = true;
  scene.CurrentRotation = {0, 0, std::sin(0.7f), std::cos(0.7f)};
  const int32_t compiled = scene.Compilations();
  scene.BuildScene();
  scene.Display(1);
  EXPECT_EQ(draws, 1);
  EXPECT_EQ(scene.Recordings(), recorded);
  EXPECT_EQ(scene.SceneList, list);
  EXPECT_EQ(scene.Compilations(), compiled + 1);
  Matrix16 turned{};
  RotationMatrixFromQuaternion(turned, scene.CurrentRotation);
  EXPECT_EQ(scene.RotationMatrix(), turned);
  EXPECT_EQ(ReadRgba(), SinglePass([] { DrawTriangle(); }, turned));

  // What the content is made of changes: it is recorded again, drag or not.
  struct Change {
    const char* what;
    std::function<void()> apply;
  };
  const std::vector<Change> changes{
      {"box", [&] { source.box.MaxX = 2; }},
      {"document kind", [&] { DocumentType = DocumentType4D; }},
      {"legend", [&] { ShowLegend = true; }},
      {"graph count",
       [&] {
         source.graphs.push_back({0, false, {}, {}});
       }},
      {"asked for", [&] { scene.InvalidateContent(); }},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    c.apply();
    const int32_t before = scene.Recordings();
    scene.BuildScene();
    EXPECT_EQ(scene.Recordings(), before + 1);
    scene.BuildScene(); // and then reused again
    EXPECT_EQ(scene.Recordings(), before + 1);
  }

  // The release records afresh; without a drag every compilation records.
  EXPECT_TRUE(scene.EndDrag());
  const int32_t before = scene.Recordings();
  scene.BuildScene();
  scene.BuildScene();
  EXPECT_EQ(scene.Recordings(), before + 2);
}

} // namespace
