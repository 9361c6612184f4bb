#include "view/window/SplitterBar.h"

#include <QMouseEvent>

#include "view/window/Layout.h"

int ButtonCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code |= 1;
  if (buttons & Qt::RightButton) code |= 2;
  if (buttons & Qt::MiddleButton) code |= 4;
  return code;
}

SplitterBar::SplitterBar(Direction direction, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(true);
  setCursor(direction == Direction::Vertical ? Qt::SizeHorCursor : Qt::SizeVerCursor);
  SetDragging(false);
}

void SplitterBar::SetDragging(bool dragging) {
  m_dragging = dragging;
  QPalette p = palette();
  p.setColor(QPalette::Window, dragging ? p.color(QPalette::Dark) : p.color(QPalette::Button));
  setPalette(p);
}

void SplitterBar::Report(const std::function<void(int, double, double)>& handler,
                         QMouseEvent* event, int button) {
  event->accept();
  if (!handler) return;
  const QPointF pos = event->position();
  handler(button, PixelsToTwips(pos.x(), logicalDpiX()), PixelsToTwips(pos.y(), logicalDpiY()));
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  Report(MouseDown, event, ButtonCode(event->button()));
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  Report(MouseMove, event, ButtonCode(event->buttons()));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
  Report(MouseUp, event, ButtonCode(event->button()));
}
