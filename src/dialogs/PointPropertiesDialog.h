#pragma once
// The point dialog ("Point Properties"): the settings of a single point (PointMarker) whose
// coordinates are formulas without a parameter. Built on PointDialog.

#include "dialogs/PointDialog.h"

class PointPropertiesDialog : public PointDialog {
  Q_OBJECT
public:
  explicit PointPropertiesDialog(GraphCommandHost& host, QWidget* parent = nullptr);
};
