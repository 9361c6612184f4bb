#pragma once
// The point animation dialog ("Point Animation"): the settings of an animated point
// (PointAnimation) whose coordinates are formulas of t, with the t domain of the animation; its
// "Steps t" shows the frame count and cannot be edited. Built on PointDialog.

#include "dialogs/PointDialog.h"

class PointAnimationDialog : public PointDialog {
  Q_OBJECT
public:
  explicit PointAnimationDialog(GraphCommandHost& host, QWidget* parent = nullptr);
};
