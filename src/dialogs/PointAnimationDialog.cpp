#include "dialogs/PointAnimationDialog.h"

frmF17::frmF17(GraphCommandHost& host, QWidget* parent) : PointDialog(host, parent, true) {
  setObjectName("frmF17");
}
