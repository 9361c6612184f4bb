#pragma once
// The OpenGL view of the main window: a compatibility-profile GL widget that shows the scene. It
// owns the Scene (the compiled display lists of the shown graphs, axes and legend) and presents
// it in paintGL; the main window compiles and presents through Scene (TheScene()).

#include <QOpenGLWidget>

#include <cstdint>
#include <memory>
#include <string>

class Scene;

class GlView : public QOpenGLWidget {
  Q_OBJECT
public:
  explicit GlView(QWidget* parent = nullptr);
  ~GlView() override;

  // The format every view asks for: OpenGL 2.1 compatibility profile, double-buffered RGBA with a
  // depth buffer, so the fixed-function pipeline and display lists are available. There is no
  // accumulation buffer: the scene averages its passes itself.
  static QSurfaceFormat ViewFormat();

  // The scene this view shows.
  Scene& TheScene() { return *m_scene; }

  // True once the view's GL context is set up (after the first show).
  bool Ready() const { return m_ready; }

  // Shows animation frame `frame` (CurrentFrame) at the next repaint, which it asks for.
  void Present(int32_t frame);
  // The frame the view shows.
  int32_t Frame() const { return m_frame; }

  // Draws the current frame into the view's framebuffer now and keeps the context current, so
  // that the caller can read the pixels (SaveViewAsBmp); call doneCurrent() afterwards. False when
  // the view has no context yet.
  bool RenderForReading();

  // Save As BMP / Copy As BMP / Print: draws the current frame and writes it with SaveViewAsBmp.
  bool SaveViewAsBmp(const std::string& fileName, int32_t lastColumn, int32_t height,
                     std::string* problem = nullptr);

signals:
  // The view's size changed (device pixels); the camera has been given it (SceneCamera::SetScreen).
  void ViewResized(int width, int height);

protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;

private:
  void ContextAboutToGo();

  std::unique_ptr<Scene> m_scene;
  int32_t m_frame = 1;
  bool m_ready = false;
  // Called inside a catch block: tells on stderr and, once per failure, in a message box shown
  // after the current GL call, what could not be done and why.
  void DrawingFailed(const std::string& what);
  std::string m_lastFailure;
};
