#include "dialogs/StepStemDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "commands/GraphCommandHost.h"
#include "dialogs/DialogFields.h"
#include "model/ProgramState.h"

using namespace DialogFields;

namespace {

// A caption and its control in a row of grid.
void Pair(QGridLayout* grid, int row, QLabel* label, QWidget* control) {
  label->setBuddy(control);
  grid->addWidget(label, row, 0);
  grid->addWidget(control, row, 1);
}

QComboBox* List(QWidget* parent, const char* name, std::span<const std::string_view> items,
                int position) {
  auto* combo = Named(new QComboBox(parent), name);
  AddItems(combo, items);
  combo->setCurrentIndex(position);
  return combo;
}

} // namespace

StepStemDialog::StepStemDialog(GraphCommandHost& host, QWidget* parent)
    : QDialog(parent), m_host(host) {
  setObjectName("StepStemDialog");
  setWindowTitle("Special Function Graph Properties");
  auto* outer = new QVBoxLayout(this);
  tabs = Named(new QTabWidget(this), "tabs");
  outer->addWidget(tabs);

  // "Function"
  auto* function = new QWidget(tabs);
  auto* page = new QGridLayout(function);
  static constexpr const char* nameLabels[] = {"nameLabel"};
  static constexpr const char* nameFields[] = {"nameField"};
  static constexpr std::string_view nameCaptions[] = {"Name"};
  m_name =
      std::make_unique<LabelledFields>(function, page, 0, nameLabels, nameFields, nameCaptions);
  nameField = m_name->field[0];
  nameField->setText(QString::fromUtf8(StepStemStart.name.data(),
                                       static_cast<qsizetype>(StepStemStart.name.size())));
  auto* frame1 = Named(new QGroupBox("Function", function), "functionFrame");
  auto* formulaGrid = new QGridLayout(frame1);
  static constexpr const char* formulaLabel[] = {"formulaYLabel"};
  static constexpr const char* formulaField[] = {"formulaY"};
  static constexpr std::string_view formulaCaption[] = {"y(x)"};
  m_formula = std::make_unique<LabelledFields>(frame1, formulaGrid, 0, formulaLabel, formulaField,
                                               formulaCaption);
  formulaY = m_formula->field[0];
  page->addWidget(frame1, 1, 0, 1, 2);
  auto* frame2 = Named(new QGroupBox("Domain Of Variable", function), "domainFrame");
  auto* domainGrid = new QGridLayout(frame2);
  m_domain = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"minULabel", "maxULabel", "stepsULabel"},
      std::array{"minU", "maxU", "stepsU"},
      std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
      std::array{StepStemStart.min, StepStemStart.max, StepStemStart.steps});
  m_domain->label[2]->setToolTip("Recommended Value: 10 - 30");
  m_domain->field[2]->setToolTip("Recommended Value: 10 - 30");
  minU = m_domain->field[0], maxU = m_domain->field[1], stepsU = m_domain->field[2];
  page->addWidget(frame2, 2, 0, 1, 2);
  page->setRowStretch(3, 1);
  tabs->addTab(function, "Function");

  // "Step Plot"
  auto* step = new QWidget(tabs);
  auto* stepGrid = new QGridLayout(step);
  showStepCheck = Named(new QCheckBox("Show Step Plot", step), "showStepCheck");
  stepGrid->addWidget(showStepCheck, 0, 0, 1, 2);
  stepColorSwatch = new ColorSwatch(step, "stepColorSwatch", StepColorOnLoad);
  Pair(stepGrid, 1, Named(new QLabel("Color", step), "stepColorLabel"), stepColorSwatch);
  stepWidthList = List(step, "stepWidthList", LineWidths, StepStemWidthOnLoad - 1);
  Pair(stepGrid, 2, Named(new QLabel("Width", step), "stepWidthLabel"), stepWidthList);
  stepGrid->setRowStretch(3, 1);
  stepGrid->setColumnStretch(2, 1);
  tabs->addTab(step, "Step Plot");

  // "Stem Plot"
  auto* stem = new QWidget(tabs);
  auto* stemGrid = new QGridLayout(stem);
  showStemCheck = Named(new QCheckBox("Show Stem Plot", stem), "showStemCheck");
  stemGrid->addWidget(showStemCheck, 0, 0, 1, 2);
  auto* head = new QGroupBox("Head", stem);
  auto* headGrid = new QGridLayout(head);
  headColorSwatch = new ColorSwatch(head, "headColorSwatch", StemHeadColorOnLoad);
  Pair(headGrid, 0, Named(new QLabel("Color", head), "headColorLabel"), headColorSwatch);
  headSizeList = List(head, "headSizeList", PointSizes, StemHeadSizeOnLoad - 1);
  Pair(headGrid, 1, Named(new QLabel("Size", head), "headSizeLabel"), headSizeList);
  headSymbolList = List(head, "headSymbolList", PointSymbols, 0);
  Pair(headGrid, 2, Named(new QLabel("Symbol", head), "headSymbolLabel"), headSymbolList);
  stemGrid->addWidget(head, 1, 0);
  auto* body = new QGroupBox("Body", stem);
  auto* bodyGrid = new QGridLayout(body);
  bodyColorSwatch = new ColorSwatch(body, "bodyColorSwatch", StemBodyColorOnLoad);
  Pair(bodyGrid, 0, Named(new QLabel("Color", body), "bodyColorLabel"), bodyColorSwatch);
  bodyWidthList = List(body, "bodyWidthList", LineWidths, StepStemWidthOnLoad - 1);
  Pair(bodyGrid, 1, Named(new QLabel("Width", body), "bodyWidthLabel"), bodyWidthList);
  bodyGrid->setRowStretch(2, 1);
  stemGrid->addWidget(body, 1, 1);
  stemGrid->setRowStretch(2, 1);
  tabs->addTab(stem, "Stem Plot");

  AddOkCancelRow(this, outer, okButton, cancelButton);
  connect(okButton, &QPushButton::clicked, this, &StepStemDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &StepStemDialog::OnCancel);
}

StepStemDialog::~StepStemDialog() = default;

void StepStemDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  m_bindings.Fill(Bindings(), *graph);
}

std::vector<FieldBinding> StepStemDialog::Bindings() const {
  using K = FieldBinding::Kind;
  return {
      {K::Text, nameField, GraphProp::NameS},
      {K::Formula, formulaY, GraphProp::ExpressZ},
      {K::Real, minU, GraphProp::MinV},
      {K::Real, maxU, GraphProp::MaxV},
      {K::Whole, stepsU, GraphProp::StepV, 0, CurveSteps},
      {K::Check, showStepCheck, GraphProp::ShowStep},
      {K::Swatch, stepColorSwatch, GraphProp::StepColor},
      {K::Index, stepWidthList, GraphProp::StepWidth, 1},
      {K::Check, showStemCheck, GraphProp::ShowStem},
      {K::Swatch, headColorSwatch, GraphProp::StemHeadColor},
      {K::Index, headSizeList, GraphProp::StemHeadSize, 1},
      {K::Index, headSymbolList, GraphProp::StemHeadSymbol, 1},
      {K::Swatch, bodyColorSwatch, GraphProp::StemBodyColor},
      {K::Index, bodyWidthList, GraphProp::StemBodyWidth, 1},
  };
}

std::vector<OrderedPair> StepStemDialog::Pairs() const {
  return {{GraphProp::MinV, GraphProp::MaxV}};
}

void StepStemDialog::OnOk() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  CommitRequest request;
  // y of x: an explicit Cartesian function; an edited graph keeps its own.
  request.graphType = StepStemPlot;
  request.coordType = m_selected ? m_selected->CoordType : Cartesian2D;
  request.funForm = m_selected ? m_selected->FunForm : Explicit;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void StepStemDialog::OnCancel() { reject(); }
