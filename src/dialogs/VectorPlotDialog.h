#pragma once
// The vector plot dialog ("Function Vector Plot"): a parametric surface's gradient arrows
// (VectorPlot) in one colour.

#include "dialogs/PlotDialog.h"

class frmF21 : public PlotDialog {
  Q_OBJECT
public:
  explicit frmF21(GraphCommandHost& host, QWidget* parent = nullptr);

  ColorSwatch* Picture1;

protected:
  void AddStyleBindings(std::vector<FieldBinding>& fields) const override;
};
