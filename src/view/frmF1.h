#pragma once
// The main window: the OpenGL view picDraw, the graph list, the report box, menus and toolbars.

#include <QMainWindow>

class picDraw;

class frmF1 : public QMainWindow {
  Q_OBJECT
public:
  explicit frmF1(QWidget* parent = nullptr);

  picDraw* View() const { return m_picDraw; }

private:
  picDraw* m_picDraw = nullptr;
};
