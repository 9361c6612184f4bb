#include "dialogs/PlotDialog.h"

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

PlotDialog::PlotDialog(GraphCommandHost& host, QWidget* parent, int32_t graphType,
                       std::string_view stepsOnLoad)
    : QDialog(parent), m_host(host), m_graphType(graphType) {
  auto* outer = new QVBoxLayout(this);
  SSTab1 = Named(new QTabWidget(this), "SSTab1");
  outer->addWidget(SSTab1);

  auto* function = new QWidget(SSTab1);
  auto* page = new QGridLayout(function);
  static constexpr const char* nameLabel[] = {"Label1"};
  static constexpr const char* nameField[] = {"Text1"};
  static constexpr std::string_view nameCaption[] = {"Name"};
  m_name = std::make_unique<LabelledFields>(function, page, 0, nameLabel, nameField, nameCaption);
  Text1 = m_name->field[0];

  auto* frame1 = Named(new QGroupBox("Function", function), "Frame1");
  auto* formulaGrid = new QGridLayout(frame1);
  static constexpr const char* formulaLabels[] = {"Label3", "Label4", "Label5"};
  static constexpr const char* formulaFields[] = {"Text2", "Text3", "Text4"};
  static constexpr std::string_view formulaCaptions[] = {"X(u,v)", "Y(u,v)", "Z(u,v)"};
  m_formulas = std::make_unique<LabelledFields>(frame1, formulaGrid, 0, formulaLabels,
                                                formulaFields, formulaCaptions);
  Text2 = m_formulas->field[0], Text3 = m_formulas->field[1], Text4 = m_formulas->field[2];
  page->addWidget(frame1, 1, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain Of Variables", function), "Frame2");
  auto* domainGrid = new QGridLayout(frame2);
  m_u = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"Label6", "Label7", "Label8"},
      std::array{"Text5", "Text6", "Text7"},
      std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
      std::array<std::string_view, 3>{PlotMinOnLoad, PlotMaxOnLoad, stepsOnLoad});
  m_v = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array{"Label9", "Label10", "Label11"},
      std::array{"Text8", "Text9", "Text10"},
      std::array<std::string_view, 3>{"Min v", "Max v", "Steps v"},
      std::array<std::string_view, 3>{PlotMinOnLoad, PlotMaxOnLoad, stepsOnLoad});
  for (DomainRow* row : {m_u.get(), m_v.get()}) {
    row->label[2]->setToolTip("Recommended Value: 30 - 60");
    row->field[2]->setToolTip("Recommended Value: 30 - 60");
  }
  Text5 = m_u->field[0], Text6 = m_u->field[1], Text7 = m_u->field[2];
  Text8 = m_v->field[0], Text9 = m_v->field[1], Text10 = m_v->field[2];
  page->addWidget(frame2, 2, 0, 1, 2);
  page->setRowStretch(3, 1);
  SSTab1->addTab(function, "Function");

  AddOkCancelRow(this, outer, Command1, Command2);
  connect(Command1, &QPushButton::clicked, this, &PlotDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &PlotDialog::Command2_Click);
}

PlotDialog::~PlotDialog() = default;

void PlotDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  PrepareFill(*graph);
  m_bindings.Fill(Bindings(), *graph);
}

std::vector<FieldBinding> PlotDialog::Bindings() const {
  using K = FieldBinding::Kind;
  std::vector<FieldBinding> f = {
      {K::Text, Text1, GraphProp::NameS},
      {K::Formula, Text2, GraphProp::ExpressX},
      {K::Formula, Text3, GraphProp::ExpressY},
      {K::Formula, Text4, GraphProp::ExpressZ},
      {K::Real, Text5, GraphProp::MinU},
      {K::Real, Text6, GraphProp::MaxU},
      {K::Whole, Text7, GraphProp::StepU, 0, PlotSteps},
      {K::Real, Text8, GraphProp::MinV},
      {K::Real, Text9, GraphProp::MaxV},
      {K::Whole, Text10, GraphProp::StepV, 0, PlotSteps},
  };
  AddStyleBindings(f);
  return f;
}

std::vector<OrderedPair> PlotDialog::Pairs() const {
  return {{GraphProp::MinU, GraphProp::MaxU}, {GraphProp::MinV, GraphProp::MaxV}};
}

void PlotDialog::Command1_Click() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes || !Accepts(*writes)) return;
  CommitRequest request;
  // The plots are parametric surfaces in Cartesian coordinates; an edited graph keeps its own.
  request.graphType = m_graphType;
  request.coordType = m_selected ? m_selected->CoordType : Cartesian3D;
  request.funForm = m_selected ? m_selected->FunForm : Parametric;
  if (!m_selected) AddStartingValues(*writes);
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void PlotDialog::Command2_Click() { reject(); }
