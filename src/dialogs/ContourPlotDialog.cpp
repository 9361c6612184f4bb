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
  stepsU->setToolTip("Recommended Value: 30 - 60 ");

  auto* contour = new QWidget(tabs);
  auto* grid = new QGridLayout(contour);
  auto* levelLabel = Named(new QLabel("Contour Level", contour), "contourLevelLabel");
  contourLevel =
      Named(new QLineEdit(QString::fromUtf8(ContourLevelOnLoad.data(),
                                            static_cast<qsizetype>(ContourLevelOnLoad.size())),
                          contour),
            "contourLevel");
  levelLabel->setBuddy(contourLevel);
  grid->addWidget(levelLabel, 0, 0);
  grid->addWidget(contourLevel, 0, 1);

  auto* frame = new QGroupBox("Color", contour);
  frame->setObjectName("colorFrame");
  auto* colors = new QGridLayout(frame);
  static constexpr const char* names[] = {"singleColorOption", "gradientOption"};
  coloring = new OptionGroup(frame, nullptr, ContourColorings, names);
  coloring->setObjectName("coloring");
  coloring->SetCode(GradientTopBottom); // "Gradient Colors"
  colors->addWidget(coloring, 0, 0, 2, 1);
  singleColorSwatch = new ColorSwatch(frame, "singleColorSwatch", PlotSingleColorOnLoad);
  colors->addWidget(singleColorSwatch, 0, 1);
  auto* firstLabel = Named(new QLabel("The First Color", frame), "firstColorLabel");
  firstColorSwatch = new ColorSwatch(frame, "firstColorSwatch", PlotFirstColorOnLoad);
  firstLabel->setBuddy(firstColorSwatch);
  auto* secondLabel = Named(new QLabel("The Second Color", frame), "secondColorLabel");
  secondColorSwatch = new ColorSwatch(frame, "secondColorSwatch", PlotSecondColorOnLoad);
  secondLabel->setBuddy(secondColorSwatch);
  colors->addWidget(firstLabel, 2, 0);
  colors->addWidget(firstColorSwatch, 2, 1);
  colors->addWidget(secondLabel, 3, 0);
  colors->addWidget(secondColorSwatch, 3, 1);
  singleColorSwatch->setToolTip("Single Color");
  grid->addWidget(frame, 1, 0, 1, 2);

  auto* widthLabel = Named(new QLabel("Line Width", contour), "lineWidthLabel");
  lineWidthList = Named(new QComboBox(contour), "lineWidthList");
  widthLabel->setBuddy(lineWidthList);
  AddItems(lineWidthList, ContourLineWidths);
  lineWidthList->setCurrentIndex(0);
  grid->addWidget(widthLabel, 2, 0);
  grid->addWidget(lineWidthList, 2, 1);
  grid->setRowStretch(3, 1);
  tabs->addTab(contour, "Contour");
}

void ContourPlotDialog::PrepareFill(const Graph& g) {
  // "Single Color" for a single colour; every other code is a gradient, whose option stays
  // selected as loaded (and keeps the graph's own code unless the user chooses again).
  if (g.FillStyle == SingleColor) coloring->SetCode(SingleColor);
}

void ContourPlotDialog::AddStyleBindings(std::vector<FieldBinding>& f) const {
  using K = FieldBinding::Kind;
  f.push_back({K::Real, contourLevel, GraphProp::ContourLevel});
  f.push_back({K::Index, lineWidthList, GraphProp::LineWidth, 1});
  f.push_back({K::Options, coloring, GraphProp::FillStyle});
  // The swatches of the colouring chosen stand for the colours; the others keep theirs.
  if (coloring->Code() == SingleColor) {
    f.push_back({K::Swatch, singleColorSwatch, GraphProp::SecondColor});
  } else {
    f.push_back({K::Swatch, firstColorSwatch, GraphProp::FirstColor});
    f.push_back({K::Swatch, secondColorSwatch, GraphProp::SecondColor});
  }
}

bool ContourPlotDialog::Accepts(const PropertyWrites& writes) {
  // The level steps divide the plot's range of heights: none or fewer than none draw nothing.
  for (const auto& [prop, value] : writes)
    if (prop == GraphProp::ContourLevel && !(std::get<float>(value) > 0.0f)) {
      MsgBox("\"Contour Level\" must be greater than 0.", MsgButtons::OK, MsgIcon::Exclamation,
             "Error");
      tabs->setCurrentIndex(1);
      contourLevel->setFocus();
      contourLevel->selectAll();
      return false;
    }
  return true;
}
