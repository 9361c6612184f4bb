#pragma once
// The scene of the main window's view: compiles the shown graphs, the 2D background and grid, the
// axes, the second drawing of the point markers and the legend into OpenGL display lists
// (BuildScene) and presents them (Display).
//
// A still scene is recorded once and presented as three passes with sub-pixel jittered
// projections, averaged with equal weights (Accumulation); the passes take the camera's
// projection at presentation, so a change of the projection shows at once. In 2D and Special
// documents the axes and point markers are drawn once over the averaged picture, with the last
// pass's projection and depth; the legend is drawn last, over everything. An animated scene is
// one list per animation step 0 .. FrameCount, each drawn once with the camera's projection.
//
// Compilation is never re-entered and pumps no events: a BuildScene asked for while one runs is
// done right after it, message boxes raised by the drawers while lists are recorded are shown
// once each after the lists are closed, and a drawing step (one graph, the axes, a legend) that
// throws is left out whole, its list closed and freed, so the GL state and matrix stack of the
// scene stay balanced; what it said is appended to the report box. Each compilation frees the
// lists of the one before.
//
// While a mouse drag is in progress a still scene is presented as one pass without jitter or
// averaging, and a compilation that finds the recorded content's inputs unchanged (only the
// rotation or the camera moved, both applied at presentation) records nothing again. When the drag
// ends the content is recorded afresh and the averaged picture presented once.
//
// What is drawn comes from a SceneSource: the program's is the document (the shown graphs and the
// document's axes); tests and benchmarks give their own.

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/BoundingBox.h"
#include "view/camera/Trackball.h"
#include "view/scene/Accumulation.h"

class GlView;

// The graph properties the 2D legend rows are made of.
struct LegendGraphInfo {
  int32_t GraphType = 0;
  int32_t FunForm = 0;
  int32_t CoordType = 0;
  std::string ExpressZ;
  std::string ExpressY;
  int32_t LineColor = 0;
};

// The text of a graph's row in the legend of 2D documents: the formula from its first "=" on,
// with "y=", "r=", "=0", "<=0" or the x/a part as the graph's form and coordinates ask; a very
// long row is cut short (ShortenedLine).
std::string LegendRowText(const LegendGraphInfo& graph);

// Sets SceneCenterX .. SceneCenterZ to the centre of a box in data units, measured in the current
// axis scales (a centre that is not finite becomes 0).
void SetSceneCenter(const BoundingBox& box);

// Zoom to Fit's first step: sets the scene centre that compiling this box's scene will set (the
// view may not have compiled it yet, and a stale centre would fit the camera around the wrong
// place), then fits the camera around the box taken relative to that centre, in data units.
void FitCameraAround(const BoundingBox& box);

// What the scene compiler draws. Graph indices count from 1 in the order of the shown graphs.
// Every drawing operation is called while a display list is being recorded.
class SceneSource {
public:
  virtual ~SceneSource() = default;
  virtual int32_t GraphCount() = 0;
  // True when any shown graph is animated.
  virtual bool Animation() = 0;
  // The union box of the shown graphs at an animation step, in data units and scene order; every
  // call also sets AxisScaleX .. AxisScaleV from it (ShownGraphs.GetBox).
  virtual BoundingBox GetBox(int32_t step) = 0;
  // The scene rotation in degrees (RotRoll, RotPitch, RotYaw of the shown graphs).
  virtual void SceneRotation(float& roll, float& pitch, float& yaw) = 0;
  virtual int32_t GraphType(int32_t index) = 0;
  // Draws one shown graph (Graph.Draw): an animated graph at the step, any other with no step.
  virtual void DrawGraph(int32_t index, int32_t step) = 0;
  // Makes what a graph's drawing needs that cannot be made while a list is recorded (the
  // textures of textured surfaces). Called for every graph before a compilation records.
  virtual void PrepareGraph(int32_t /*index*/) {}
  // Works out what takes long in a graph's analysis (the integrals of a 2D curve) before a
  // compilation records, showing progress with Cancel past about a second (the document's graphs
  // are then drawn without what was not worked out). Called only where a progress window may
  // handle events; a WorkCancelled let through leaves the previous picture.
  virtual void PrepareAnalysis(int32_t /*index*/) {}
  virtual LegendGraphInfo LegendInfo(int32_t index) = 0;
  // Graph.DrawLegend of one graph with MinX, MaxX, MinY, MaxY, MinZ, MaxZ, MinC, MaxC, MinV, MaxV.
  virtual void DrawColorLegend(int32_t index, const std::array<float, 10>& args) = 0;
  // The 4D value range gathered by GetBox (GraphContainer.MinV, GraphContainer.MaxV).
  virtual void ValueRange(float& minV, float& maxV) = 0;
  // The document's axes (DocumentAxes): Show, DrawBackground, Draw2DGrid, Draw with 2. The box is
  // passed on from call to call, so a value one of them writes reaches the next.
  virtual bool AxesShown() = 0;
  virtual void DrawBackground(BoundingBox& box) = 0;
  virtual void Draw2DGrid(BoundingBox& box) = 0;
  virtual void DrawAxes(BoundingBox& box) = 0;
};

// The document as a scene source: ShownGraphs and DocumentAxes.
SceneSource* DocumentSceneSource();

class Scene {
public:
  Scene();
  ~Scene();
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // The sub-pixel offsets, in pixels, of the three passes of a still scene.
  static constexpr std::array<std::array<float, 2>, 3> Jitter{{
      {-0.373411f, -0.250550f},
      {0.256263f, 0.368119f},
      {0.117148f, -0.117570f},
  }};

  // --- members of the main window that the scene keeps ---
  // The recorded content of the still scene (0 before the first still compilation).
  GLuint SceneList = 0;
  // The first of FrameCount + 1 lists of an animated scene; step s is FrameListBase + s.
  GLuint FrameListBase = 0;
  // The scene rotation: set from the roll, pitch and yaw by every compilation that does not use
  // the trackball, and by trackball drags.
  Quaternion CurrentRotation = IdentityRotation;
  // True: the scene is turned by CurrentRotation as it is; False: by the roll, pitch and yaw.
  bool UseTrackballRotation = false;

  // What to draw (not owned); DocumentSceneSource() unless set otherwise. Null draws nothing.
  void SetSource(SceneSource* source) { m_source = source; }
  SceneSource* Source() const { return m_source; }

  // The view that shows the scene (GlView sets itself). Without a view the scene draws into
  // whatever context is current, at once.
  void AttachView(GlView* view) { m_view = view; }

  // MainWindow.Initialize: the GL set-up of the view. With a view whose context does not exist yet
  // it is done when the view sets its context up; true then. False when the context is unusable
  // ("ChoosePixelFormat failed" has been shown).
  bool Initialize();
  // The GL part of Initialize, with the context current: initial state (white clear colour,
  // dither, depth test with less-or-equal, clear depth 1) and the three font sets. Forgets lists
  // of an earlier context and compiles again when a compilation is waiting.
  bool InitializeGL();

  // Compiles the scene (see the class comment). Sets SceneCenterX .. SceneCenterZ and, without
  // the trackball rotation, CurrentRotation.
  void BuildScene();

  // MainWindow.Display: presents frame animStep (CurrentFrame): frame 0 and 1 show step 0, frame
  // n step n - 1, clamped to the compiled steps. With a view it asks the view to repaint; without
  // one it draws now.
  void Display(int32_t animStep);

  // Holds compilation and presentation back while a command changes many graphs at once (opening
  // a document, a paste): the BuildScene and Display asked for meanwhile are done once each, in
  // that order and with the last frame asked for, when the last hold is released. Holds nest.
  void HoldUpdates() { ++m_holds; }
  void ReleaseUpdates();
  bool UpdatesHeld() const { return m_holds > 0; }

  // Draws frame animStep into the current framebuffer now (the view's paintGL).
  void Render(int32_t animStep);

  // Frees the lists of the current context (the view calls it before its context goes away).
  void ReleaseGL();

  // A mouse drag in the view started (the main window calls it after the press has been drawn).
  // With a view, the drag also ends as soon as no mouse button is held, so a release that never
  // reaches the view cannot leave the scene in its drag mode.
  void BeginDrag();
  // The drag ended. True when the picture shown is a drag picture or content was reused: the
  // caller then compiles and presents (BuildScene, Display) to show the full picture.
  bool EndDrag();
  bool DragInProgress() const;
  // The next compilation records the content again, whatever its inputs.
  void InvalidateContent() { m_contentValid = false; }

  // --- state, for the main window and tests ---
  enum class Kind { None, Still, Animated };
  Kind CompiledKind() const { return m_kind; }
  // Number of animation steps after step 0 in the compiled animated scene.
  int32_t CompiledFrameCount() const { return m_frameCount; }
  // The animation step that frame animStep shows.
  int32_t StepOfFrame(int32_t animStep) const;
  bool Compiling() const { return m_compiling; }
  // Completed compilations (a coalesced request counts once).
  int32_t Compilations() const { return m_compilations; }
  // Presentations asked of the view (Display calls that were not held back).
  int32_t Presentations() const { return m_presentations; }
  // Compilations that recorded the content (the others reused it during a drag).
  int32_t Recordings() const { return m_recordings; }
  // Drawing steps left out of the last compilation because they failed.
  int32_t SkippedSteps() const { return m_skipped; }
  // The rotation matrix of the last compilation.
  const Matrix16& RotationMatrix() const { return m_rotation; }
  // The list drawn once over the averaged still scene (2D/Special axes and markers) and the
  // legend overlay list; 0 when there is none.
  GLuint OverlayList() const { return m_overlayList; }
  GLuint LegendList() const { return m_legendList; }
  // The averaging layer of the still scene.
  const Accumulation& Accumulator() const { return m_accum; }

private:
  struct Lists;
  void CompileOnce();
  void CompileStill(Lists& lists, int32_t count, BoundingBox box);
  void CompileAnimated(Lists& lists, int32_t count);
  void RecordAxesBlock(Lists& lists, std::vector<GLuint>& into, int32_t count, BoundingBox& box);
  GLuint RecordLegend(Lists& lists, int32_t count, bool animated);
  void ComputeRotation();
  void Commit(Lists& lists, Kind kind);
  void RenderNow(int32_t animStep);

  // What the recorded still content is made from, besides the drawers' own data.
  struct ContentKey {
    SceneSource* source = nullptr;
    const void* context = nullptr;
    int32_t documentType = 0;
    bool showLegend = false;
    int32_t count = 0;
    std::array<float, 6> box{};
    std::array<float, 4> scales{};
    bool operator==(const ContentKey&) const = default;
  };

  SceneSource* m_source = nullptr;
  const void* m_glContext = nullptr; // the context the lists were made in
  GlView* m_view = nullptr;
  Kind m_kind = Kind::None;
  int32_t m_frameCount = 0;
  GLuint m_overlayList = 0;
  GLuint m_legendList = 0;
  std::vector<GLuint> m_ownedLists; // every list name of the current compilation
  std::vector<std::pair<GLuint, GLsizei>> m_ownedRanges;
  Matrix16 m_rotation{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  std::array<float, 4> m_scales{1, 1, 1, 0}; // the axis scale factors the scene is drawn with
  Accumulation m_accum;
  bool m_compiling = false;
  bool m_outlineFontsTried = false; // the 3D texts' glyphs were made (or failed) in this context
  bool m_accumFailed = false;       // the smoothing's memory could not be had (said once)
  // Prepares the sum of the smoothing passes; false when there is no memory for it.
  bool ClearAccumulation();
  bool m_deferMessages = false; // InitializeGL's compilation shows its messages afterwards
  bool m_rebuildAsked = false;
  bool m_buildPending = false;
  bool m_presentAsked = false;
  int32_t m_askedFrame = 1;
  int32_t m_compilations = 0;
  int32_t m_presentations = 0;
  int32_t m_holds = 0;
  bool m_heldBuild = false;   // a BuildScene was asked for while held
  bool m_heldPresent = false; // a Display was asked for while held
  int32_t m_heldFrame = 1;
  int32_t m_skipped = 0;
  int32_t m_recordings = 0;
  bool m_dragging = false;
  bool m_dragPicture = false; // a drag picture (one pass) is shown
  bool m_reusedInDrag = false;
  bool m_contentValid = false;
  ContentKey m_contentKey;
};
