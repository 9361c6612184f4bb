// The floor that Corvalin's start-up is raced against (scripts/startup-race): the least a Qt
// program with an OpenGL view does to show its first picture. It opens one window holding a GL
// widget of the view's surface format, clears it to white, and once the first frame is presented
// saves a picture of the window to the PNG named by its argument and quits.

#include <QApplication>
#include <QImage>
#include <QOpenGLWidget>
#include <QSurfaceFormat>
#include <QTimer>

#include <GL/gl.h>

#include <iostream>

namespace {

class WhiteView : public QOpenGLWidget {
protected:
  void paintGL() override {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
};

} // namespace

int main(int argc, char** argv) {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(16);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  QSurfaceFormat::setDefaultFormat(format);
  QApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: minimal_gl_window PICTURE.png" << std::endl;
    return 2;
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  WhiteView view;
  view.resize(1100, 760);
  view.show();
  bool taken = false;
  QObject::connect(&view, &QOpenGLWidget::frameSwapped, &view, [&] {
    if (taken) return;
    taken = true;
    QTimer::singleShot(0, &view, [&] {
      const bool saved = view.grab().toImage().save(path);
      QApplication::exit(saved ? 0 : 1);
    });
  });
  return QApplication::exec();
}
