#include "dialogs/ColorMapDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/DialogFields.h"

using namespace DialogFields;

ColorMapDialog::ColorMapDialog(GraphCommandHost& host, QWidget* parent)
    : PlotDialog(host, parent, ColorMap, PlotStepsOnLoad) {
  setObjectName("ColorMapDialog");
  setWindowTitle("Function Color Map");
  auto* page = new QWidget(tabs);
  auto* outer = new QVBoxLayout(page);
  auto* frame = Named(new QGroupBox("Color", page), "colorFrame");
  auto* grid = new QGridLayout(frame);
  auto* firstLabel = Named(new QLabel("The First Color", frame), "firstColorLabel");
  firstColorSwatch = new ColorSwatch(frame, "firstColorSwatch", PlotFirstColorOnLoad);
  firstLabel->setBuddy(firstColorSwatch);
  auto* secondLabel = Named(new QLabel("The Second Color", frame), "secondColorLabel");
  secondColorSwatch = new ColorSwatch(frame, "secondColorSwatch", PlotSecondColorOnLoad);
  secondLabel->setBuddy(secondColorSwatch);
  grid->addWidget(firstLabel, 0, 0);
  grid->addWidget(firstColorSwatch, 0, 1);
  grid->addWidget(secondLabel, 1, 0);
  grid->addWidget(secondColorSwatch, 1, 1);
  outer->addWidget(frame);
  outer->addStretch();
  tabs->addTab(page, "Color Map");
}

void ColorMapDialog::AddStyleBindings(std::vector<FieldBinding>& f) const {
  using K = FieldBinding::Kind;
  f.push_back({K::Swatch, firstColorSwatch, GraphProp::FirstColor});
  f.push_back({K::Swatch, secondColorSwatch, GraphProp::SecondColor});
}

void ColorMapDialog::AddStartingValues(PropertyWrites& writes) const {
  writes.emplace_back(GraphProp::FillStyle, ColorMapFillOnAdd);
}
