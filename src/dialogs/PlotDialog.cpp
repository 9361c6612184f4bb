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
  tabs = Named(new QTabWidget(this), "tabs");
  outer->addWidget(tabs);

  auto* function = new QWidget(tabs);
  auto* page = new QGridLayout(function);
  static constexpr const char* nameLabels[] = {"nameLabel"};
  static constexpr const char* nameFields[] = {"nameField"};
  static constexpr std::string_view nameCaptions[] = {"Name"};
  m_name =
      std::make_unique<LabelledFields>(function, page, 0, nameLabels, nameFields, nameCaptions);
  nameField = m_name->field[0];

  auto* frame1 = Named(new QGroupBox("Function", function), "functionFrame");
  auto* formulaGrid = new QGridLayout(frame1);
  static constexpr const char* formulaLabels[] = {"formulaXLabel", "formulaYLabel",
                                                  "formulaZLabel"};
  static constexpr const char* formulaFields[] = {"formulaX", "formulaY", "formulaZ"};
  static constexpr std::string_view formulaCaptions[] = {"X(u,v)", "Y(u,v)", "Z(u,v)"};
  m_formulas = std::make_unique<LabelledFields>(frame1, formulaGrid, 0, formulaLabels,
                                                formulaFields, formulaCaptions);
  formulaX = m_formulas->field[0], formulaY = m_formulas->field[1], formulaZ = m_formulas->field[2];
  page->addWidget(frame1, 1, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain Of Variables", function), "domainFrame");
  auto* domainGrid = new QGridLayout(frame2);
  m_u = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"minULabel", "maxULabel", "stepsULabel"},
      std::array{"minU", "maxU", "stepsU"},
      std::array<std::string_view, 3>{"Min u", "Max u", "Steps u"},
      std::array<std::string_view, 3>{PlotMinOnLoad, PlotMaxOnLoad, stepsOnLoad});
  m_v = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array{"minVLabel", "maxVLabel", "stepsVLabel"},
      std::array{"minV", "maxV", "stepsV"},
      std::array<std::string_view, 3>{"Min v", "Max v", "Steps v"},
      std::array<std::string_view, 3>{PlotMinOnLoad, PlotMaxOnLoad, stepsOnLoad});
  for (DomainRow* row : {m_u.get(), m_v.get()}) {
    row->label[2]->setToolTip("Recommended Value: 30 - 60");
    row->field[2]->setToolTip("Recommended Value: 30 - 60");
  }
  minU = m_u->field[0], maxU = m_u->field[1], stepsU = m_u->field[2];
  minV = m_v->field[0], maxV = m_v->field[1], stepsV = m_v->field[2];
  page->addWidget(frame2, 2, 0, 1, 2);
  page->setRowStretch(3, 1);
  tabs->addTab(function, "Function");

  AddOkCancelRow(this, outer, okButton, cancelButton);
  connect(okButton, &QPushButton::clicked, this, &PlotDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &PlotDialog::OnCancel);
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
      {K::Text, nameField, GraphProp::NameS},
      {K::Formula, formulaX, GraphProp::ExpressX},
      {K::Formula, formulaY, GraphProp::ExpressY},
      {K::Formula, formulaZ, GraphProp::ExpressZ},
      {K::Real, minU, GraphProp::MinU},
      {K::Real, maxU, GraphProp::MaxU},
      {K::Whole, stepsU, GraphProp::StepU, 0, PlotSteps},
      {K::Real, minV, GraphProp::MinV},
      {K::Real, maxV, GraphProp::MaxV},
      {K::Whole, stepsV, GraphProp::StepV, 0, PlotSteps},
  };
  AddStyleBindings(f);
  return f;
}

std::vector<OrderedPair> PlotDialog::Pairs() const {
  return {{GraphProp::MinU, GraphProp::MaxU}, {GraphProp::MinV, GraphProp::MaxV}};
}

void PlotDialog::OnOk() {
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

void PlotDialog::OnCancel() { reject(); }
