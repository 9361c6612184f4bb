#include "dialogs/PointPropertiesDialog.h"

PointPropertiesDialog::PointPropertiesDialog(GraphCommandHost& host, QWidget* parent)
    : PointDialog(host, parent, false) {
  setObjectName("PointPropertiesDialog");
}
