#include "dialogs/PointPropertiesDialog.h"

frmF16::frmF16(GraphCommandHost& host, QWidget* parent) : PointDialog(host, parent, false) {
  setObjectName("frmF16");
}
