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
  SSTab1 = Named(new QTabWidget(this), "SSTab1");
  outer->addWidget(SSTab1);

  // "Function"
  auto* function = new QWidget(SSTab1);
  auto* page = new QGridLayout(function);
  static constexpr const char* nameLabel[] = {"Label1"};
  static constexpr const char* nameField[] = {"Text1"};
  static constexpr std::string_view nameCaption[] = {"Name"};
  m_name = std::make_unique<LabelledFields>(function, page, 0, nameLabel, nameField, nameCaption);
  Text1 = m_name->field[0];
  Text1->setText(QString::fromUtf8(StepStemStart.name.data(),
                                   static_cast<qsizetype>(StepStemStart.name.size())));
  auto* frame1 = Named(new QGroupBox("Function", function), "Frame1");
  auto* formulaGrid = new QGridLayout(frame1);
  static constexpr const char* formulaLabel[] = {"Label3"};
  static constexpr const char* formulaField[] = {"Text2"};
  static constexpr std::string_view formulaCaption[] = {"y(x)"};
  m_formula = std::make_unique<LabelledFields>(frame1, formulaGrid, 0, formulaLabel, formulaField,
                                               formulaCaption);
  Text2 = m_formula->field[0];
  page->addWidget(frame1, 1, 0, 1, 2);
  auto* frame2 = Named(new QGroupBox("Domain Of Variable", function), "Frame2");
  auto* domainGrid = new QGridLayout(frame2);
  m_domain = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"Label5", "Label6", "Label7"},
      std::array{"Text4", "Text5", "Text6"},
      std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
      std::array{StepStemStart.min, StepStemStart.max, StepStemStart.steps});
  m_domain->label[2]->setToolTip("Recommended Value: 10 - 30");
  m_domain->field[2]->setToolTip("Recommended Value: 10 - 30");
  Text4 = m_domain->field[0], Text5 = m_domain->field[1], Text6 = m_domain->field[2];
  page->addWidget(frame2, 2, 0, 1, 2);
  page->setRowStretch(3, 1);
  SSTab1->addTab(function, "Function");

  // "Step Plot"
  auto* step = new QWidget(SSTab1);
  auto* stepGrid = new QGridLayout(step);
  Check2 = Named(new QCheckBox("Show Step Plot", step), "Check2");
  stepGrid->addWidget(Check2, 0, 0, 1, 2);
  Picture1 = new ColorSwatch(step, "Picture1", StepColorOnLoad);
  Pair(stepGrid, 1, Named(new QLabel("Color", step), "Label8"), Picture1);
  Combo2 = List(step, "Combo2", LineWidths, StepStemWidthOnLoad - 1);
  Pair(stepGrid, 2, Named(new QLabel("Width", step), "Label9"), Combo2);
  stepGrid->setRowStretch(3, 1);
  stepGrid->setColumnStretch(2, 1);
  SSTab1->addTab(step, "Step Plot");

  // "Stem Plot"
  auto* stem = new QWidget(SSTab1);
  auto* stemGrid = new QGridLayout(stem);
  Check1 = Named(new QCheckBox("Show Stem Plot", stem), "Check1");
  stemGrid->addWidget(Check1, 0, 0, 1, 2);
  auto* head = new QGroupBox("Head", stem);
  auto* headGrid = new QGridLayout(head);
  Picture2 = new ColorSwatch(head, "Picture2", StemHeadColorOnLoad);
  Pair(headGrid, 0, Named(new QLabel("Color", head), "Label2"), Picture2);
  Combo1 = List(head, "Combo1", PointSizes, StemHeadSizeOnLoad - 1);
  Pair(headGrid, 1, Named(new QLabel("Size", head), "Label4"), Combo1);
  Combo3 = List(head, "Combo3", PointSymbols, 0);
  Pair(headGrid, 2, Named(new QLabel("Symbol", head), "Label10"), Combo3);
  stemGrid->addWidget(head, 1, 0);
  auto* body = new QGroupBox("Body", stem);
  auto* bodyGrid = new QGridLayout(body);
  Picture3 = new ColorSwatch(body, "Picture3", StemBodyColorOnLoad);
  Pair(bodyGrid, 0, Named(new QLabel("Color", body), "Label11"), Picture3);
  Combo4 = List(body, "Combo4", LineWidths, StepStemWidthOnLoad - 1);
  Pair(bodyGrid, 1, Named(new QLabel("Width", body), "Label12"), Combo4);
  bodyGrid->setRowStretch(2, 1);
  stemGrid->addWidget(body, 1, 1);
  stemGrid->setRowStretch(2, 1);
  SSTab1->addTab(stem, "Stem Plot");

  AddOkCancelRow(this, outer, Command1, Command2);
  connect(Command1, &QPushButton::clicked, this, &StepStemDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &StepStemDialog::Command2_Click);
}

StepStemDialog::~StepStemDialog() = default;

void StepStemDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  m_bindings.Fill(Bindings(), *graph);
}

std::vector<FieldBinding> StepStemDialog::Bindings() const {
  using K = FieldBinding::Kind;
  return {
      {K::Text, Text1, GraphProp::NameS},
      {K::Formula, Text2, GraphProp::ExpressZ},
      {K::Real, Text4, GraphProp::MinV},
      {K::Real, Text5, GraphProp::MaxV},
      {K::Whole, Text6, GraphProp::StepV, 0, CurveSteps},
      {K::Check, Check2, GraphProp::ShowStep},
      {K::Swatch, Picture1, GraphProp::StepColor},
      {K::Index, Combo2, GraphProp::StepWidth, 1},
      {K::Check, Check1, GraphProp::ShowStem},
      {K::Swatch, Picture2, GraphProp::StemHeadColor},
      {K::Index, Combo1, GraphProp::StemHeadSize, 1},
      {K::Index, Combo3, GraphProp::StemHeadSymbol, 1},
      {K::Swatch, Picture3, GraphProp::StemBodyColor},
      {K::Index, Combo4, GraphProp::StemBodyWidth, 1},
  };
}

std::vector<OrderedPair> StepStemDialog::Pairs() const {
  return {{GraphProp::MinV, GraphProp::MaxV}};
}

void StepStemDialog::Command1_Click() {
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

void StepStemDialog::Command2_Click() { reject(); }
