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
  SSTab1 = Named(new QTabWidget(this), "SSTab1");
  outer->addWidget(SSTab1);

  auto* function = new QWidget(SSTab1);
  auto* page = new QGridLayout(function);
  auto* nameLabel = Named(new QLabel("Name", function), "Label12");
  Text1 = Named(new QLineEdit(Q(RibbonStart.name), function), "Text1");
  nameLabel->setBuddy(Text1);
  page->addWidget(nameLabel, 0, 0);
  page->addWidget(Text1, 0, 1);
  auto* formLabel = Named(new QLabel("Form", function), "Label9");
  Combo2 = Named(new QComboBox(function), "Combo2");
  formLabel->setBuddy(Combo2);
  AddItems(Combo2, RibbonForms[0][0]);
  Combo2->setCurrentIndex(-1);
  page->addWidget(formLabel, 1, 0);
  page->addWidget(Combo2, 1, 1);
  auto* coordLabel = Named(new QLabel("Coordinate", function), "Label13");
  Combo1 = Named(new QComboBox(function), "Combo1");
  coordLabel->setBuddy(Combo1);
  AddItems(Combo1, PlaneCoordinates);
  Combo1->setCurrentIndex(-1);
  page->addWidget(coordLabel, 2, 0);
  page->addWidget(Combo1, 2, 1);

  auto* frame1 = Named(new QGroupBox("Function", function), "Frame1");
  auto* formulaGrid = new QGridLayout(frame1);
  m_formulas = std::make_unique<FormulaSection>(
      frame1, formulaGrid, 0, std::array{"Label2", "Label3"}, std::array{"Text2", "Text3"});
  m_formulas->label[0]->setText("X(u)");
  m_formulas->label[1]->setText("Y(u)");
  Text2 = m_formulas->field[0];
  Text3 = m_formulas->field[1];
  page->addWidget(frame1, 3, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain of Variables", function), "Frame2");
  auto* domainGrid = new QGridLayout(frame2);
  const StartTexts& start = RibbonStart;
  m_domain = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"Label17", "Label18", "Label19"},
      std::array{"Text5", "Text6", "Text7"},
      std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
      std::array{start.min, start.max, start.steps});
  m_domain->label[2]->setToolTip("Recommended Value: 30 - 60");
  m_domain->field[2]->setToolTip("Recommended Value: 30 - 60");
  m_yPair = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array<const char*, 3>{"Label10", "Label11", nullptr},
      std::array<const char*, 3>{"Text10", "Text11", nullptr},
      std::array<std::string_view, 3>{"Min y", "Max y", ""},
      std::array<std::string_view, 3>{start.yMin, start.yMax, ""});
  m_tRow =
      std::make_unique<DomainRow>(frame2, domainGrid, 4, std::array{"Label4", "Label6", "Label8"},
                                  std::array{"Text4", "Text8", "Text9"},
                                  std::array<std::string_view, 3>{"Min t", "Max t", "Steps t"},
                                  std::array{start.tMin, start.tMax, start.tSteps});
  Text5 = m_domain->field[0], Text6 = m_domain->field[1], Text7 = m_domain->field[2];
  Text10 = m_yPair->field[0], Text11 = m_yPair->field[1];
  Text4 = m_tRow->field[0], Text8 = m_tRow->field[1], Text9 = m_tRow->field[2];
  page->addWidget(frame2, 4, 0, 1, 2);

  Check1 = Named(new QCheckBox("Clip", function), "Check1");
  Check1->setChecked(true);
  page->addWidget(Check1, 5, 0);
  page->setRowStretch(6, 1);
  SSTab1->addTab(function, "Function");

  Style = std::make_unique<RibbonStyle>(SSTab1);

  AddOkCancelRow(this, outer, Command1, Command2);

  ConnectComboClick(Combo1, this, &m_refilling, [this] { Combo1_Click(); });
  ConnectComboClick(Combo2, this, &m_refilling, [this] { Combo2_Click(); });
  connect(Command1, &QPushButton::clicked, this, &RibbonDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &RibbonDialog::Command2_Click);
}

RibbonDialog::~RibbonDialog() = default;

void RibbonDialog::SetAnimationMode(bool animated) {
  m_animation = animated;
  m_tRow->SetVisible(animated);
}

int RibbonDialog::FormPosition() const { return Combo2->currentIndex(); }

void RibbonDialog::FillForms(int mode, int coordinate) {
  RefillChoices(Combo2, &m_refilling, RibbonForms[mode][coordinate],
                std::max(0, Combo2->currentIndex()));
}

void RibbonDialog::Combo1_Click() {
  const int coordinate = Combo1->currentIndex();
  if (coordinate < 0 || coordinate > 1) return;
  FillForms(m_animation ? 1 : 0, coordinate);
  Combo2_Click();
}

void RibbonDialog::Combo2_Click() {
  const int coordinate = Combo1->currentIndex();
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
  Combo2->setCurrentIndex(0);
  m_refilling = false;
  if (Combo1->currentIndex() == setup.coordinate)
    Combo1_Click();
  else
    Combo1->setCurrentIndex(setup.coordinate);
  if (setup.animated) {
    Text9->setEnabled(false);
    Text9->setText(QString::number(FrameCount));
  }
}

void RibbonDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  SetAnimationMode(GraphKind(g).Animated);
  if (m_animation) {
    Text9->setEnabled(false);
    Text9->setText(QString::number(g.StepT()));
  }
  setWindowTitle("2.5D Function Graph Properties");
  m_refilling = true;
  Combo1->setCurrentIndex(g.CoordType - 1);
  m_refilling = false;
  Combo1_Click();
  m_refilling = true;
  Combo2->setCurrentIndex(DialogFields::FormPosition(RibbonFormCodes, g.FunForm));
  m_refilling = false;
  Combo2_Click();
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
      {K::Text, Text1, GraphProp::NameS},
      {K::Formula, Text2, parametric ? GraphProp::ExpressY : GraphProp::ExpressZ},
  };
  if (parametric) f.push_back({K::Formula, Text3, GraphProp::ExpressZ});
  f.push_back({K::Real, Text5, GraphProp::MinV});
  f.push_back({K::Real, Text6, GraphProp::MaxV});
  f.push_back({K::Whole, Text7, GraphProp::StepV, 0, CurveSteps});
  if (m_animation) {
    f.push_back({K::Real, Text4, GraphProp::MinT});
    f.push_back({K::Real, Text8, GraphProp::MaxT});
  }
  f.push_back({K::Real, Text10, GraphProp::ClipMinZ});
  f.push_back({K::Real, Text11, GraphProp::ClipMaxZ});
  f.push_back({K::Check, Check1, GraphProp::Clip});
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
  if (Check1->isChecked()) pairs.push_back({GraphProp::ClipMinZ, GraphProp::ClipMaxZ});
  return pairs;
}

void RibbonDialog::Command1_Click() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  NameColorSchemeOnColormap(*writes, m_selected.get(), Style->colorScheme);
  CommitRequest request;
  request.graphType = m_animation ? Ribbon25DAnimation : Ribbon25D;
  request.coordType = Combo1->currentIndex() + 1;
  request.funForm = RibbonFormCodes[static_cast<size_t>(std::max(0, FormPosition()))];
  request.animation = m_animation;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void RibbonDialog::Command2_Click() { reject(); }
