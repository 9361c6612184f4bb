#pragma once
// The contour plot dialog ("Function Contour"): a parametric surface's contour lines (ContourPlot)
// with the number of level steps, a line width and one colour or a gradient of two.

#include "dialogs/PlotDialog.h"

class QComboBox;

class ContourPlotDialog : public PlotDialog {
  Q_OBJECT
public:
  explicit ContourPlotDialog(GraphCommandHost& host, QWidget* parent = nullptr);

  QLineEdit* contourLevel;
  OptionGroup* coloring; // "Single Color" (singleColorOption), "Gradient Colors" (gradientOption)
  ColorSwatch *singleColorSwatch, *firstColorSwatch, *secondColorSwatch;
  QComboBox* lineWidthList;

protected:
  void AddStyleBindings(std::vector<FieldBinding>& fields) const override;
  void PrepareFill(const Graph& g) override;
  bool Accepts(const PropertyWrites& writes) override;
};
