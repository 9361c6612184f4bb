#pragma once
// The point dialog ("Point Properties"): the settings of a single point (PointMarker) whose
// coordinates are formulas without a parameter. Built on PointDialog.

#include "dialogs/PointDialog.h"

class frmF16 : public PointDialog {
  Q_OBJECT
public:
  explicit frmF16(GraphCommandHost& host, QWidget* parent = nullptr);
};
