#include "view/picDraw.h"

#include <GL/gl.h>

picDraw::picDraw(QWidget* parent) : QOpenGLWidget(parent) {
  setFormat(ViewFormat());
  setObjectName("picDraw");
}

QSurfaceFormat picDraw::ViewFormat() {
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

void picDraw::initializeGL() {
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  glEnable(GL_DEPTH_TEST);
}

void picDraw::resizeGL(int w, int h) { glViewport(0, 0, w, h); }

void picDraw::paintGL() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
