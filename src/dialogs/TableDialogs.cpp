#include "dialogs/TableDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "commands/GraphCommandHost.h"
#include "dialogs/DialogFields.h"
#include "dialogs/PointGrid.h"
#include "dialogs/TableDialogFields.h"
#include "model/Graph.h"

using namespace DialogFields;

// ---- what the three share ----------------------------------------------------------------------

TableDialog::TableDialog(GraphCommandHost& host, QWidget* parent, const char* name,
                         const char* caption, TableText::Kind kind, const char* dataTab)
    : QDialog(parent), m_host(host) {
  setObjectName(name);
  setWindowTitle(caption);
  auto* outer = new QVBoxLayout(this);
  tabs = Named(new QTabWidget(this), "tabs");
  outer->addWidget(tabs);
  auto* data = new QWidget(tabs);
  Data = std::make_unique<TableDataPage>(data, kind);
  tabs->addTab(data, dataTab);
  resize(520, 560);
}

TableDialog::~TableDialog() = default;

void TableDialog::AddButtons() {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  okButton = Named(new QPushButton("OK", this), "okButton");
  cancelButton = Named(new QPushButton("Cancel", this), "cancelButton");
  // Enter in the grid or a box must not close the dialog while the user types a table.
  okButton->setAutoDefault(false);
  cancelButton->setAutoDefault(false);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
  connect(okButton, &QPushButton::clicked, this, &TableDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &TableDialog::OnCancel);
}

void TableDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  Data->FillFrom(*graph);
  m_bindings.Fill(Bindings(), *graph);
  AfterFill();
  // What AfterFill chose in place of a value the lists lack keeps the graph's value unless the
  // user picks another.
  m_bindings.Remember(Bindings());
}

void TableDialog::OnOk() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), {}, m_selected.get());
  if (!writes) return;
  const std::optional<TableDataPage::Points> points = Data->Read(LeastCount());
  if (!points) return;
  CommitRequest request;
  request.graphType = GraphTypeOfDialog();
  const TableText::Kind kind = Data->Kind();
  request.coordType = kind == TableText::Kind::Table3D ? Cartesian3D : Cartesian2D;
  request.funForm = m_selected ? m_selected->FunForm : 0;
  if (auto* style = dynamic_cast<TableStyleDialog*>(this))
    NameColorSchemeOnColormap(*writes, m_selected.get(), style->Style->colorScheme);
  request.writes = std::move(*writes);
  request.extra = [&points, kind](Graph& g) { TableDataPage::WriteInto(*points, kind, g); };
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void TableDialog::OnCancel() { reject(); }

// ---- the 2D table dialog -----------------------------------------------------------------------

namespace {

QComboBox* ListBox(QWidget* page, const char* name, std::span<const std::string_view> items,
                   int selected) {
  auto* combo = Named(new QComboBox(page), name);
  AddItems(combo, items);
  combo->setCurrentIndex(selected);
  return combo;
}

// A style page: a check box above rows of captions and controls.
QWidget* StylePage(QTabWidget* tabs, const char* title, QCheckBox*& check, const char* checkName,
                   const char* checkCaption,
                   std::initializer_list<std::pair<const char*, QWidget*>> rows) {
  auto* page = new QWidget(tabs);
  auto* grid = new QGridLayout(page);
  check = Named(new QCheckBox(checkCaption, page), checkName);
  grid->addWidget(check, 0, 0, 1, 2);
  int row = 1;
  for (const auto& [caption, control] : rows) {
    auto* label = new QLabel(caption, page);
    label->setBuddy(control);
    control->setParent(page);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
    ++row;
  }
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(2, 1);
  tabs->addTab(page, title);
  return page;
}

} // namespace

Table2DDialog::Table2DDialog(GraphCommandHost& host, QWidget* parent)
    : TableDialog(host, parent, "Table2DDialog", "2D Table Graph Properties",
                  TableText::Kind::Table2D, "Data") {
  lineWidthList = ListBox(this, "lineWidthList", LineWidths, 0);
  scatterSizeList = ListBox(this, "scatterSizeList", MarkerSizes, MarkerSizeOnLoad - 1);
  smoothCurveWidthList = ListBox(this, "smoothCurveWidthList", LineWidths, 0);
  scatterSymbolList = ListBox(this, "scatterSymbolList", MarkerSymbols, 0);
  lineColorSwatch = new ColorSwatch(this, "lineColorSwatch", TableLineColorOnLoad);
  scatterColorSwatch = new ColorSwatch(this, "scatterColorSwatch", TableScatterColorOnLoad);
  smoothCurveColorSwatch =
      new ColorSwatch(this, "smoothCurveColorSwatch", TableSmoothCurveColorOnLoad);
  StylePage(tabs, "Line Plot", showLineCheck, "showLineCheck", "Show Line Plot",
            {{"Color", lineColorSwatch}, {"Width", lineWidthList}});
  StylePage(
      tabs, "Scatter Plot", showScatterCheck, "showScatterCheck", "Show Scatter Plot",
      {{"Symbol", scatterSymbolList}, {"Color", scatterColorSwatch}, {"Size", scatterSizeList}});
  StylePage(tabs, "Curve Smoothing", showSmoothCurveCheck, "showSmoothCurveCheck",
            "Show Smooth Curve",
            {{"Color", smoothCurveColorSwatch}, {"Width", smoothCurveWidthList}});
  showLineCheck->setChecked(true);
  AddButtons();
}

int32_t Table2DDialog::GraphTypeOfDialog() const { return Table2D; }

std::vector<FieldBinding> Table2DDialog::Bindings() const {
  using K = FieldBinding::Kind;
  using P = GraphProp;
  return {
      {K::Text, Data->nameField, P::NameS},
      {K::Swatch, lineColorSwatch, P::LineColor},
      {K::Index, lineWidthList, P::LineWidth, 1},
      {K::Check, showLineCheck, P::Show2DLine},
      {K::Check, showScatterCheck, P::Show2DScatter},
      {K::Check, showSmoothCurveCheck, P::ShowSmoothCurve},
      {K::Swatch, scatterColorSwatch, P::ScatterColor},
      {K::Swatch, smoothCurveColorSwatch, P::SmoothCurveColor},
      {K::Index, scatterSizeList, P::ScatterSize, 1},
      {K::Index, scatterSymbolList, P::Symbol, 1},
      {K::Index, smoothCurveWidthList, P::SmoothCurveWidth, 1},
  };
}

void Table2DDialog::AfterFill() {
  // A size or symbol the lists do not offer leaves the choice the dialog opened with.
  if (scatterSizeList->currentIndex() < 0) scatterSizeList->setCurrentIndex(MarkerSizeOnLoad - 1);
  if (scatterSymbolList->currentIndex() < 0) scatterSymbolList->setCurrentIndex(0);
}

// ---- the 2.5D and 3D table dialogs -------------------------------------------------------------

TableStyleDialog::TableStyleDialog(GraphCommandHost& host, QWidget* parent, const char* name,
                                   const char* caption, TableText::Kind kind, const char* dataTab)
    : TableDialog(host, parent, name, caption, kind, dataTab),
      Style(std::make_unique<RibbonStyle>(tabs)) {
  AddButtons();
}

std::vector<FieldBinding> TableStyleDialog::Bindings() const {
  using K = FieldBinding::Kind;
  using P = GraphProp;
  std::vector<FieldBinding> f = {
      {K::Text, Data->nameField, P::NameS},
      {K::Options, Style->fillStyle, P::FillStyle},
  };
  // The scheme's name belongs to the graph only with the "Colormap" fill.
  if (Style->fillStyle->Code() == ColorMapFill)
    f.push_back({K::Item, Style->colorScheme, P::ColorName});
  f.push_back({K::Swatch, Style->first, P::FirstColor});
  f.push_back({K::Swatch, Style->second, P::SecondColor});
  // "Single" shows the second colour too.
  f.push_back({K::Swatch, Style->single, P::SecondColor});
  f.push_back({K::Index, Style->material, P::Material, 1});
  f.push_back({K::Options, Style->show, P::Show});
  f.push_back({K::Options, Style->smooth, P::Smoothness});
  return f;
}

void TableStyleDialog::AfterFill() {
  // The scheme's name is shown only once the fill has chosen "Colormap".
  if (Style->fillStyle->Code() == ColorMapFill)
    m_bindings.Fill({{FieldBinding::Kind::Item, Style->colorScheme, GraphProp::ColorName}},
                    *m_selected);
}

Table25DDialog::Table25DDialog(GraphCommandHost& host, QWidget* parent)
    : TableStyleDialog(host, parent, "Table25DDialog", "2.5D Table Graph Properties",
                       TableText::Kind::Table25D, "Function") {}

int32_t Table25DDialog::GraphTypeOfDialog() const { return Table25D; }

Table3DDialog::Table3DDialog(GraphCommandHost& host, QWidget* parent)
    : TableStyleDialog(host, parent, "Table3DDialog", "3D Table Graph Properties",
                       TableText::Kind::Table3D, "Data") {}

int32_t Table3DDialog::GraphTypeOfDialog() const { return Table3D; }
