#include "dialogs/Curve2DDialog.h"

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
#include "model/GraphKinds.h"
#include "model/ProgramState.h"

using namespace DialogFields;

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Curve2DDialog::Curve2DDialog(GraphCommandHost& host, QWidget* parent)
    : QDialog(parent), m_host(host) {
  setObjectName("Curve2DDialog");
  setWindowTitle("2D Function Graph Properties");
  auto* outer = new QVBoxLayout(this);

  // Name and "Show Function Graph" stand for graph properties the user does not see.
  nameField = Named(new QLineEdit(Q(Curve2DStart.name), this), "nameField");
  showCurveCheck = Named(new QCheckBox("Show Function Graph", this), "showCurveCheck");
  showCurveCheck->setChecked(true);
  nameField->hide();
  showCurveCheck->hide();

  tabs = Named(new QTabWidget(this), "tabs");
  outer->addWidget(tabs);

  auto* function = new QWidget(tabs);
  auto* page = new QGridLayout(function);
  auto* formLabel = Named(new QLabel("Form", function), "formLabel");
  formList = Named(new QComboBox(function), "formList");
  formLabel->setBuddy(formList);
  AddItems(formList, Curve2DForms[0][0]);
  formList->setCurrentIndex(-1);
  page->addWidget(formLabel, 0, 0);
  page->addWidget(formList, 0, 1);
  auto* coordLabel = Named(new QLabel("Coordinate", function), "coordinateLabel");
  coordinateList = Named(new QComboBox(function), "coordinateList");
  coordLabel->setBuddy(coordinateList);
  AddItems(coordinateList, PlaneCoordinates);
  coordinateList->setCurrentIndex(-1);
  page->addWidget(coordLabel, 1, 0);
  page->addWidget(coordinateList, 1, 1);

  auto* frame1 = Named(new QGroupBox("Function", function), "functionFrame");
  auto* formulaGrid = new QGridLayout(frame1);
  m_formulas = std::make_unique<FormulaSection>(
      frame1, formulaGrid, 0, std::array{"firstFormulaLabel", "secondFormulaLabel"},
      std::array{"firstFormula", "secondFormula"});
  m_formulas->label[0]->setText("x(u)");
  m_formulas->label[1]->setText("y(u)");
  firstFormula = m_formulas->field[0];
  secondFormula = m_formulas->field[1];
  page->addWidget(frame1, 2, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain Of Variables", function), "domainFrame");
  auto* domainGrid = new QGridLayout(frame2);
  const StartTexts& start = Curve2DStart;
  m_domain = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"domainMinLabel", "domainMaxLabel", "domainStepsLabel"},
      std::array{"domainMin", "domainMax", "domainSteps"},
      std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
      std::array{start.min, start.max, start.steps});
  m_domain->label[2]->setToolTip("Recommended Value: 30 - 100");
  m_domain->field[2]->setToolTip("Recommended Value: 100 - 300");
  m_yPair = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array<const char*, 3>{"minYLabel", "maxYLabel", nullptr},
      std::array<const char*, 3>{"minY", "maxY", nullptr},
      std::array<std::string_view, 3>{"Min y", "Max y", ""},
      std::array<std::string_view, 3>{start.yMin, start.yMax, ""});
  m_tRow = std::make_unique<DomainRow>(frame2, domainGrid, 4,
                                       std::array{"minTLabel", "maxTLabel", "stepsTLabel"},
                                       std::array{"minT", "maxT", "stepsT"},
                                       std::array<std::string_view, 3>{"Min t", "Max t", "Steps t"},
                                       std::array{start.tMin, start.tMax, start.tSteps});
  domainMin = m_domain->field[0], domainMax = m_domain->field[1], domainSteps = m_domain->field[2];
  minY = m_yPair->field[0], maxY = m_yPair->field[1];
  minT = m_tRow->field[0], maxT = m_tRow->field[1], stepsT = m_tRow->field[2];
  page->addWidget(frame2, 3, 0, 1, 2);

  clipCheck = Named(new QCheckBox("Clip", function), "clipCheck");
  clipCheck->setChecked(true);
  page->addWidget(clipCheck, 4, 0);
  page->setRowStretch(5, 1);
  tabs->addTab(function, "Function");

  auto* properties = new QWidget(tabs);
  auto* props = new QGridLayout(properties);
  auto* colorLabel = Named(new QLabel("Color", properties), "colorLabel");
  colorSwatch = new ColorSwatch(properties, "colorSwatch", Curve2DLineColorOnLoad);
  colorLabel->setBuddy(colorSwatch);
  auto* widthLabel = Named(new QLabel("Width", properties), "widthLabel");
  widthList = Named(new QComboBox(properties), "widthList");
  widthLabel->setBuddy(widthList);
  AddItems(widthList, LineWidths);
  widthList->setCurrentIndex(-1);
  props->addWidget(colorLabel, 0, 0);
  props->addWidget(colorSwatch, 0, 1);
  props->addWidget(widthLabel, 1, 0);
  props->addWidget(widthList, 1, 1);
  props->setRowStretch(2, 1);
  props->setColumnStretch(2, 1);
  tabs->addTab(properties, "Properties");

  AddOkCancelRow(this, outer, okButton, cancelButton);

  ConnectComboClick(coordinateList, this, &m_refilling, [this] { OnCoordinateChosen(); });
  ConnectComboClick(formList, this, &m_refilling, [this] { OnFormChosen(); });
  connect(okButton, &QPushButton::clicked, this, &Curve2DDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &Curve2DDialog::OnCancel);
}

Curve2DDialog::~Curve2DDialog() = default;

void Curve2DDialog::SetAnimationMode(bool animated) {
  m_animation = animated;
  m_tRow->SetVisible(animated);
}

int Curve2DDialog::FormPosition() const { return formList->currentIndex(); }

void Curve2DDialog::FillForms(int mode, int coordinate) {
  RefillChoices(formList, &m_refilling, Curve2DForms[mode][coordinate],
                std::max(0, formList->currentIndex()));
}

void Curve2DDialog::OnCoordinateChosen() {
  const int coordinate = coordinateList->currentIndex();
  if (coordinate < 0 || coordinate > 1) return;
  FillForms(m_animation ? 1 : 0, coordinate);
  OnFormChosen();
}

void Curve2DDialog::OnFormChosen() {
  const int coordinate = coordinateList->currentIndex();
  const int form = FormPosition();
  if (coordinate < 0 || coordinate > 1 || form < 0 || form > 3) return;
  const FieldLabels& labels = Curve2DLabels(m_animation ? 1 : 0, coordinate, form);
  m_formulas->Relabel(labels.first, labels.second);
  m_domain->Relabel(labels.min, labels.max, labels.steps);
  m_domain->SetStepsVisible(labels.stepsShown);
  if (!labels.yPairMin.empty()) m_yPair->Relabel(labels.yPairMin, labels.yPairMax);
  m_yPair->SetPairVisible(true);
}

void Curve2DDialog::PrepareAdd(const AddDialogSetup& setup) {
  setWindowTitle(setup.animated ? "2D Function Graph Animation Properties"
                                : "2D Function Graph Properties");
  SetAnimationMode(setup.animated);
  // The form list shows its first form; the width list its first width.
  m_refilling = true;
  formList->setCurrentIndex(0);
  widthList->setCurrentIndex(0);
  m_refilling = false;
  if (coordinateList->currentIndex() == setup.coordinate)
    OnCoordinateChosen();
  else
    coordinateList->setCurrentIndex(setup.coordinate);
  if (setup.animated) {
    stepsT->setEnabled(false);
    stepsT->setText(QString::number(FrameCount));
  } else if (setup.coordinate == 0) {
    // A new explicit Cartesian curve opens without the clipping pair.
    m_yPair->SetPairVisible(false);
  }
}

void Curve2DDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  m_refilling = true;
  formList->setCurrentIndex(DialogFields::FormPosition(Curve2DFormCodes, g.FunForm));
  m_refilling = false;
  SetAnimationMode(GraphKind(g).Animated);
  if (m_animation) {
    stepsT->setEnabled(false);
    stepsT->setText(QString::number(g.StepT()));
  }
  setWindowTitle("2D Function Graph Properties");
  if (coordinateList->currentIndex() == g.CoordType - 1)
    OnCoordinateChosen();
  else
    coordinateList->setCurrentIndex(g.CoordType - 1);
  OnFormChosen();
  m_bindings.Fill(Bindings(), g);
}

std::vector<FieldBinding> Curve2DDialog::Bindings() const {
  using K = FieldBinding::Kind;
  const int form = FormPosition();
  const bool region = form == 2 || form == 3; // implicit or inequality
  std::vector<FieldBinding> f = {
      {K::Text, nameField, GraphProp::NameS},
      {K::Check, showCurveCheck, GraphProp::Show2DCurve},
      {K::Formula, firstFormula, form == 1 ? GraphProp::ExpressY : GraphProp::ExpressZ},
  };
  if (form == 1) f.push_back({K::Formula, secondFormula, GraphProp::ExpressZ});
  if (region) {
    f.push_back({K::Real, domainMin, GraphProp::MinU});
    f.push_back({K::Real, domainMax, GraphProp::MaxU});
    f.push_back({K::Real, minY, GraphProp::MinV});
    f.push_back({K::Real, maxY, GraphProp::MaxV});
  } else {
    f.push_back({K::Real, domainMin, GraphProp::MinV});
    f.push_back({K::Real, domainMax, GraphProp::MaxV});
    f.push_back({K::Whole, domainSteps, GraphProp::StepV, 0, CurveSteps});
    f.push_back({K::Real, minY, GraphProp::ClipMinZ});
    f.push_back({K::Real, maxY, GraphProp::ClipMaxZ});
  }
  if (m_animation) {
    f.push_back({K::Real, minT, GraphProp::MinT});
    f.push_back({K::Real, maxT, GraphProp::MaxT});
  }
  f.push_back({K::Check, clipCheck, GraphProp::Clip});
  f.push_back({K::Swatch, colorSwatch, GraphProp::LineColor});
  f.push_back({K::Index, widthList, GraphProp::LineWidth, 1});
  return f;
}

std::vector<OrderedPair> Curve2DDialog::Pairs() const {
  std::vector<OrderedPair> pairs = {{GraphProp::MinU, GraphProp::MaxU},
                                    {GraphProp::MinV, GraphProp::MaxV},
                                    {GraphProp::MinT, GraphProp::MaxT}};
  if (clipCheck->isChecked()) pairs.push_back({GraphProp::ClipMinZ, GraphProp::ClipMaxZ});
  return pairs;
}

void Curve2DDialog::OnOk() {
  const std::vector<FieldBinding> fields = Bindings();
  std::optional<PropertyWrites> writes = m_bindings.Read(fields, Pairs(), m_selected.get());
  if (!writes) return;
  const int form = FormPosition();
  if (form < 0) return; // the lists always show a form once prepared
  if (form == 2 || form == 3) {
    // The y pair of a region is also its clipping range: a new or changed pair takes it along.
    std::optional<float> min, max;
    for (const auto& [prop, value] : *writes) {
      if (prop == GraphProp::MinV) min = std::get<float>(value);
      if (prop == GraphProp::MaxV) max = std::get<float>(value);
    }
    if (min || max || !m_selected) {
      writes->emplace_back(GraphProp::ClipMinZ, min ? *min : m_selected->MinV);
      writes->emplace_back(GraphProp::ClipMaxZ, max ? *max : m_selected->MaxV);
    }
  }
  CommitRequest request;
  request.graphType = m_animation ? Curve2DAnimation : Curve2D;
  request.coordType = coordinateList->currentIndex() + 1;
  request.funForm = Curve2DFormCodes[static_cast<size_t>(form)];
  request.animation = m_animation;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void Curve2DDialog::OnCancel() { reject(); }
