#include "dialogs/ContourPlotDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "dialogs/DialogFields.h"
#include "platform/Prompter.h"

using namespace DialogFields;

ContourPlotDialog::ContourPlotDialog(GraphCommandHost& host, QWidget* parent)
    : PlotDialog(host, parent, ContourPlot, PlotStepsOnLoad) {
  setObjectName("ContourPlotDialog");
  setWindowTitle("Function Contour");
  // The "Steps u" box's tooltip has a trailing blank in this dialog.
  Text7->setToolTip("Recommended Value: 30 - 60 ");

  auto* contour = new QWidget(SSTab1);
  auto* grid = new QGridLayout(contour);
  auto* levelLabel = Named(new QLabel("Contour Level", contour), "Label12");
  Text11 = Named(new QLineEdit(QString::fromUtf8(ContourLevelOnLoad.data(),
                                                 static_cast<qsizetype>(ContourLevelOnLoad.size())),
                               contour),
                 "Text11");
  levelLabel->setBuddy(Text11);
  grid->addWidget(levelLabel, 0, 0);
  grid->addWidget(Text11, 0, 1);

  auto* frame = new QGroupBox("Color", contour);
  frame->setObjectName("Frame3");
  auto* colors = new QGridLayout(frame);
  static constexpr const char* names[] = {"Option1", "Option2"};
  Coloring = new OptionGroup(frame, nullptr, ContourColorings, names);
  Coloring->setObjectName("Coloring");
  Coloring->SetCode(ContourColorings[1].code); // "Gradient Colors"
  colors->addWidget(Coloring, 0, 0, 2, 1);
  Picture1 = new ColorSwatch(frame, "Picture1", PlotSingleColorOnLoad);
  colors->addWidget(Picture1, 0, 1);
  auto* firstLabel = Named(new QLabel("The First Color", frame), "Label13");
  Picture2 = new ColorSwatch(frame, "Picture2", PlotFirstColorOnLoad);
  firstLabel->setBuddy(Picture2);
  auto* secondLabel = Named(new QLabel("The Second Color", frame), "Label14");
  Picture3 = new ColorSwatch(frame, "Picture3", PlotSecondColorOnLoad);
  secondLabel->setBuddy(Picture3);
  colors->addWidget(firstLabel, 2, 0);
  colors->addWidget(Picture2, 2, 1);
  colors->addWidget(secondLabel, 3, 0);
  colors->addWidget(Picture3, 3, 1);
  Picture1->setToolTip("Single Color");
  grid->addWidget(frame, 1, 0, 1, 2);

  auto* widthLabel = Named(new QLabel("Line Width", contour), "Label15");
  Combo2 = Named(new QComboBox(contour), "Combo2");
  widthLabel->setBuddy(Combo2);
  AddItems(Combo2, ContourLineWidths);
  Combo2->setCurrentIndex(0);
  grid->addWidget(widthLabel, 2, 0);
  grid->addWidget(Combo2, 2, 1);
  grid->setRowStretch(3, 1);
  SSTab1->addTab(contour, "Contour");
}

void ContourPlotDialog::PrepareFill(const Graph& g) {
  // "Single Color" for a single colour; every other code is a gradient, whose option stays
  // selected as loaded (and keeps the graph's own code unless the user chooses again).
  if (g.FillStyle == ContourColorings[0].code) Coloring->SetCode(g.FillStyle);
}

void ContourPlotDialog::AddStyleBindings(std::vector<FieldBinding>& f) const {
  using K = FieldBinding::Kind;
  f.push_back({K::Real, Text11, GraphProp::ContourLevel});
  f.push_back({K::Index, Combo2, GraphProp::LineWidth, 1});
  f.push_back({K::Options, Coloring, GraphProp::FillStyle});
  // The swatches of the colouring chosen stand for the colours; the others keep theirs.
  if (Coloring->Code() == ContourColorings[0].code) {
    f.push_back({K::Swatch, Picture1, GraphProp::SecondColor});
  } else {
    f.push_back({K::Swatch, Picture2, GraphProp::FirstColor});
    f.push_back({K::Swatch, Picture3, GraphProp::SecondColor});
  }
}

bool ContourPlotDialog::Accepts(const PropertyWrites& writes) {
  // The level steps divide the plot's range of heights: none or fewer than none draw nothing.
  for (const auto& [prop, value] : writes)
    if (prop == GraphProp::ContourLevel && !(std::get<float>(value) > 0.0f)) {
      MsgBox("\"Contour Level\" must be greater than 0.", MsgButtons::OK, MsgIcon::Exclamation,
             "Error");
      SSTab1->setCurrentIndex(1);
      Text11->setFocus();
      Text11->selectAll();
      return false;
    }
  return true;
}
