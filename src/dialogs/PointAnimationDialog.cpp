#include "dialogs/PointAnimationDialog.h"

PointAnimationDialog::PointAnimationDialog(GraphCommandHost& host, QWidget* parent)
    : PointDialog(host, parent, true) {
  setObjectName("PointAnimationDialog");
}
