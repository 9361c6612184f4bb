#include "view/scene/GlView.h"

#include <QOpenGLContext>

#include <GL/gl.h>

#include <QTimer>

#include <cmath>
#include <new>

#include "model/ProgramState.h"
#include "platform/Errors.h"
#include "platform/Prompter.h"
#include "view/camera/SceneCamera.h"
#include "view/scene/BmpSnapshot.h"
#include "view/scene/Scene.h"

GlView::GlView(QWidget* parent) : QOpenGLWidget(parent), m_scene(std::make_unique<Scene>()) {
  setFormat(ViewFormat());
  // The view's picture is opaque: its framebuffer gets no alpha channel. With one, blended
  // drawing (smoothed lines) leaves alpha below 1, and Qt composes the widget's framebuffer as
  // premultiplied alpha, which turns such pixels into the inverse of their colour.
  setTextureFormat(GL_RGB8);
  setObjectName("GlView");
  m_scene->AttachView(this);
}

GlView::~GlView() {
  if (context()) disconnect(context(), nullptr, this, nullptr);
  if (m_ready) {
    makeCurrent();
    m_scene->ReleaseGL();
    doneCurrent();
  }
  m_scene->AttachView(nullptr);
}

QSurfaceFormat GlView::ViewFormat() {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setVersion(2, 1);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setDepthBufferSize(16);
  f.setRedBufferSize(8);
  f.setGreenBufferSize(8);
  f.setBlueBufferSize(8);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  return f;
}

void GlView::initializeGL() {
  // A new context (first show, or the widget moved to another window): lists of the old one are
  // gone with it.
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &GlView::ContextAboutToGo,
          Qt::UniqueConnection);
  m_ready = true;
  try {
    m_scene->InitializeGL();
  } catch (...) {
    // An exception must not leave a Qt event handler. The document stays; the view shows nothing
    // until it is drawn again.
    DrawingFailed("The view could not be set up");
  }
}

void GlView::DrawingFailed(const std::string& what) {
  const std::string why = [] {
    try {
      throw;
    } catch (const std::bad_alloc&) {
      return std::string("there is not enough memory");
    } catch (...) {
      return CurrentExceptionText();
    }
  }();
  ReportSkippedStep(what, why);
  const std::string text = what + ": " + why + ". The graphs are kept.";
  if (text == m_lastFailure) return; // said once, not at every frame
  m_lastFailure = text;
  // Shown after the GL call in progress: a modal box must not run its event loop inside it.
  QTimer::singleShot(0, this,
                     [text] { MsgBox(text, MsgButtons::OK, MsgIcon::Exclamation, "Corvalin"); });
}

void GlView::ContextAboutToGo() {
  makeCurrent();
  m_scene->ReleaseGL();
  doneCurrent();
  m_ready = false;
}

void GlView::resizeGL(int w, int h) {
  const qreal ratio = devicePixelRatioF();
  const int dw = static_cast<int>(std::lround(w * ratio));
  const int dh = static_cast<int>(std::lround(h * ratio));
  Camera.SetScreen(dw, dh);
  emit ViewResized(dw, dh);
}

void GlView::paintGL() {
  try {
    m_scene->Render(m_frame);
    m_lastFailure.clear();
  } catch (...) {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawingFailed("The view could not be drawn");
  }
}

void GlView::Present(int32_t frame) {
  m_frame = frame;
  update();
}

bool GlView::RenderForReading() {
  if (!m_ready) return false;
  makeCurrent();
  const qreal ratio = devicePixelRatioF();
  glViewport(0, 0, static_cast<int>(std::lround(width() * ratio)),
             static_cast<int>(std::lround(height() * ratio)));
  m_scene->Render(m_frame);
  return true;
}

bool GlView::SaveViewAsBmp(const std::string& fileName, int32_t lastColumn, int32_t height,
                           std::string* problem) {
  if (!RenderForReading()) {
    if (problem) *problem = "the view could not be drawn";
    return false;
  }
  const bool ok = ::SaveViewAsBmp(fileName, lastColumn, height, problem);
  doneCurrent();
  return ok;
}
