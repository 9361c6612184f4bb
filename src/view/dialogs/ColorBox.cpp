#include "view/dialogs/ColorBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

ColorBox::ColorBox(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setMinimumSize(40, 20);
  SetColor(0);
}

void ColorBox::SetColor(int32_t color) {
  m_color = color;
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
  setPalette(p);
}

void ColorBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) {
    emit clicked();
    event->accept();
    return;
  }
  QFrame::mousePressEvent(event);
}

void ColorBox::keyPressEvent(QKeyEvent* event) {
  // Space or Enter opens the chooser too, so the box works from the keyboard.
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    emit clicked();
    event->accept();
    return;
  }
  QFrame::keyPressEvent(event);
}
