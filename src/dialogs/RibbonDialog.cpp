#include "dialogs/RibbonDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

RibbonDialog::RibbonDialog(GraphCommandHost& host, QWidget* parent)
    : QDialog(parent), m_host(host) {
  setObjectName("RibbonDialog");
  setWindowTitle("2.5D Function Graph Properties");
  auto* outer = new QVBoxLayout(this);
  tabs = Named(new QTabWidget(this), "tabs");
  outer->addWidget(tabs);

  auto* function = new QWidget(tabs);
  auto* page = new QGridLayout(function);
  auto* nameLabel = Named(new QLabel("Name", function), "nameLabel");
  nameField = Named(new QLineEdit(Q(RibbonStart.name), function), "nameField");
  nameLabel->setBuddy(nameField);
  page->addWidget(nameLabel, 0, 0);
  page->addWidget(nameField, 0, 1);
  auto* formLabel = Named(new QLabel("Form", function), "formLabel");
  formList = Named(new QComboBox(function), "formList");
  formLabel->setBuddy(formList);
  AddItems(formList, RibbonForms[0][0]);
  formList->setCurrentIndex(-1);
  page->addWidget(formLabel, 1, 0);
  page->addWidget(formList, 1, 1);
  auto* coordLabel = Named(new QLabel("Coordinate", function), "coordinateLabel");
  coordinateList = Named(new QComboBox(function), "coordinateList");
  coordLabel->setBuddy(coordinateList);
  AddItems(coordinateList, PlaneCoordinates);
  coordinateList->setCurrentIndex(-1);
  page->addWidget(coordLabel, 2, 0);
  page->addWidget(coordinateList, 2, 1);

  auto* frame1 = Named(new QGroupBox("Function", function), "functionFrame");
  auto* formulaGrid = new QGridLayout(frame1);
  m_formulas = std::make_unique<FormulaSection>(
      frame1, formulaGrid, 0, std::array{"firstFormulaLabel", "secondFormulaLabel"},
      std::array{"firstFormula", "secondFormula"});
  m_formulas->label[0]->setText("X(u)");
  m_formulas->label[1]->setText("Y(u)");
  firstFormula = m_formulas->field[0];
  secondFormula = m_formulas->field[1];
  page->addWidget(frame1, 3, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain of Variables", function), "domainFrame");
  auto* domainGrid = new QGridLayout(frame2);
  const StartTexts& start = RibbonStart;
  m_domain = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"minULabel", "maxULabel", "stepsULabel"},
      std::array{"minU", "maxU", "stepsU"},
      std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
      std::array{start.min, start.max, start.steps});
  m_domain->label[2]->setToolTip("Recommended Value: 30 - 60");
  m_domain->field[2]->setToolTip("Recommended Value: 30 - 60");
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
  minU = m_domain->field[0], maxU = m_domain->field[1], stepsU = m_domain->field[2];
  minY = m_yPair->field[0], maxY = m_yPair->field[1];
  minT = m_tRow->field[0], maxT = m_tRow->field[1], stepsT = m_tRow->field[2];
  page->addWidget(frame2, 4, 0, 1, 2);

  clipCheck = Named(new QCheckBox("Clip", function), "clipCheck");
  clipCheck->setChecked(true);
  page->addWidget(clipCheck, 5, 0);
  page->setRowStretch(6, 1);
  tabs->addTab(function, "Function");

  Style = std::make_unique<RibbonStyle>(tabs);

  AddOkCancelRow(this, outer, okButton, cancelButton);

  ConnectComboClick(coordinateList, this, &m_refilling, [this] { OnCoordinateChosen(); });
  ConnectComboClick(formList, this, &m_refilling, [this] { OnFormChosen(); });
  connect(okButton, &QPushButton::clicked, this, &RibbonDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &RibbonDialog::OnCancel);
}

RibbonDialog::~RibbonDialog() = default;

void RibbonDialog::SetAnimationMode(bool animated) {
  m_animation = animated;
  m_tRow->SetVisible(animated);
}

int RibbonDialog::FormPosition() const { return formList->currentIndex(); }

void RibbonDialog::FillForms(int mode, int coordinate) {
  RefillChoices(formList, &m_refilling, RibbonForms[mode][coordinate],
                std::max(0, formList->currentIndex()));
}

void RibbonDialog::OnCoordinateChosen() {
  const int coordinate = coordinateList->currentIndex();
  if (coordinate < 0 || coordinate > 1) return;
  FillForms(m_animation ? 1 : 0, coordinate);
  OnFormChosen();
}

void RibbonDialog::OnFormChosen() {
  const int coordinate = coordinateList->currentIndex();
  const int form = FormPosition();
  if (coordinate < 0 || coordinate > 1 || form < 0 || form > 1) return;
  const FieldLabels& labels = RibbonLabels(m_animation ? 1 : 0, coordinate, form);
  m_formulas->Relabel(labels.first, labels.second);
  m_domain->Relabel(labels.min, labels.max, labels.steps);
}

void RibbonDialog::PrepareAdd(const AddDialogSetup& setup) {
  setWindowTitle(setup.animated ? "2.5D Function Graph Animation Properties"
                                : "2.5D Function Graph Properties");
  SetAnimationMode(setup.animated);
  m_refilling = true;
  formList->setCurrentIndex(0);
  m_refilling = false;
  if (coordinateList->currentIndex() == setup.coordinate)
    OnCoordinateChosen();
  else
    coordinateList->setCurrentIndex(setup.coordinate);
  if (setup.animated) {
    stepsT->setEnabled(false);
    stepsT->setText(QString::number(FrameCount));
  }
}

void RibbonDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  SetAnimationMode(GraphKind(g).Animated);
  if (m_animation) {
    stepsT->setEnabled(false);
    stepsT->setText(QString::number(g.StepT()));
  }
  setWindowTitle("2.5D Function Graph Properties");
  m_refilling = true;
  coordinateList->setCurrentIndex(g.CoordType - 1);
  m_refilling = false;
  OnCoordinateChosen();
  m_refilling = true;
  formList->setCurrentIndex(DialogFields::FormPosition(RibbonFormCodes, g.FunForm));
  m_refilling = false;
  OnFormChosen();
  m_bindings.Fill(Bindings(), g);
  // The scheme box shows the graph's scheme with the "Colormap" fill only; otherwise, or
  // without a name, it keeps "Rainbow". The graph keeps its own name unless the user picks one.
  if (g.FillStyle != ColorMapFill) Style->colorScheme->setCurrentIndex(0);
  m_bindings.Remember(Bindings());
  // The swatch beside "Single" stands for the second colour as "Second color" does.
  Style->single->SetColor(g.SecondColor);
}

std::vector<FieldBinding> RibbonDialog::Bindings() const {
  using K = FieldBinding::Kind;
  const bool parametric = FormPosition() == 1;
  std::vector<FieldBinding> f = {
      {K::Text, nameField, GraphProp::NameS},
      {K::Formula, firstFormula, parametric ? GraphProp::ExpressY : GraphProp::ExpressZ},
  };
  if (parametric) f.push_back({K::Formula, secondFormula, GraphProp::ExpressZ});
  f.push_back({K::Real, minU, GraphProp::MinV});
  f.push_back({K::Real, maxU, GraphProp::MaxV});
  f.push_back({K::Whole, stepsU, GraphProp::StepV, 0, CurveSteps});
  if (m_animation) {
    f.push_back({K::Real, minT, GraphProp::MinT});
    f.push_back({K::Real, maxT, GraphProp::MaxT});
  }
  f.push_back({K::Real, minY, GraphProp::ClipMinZ});
  f.push_back({K::Real, maxY, GraphProp::ClipMaxZ});
  f.push_back({K::Check, clipCheck, GraphProp::Clip});
  f.push_back({K::Options, Style->fillStyle, GraphProp::FillStyle});
  f.push_back({K::Item, Style->colorScheme, GraphProp::ColorName});
  f.push_back({K::Swatch, Style->first, GraphProp::FirstColor});
  f.push_back({K::Swatch, Style->second, GraphProp::SecondColor});
  f.push_back({K::Index, Style->material, GraphProp::Material, 1});
  f.push_back({K::Options, Style->show, GraphProp::Show});
  f.push_back({K::Options, Style->smooth, GraphProp::Smoothness});
  return f;
}

std::vector<OrderedPair> RibbonDialog::Pairs() const {
  std::vector<OrderedPair> pairs = {{GraphProp::MinV, GraphProp::MaxV},
                                    {GraphProp::MinT, GraphProp::MaxT}};
  if (clipCheck->isChecked()) pairs.push_back({GraphProp::ClipMinZ, GraphProp::ClipMaxZ});
  return pairs;
}

void RibbonDialog::OnOk() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  NameColorSchemeOnColormap(*writes, m_selected.get(), Style->colorScheme);
  CommitRequest request;
  request.graphType = m_animation ? Ribbon25DAnimation : Ribbon25D;
  request.coordType = coordinateList->currentIndex() + 1;
  request.funForm = RibbonFormCodes[static_cast<size_t>(std::max(0, FormPosition()))];
  request.animation = m_animation;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void RibbonDialog::OnCancel() { reject(); }
