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
  auto* page = new QWidget(SSTab1);
  auto* grid = new QGridLayout(page);
  auto* label = Named(new QLabel("Color", page), "Label12");
  Picture1 = new ColorSwatch(page, "Picture1", PlotSingleColorOnLoad);
  label->setBuddy(Picture1);
  grid->addWidget(label, 0, 0);
  grid->addWidget(Picture1, 0, 1);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(2, 1);
  SSTab1->addTab(page, "Vector");
}

void VectorPlotDialog::AddStyleBindings(std::vector<FieldBinding>& f) const {
  f.push_back({FieldBinding::Kind::Swatch, Picture1, GraphProp::SecondColor});
}
