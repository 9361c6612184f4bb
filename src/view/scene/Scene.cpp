#include "view/scene/Scene.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

#include "model/Graph.h"
#include "model/GraphPoint.h"
#include "model/ProgramState.h"
#include "platform/Errors.h"
#include "platform/FreedMemory.h"
#include "platform/Prompter.h"
#include "platform/ShownText.h"
#include "platform/WorkProgress.h"
#include "render/common/GlText.h"
#include "render/common/ResultBox.h"
#include "render/surfaces/KeptStorage.h"
#include "render/surfaces/SurfaceTextures.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/SceneLight.h"
#include "view/scene/GlView.h"

namespace {

// Holds the message boxes that drawers raise while lists are recorded (a modal box would run the
// event loop with a list open) and answers each with its first button. Identical messages are
// kept once. Restores the prompter it replaced when released or destroyed.
class HeldMessages : public Prompter {
public:
  HeldMessages() : m_previous(&ThePrompter()) { SetPrompter(this); }
  ~HeldMessages() override { Release(); }
  HeldMessages(const HeldMessages&) = delete;
  HeldMessages& operator=(const HeldMessages&) = delete;

  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override {
    const bool seen = std::any_of(m_held.begin(), m_held.end(), [&](const ShownMessage& m) {
      return m.text == text && m.buttons == buttons && m.icon == icon && m.title == title;
    });
    if (!seen) m_held.push_back(ShownMessage{text, buttons, icon, title});
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
      return MsgResult::Yes;
    case MsgButtons::RetryCancel:
      return MsgResult::Retry;
    default:
      return MsgResult::OK;
    }
  }

  std::vector<ShownMessage> Release() {
    if (m_previous) {
      SetPrompter(m_previous);
      m_previous = nullptr;
    }
    return std::move(m_held);
  }

private:
  Prompter* m_previous;
  std::vector<ShownMessage> m_held;
};

// Makes the view's context current for a compilation (nothing without a view) and gives it up
// afterwards unless it was current already.
class ViewContext {
public:
  explicit ViewContext(GlView* view) : m_view(view) {
    if (!m_view) return;
    m_wasCurrent = QOpenGLContext::currentContext() == m_view->context();
    m_view->makeCurrent();
  }
  ~ViewContext() {
    if (m_view && !m_wasCurrent) m_view->doneCurrent();
  }
  ViewContext(const ViewContext&) = delete;
  ViewContext& operator=(const ViewContext&) = delete;

private:
  GlView* m_view;
  bool m_wasCurrent = false;
};

// The row text of the 2D legend for one graph.
std::string FromFirstEquals(const std::string& text) {
  const size_t at = text.find('=');
  return at == std::string::npos ? text : text.substr(at);
}

std::string GraphName(int32_t i) { return "graph " + std::to_string(i); }

float CentreOver(float sum, float scale) {
  const float c = sum / 2.0f / scale;
  return std::isfinite(c) ? c : 0.0f;
}

std::string FullLegendRowText(const LegendGraphInfo& g) {
  const std::string t = FromFirstEquals(g.ExpressZ);
  const bool cart = g.CoordType == Cartesian2D, polar = g.CoordType == Polar;
  if (!cart && !polar) return t;
  switch (g.FunForm) {
  case Implicit:
    return t + "=0";
  case Explicit:
    return (cart ? "y=" : "r=") + t;
  case Parametric:
    return (cart ? "x=" : "a=") + FromFirstEquals(g.ExpressY) + (cart ? ", y=" : ", r=") + t;
  case Inequality:
    return t + "<=0";
  default:
    return t;
  }
}

} // namespace

std::string LegendRowText(const LegendGraphInfo& g) {
  // Each glyph of a row is drawn: a formula of a megabyte would take seconds, and its row runs
  // far out of the picture anyway.
  return ShortenedLine(FullLegendRowText(g));
}

void SetSceneCenter(const BoundingBox& box) {
  SceneCenterX = CentreOver(box.MaxX + box.MinX, AxisScaleX);
  SceneCenterY = CentreOver(box.MaxY + box.MinY, AxisScaleY);
  SceneCenterZ = CentreOver(box.MaxZ + box.MinZ, AxisScaleZ);
}

void FitCameraAround(const BoundingBox& box) {
  SetSceneCenter(box);
  const float cx = AxisScaleX * SceneCenterX, cy = AxisScaleY * SceneCenterY,
              cz = AxisScaleZ * SceneCenterZ;
  Camera.ZoomAll(box.MinX - cx, box.MinY - cy, box.MinZ - cz, box.MaxX - cx, box.MaxY - cy,
                 box.MaxZ - cz);
}

// The list names of one compilation. Until committed they are freed on the way out, so a
// compilation that fails leaves no names behind.
struct Scene::Lists {
  std::vector<GLuint> singles;
  std::vector<std::pair<GLuint, GLsizei>> ranges;
  bool committed = false;
  int32_t skipped = 0;
  std::vector<std::string> errors; // what the steps that failed said, each once

  Lists() = default;
  Lists(const Lists&) = delete;
  Lists& operator=(const Lists&) = delete;
  ~Lists() {
    if (committed) return;
    for (GLuint n : singles)
      glDeleteLists(n, 1);
    for (auto [base, count] : ranges)
      glDeleteLists(base, count);
  }

  GLuint NewList() {
    const GLuint n = glGenLists(1);
    if (n != 0) singles.push_back(n);
    return n;
  }

  // Closes and frees the list of a step that failed.
  void Drop(GLuint n) {
    glEndList();
    glPopClientAttrib();
    glDeleteLists(n, 1);
    singles.erase(std::remove(singles.begin(), singles.end(), n), singles.end());
    ++skipped;
  }

  // Records one drawing step (what: what it draws, "graph 2", "the axes") into a list of its own
  // and returns its name. A step that throws is dropped: its list is closed and freed, and 0
  // comes back. Client-side state that a failing drawer changed is put back too.
  template <typename Draw> GLuint Record(const std::string& what, Draw&& draw) {
    const GLuint name = NewList();
    if (name == 0) {
      Failed(what, "there are no display lists left");
      return 0;
    }
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glNewList(name, GL_COMPILE);
    try {
      draw();
    } catch (const std::bad_alloc&) {
      // The samples and the document stay; only this part of the picture is missing.
      Drop(name);
      Failed(what, "there is not enough memory");
      return 0;
    } catch (...) {
      Drop(name);
      const std::string what = CurrentExceptionText();
      ReportSkippedStep("a drawing step", what);
      if (std::find(errors.begin(), errors.end(), what) == errors.end()) errors.push_back(what);
      return 0;
    }
    glEndList();
    glPopClientAttrib();
    return name;
  }

  void Failed(const std::string& what, const std::string& why) {
    const std::string text = "Cannot draw " + what + ": " + why + ".";
    ReportSkippedStep("drawing " + what, why);
    if (std::find(errors.begin(), errors.end(), text) == errors.end()) errors.push_back(text);
  }
};

Scene::Scene() : m_source(DocumentSceneSource()) {}

Scene::~Scene() = default;

bool Scene::Initialize() {
  if (m_view) {
    if (!m_view->Ready()) return true; // done when the view sets its context up
    ViewContext current(m_view);
    return InitializeGL();
  }
  return InitializeGL();
}

bool Scene::InitializeGL() {
  if (glGetString(GL_VERSION) == nullptr) {
    MsgBox("ChoosePixelFormat failed", MsgButtons::OK, MsgIcon::Critical);
    return false;
  }
  const bool hadScene = m_kind != Kind::None;
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (context != nullptr && context == m_glContext) {
    // Set up again in the same context: its lists and fonts are freed before they are rebuilt.
    ReleaseGL();
  } else {
    // Names of an earlier context mean nothing in this one.
    m_ownedLists.clear();
    m_ownedRanges.clear();
    SceneList = FrameListBase = m_overlayList = m_legendList = 0;
    m_kind = Kind::None;
  }
  m_glContext = context;

  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  glEnable(GL_DITHER);
  glDepthFunc(GL_LEQUAL);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  // The flat labels' glyphs now; the outline glyphs of the 3D axes' texts when a scene first
  // needs them (CompileOnce), since a 2D document never does and they are costly to make.
  BuildBitmapFont();
  m_outlineFontsTried = false;
  if (hadScene || m_buildPending) {
    // The view sets its context up while it is being shown or painted: a modal message box must
    // not run its event loop in the middle of that, so messages of this compilation come after.
    m_deferMessages = true;
    BuildScene();
    m_deferMessages = false;
  }
  return true;
}

void Scene::ReleaseGL() {
  for (GLuint n : m_ownedLists)
    glDeleteLists(n, 1);
  for (auto [base, count] : m_ownedRanges)
    glDeleteLists(base, count);
  m_ownedLists.clear();
  m_ownedRanges.clear();
  SceneList = FrameListBase = m_overlayList = m_legendList = 0;
  m_kind = Kind::None;
  SurfaceTextures::ReleaseAll();
  ReleaseGlyphLists(TickFontBase);
  ReleaseGlyphLists(TitleFontBase);
  ReleaseGlyphLists(BitmapFontBase);
  m_outlineFontsTried = false;
  m_glContext = nullptr;
  m_contentValid = false;
}

void Scene::BeginDrag() {
  m_dragging = true;
  m_dragPicture = false;
  m_reusedInDrag = false;
}

bool Scene::DragInProgress() const {
  if (!m_dragging) return false;
  return m_view == nullptr || QGuiApplication::mouseButtons() != Qt::NoButton;
}

bool Scene::EndDrag() {
  const bool wasDragging = m_dragging;
  m_dragging = false;
  // Whatever happened during the drag is recorded afresh for the still picture.
  if (m_reusedInDrag) m_contentValid = false;
  const bool redraw = wasDragging && (m_dragPicture || m_reusedInDrag);
  m_dragPicture = m_reusedInDrag = false;
  return redraw;
}

void Scene::ReleaseUpdates() {
  if (m_holds == 0 || --m_holds > 0) return;
  if (m_heldBuild) {
    m_heldBuild = false;
    BuildScene();
  }
  if (m_heldPresent) {
    m_heldPresent = false;
    Display(m_heldFrame);
  }
}

void Scene::BuildScene() {
  if (m_holds > 0) {
    m_heldBuild = true;
    return;
  }
  if (m_compiling) {
    // Asked for from inside a compilation: done once more when this one ends.
    m_rebuildAsked = true;
    return;
  }
  if (m_view && !m_view->Ready()) {
    m_buildPending = true;
    return;
  }
  m_buildPending = false;
  std::vector<ShownMessage> held;
  {
    ViewContext current(m_view);
    HeldMessages holding;
    m_compiling = true;
    int rounds = 0;
    do {
      m_rebuildAsked = false;
      try {
        CompileOnce();
      } catch (const WorkCancelled&) {
        // The user stopped it: the previous picture stays, and whoever opened the work knows.
        break;
      } catch (const std::bad_alloc&) {
        ReportSkippedStep("compiling the scene", "there is not enough memory");
        ResultBox::Append("Cannot draw the scene: there is not enough memory." + CrLf);
      } catch (...) {
        // Nothing could be compiled (the scene box could not be had): the previous picture stays,
        // and the report box says why.
        const std::string what = CurrentExceptionText();
        ReportSkippedStep("compiling the scene", what);
        ResultBox::Append(what + CrLf);
      }
    } while (m_rebuildAsked && ++rounds < 3);
    m_compiling = false;
    held = holding.Release();
  }
  // What the frames and graphs of before took and the new scene does not need goes back: the
  // drawing's working storage, and the heap freed with the old lists and samples.
  ReleaseUnneededStorage();
  GiveFreedMemoryBack();
  if (m_deferMessages && !held.empty()) {
    QTimer::singleShot(0, qApp, [held] {
      for (const ShownMessage& m : held)
        ThePrompter().MsgBox(m.text, m.buttons, m.icon, m.title);
    });
  } else {
    for (const ShownMessage& m : held)
      ThePrompter().MsgBox(m.text, m.buttons, m.icon, m.title);
  }
  if (m_presentAsked) {
    m_presentAsked = false;
    Display(m_askedFrame);
  }
}

void Scene::ComputeRotation() {
  if (UseTrackballRotation) {
    RotationMatrixFromQuaternion(m_rotation, CurrentRotation);
    return;
  }
  float roll = 0.0f, pitch = 0.0f, yaw = 0.0f;
  if (m_source) m_source->SceneRotation(roll, pitch, yaw);
  Vec4f zAxis{0.0f, 0.0f, 1.0f, 0.0f}, xAxis{1.0f, 0.0f, 0.0f, 0.0f}, yAxis{0.0f, 1.0f, 0.0f, 0.0f};
  Quaternion qRoll{}, qPitch{}, qYaw{}, q1{}, q{};
  AxisAngleQuaternion(zAxis, roll * 3.1416f / 180.0f, qRoll);
  AxisAngleQuaternion(xAxis, pitch * 3.1416f / 180.0f, qPitch);
  CombineRotations(qRoll, qPitch, q1);
  AxisAngleQuaternion(yAxis, yaw * 3.1416f / 180.0f, qYaw);
  CombineRotations(q1, qYaw, q);
  RotationMatrixFromQuaternion(m_rotation, q);
  VectorCopy(q, CurrentRotation);
}

void Scene::CompileOnce() {
  // Glyph lists are made outside any open list: before this compilation opens its own.
  if (DocumentType != DocumentType2D && !m_outlineFontsTried) {
    m_outlineFontsTried = true;
    BuildOutlineFonts();
  }
  Lists lists;
  const int32_t count = m_source ? std::max(0, m_source->GraphCount()) : 0;
  const bool animated = m_source && count > 0 && m_source->Animation();
  BoundingBox box;
  if (m_source) box = m_source->GetBox(0);
  // The scale factors of step 0 are the scene's: every frame and every later box is drawn with
  // them, and the centre is measured in them.
  m_scales = {AxisScaleX, AxisScaleY, AxisScaleZ, AxisScaleV};
  SetSceneCenter(box);
  ComputeRotation();

  // The textures of this compilation are made before any list is open; those of the previous
  // one go when its lists go.
  auto prepare = [&] {
    for (int32_t i = 1; i <= count; ++i)
      m_source->PrepareGraph(i);
  };
  // The long work of the analysis, before any list is open and with its progress window, only
  // where that window may handle events: not while the view is being shown or painted. Those
  // events may leave another context current.
  auto analyse = [&] {
    if (m_deferMessages) return;
    for (int32_t i = 1; i <= count; ++i)
      m_source->PrepareAnalysis(i);
    if (m_view) m_view->makeCurrent();
  };
  if (animated) {
    m_contentValid = false;
    analyse();
    SurfaceTextures::CompileScope textures;
    prepare();
    CompileAnimated(lists, count);
    Commit(lists, Kind::Animated);
    textures.Keep();
    ++m_recordings;
    return;
  }
  // The still content holds neither the rotation nor the projection: a drag that only turns,
  // zooms or pans the scene can present the lists it has.
  const ContentKey key{m_source,     m_glContext,
                       DocumentType, ShowLegend,
                       count,        {box.MinX, box.MaxX, box.MinY, box.MaxY, box.MinZ, box.MaxZ},
                       m_scales};
  if (m_kind == Kind::Still && m_contentValid && key == m_contentKey && DragInProgress()) {
    m_reusedInDrag = true;
    ++m_compilations;
    return;
  }
  m_contentValid = false;
  if (m_source) analyse();
  SurfaceTextures::CompileScope textures;
  if (m_source) prepare();
  CompileStill(lists, count, box);
  Commit(lists, Kind::Still);
  textures.Keep();
  ++m_recordings;
  m_contentKey = key;
  m_contentValid = true;
}

void Scene::Commit(Lists& lists, Kind kind) {
  // The lists of the previous compilation go now that the new ones are complete.
  for (GLuint n : m_ownedLists)
    glDeleteLists(n, 1);
  for (auto [base, count] : m_ownedRanges)
    glDeleteLists(base, count);
  m_ownedLists = lists.singles;
  m_ownedRanges = lists.ranges;
  lists.committed = true;
  m_kind = kind;
  m_skipped = lists.skipped;
  ++m_compilations;
  // A step that failed is told in the report box, after what the drawers wrote there: a message
  // box would come up again at every compilation of a drag.
  for (const std::string& e : lists.errors)
    ResultBox::Append(e + CrLf);
}

namespace {

// Restores the scene's scale factors (a GetBox call in between sets them from its own box).
void RestoreScales(const std::array<float, 4>& s) {
  AxisScaleX = s[0];
  AxisScaleY = s[1];
  AxisScaleZ = s[2];
  AxisScaleV = s[3];
}

void CallLists(const std::vector<GLuint>& names) {
  for (GLuint n : names)
    if (n != 0) glCallList(n);
}

void DisableGraphClipPlanes() {
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
}

} // namespace

void Scene::RecordAxesBlock(Lists& lists, std::vector<GLuint>& into, int32_t count,
                            BoundingBox& box) {
  if (m_source->AxesShown())
    into.push_back(lists.Record("the axes", [&] { m_source->DrawAxes(box); }));
  for (int32_t i = 1; i <= count; ++i)
    if (m_source->GraphType(i) == PointMarker)
      into.push_back(lists.Record(GraphName(i), [&] { m_source->DrawGraph(i, 0); }));
}

GLuint Scene::RecordLegend(Lists& lists, int32_t count, bool animated) {
  std::vector<GLuint> parts;
  if (DocumentType == DocumentType2D) {
    parts.push_back(lists.Record("the legend", [&] {
      glDisable(GL_LIGHTING);
      int32_t k = 0;
      for (int32_t i = 1; i <= count; ++i) {
        const LegendGraphInfo g = m_source->LegendInfo(i);
        const bool listed = animated ? g.GraphType == Curve2DAnimation
                                     : (g.GraphType == Curve2D || g.GraphType == StepStemPlot);
        if (!listed) continue;
        const float y = static_cast<float>((animated ? 68 : 75) - 3 * k);
        float red = 0.0f, green = 0.0f, blue = 0.0f;
        ColorToRgb(g.LineColor, red, green, blue);
        glColor3f(red, green, blue);
        glLineWidth(2.0f);
        glBegin(GL_LINES);
        glVertex3f(65.0f, y, 0.0f);
        glVertex3f(68.0f, y, 0.0f);
        glEnd();
        DrawLabel(0.1f, 70.0f, y - 0.5f, LegendRowText(g));
        ++k;
      }
      glEnable(GL_LIGHTING);
    }));
  } else if ((DocumentType == DocumentType3D || DocumentType == DocumentType4D) && count > 0) {
    const bool form4D = DocumentType == DocumentType4D && !animated;
    for (int32_t i = 1; i <= count; ++i) {
      const BoundingBox b = m_source->GetBox(0);
      std::array<float, 10> args{b.MinZ, b.MaxZ, b.MinX, b.MaxX, b.MinY,
                                 b.MaxY, b.MinY, b.MaxY, 0.0f,   1.0f};
      if (form4D) {
        float minV = 0.0f, maxV = 0.0f;
        m_source->ValueRange(minV, maxV);
        args[6] = args[8] = minV;
        args[7] = args[9] = maxV;
      }
      RestoreScales(m_scales);
      parts.push_back(lists.Record("the legend of " + GraphName(i),
                                   [&] { m_source->DrawColorLegend(i, args); }));
    }
  }
  return lists.Record("the legend", [&] {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 100.0, 0.0, 100.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    CallLists(parts);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
  });
}

void Scene::CompileStill(Lists& lists, int32_t count, BoundingBox box) {
  std::vector<GLuint> content, overlay;
  if (m_source) {
    // One set of box values goes through the background, the grid and the axes in turn.
    if (count > 0 && DocumentType == DocumentType2D) {
      content.push_back(lists.Record("the background", [&] { m_source->DrawBackground(box); }));
      content.push_back(lists.Record("the grid", [&] { m_source->Draw2DGrid(box); }));
    }
    std::vector<GLuint> graphs;
    for (int32_t i = 1; i <= count; ++i)
      graphs.push_back(lists.Record(GraphName(i), [&] { m_source->DrawGraph(i, 0); }));
    content.push_back(lists.Record("the graphs", [&] {
      CallLists(graphs);
      DisableGraphClipPlanes();
    }));
    const bool flat = DocumentType == DocumentType2D || DocumentType == DocumentTypeSpecial;
    if (count > 0) RecordAxesBlock(lists, flat ? overlay : content, count, box);
  }
  const GLuint sceneList = lists.Record("the scene", [&] { CallLists(content); });
  const GLuint overlayList =
      overlay.empty() ? 0 : lists.Record("the axes", [&] { CallLists(overlay); });
  const GLuint legendList = (m_source && ShowLegend) ? RecordLegend(lists, count, false) : 0;
  RestoreScales(m_scales);
  SceneList = sceneList;
  m_overlayList = overlayList;
  m_legendList = legendList;
}

void Scene::CompileAnimated(Lists& lists, int32_t count) {
  const int32_t frames = std::max(0, FrameCount); // read once
  BoundingBox u{9999999.0f, -9999999.0f, 9999999.0f, -9999999.0f, 9999999.0f, -9999999.0f};
  // Many frames take long: each step is told to the work in progress, which may be cancelled.
  // The lists made so far are not committed, so the previous picture stays.
  const int64_t steps = 2 * (int64_t{frames} + 1);
  for (int32_t i = 0; i <= frames; ++i) {
    if (!ReportWorkStep(i, steps)) throw WorkCancelled();
    const BoundingBox b = m_source->GetBox(i);
    u.MinX = std::min(u.MinX, b.MinX);
    u.MaxX = std::max(u.MaxX, b.MaxX);
    u.MinY = std::min(u.MinY, b.MinY);
    u.MaxY = std::max(u.MaxY, b.MaxY);
    u.MinZ = std::min(u.MinZ, b.MinZ);
    u.MaxZ = std::max(u.MaxZ, b.MaxZ);
  }
  u.MinX -= 0.1f;
  u.MaxX += 0.1f;
  u.MinY -= 0.1f;
  u.MaxY += 0.1f;
  u.MinZ -= 0.1f;
  u.MaxZ += 0.1f;

  const GLsizei listCount = frames + 1;
  const GLuint base = glGenLists(listCount);
  if (base == 0) throw std::bad_alloc();
  lists.ranges.emplace_back(base, listCount);
  for (int32_t s = 0; s <= frames; ++s) {
    if (!ReportWorkStep(int64_t{frames} + 1 + s, steps)) {
      RestoreScales(m_scales);
      throw WorkCancelled();
    }
    RestoreScales(m_scales);
    std::vector<GLuint> parts;
    if (DocumentType == DocumentType2D) {
      parts.push_back(lists.Record("the background", [&] { m_source->DrawBackground(u); }));
      parts.push_back(lists.Record("the grid", [&] { m_source->Draw2DGrid(u); }));
    }
    std::vector<GLuint> graphs;
    for (int32_t i = 1; i <= count; ++i)
      graphs.push_back(lists.Record(GraphName(i), [&] { m_source->DrawGraph(i, s); }));
    parts.push_back(lists.Record("the graphs", [&] {
      CallLists(graphs);
      DisableGraphClipPlanes();
    }));
    RecordAxesBlock(lists, parts, count, u);
    if (ShowLegend) parts.push_back(RecordLegend(lists, count, true));
    glNewList(base + static_cast<GLuint>(s), GL_COMPILE);
    glMultMatrixf(m_rotation.data());
    CallLists(parts);
    glEndList();
  }
  RestoreScales(m_scales);
  FrameListBase = base;
  m_frameCount = frames;
}

int32_t Scene::StepOfFrame(int32_t animStep) const {
  const int64_t step = static_cast<int64_t>(animStep) - 1;
  return static_cast<int32_t>(std::clamp<int64_t>(step, 0, m_frameCount));
}

void Scene::Display(int32_t animStep) {
  if (m_holds > 0) {
    m_heldPresent = true;
    m_heldFrame = animStep;
    return;
  }
  ++m_presentations;
  if (m_view) {
    m_view->Present(animStep);
    return;
  }
  Render(animStep);
}

void Scene::Render(int32_t animStep) {
  if (m_compiling) {
    // A list is open: drawing now would be recorded into it. Shown when the compilation ends.
    m_presentAsked = true;
    m_askedFrame = animStep;
    return;
  }
  RenderNow(animStep);
}

void Scene::RenderNow(int32_t animStep) {
  Light.SetLight();
  glShadeModel(GL_SMOOTH);
  Camera.Projection(0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  if (m_kind == Kind::Animated) {
    glCallList(FrameListBase + static_cast<GLuint>(StepOfFrame(animStep)));
  } else if (m_kind == Kind::Still && DragInProgress()) {
    // During a drag: one pass with the camera's own projection, no averaging.
    glMultMatrixf(m_rotation.data());
    glCallList(SceneList);
    if (m_overlayList != 0) glCallList(m_overlayList);
    if (m_legendList != 0) glCallList(m_legendList);
    m_dragPicture = true;
  } else if (m_kind == Kind::Still && !ClearAccumulation()) {
    // No memory for the sum of the passes: the picture is drawn once, without smoothing.
    glMultMatrixf(m_rotation.data());
    glCallList(SceneList);
    if (m_overlayList != 0) glCallList(m_overlayList);
    if (m_legendList != 0) glCallList(m_legendList);
  } else if (m_kind == Kind::Still) {
    for (const auto& jitter : Jitter) {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      Camera.Projection(jitter[0], jitter[1], 0.0f, 0.0f, 1.0f);
      glMultMatrixf(m_rotation.data());
      glCallList(SceneList);
      m_accum.Add();
    }
    m_accum.Return();
    // Over the averaged picture, with the last pass's projection, rotation and depth.
    if (m_overlayList != 0) glCallList(m_overlayList);
    if (m_legendList != 0) glCallList(m_legendList);
  }
  glPopMatrix();
}

bool Scene::ClearAccumulation() {
  try {
    m_accum.Clear();
    m_accumFailed = false;
    return true;
  } catch (const std::bad_alloc&) {
    if (!m_accumFailed) {
      // Said once, not at every frame; the picture is still drawn.
      m_accumFailed = true;
      ReportSkippedStep("smoothing the picture", "there is not enough memory");
      ResultBox::Append("The picture is drawn without smoothing: there is not enough memory." +
                        CrLf);
    }
    return false;
  }
}
