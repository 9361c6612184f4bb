#pragma once
// The colour map dialog ("Function Color Map"): a parametric surface shown as a colour map
// (ColorMap) between two colours.

#include "dialogs/PlotDialog.h"

class ColorMapDialog : public PlotDialog {
  Q_OBJECT
public:
  explicit ColorMapDialog(GraphCommandHost& host, QWidget* parent = nullptr);

  ColorSwatch *firstColorSwatch, *secondColorSwatch;

protected:
  void AddStyleBindings(std::vector<FieldBinding>& fields) const override;
  void AddStartingValues(PropertyWrites& writes) const override;
};
