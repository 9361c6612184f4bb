#include "dialogs/VectorPlotDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>

#include "dialogs/DialogFields.h"

using namespace DialogFields;

VectorPlotDialog::VectorPlotDialog(GraphCommandHost& host, QWidget* parent)
    : PlotDialog(host, parent, VectorPlot, VectorPlotStepsOnLoad) {
  setObjectName("VectorPlotDialog");
  setWindowTitle("Function Vector Plot");
  auto* page = new QWidget(tabs);
  auto* grid = new QGridLayout(page);
  auto* label = Named(new QLabel("Color", page), "colorLabel");
  colorSwatch = new ColorSwatch(page, "colorSwatch", PlotSingleColorOnLoad);
  label->setBuddy(colorSwatch);
  grid->addWidget(label, 0, 0);
  grid->addWidget(colorSwatch, 0, 1);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(2, 1);
  tabs->addTab(page, "Vector");
}

void VectorPlotDialog::AddStyleBindings(std::vector<FieldBinding>& f) const {
  f.push_back({FieldBinding::Kind::Swatch, colorSwatch, GraphProp::SecondColor});
}
