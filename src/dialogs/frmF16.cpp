#include "dialogs/frmF16.h"

frmF16::frmF16(GraphCommandHost& host, QWidget* parent) : PointDialog(host, parent, false) {
  setObjectName("frmF16");
}
