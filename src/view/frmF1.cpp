#include "view/frmF1.h"

#include "view/picDraw.h"

frmF1::frmF1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmF1");
  setWindowTitle("Corvalin");
  m_picDraw = new picDraw(this);
  setCentralWidget(m_picDraw);
  resize(1024, 720);
}
