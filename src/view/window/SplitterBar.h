#pragma once
// A splitter bar of the main window: a borderless strip that the user drags to resize the panes
// on either side of it. It only reports its mouse events (in twips relative to itself) to the
// window, which moves it and lays the panes out; it keeps the mouse for the whole drag and shows
// the sizing pointer of its direction.

#include <QFrame>
#include <functional>

// The mouse button code the window's handlers take: 1 left, 2 right, 4 middle, added up for
// buttons held together.
int ButtonCode(Qt::MouseButtons buttons);

class SplitterBar : public QFrame {
  Q_OBJECT
public:
  enum class Direction { Vertical, Horizontal }; // the bar's own direction
  SplitterBar(Direction direction, QWidget* parent);

  // The window's handlers: mouse button (1 left, 2 right, 4 middle) and the position in twips
  // relative to the bar.
  std::function<void(int button, double x, double y)> MouseDown;
  std::function<void(int button, double x, double y)> MouseMove;
  std::function<void(int button, double x, double y)> MouseUp;

  // The bar's colour: the button-shadow colour while it is dragged, the button face otherwise.
  void SetDragging(bool dragging);
  bool Dragging() const { return m_dragging; }

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void Report(const std::function<void(int, double, double)>& handler, QMouseEvent* event,
              int button);
  bool m_dragging = false;
};
