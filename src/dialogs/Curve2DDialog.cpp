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
  Text1 = Named(new QLineEdit(Q(Curve2DStart.name), this), "Text1");
  Check3 = Named(new QCheckBox("Show Function Graph", this), "Check3");
  Check3->setChecked(true);
  Text1->hide();
  Check3->hide();

  SSTab1 = Named(new QTabWidget(this), "SSTab1");
  outer->addWidget(SSTab1);

  auto* function = new QWidget(SSTab1);
  auto* page = new QGridLayout(function);
  auto* formLabel = Named(new QLabel("Form", function), "Label13");
  Combo3 = Named(new QComboBox(function), "Combo3");
  formLabel->setBuddy(Combo3);
  AddItems(Combo3, Curve2DForms[0][0]);
  Combo3->setCurrentIndex(-1);
  page->addWidget(formLabel, 0, 0);
  page->addWidget(Combo3, 0, 1);
  auto* coordLabel = Named(new QLabel("Coordinate", function), "Label2");
  Combo1 = Named(new QComboBox(function), "Combo1");
  coordLabel->setBuddy(Combo1);
  AddItems(Combo1, PlaneCoordinates);
  Combo1->setCurrentIndex(-1);
  page->addWidget(coordLabel, 1, 0);
  page->addWidget(Combo1, 1, 1);

  auto* frame1 = Named(new QGroupBox("Function", function), "Frame1");
  auto* formulaGrid = new QGridLayout(frame1);
  m_formulas = std::make_unique<FormulaSection>(
      frame1, formulaGrid, 0, std::array{"Label3", "Label4"}, std::array{"Text2", "Text3"});
  m_formulas->label[0]->setText("x(u)");
  m_formulas->label[1]->setText("y(u)");
  Text2 = m_formulas->field[0];
  Text3 = m_formulas->field[1];
  page->addWidget(frame1, 2, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain Of Variables", function), "Frame2");
  auto* domainGrid = new QGridLayout(frame2);
  const StartTexts& start = Curve2DStart;
  m_domain =
      std::make_unique<DomainRow>(frame2, domainGrid, 0, std::array{"Label5", "Label6", "Label7"},
                                  std::array{"Text4", "Text5", "Text6"},
                                  std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
                                  std::array{start.min, start.max, start.steps});
  m_domain->label[2]->setToolTip("Recommended Value: 30 - 100");
  m_domain->field[2]->setToolTip("Recommended Value: 100 - 300");
  m_yPair = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array<const char*, 3>{"Label14", "Label15", nullptr},
      std::array<const char*, 3>{"Text10", "Text11", nullptr},
      std::array<std::string_view, 3>{"Min y", "Max y", ""},
      std::array<std::string_view, 3>{start.yMin, start.yMax, ""});
  m_tRow = std::make_unique<DomainRow>(frame2, domainGrid, 4,
                                       std::array{"Label10", "Label11", "Label12"},
                                       std::array{"Text7", "Text8", "Text9"},
                                       std::array<std::string_view, 3>{"Min t", "Max t", "Steps t"},
                                       std::array{start.tMin, start.tMax, start.tSteps});
  Text4 = m_domain->field[0], Text5 = m_domain->field[1], Text6 = m_domain->field[2];
  Text10 = m_yPair->field[0], Text11 = m_yPair->field[1];
  Text7 = m_tRow->field[0], Text8 = m_tRow->field[1], Text9 = m_tRow->field[2];
  page->addWidget(frame2, 3, 0, 1, 2);

  Check1 = Named(new QCheckBox("Clip", function), "Check1");
  Check1->setChecked(true);
  page->addWidget(Check1, 4, 0);
  page->setRowStretch(5, 1);
  SSTab1->addTab(function, "Function");

  auto* properties = new QWidget(SSTab1);
  auto* props = new QGridLayout(properties);
  auto* colorLabel = Named(new QLabel("Color", properties), "Label8");
  Picture1 = new ColorSwatch(properties, "Picture1", Curve2DLineColorOnLoad);
  colorLabel->setBuddy(Picture1);
  auto* widthLabel = Named(new QLabel("Width", properties), "Label9");
  Combo2 = Named(new QComboBox(properties), "Combo2");
  widthLabel->setBuddy(Combo2);
  AddItems(Combo2, LineWidths);
  Combo2->setCurrentIndex(-1);
  props->addWidget(colorLabel, 0, 0);
  props->addWidget(Picture1, 0, 1);
  props->addWidget(widthLabel, 1, 0);
  props->addWidget(Combo2, 1, 1);
  props->setRowStretch(2, 1);
  props->setColumnStretch(2, 1);
  SSTab1->addTab(properties, "Properties");

  AddOkCancelRow(this, outer, Command1, Command2);

  ConnectComboClick(Combo1, this, &m_refilling, [this] { Combo1_Click(); });
  ConnectComboClick(Combo3, this, &m_refilling, [this] { Combo3_Click(); });
  connect(Command1, &QPushButton::clicked, this, &Curve2DDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Curve2DDialog::Command2_Click);
}

Curve2DDialog::~Curve2DDialog() = default;

void Curve2DDialog::SetAnimationMode(bool animated) {
  m_animation = animated;
  m_tRow->SetVisible(animated);
}

int Curve2DDialog::FormPosition() const { return Combo3->currentIndex(); }

void Curve2DDialog::FillForms(int mode, int coordinate) {
  RefillChoices(Combo3, &m_refilling, Curve2DForms[mode][coordinate],
                std::max(0, Combo3->currentIndex()));
}

void Curve2DDialog::Combo1_Click() {
  const int coordinate = Combo1->currentIndex();
  if (coordinate < 0 || coordinate > 1) return;
  FillForms(m_animation ? 1 : 0, coordinate);
  Combo3_Click();
}

void Curve2DDialog::Combo3_Click() {
  const int coordinate = Combo1->currentIndex();
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
  Combo3->setCurrentIndex(0);
  Combo2->setCurrentIndex(0);
  m_refilling = false;
  if (Combo1->currentIndex() == setup.coordinate)
    Combo1_Click();
  else
    Combo1->setCurrentIndex(setup.coordinate);
  if (setup.animated) {
    Text9->setEnabled(false);
    Text9->setText(QString::number(FrameCount));
  } else if (setup.coordinate == 0) {
    // A new explicit Cartesian curve opens without the clipping pair.
    m_yPair->SetPairVisible(false);
  }
}

void Curve2DDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  m_refilling = true;
  Combo3->setCurrentIndex(DialogFields::FormPosition(Curve2DFormCodes, g.FunForm));
  m_refilling = false;
  SetAnimationMode(GraphKind(g).Animated);
  if (m_animation) {
    Text9->setEnabled(false);
    Text9->setText(QString::number(g.StepT()));
  }
  setWindowTitle("2D Function Graph Properties");
  if (Combo1->currentIndex() == g.CoordType - 1)
    Combo1_Click();
  else
    Combo1->setCurrentIndex(g.CoordType - 1);
  Combo3_Click();
  m_bindings.Fill(Bindings(), g);
}

std::vector<FieldBinding> Curve2DDialog::Bindings() const {
  using K = FieldBinding::Kind;
  const int form = FormPosition();
  const bool region = form == 2 || form == 3; // implicit or inequality
  std::vector<FieldBinding> f = {
      {K::Text, Text1, GraphProp::NameS},
      {K::Check, Check3, GraphProp::Show2DCurve},
      {K::Formula, Text2, form == 1 ? GraphProp::ExpressY : GraphProp::ExpressZ},
  };
  if (form == 1) f.push_back({K::Formula, Text3, GraphProp::ExpressZ});
  if (region) {
    f.push_back({K::Real, Text4, GraphProp::MinU});
    f.push_back({K::Real, Text5, GraphProp::MaxU});
    f.push_back({K::Real, Text10, GraphProp::MinV});
    f.push_back({K::Real, Text11, GraphProp::MaxV});
  } else {
    f.push_back({K::Real, Text4, GraphProp::MinV});
    f.push_back({K::Real, Text5, GraphProp::MaxV});
    f.push_back({K::Whole, Text6, GraphProp::StepV, 0, CurveSteps});
    f.push_back({K::Real, Text10, GraphProp::ClipMinZ});
    f.push_back({K::Real, Text11, GraphProp::ClipMaxZ});
  }
  if (m_animation) {
    f.push_back({K::Real, Text7, GraphProp::MinT});
    f.push_back({K::Real, Text8, GraphProp::MaxT});
  }
  f.push_back({K::Check, Check1, GraphProp::Clip});
  f.push_back({K::Swatch, Picture1, GraphProp::LineColor});
  f.push_back({K::Index, Combo2, GraphProp::LineWidth, 1});
  return f;
}

std::vector<OrderedPair> Curve2DDialog::Pairs() const {
  std::vector<OrderedPair> pairs = {{GraphProp::MinU, GraphProp::MaxU},
                                    {GraphProp::MinV, GraphProp::MaxV},
                                    {GraphProp::MinT, GraphProp::MaxT}};
  if (Check1->isChecked()) pairs.push_back({GraphProp::ClipMinZ, GraphProp::ClipMaxZ});
  return pairs;
}

void Curve2DDialog::Command1_Click() {
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
  request.coordType = Combo1->currentIndex() + 1;
  request.funForm = Curve2DFormCodes[static_cast<size_t>(form)];
  request.animation = m_animation;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void Curve2DDialog::Command2_Click() { reject(); }
