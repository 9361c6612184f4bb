#pragma once
// The OpenGL view of the main window: a compatibility-profile GL widget that carries the scene.

#include <QOpenGLWidget>

class picDraw : public QOpenGLWidget {
  Q_OBJECT
public:
  explicit picDraw(QWidget* parent = nullptr);

  // The format every view asks for: OpenGL 2.1 compatibility profile, double-buffered RGBA with a
  // depth buffer, so the fixed-function pipeline and display lists are available.
  static QSurfaceFormat ViewFormat();

protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
};
