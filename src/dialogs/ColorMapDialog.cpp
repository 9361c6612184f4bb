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
  auto* page = new QWidget(SSTab1);
  auto* outer = new QVBoxLayout(page);
  auto* frame = Named(new QGroupBox("Color", page), "Frame3");
  auto* grid = new QGridLayout(frame);
  auto* firstLabel = Named(new QLabel("The First Color", frame), "Label13");
  Picture2 = new ColorSwatch(frame, "Picture2", PlotFirstColorOnLoad);
  firstLabel->setBuddy(Picture2);
  auto* secondLabel = Named(new QLabel("The Second Color", frame), "Label14");
  Picture3 = new ColorSwatch(frame, "Picture3", PlotSecondColorOnLoad);
  secondLabel->setBuddy(Picture3);
  grid->addWidget(firstLabel, 0, 0);
  grid->addWidget(Picture2, 0, 1);
  grid->addWidget(secondLabel, 1, 0);
  grid->addWidget(Picture3, 1, 1);
  outer->addWidget(frame);
  outer->addStretch();
  SSTab1->addTab(page, "Color Map");
}

void ColorMapDialog::AddStyleBindings(std::vector<FieldBinding>& f) const {
  using K = FieldBinding::Kind;
  f.push_back({K::Swatch, Picture2, GraphProp::FirstColor});
  f.push_back({K::Swatch, Picture3, GraphProp::SecondColor});
}

void ColorMapDialog::AddStartingValues(PropertyWrites& writes) const {
  writes.emplace_back(GraphProp::FillStyle, ColorMapFillOnAdd);
}
