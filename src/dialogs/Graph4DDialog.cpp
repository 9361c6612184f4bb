#include "dialogs/Graph4DDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <sstream>

#include "commands/AnimationOptions.h"
#include "commands/GraphCommandHost.h"
#include "dialogs/DialogFields.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"
#include "platform/WorkProgress.h"
#include "sampling/Sampling.h"

using namespace DialogFields;

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The properties of the slices along one axis, and the axes of their two row ranges.
struct SliceAxis {
  GraphProp count, value, firstFrom, firstTo, secondFrom, secondTo, color, contour, levels,
      contourColor, vector, vectorColor;
  int firstAxis, secondAxis;
  const char* tab;
  const char* name; // the plane's coordinate
};
constexpr char AxisNames[3][2] = {"x", "y", "z"};
using P = GraphProp;
const SliceAxis SliceAxes[3] = {
    {P::Slice4NumX, P::Slice4X, P::Slice4YZYB, P::Slice4YZYE, P::Slice4YZZB, P::Slice4YZZE,
     P::SliceXShowColor, P::SliceXShowCont, P::SliceXContLevels, P::SliceXContColor,
     P::SliceXShowVect, P::SliceXVectColor, 1, 2, "YZ Slices", "x"},
    {P::Slice4NumY, P::Slice4Y, P::Slice4ZXZB, P::Slice4ZXZE, P::Slice4ZXXB, P::Slice4ZXXE,
     P::SliceYShowColor, P::SliceYShowCont, P::SliceYContLevels, P::SliceYContColor,
     P::SliceYShowVect, P::SliceYVectColor, 2, 0, "ZX Slices", "y"},
    {P::Slice4NumZ, P::Slice4Z, P::Slice4XYXB, P::Slice4XYXE, P::Slice4XYYB, P::Slice4XYYE,
     P::SliceZShowColor, P::SliceZShowCont, P::SliceZContLevels, P::SliceZContColor,
     P::SliceZShowVect, P::SliceZVectColor, 0, 1, "XY Slices", "z"},
};

// The names and captions of the slice tabs' controls.
struct SliceTabNames {
  const char* value;
  const char* valueCaption;
  std::array<const char*, 4> rows;
  const char *firstCaption, *secondCaption;
  const char *colorMap, *contour, *step, *swatch, *list, *listCaption, *listLabel;
  std::array<const char*, 3> buttons;
};
const SliceTabNames TabNames[3] = {
    {"xSliceValue",
     "Input a X Value",
     {"xSliceRowsYFrom", "xSliceRowsYTo", "xSliceRowsZFrom", "xSliceRowsZTo"},
     "Rows Y      From",
     "Rows Z      From",
     "xSliceColormapCheck",
     "xSliceContourCheck",
     "xSliceStep",
     "xSliceContourSwatch",
     "xSliceList",
     "Seleted Values",
     "xSliceListLabel",
     {"xSliceAddButton", "xSliceDeleteButton", "xSliceResetButton"}},
    {"ySliceValue",
     "Input a Y Value",
     {"ySliceRowsZFrom", "ySliceRowsZTo", "ySliceRowsXFrom", "ySliceRowsXTo"},
     "Rows Z       From",
     "Rows X       From",
     "ySliceColormapCheck",
     "ySliceContourCheck",
     "ySliceStep",
     "ySliceContourSwatch",
     "ySliceList",
     "Seleted Values",
     "ySliceListLabel",
     {"ySliceAddButton", "ySliceDeleteButton", "ySliceResetButton"}},
    {"zSliceValue",
     "Input a Z Value",
     {"zSliceRowsXFrom", "zSliceRowsXTo", "zSliceRowsYFrom", "zSliceRowsYTo"},
     "Rows X       From",
     "Rows Y       From",
     "zSliceColormapCheck",
     "zSliceContourCheck",
     "zSliceStep",
     "zSliceContourSwatch",
     "zSliceList",
     "Selected Values",
     "zSliceListLabel",
     {"zSliceAddButton", "zSliceDeleteButton", "zSliceResetButton"}},
};

// A number token of a row, read whole as one number by NumericText (rows hold numbers as they
// were typed or as their text).
std::optional<double> Token(const std::string& token) { return NumberText::NumericText(token); }

// The text a row keeps for a typed number: the text as typed when NumericText reads it as one
// number, else the text of the value it gave.
std::string TypedOr(const QLineEdit* box, const std::string& valueText) {
  const std::string typed = box->text().toStdString();
  return NumberText::NumericText(typed) ? typed : valueText;
}

void Refuse(const std::string& message, QWidget* focus) {
  MsgBox(message, MsgButtons::OK, MsgIcon::Exclamation, "Error");
  if (!focus) return;
  for (QWidget* page = focus; page && page->parentWidget(); page = page->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget()))
      if (tabs->indexOf(page) >= 0) tabs->setCurrentWidget(page);
  focus->setFocus();
}

} // namespace

std::string SliceItemText(const SliceItem& s, bool filled) { return SliceItemText(s, filled, {}); }

std::string SliceItemText(const SliceItem& s, bool filled, const SliceItemTyped& typed) {
  auto or_ = [](const std::string& text, std::string value) { return text.empty() ? value : text; };
  std::vector<std::string> t = {or_(typed.value, FieldText(s.value)),
                                or_(typed.rows[0], std::to_string(s.firstFrom)),
                                or_(typed.rows[1], std::to_string(s.firstTo)),
                                or_(typed.rows[2], std::to_string(s.secondFrom)),
                                or_(typed.rows[3], std::to_string(s.secondTo)),
                                s.color ? "1" : "0"};
  t.push_back(s.contour ? "1" : "0");
  if (s.contour) {
    t.push_back(or_(typed.levels, FieldText(s.levels)));
    t.push_back(std::to_string(s.contourColor));
  }
  t.push_back(s.vector ? "1" : "0");
  if (s.vector) t.push_back(std::to_string(s.vectorColor));
  std::string text;
  for (size_t i = 0; i < t.size(); ++i) {
    text += t[i];
    if (filled || i + 1 < t.size()) text += ' ';
  }
  return text;
}

std::optional<SliceItem> ParseSliceItemText(const std::string& text, std::string* message) {
  std::istringstream in(text);
  std::vector<double> v;
  for (std::string token; in >> token;) {
    const std::optional<double> number = Token(token);
    if (!number) {
      if (message) *message = "\"" + token + "\" is not a number";
      return std::nullopt;
    }
    v.push_back(*number);
  }
  auto whole = [](double x) { return static_cast<int32_t>(NumberText::ToLongClamped(x)); };
  size_t k = 0;
  auto next = [&](double& out) {
    if (k >= v.size()) return false;
    out = v[k++];
    return true;
  };
  SliceItem s;
  double value, a, b, c, d, color, contour;
  if (!next(value) || !next(a) || !next(b) || !next(c) || !next(d) || !next(color) ||
      !next(contour)) {
    if (message) *message = "the row is incomplete";
    return std::nullopt;
  }
  s.value = static_cast<float>(value);
  s.firstFrom = whole(a), s.firstTo = whole(b), s.secondFrom = whole(c), s.secondTo = whole(d);
  s.color = color != 0.0, s.contour = contour != 0.0;
  double levels = 0.0, contourColor = 0.0, vector = 0.0, vectorColor = 0.0;
  if (s.contour && (!next(levels) || !next(contourColor))) {
    if (message) *message = "the row is incomplete";
    return std::nullopt;
  }
  s.levels = static_cast<float>(levels), s.contourColor = whole(contourColor);
  if (next(vector) && vector != 0.0) {
    if (!next(vectorColor)) {
      if (message) *message = "the row is incomplete";
      return std::nullopt;
    }
    s.vector = true, s.vectorColor = whole(vectorColor);
  }
  if (k != v.size()) {
    if (message) *message = "the row has more numbers than a slice";
    return std::nullopt;
  }
  return s;
}

Graph4DDialog::Graph4DDialog(GraphCommandHost& host, QWidget* parent)
    : QDialog(parent), m_host(host) {
  setObjectName("Graph4DDialog");
  setWindowTitle("4D Function Graph Properties");
  auto* outer = new QVBoxLayout(this);
  tabs = Named(new QTabWidget(this), "tabs");
  outer->addWidget(tabs);

  auto* function = new QWidget(tabs);
  auto* page = new QGridLayout(function);
  auto labelled = [&](int row, const char* labelName, const char* caption, QWidget* control) {
    auto* label = Named(new QLabel(caption, function), labelName);
    label->setBuddy(control);
    page->addWidget(label, row, 0);
    page->addWidget(control, row, 1);
  };
  nameField = Named(new QLineEdit(Q(Function4DStart.name), function), "nameField");
  labelled(0, "nameLabel", "Name", nameField);
  coordinateList = Named(new QComboBox(function), "coordinateList");
  AddItems(coordinateList, std::span(SpaceCoordinates).first(1));
  coordinateList->setCurrentIndex(0);
  labelled(1, "coordinateLabel", "Coordinate", coordinateList);
  formList = Named(new QComboBox(function), "formList");
  labelled(2, "formLabel", "Form", formList);

  auto* frame1 = Named(new QGroupBox("Function", function), "functionFrame");
  auto* formulaGrid = new QGridLayout(frame1);
  formulaLabel = Named(new QLabel("f(x,y,z)", frame1), "formulaLabel");
  // A long function wraps over several lines and scrolls.
  formula = Named(new QPlainTextEdit(frame1), "formula");
  formula->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  formula->setTabChangesFocus(true);
  formula->setFixedHeight(formula->fontMetrics().lineSpacing() * 3 +
                          2 * (formula->frameWidth() + int(formula->document()->documentMargin())));
  formulaLabel->setBuddy(formula);
  formulaGrid->addWidget(formulaLabel, 0, 0, Qt::AlignTop);
  formulaGrid->addWidget(formula, 0, 1);
  page->addWidget(frame1, 3, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain of Variables", function), "domainFrame");
  auto* domainGrid = new QGridLayout(frame2);
  const StartTexts& start = Function4DStart;
  using Captions = std::array<std::string_view, 3>;
  const Captions texts{start.min, start.max, start.steps};
  m_x = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"minXLabel", "maxXLabel", "stepsXLabel"},
      std::array{"minX", "maxX", "stepsX"}, Captions{"Min x", "Max x", "Steps x"}, texts);
  m_y = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array{"minYLabel", "maxYLabel", "stepsYLabel"},
      std::array{"minY", "maxY", "stepsY"}, Captions{"Min y", "Max y", "Steps y"}, texts);
  m_z = std::make_unique<DomainRow>(
      frame2, domainGrid, 4, std::array{"minZLabel", "maxZLabel", "stepsZLabel"},
      std::array{"minZ", "maxZ", "stepsZ"}, Captions{"Min z", "Max z", "Steps z"}, texts);
  m_tRow = std::make_unique<DomainRow>(
      frame2, domainGrid, 6, std::array{"minTLabel", "maxTLabel", "stepsTLabel"},
      std::array{"minT", "maxT", "stepsT"}, Captions{"Min t", "Max t", "Steps t"},
      Captions{start.tMin, start.tMax, start.tSteps});
  for (DomainRow* row : {m_x.get(), m_y.get()}) {
    row->label[2]->setToolTip("Recommended Value: 30 - 60");
    row->field[2]->setToolTip("Recommended Value: 30 - 60");
  }
  minX = m_x->field[0], maxX = m_x->field[1], stepsX = m_x->field[2];
  minY = m_y->field[0], maxY = m_y->field[1], stepsY = m_y->field[2];
  minZ = m_z->field[0], maxZ = m_z->field[1], stepsZ = m_z->field[2];
  minT = m_tRow->field[0], maxT = m_tRow->field[1], stepsT = m_tRow->field[2];
  // "Steps t" shows the program's frame count; a new count typed here is put in force on OK.
  page->addWidget(frame2, 4, 0, 1, 2);

  auto* frame3 = Named(new QGroupBox("Color", function), "colorFrame");
  auto* colorLayout = new QHBoxLayout(frame3);
  schemeBox = Named(new QComboBox(frame3), "schemeBox");
  AddItems(schemeBox, ColorSchemes);
  schemeBox->setCurrentIndex(0);
  colorLayout->addWidget(schemeBox);
  page->addWidget(frame3, 5, 0, 1, 2);
  page->setRowStretch(6, 1);
  tabs->addTab(function, "Function");

  for (int axis = 0; axis < 3; ++axis) {
    const SliceTabNames& n = TabNames[axis];
    SliceTab& t = Slices[size_t(axis)];
    auto* tab = new QWidget(tabs);
    auto* grid = new QGridLayout(tab);
    auto* valueLabel = new QLabel(n.valueCaption, tab);
    t.value = Named(new QLineEdit("0", tab), n.value);
    valueLabel->setBuddy(t.value);
    grid->addWidget(valueLabel, 0, 0);
    grid->addWidget(t.value, 0, 1);
    for (int r = 0; r < 4; ++r) {
      t.rows[size_t(r)] = Named(new QLineEdit(r % 2 ? "21" : "1", tab), n.rows[size_t(r)]);
      auto* label = new QLabel(r == 0 ? n.firstCaption : r == 2 ? n.secondCaption : "To", tab);
      label->setBuddy(t.rows[size_t(r)]);
      grid->addWidget(label, 1 + r / 2, (r % 2) * 2);
      grid->addWidget(t.rows[size_t(r)], 1 + r / 2, (r % 2) * 2 + 1);
    }
    t.colorMap = Named(new QCheckBox("Add Colormap", tab), n.colorMap);
    t.contour = Named(new QCheckBox("Add Contour", tab), n.contour);
    t.colorMap->setChecked(true);
    t.contour->setChecked(true);
    grid->addWidget(t.colorMap, 3, 0, 1, 2);
    grid->addWidget(t.contour, 4, 0, 1, 2);
    auto* stepLabel = new QLabel("Step", tab);
    t.step = Named(new QLineEdit("1", tab), n.step);
    stepLabel->setBuddy(t.step);
    grid->addWidget(stepLabel, 4, 2);
    grid->addWidget(t.step, 4, 3);
    auto* swatchLabel = new QLabel("Color", tab);
    t.swatch = new ColorSwatch(tab, n.swatch, SliceContourColorOnLoad);
    t.swatch->setFixedHeight(t.step->sizeHint().height());
    grid->addWidget(swatchLabel, 5, 2);
    grid->addWidget(t.swatch, 5, 3);
    // Under the editors: the list's caption, then the list beside its buttons, taking the room
    // the tab has left.
    auto* listLabel = Named(new QLabel(n.listCaption, tab), n.listLabel);
    t.list = Named(new QListWidget(tab), n.list);
    listLabel->setBuddy(t.list);
    grid->addWidget(listLabel, 6, 0, 1, 4);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(t.list, 1);
    auto* buttons = new QVBoxLayout;
    t.add = Named(new QPushButton("Add", tab), n.buttons[0]);
    t.remove = Named(new QPushButton("Delete", tab), n.buttons[1]);
    t.reset = Named(new QPushButton("Reset", tab), n.buttons[2]);
    for (QPushButton* button : {t.add, t.remove, t.reset})
      buttons->addWidget(button);
    buttons->addStretch();
    listRow->addLayout(buttons);
    grid->addLayout(listRow, 7, 0, 1, 4);
    grid->setRowStretch(7, 1);
    tabs->addTab(tab, SliceAxes[axis].tab);
    connect(t.add, &QPushButton::clicked, this, [this, axis] { SliceAdd(axis); });
    connect(t.remove, &QPushButton::clicked, this, [this, axis] { SliceDelete(axis); });
    connect(t.reset, &QPushButton::clicked, this, [this, axis] { SliceReset(axis); });
  }

  auto* iso = new QWidget(tabs);
  auto* isoGrid = new QGridLayout(iso);
  isoValue = Named(new QLineEdit(iso), "isoValue");
  auto* isoLabel = new QLabel("Value", iso);
  isoLabel->setBuddy(isoValue);
  isoAddButton = Named(new QPushButton("Add", iso), "isoAddButton");
  isoList = Named(new QListWidget(iso), "isoList");
  isoDeleteButton = Named(new QPushButton("Delete", iso), "isoDeleteButton");
  isoResetButton = Named(new QPushButton("Reset", iso), "isoResetButton");
  isoGrid->addWidget(isoLabel, 0, 0);
  isoGrid->addWidget(isoValue, 0, 1);
  isoGrid->addWidget(isoAddButton, 0, 2);
  isoGrid->addWidget(isoList, 1, 0, 3, 2);
  isoGrid->addWidget(isoDeleteButton, 1, 2);
  isoGrid->addWidget(isoResetButton, 2, 2);
  tabs->addTab(iso, "Isosurfaces");

  AddOkCancelRow(this, outer, okButton, cancelButton);
  connect(isoAddButton, &QPushButton::clicked, this, &Graph4DDialog::OnAddIsoValue);
  connect(isoDeleteButton, &QPushButton::clicked, this, &Graph4DDialog::OnDeleteIsoValue);
  connect(isoResetButton, &QPushButton::clicked, this, &Graph4DDialog::OnResetIsoValues);
  connect(okButton, &QPushButton::clicked, this, &Graph4DDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &Graph4DDialog::OnCancel);
}

Graph4DDialog::~Graph4DDialog() = default;

bool Graph4DDialog::AnimationMode() const { return m_tRow->Visible(); }

void Graph4DDialog::SetAnimationMode(bool animated) {
  m_tRow->SetVisible(animated);
  setWindowTitle(animated ? "4D Function Animation Properties" : "4D Function Graph Properties");
  formulaLabel->setText(animated ? "v(x,y,z,t)" : "v(x,y,z)");
  formList->clear();
  formList->addItem(animated ? "v=f(x,y,z,t)" : "v=f(x,y,z)");
  formList->setCurrentIndex(0);
  stepsT->setText(QString::number(FrameCount));
  m_shownFrames = stepsT->text();
}

void Graph4DDialog::PrepareAdd(const AddDialogSetup& setup) { SetAnimationMode(setup.animated); }

void Graph4DDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  SetAnimationMode(GraphKind(g).Animated);
  m_bindings.Fill(Bindings(), g);
  for (int axis = 0; axis < 3; ++axis) {
    const SliceAxis& a = SliceAxes[axis];
    QListWidget* list = Slices[size_t(axis)].list;
    const int32_t count = std::clamp(g.GetInt(a.count), 0, MaxSlices);
    for (int32_t i = 1; i <= count; ++i) {
      SliceItem s;
      s.value = g.GetReal(a.value, i);
      s.firstFrom = g.GetInt(a.firstFrom, i), s.firstTo = g.GetInt(a.firstTo, i);
      s.secondFrom = g.GetInt(a.secondFrom, i), s.secondTo = g.GetInt(a.secondTo, i);
      s.color = g.GetBool(a.color, i), s.contour = g.GetBool(a.contour, i);
      s.levels = g.GetReal(a.levels, i), s.contourColor = g.GetInt(a.contourColor, i);
      s.vector = g.GetBool(a.vector, i), s.vectorColor = g.GetInt(a.vectorColor, i);
      list->addItem(QString::fromStdString(SliceItemText(s, true)));
    }
    m_filledRows[size_t(axis)] = Rows(list);
  }
  const int32_t isoCount = std::clamp(g.IsoSurfaceNum, 0, MaxIsoValues);
  for (int32_t j = 1; j <= isoCount; ++j)
    isoList->addItem(QString::fromStdString(FieldText(g.IsoSurValue[j])));
  m_filledRows[3] = Rows(isoList);
}

std::vector<FieldBinding> Graph4DDialog::Bindings() const {
  using K = FieldBinding::Kind;
  std::vector<FieldBinding> f = {
      {K::Text, nameField, P::NameS},
      {K::Formula, formula, P::ExpressV},
      {K::Real, minX, P::MinU},
      {K::Real, maxX, P::MaxU},
      {K::Whole, stepsX, P::StepU, 0, VolumeSteps},
      {K::Real, minY, P::MinV},
      {K::Real, maxY, P::MaxV},
      {K::Whole, stepsY, P::StepV, 0, VolumeSteps},
      {K::Real, minZ, P::MinW},
      {K::Real, maxZ, P::MaxW},
      {K::Whole, stepsZ, P::StepW, 0, VolumeSteps},
  };
  if (AnimationMode()) {
    f.push_back({K::Real, minT, P::MinT});
    f.push_back({K::Real, maxT, P::MaxT});
  }
  f.push_back({K::Item, schemeBox, P::ColorName});
  return f;
}

std::vector<OrderedPair> Graph4DDialog::Pairs() const {
  return {{P::MinU, P::MaxU}, {P::MinV, P::MaxV}, {P::MinW, P::MaxW}, {P::MinT, P::MaxT}};
}

std::vector<std::string> Graph4DDialog::Rows(const QListWidget* list) const {
  std::vector<std::string> rows;
  for (int i = 0; i < list->count(); ++i)
    rows.push_back(list->item(i)->text().toStdString());
  return rows;
}

std::optional<int32_t> Graph4DDialog::GridRows(int axis) const {
  QLineEdit* steps[3] = {stepsX, stepsY, stepsZ};
  const std::optional<float> value = EvaluateNumberText(steps[axis]->text().toStdString(), nullptr);
  if (!value) return std::nullopt;
  const double whole = NumberText::RoundHalfEven(*value);
  if (whole < VolumeSteps.min || whole > VolumeSteps.max) return std::nullopt;
  return static_cast<int32_t>(whole) + 1;
}

// Each row range runs from 1 to the grid's rows along its axis, the first row not above the last.
bool Graph4DDialog::CheckSliceRanges(int axis, const SliceItem& s, int32_t firstRows,
                                     int32_t secondRows) {
  const SliceAxis& a = SliceAxes[axis];
  const std::array<std::tuple<int32_t, int32_t, int32_t, int>, 2> ranges = {
      std::tuple{s.firstFrom, s.firstTo, firstRows, a.firstAxis},
      std::tuple{s.secondFrom, s.secondTo, secondRows, a.secondAxis}};
  for (size_t r = 0; r < 2; ++r) {
    const auto [from, to, rows, along] = ranges[r];
    if (from >= 1 && from <= to && to <= rows) continue;
    Refuse("The slice at " + std::string(a.name) + " = " + FieldText(s.value) + ": the rows " +
               AxisNames[along] + " " + std::to_string(from) + " to " + std::to_string(to) +
               " lie outside the grid, whose rows " + AxisNames[along] + " run from 1 to " +
               std::to_string(rows) + ".",
           Slices[size_t(axis)].list);
    return false;
  }
  return true;
}

void Graph4DDialog::SliceAdd(int axis) {
  SliceTab& t = Slices[size_t(axis)];
  const SliceAxis& a = SliceAxes[axis];
  if (t.list->count() >= MaxSlices) {
    Refuse("A 4D graph holds at most " + std::to_string(MaxSlices) + " slices at " + a.name +
               " values.",
           t.list);
    return;
  }
  std::string why;
  auto caption = [](QLineEdit* box) {
    for (const QLabel* label : box->parentWidget()->findChildren<QLabel*>())
      if (label->buddy() == box) return label->text().simplified().toStdString();
    return box->objectName().toStdString();
  };
  auto number = [&](QLineEdit* box) -> std::optional<float> {
    // A plain number as NumericText reads it ("2e1" too), else a formula without variables.
    if (const std::optional<double> plain = NumberText::NumericText(box->text().toStdString()))
      if (std::fabs(*plain) <= std::numeric_limits<float>::max()) return float(*plain);
    const std::optional<float> value = EvaluateNumberText(box->text().toStdString(), &why);
    if (!value) Refuse("\"" + caption(box) + "\" " + why + ".", box);
    return value;
  };
  const std::optional<float> value = number(t.value);
  if (!value) return;
  SliceItem s;
  s.value = *value;
  int32_t* rows[4] = {&s.firstFrom, &s.firstTo, &s.secondFrom, &s.secondTo};
  for (size_t r = 0; r < 4; ++r) {
    const std::optional<float> row = number(t.rows[r]);
    if (!row) return;
    *rows[r] = NumberText::ToLongClamped(NumberText::RoundHalfEven(*row));
  }
  s.color = t.colorMap->isChecked();
  s.contour = t.contour->isChecked();
  if (s.contour) {
    const std::optional<float> step = number(t.step);
    if (!step) return;
    if (!(*step > 0.0f)) {
      Refuse("\"Step\" of the contours must be greater than 0.", t.step);
      return;
    }
    s.levels = *step;
    s.contourColor = t.swatch->Color();
  }
  const std::optional<int32_t> firstRows = GridRows(a.firstAxis);
  const std::optional<int32_t> secondRows = GridRows(a.secondAxis);
  if (!CheckSliceRanges(axis, s, firstRows.value_or(VolumeSteps.max + 1),
                        secondRows.value_or(VolumeSteps.max + 1)))
    return;
  // The row holds the texts as typed where they read back as the same numbers; a formula such
  // as "-1/4" is held as its value.
  SliceItemTyped typed;
  typed.value = TypedOr(t.value, FieldText(s.value));
  for (size_t r = 0; r < 4; ++r)
    typed.rows[r] = TypedOr(t.rows[r], std::to_string(*rows[r]));
  if (s.contour) typed.levels = TypedOr(t.step, FieldText(s.levels));
  t.list->addItem(QString::fromStdString(SliceItemText(s, false, typed)));
}

void Graph4DDialog::SliceDelete(int axis) {
  QListWidget* list = Slices[size_t(axis)].list;
  if (list->currentRow() >= 0) delete list->takeItem(list->currentRow());
}

void Graph4DDialog::SliceReset(int axis) {
  SliceTab& t = Slices[size_t(axis)];
  t.list->clear();
  t.value->clear();
  t.colorMap->setChecked(true);
  t.contour->setChecked(true);
  t.step->setText("1");
}

void Graph4DDialog::OnAddIsoValue() {
  if (isoList->count() >= MaxIsoValues) {
    Refuse("A 4D graph holds at most " + std::to_string(MaxIsoValues) + " iso values.", isoList);
    return;
  }
  // A text NumericText reads as one number is added as typed; "2pi" or "1/4" is not.
  const std::string typed = isoValue->text().toStdString();
  const std::optional<double> value = NumberText::NumericText(typed);
  if (!value) {
    Refuse("The iso value is not a number.", isoValue);
    return;
  }
  if (std::fabs(*value) > std::numeric_limits<float>::max()) {
    Refuse("The iso value lies beyond the range of single-precision numbers.", isoValue);
    return;
  }
  isoList->addItem(isoValue->text());
}

void Graph4DDialog::OnDeleteIsoValue() {
  if (isoList->currentRow() >= 0) delete isoList->takeItem(isoList->currentRow());
}

void Graph4DDialog::OnResetIsoValues() { isoList->clear(); }

void Graph4DDialog::OnOk() {
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  // The frame count of "Steps t", when the user changed it.
  std::optional<int32_t> frames;
  if (AnimationMode() && stepsT->text() != m_shownFrames) {
    const std::optional<float> value = EvaluateNumberText(stepsT->text().toStdString(), nullptr);
    const double whole = value ? NumberText::RoundHalfEven(*value) : 0.0;
    if (!value || whole < MinFrameCount || whole > MaxFrameCount) {
      Refuse("\"Steps t\" must be a whole number from " + std::to_string(MinFrameCount) + " to " +
                 std::to_string(MaxFrameCount) + ".",
             stepsT);
      stepsT->selectAll();
      return;
    }
    if (static_cast<int32_t>(whole) != FrameCount) frames = static_cast<int32_t>(whole);
  }
  // The grid rows along each axis after the change.
  std::array<int32_t, 3> gridRows{};
  const GraphProp stepProps[3] = {P::StepU, P::StepV, P::StepW};
  for (int axis = 0; axis < 3; ++axis) {
    int32_t steps = m_selected ? m_selected->GetInt(stepProps[axis]) : 0;
    for (const auto& [prop, value] : *writes)
      if (prop == stepProps[axis]) steps = std::get<int32_t>(value);
    gridRows[size_t(axis)] = steps + 1;
  }
  // A frame count that another graph cannot take is refused before anything changes; this
  // graph's own samples, with the counts it will have, are counted beside the others', and samples
  // of it that cannot be counted refuse the count.
  if (frames) {
    const CommittedGraph own{
        m_selected.get(), SamplingBytes(Function4DAnimation, Explicit, Cartesian3D, gridRows[0] - 1,
                                        gridRows[1] - 1, gridRows[2] - 1, *frames)};
    if (const std::optional<std::string> problem = FrameCountProblem(*frames, m_host, own)) {
      Refuse(*problem, stepsT);
      stepsT->selectAll();
      return;
    }
  }
  // The slice and iso-value lists, read back; a list left as the fill wrote it keeps the graph's
  // own values.
  bool stepsChanged = false;
  for (const auto& write : *writes)
    for (GraphProp prop : stepProps)
      if (write.first == prop) stepsChanged = true;
  std::array<std::optional<std::vector<SliceItem>>, 3> slices;
  for (int axis = 0; axis < 3; ++axis) {
    const SliceTab& t = Slices[size_t(axis)];
    const SliceAxis& a = SliceAxes[axis];
    const std::vector<std::string> rows = Rows(t.list);
    const bool unchanged = m_selected && rows == m_filledRows[size_t(axis)];
    // An edited graph's own slices over its own grid are kept as they are.
    if (unchanged && !stepsChanged) continue;
    if (rows.size() > size_t(MaxSlices)) {
      Refuse("A 4D graph holds at most " + std::to_string(MaxSlices) + " slices at " + a.name +
                 " values.",
             t.list);
      return;
    }
    std::vector<SliceItem> items;
    for (const std::string& row : rows) {
      std::string why;
      const std::optional<SliceItem> item = ParseSliceItemText(row, &why);
      if (!item) {
        Refuse("The slice row \"" + row + "\" cannot be read: " + why + ".", t.list);
        return;
      }
      if (!CheckSliceRanges(axis, *item, gridRows[size_t(a.firstAxis)],
                            gridRows[size_t(a.secondAxis)]))
        return;
      items.push_back(*item);
    }
    if (!unchanged) slices[size_t(axis)] = items;
  }
  std::optional<std::vector<float>> isoValues;
  const std::vector<std::string> isoRows = Rows(isoList);
  if (isoRows.size() > size_t(MaxIsoValues)) {
    Refuse("A 4D graph holds at most " + std::to_string(MaxIsoValues) + " iso values.", isoList);
    return;
  }
  if (!m_selected || isoRows != m_filledRows[3]) {
    isoValues.emplace();
    for (const std::string& row : isoRows) {
      const std::optional<double> value = Token(row);
      if (!value) {
        Refuse("The iso value \"" + row + "\" is not a number.", isoList);
        return;
      }
      isoValues->push_back(static_cast<float>(*value));
    }
  }

  if (!m_selected) writes->emplace_back(P::FillStyle, Function4DFillStyle);
  const bool animated = AnimationMode();
  CommitRequest request;
  request.graphType = animated ? Function4DAnimation : Function4D;
  request.coordType = Cartesian3D;
  request.funForm = Explicit;
  request.animation = animated;
  request.writes = std::move(*writes);
  request.extra = [this, slices, isoValues, frames](Graph& g) {
    // The other shown graphs follow a new frame count as Animation Options makes them; the
    // commit samples this one. A graph being added is sampled, with the others, by its command.
    if (frames && m_selected) SampleForNewFrameCount(m_host, &g);
    for (int axis = 0; axis < 3; ++axis) {
      if (!slices[size_t(axis)]) continue;
      const SliceAxis& a = SliceAxes[axis];
      const std::vector<SliceItem>& items = *slices[size_t(axis)];
      g.SetInt(a.count, static_cast<int32_t>(items.size()));
      for (size_t k = 0; k < items.size(); ++k) {
        const SliceItem& s = items[k];
        const int32_t i = static_cast<int32_t>(k) + 1;
        g.SetReal(a.value, s.value, i);
        g.SetInt(a.firstFrom, s.firstFrom, i), g.SetInt(a.firstTo, s.firstTo, i);
        g.SetInt(a.secondFrom, s.secondFrom, i), g.SetInt(a.secondTo, s.secondTo, i);
        g.SetBool(a.color, s.color, i), g.SetBool(a.contour, s.contour, i);
        g.SetReal(a.levels, s.levels, i), g.SetInt(a.contourColor, s.contourColor, i);
        g.SetBool(a.vector, s.vector, i), g.SetInt(a.vectorColor, s.vectorColor, i);
      }
    }
    if (isoValues) {
      g.IsoSurfaceNum = static_cast<int32_t>(isoValues->size());
      for (size_t j = 0; j < isoValues->size(); ++j)
        g.IsoSurValue[static_cast<int32_t>(j) + 1] = (*isoValues)[j];
    }
  };
  // The commit samples with the new count (and judges its size by it); a refusal restores it.
  const int32_t framesBefore = FrameCount;
  if (frames) FrameCount = *frames;
  bool committed = false, cancelled = false;
  {
    // An edited graph is sampled, with the others for a new count, and the frames compiled here:
    // past about a second a progress window offers Cancel.
    std::optional<WorkScope> work;
    if (frames && m_selected)
      work.emplace("Sampling and compiling " + std::to_string(FrameCount + 1) + " frames...");
    committed = GraphDialogCommit(request, m_selected, m_host);
    cancelled = work && work->Cancelled();
  }
  if (committed && cancelled) {
    // The change stays, with the frame count before and the samples and pictures it gives.
    FrameCount = framesBefore;
    SampleForNewFrameCount(m_host);
    m_host.BuildScene();
    m_host.Display(CurrentFrame);
  }
  if (committed) {
    accept();
    return;
  }
  FrameCount = framesBefore;
}

void Graph4DDialog::OnCancel() { reject(); }
