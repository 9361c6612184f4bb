#include "dialogs/frmF17.h"

frmF17::frmF17(GraphCommandHost& host, QWidget* parent) : PointDialog(host, parent, true) {
  setObjectName("frmF17");
}
