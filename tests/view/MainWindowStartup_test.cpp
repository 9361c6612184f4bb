// Start-up of the main window: every program-wide value gets its default, the desktop association
// is written, and the command line opens a document or, when it is empty or names a file that
// cannot be read, an empty 2D document starts (a file that cannot be read is named in a message).

#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/SaveCommands.h"
#include "model/AxesSettings.h"
#include "platform/DesktopRegistration.h"
#include "view/camera/SceneCamera.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"

#include "TestMainWindow.h"

namespace {

using StartupTest = MainWindowTest;

// Gives the program-wide values something other than their defaults.
void Scramble() {
  CurrentFrame = 5;
  FrameCount = 3;
  FramesPerSecond = 25;
  PlayMode = PlayReverse;
  AxisChanged = true;
  GraphIdCounter = 7;
  RotationMode = RotationAboutY;
  AxisScaleX = AxisScaleY = AxisScaleZ = 3.0f;
  ShowLegend = false;
  AxisScaleMode = ScaleCustom;
  AxisRatioX = AxisRatioY = AxisRatioZ = 2.0f;
  ViewMinX = ViewMinY = ViewMinZ = 1.0f;
  ViewMaxX = ViewMaxY = ViewMaxZ = 2.0f;
  EditMode = true;
  ClipboardGraphCount = 1;
  ZoomActive = true;
  ZoomFactor = 3.0f;
  DocumentType = DocumentType3D;
  DocumentAxes().Show = false;
}

// Writes a document of the given kind, with no graph, to a file.
std::string WriteEmptyDocument(const QString& folder, int32_t kind) {
  const int32_t oldKind = DocumentType;
  DocumentType = kind;
  AxisScaleMode = ScaleCustom;
  const std::string path = (folder + "/document with blanks.crv").toStdString();
  std::string problem;
  EXPECT_TRUE(WriteDocument(path, &problem)) << problem;
  DocumentType = oldKind;
  return path;
}

} // namespace

TEST_F(StartupTest, EveryValueGetsItsDefault) {
  Scramble();
  MainWindow& w = Make();
  EXPECT_EQ(CurrentFrame, 1);
  EXPECT_EQ(FrameCount, 10);
  EXPECT_EQ(FramesPerSecond, 10);
  EXPECT_EQ(PlayMode, PlayNormal);
  EXPECT_FALSE(AxisChanged);
  EXPECT_EQ(GraphIdCounter, 0);
  EXPECT_EQ(RotationMode, RotationNone);
  EXPECT_EQ(AxisScaleX, 1.0f);
  EXPECT_EQ(AxisScaleY, 1.0f);
  EXPECT_EQ(AxisScaleZ, 1.0f);
  EXPECT_TRUE(ShowLegend);
  EXPECT_EQ(AxisRatioX, 1.0f);
  EXPECT_EQ(AxisRatioY, 1.0f);
  EXPECT_EQ(AxisRatioZ, 1.0f);
  for (float v : {ViewMinX, ViewMinY, ViewMinZ})
    EXPECT_EQ(v, -500.0f);
  for (float v : {ViewMaxX, ViewMaxY, ViewMaxZ})
    EXPECT_EQ(v, 500.0f);
  EXPECT_FALSE(EditMode);
  EXPECT_EQ(ClipboardGraphCount, 0);
  EXPECT_FALSE(ZoomActive || MoveActive || RotateActive);
  EXPECT_EQ(ZoomFactor, 1.0f);
  EXPECT_EQ(CrLf, "\r\n");
  EXPECT_EQ(TabChar, "\t");
  EXPECT_TRUE(DocumentAxes().Show);
  EXPECT_EQ(w.AnimationTimer()->interval(), 100);
  EXPECT_FALSE(w.AnimationTimer()->isActive());
  EXPECT_FALSE(w.View()->TheScene().UseTrackballRotation);
  EXPECT_EQ(w.View()->TheScene().CurrentRotation, (Quaternion{0, 0, 0, 1}));
  // The empty command line starts an empty 2D document, as File New 2D does.
  EXPECT_EQ(DocumentType, DocumentType2D);
  EXPECT_EQ(AxisScaleMode, ScaleEqual);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  // The horizontal splitter starts three toolbar heights and its own height above the bottom.
  EXPECT_EQ(w.Panes().HorizontalSplitter.Top, InitialHorizontalSplitterTop(w.Metrics()));
  EXPECT_EQ(w.Panes().VerticalSplitter.Left, VerticalSplitterDesignLeftTwips);
}

TEST_F(StartupTest, CreatingTheWindowResetsTheProgramObjects) {
  Camera.VolHeight = 99;
  Camera.ProjectType = ProjectPerspective;
  AddGraph();
  Make(false);
  EXPECT_EQ(Camera.VolHeight, 40.0f);
  EXPECT_EQ(Camera.ProjectType, ProjectOrtho);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 0);
}

TEST_F(StartupTest, RegistersTheDocumentTypeInTheXdgFolder) {
  Make();
  const auto files = DesktopRegistration::FilesIn(xdg.path().toStdString());
  EXPECT_TRUE(DesktopRegistration::IsOurs(files.MimePackage));
  EXPECT_TRUE(DesktopRegistration::IsOurs(files.DesktopEntry));
}

TEST_F(StartupTest, GoodCommandLineDocumentIsOpened) {
  const std::string path = WriteEmptyDocument(xdg.path(), DocumentType3D);
  Make(true, path);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_EQ(DocumentType, DocumentType3D);
  // The scale trailer of the file, not the 2D document's ScaleEqual.
  EXPECT_EQ(AxisScaleMode, ScaleCustom);
}

TEST_F(StartupTest, ACommandLineDocumentFarFromTheOriginLandsCentred) {
  // Opened before the view has a GL context: Zoom to Fit must already fit the camera around the
  // document's own centre, the one its first compilation sets.
  auto table = std::make_shared<Graph>();
  table->GraphType = Table2D;
  table->ID = 1;
  table->StepV = 1;
  table->VertTab3D(0, 0) = GraphPoint::Init(10, 20, 0, 0);
  table->VertTab3D(0, 1) = GraphPoint::Init(30, 60, 0, 0);
  GraphContainer shown;
  shown.FunSurfs.Add(table);
  AxesSettings axes;
  axes.Show = false;
  const std::string path = (xdg.path() + "/far.crv").toStdString();
  std::string problem;
  ASSERT_TRUE(DocumentFile::Write(
      path, BuildDocumentText(DocumentType2D, shown, axes, {ScaleEqual, 1, 1, 1}), &problem));
  SceneCenterX = SceneCenterY = SceneCenterZ = 0.0f; // what a fresh program has
  Make(true, path);
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const BoundingBox box =
      ShownGraphs.GetBox(0); // the 2D box reaches to the origin: 0 .. 30, 0 .. 60
  EXPECT_FLOAT_EQ(SceneCenterX * AxisScaleX, (box.MinX + box.MaxX) / 2);
  EXPECT_FLOAT_EQ(SceneCenterY * AxisScaleY, (box.MinY + box.MaxY) / 2);
  EXPECT_GT(SceneCenterX, 0.0f);
  // The box is symmetric about the centre, so the camera looks at the scene's origin.
  EXPECT_NEAR(Camera.RefPos.x, 0.0f, 1e-4f);
  EXPECT_NEAR(Camera.RefPos.y, 0.0f, 1e-4f);
}

TEST_F(StartupTest, UnreadableCommandLineDocumentIsNamedAndAnEmpty2DDocumentStarts) {
  const QString bad = xdg.path() + "/not a document.crv";
  {
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x08\x00\x05\x00garbage and more", 20);
  }
  struct Row {
    const char* what;
    std::string path;
  };
  const Row rows[] = {
      {"missing", (xdg.path() + "/nowhere.crv").toStdString()},
      {"malformed", bad.toStdString()},
      {"quoted path", "\"" + (xdg.path() + "/x.crv").toStdString() + "\""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    dialogs.prompter.shown.clear();
    DocumentType = 0;
    AxisScaleMode = ScaleCustom;
    Make(true, r.path);
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    const ShownMessage& m = dialogs.prompter.shown[0];
    EXPECT_NE(m.text.find(r.path), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("empty 2D document"), std::string::npos) << m.text;
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(DocumentType, DocumentType2D);
    EXPECT_EQ(AxisScaleMode, ScaleEqual);
    window.reset();
  }
}

TEST_F(StartupTest, LoadRunsOnce) {
  MainWindow& w = Make();
  FrameCount = 42;
  w.Form_Load("");
  EXPECT_EQ(FrameCount, 42);
}
