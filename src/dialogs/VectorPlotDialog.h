#pragma once
// The vector plot dialog ("Function Vector Plot"): a parametric surface's gradient arrows
// (VectorPlot) in one colour.

#include "dialogs/PlotDialog.h"

class VectorPlotDialog : public PlotDialog {
  Q_OBJECT
public:
  explicit VectorPlotDialog(GraphCommandHost& host, QWidget* parent = nullptr);

  ColorSwatch* colorSwatch;

protected:
  void AddStyleBindings(std::vector<FieldBinding>& fields) const override;
};
