#include "dialogs/Graph3DDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <QFileInfo>

#include "commands/GraphCommandHost.h"
#include "dialogs/DialogFields.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/VbRuntime.h"

using namespace DialogFields;

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A labelled control in a grid row.
template <class W>
W* Row(QGridLayout* grid, int row, QWidget* parent, const char* labelName, const char* caption,
       W* control) {
  auto* label = Named(new QLabel(caption, parent), labelName);
  label->setBuddy(control);
  grid->addWidget(label, row, 0);
  grid->addWidget(control, row, 1);
  return control;
}

} // namespace

Graph3DDialog::Graph3DDialog(GraphCommandHost& host, QWidget* parent)
    : QDialog(parent), m_host(host) {
  setObjectName("Graph3DDialog");
  setWindowTitle("3D Function Graph Properties");
  auto* outer = new QVBoxLayout(this);
  SSTab1 = Named(new QTabWidget(this), "SSTab1");
  SSTab1->setUsesScrollButtons(false); // all seven tabs in view
  outer->addWidget(SSTab1);

  // "Function": name, the three selectors, the formulas and the domain rows.
  auto* function = new QWidget(SSTab1);
  auto* page = new QGridLayout(function);
  Text1 = Row(page, 0, function, "Label12", "Name",
              Named(new QLineEdit(Q(Function3DStart.name), function), "Text1"));
  Combo2 = Row(page, 1, function, "Label6", "Graph Type", Named(new QComboBox(function), "Combo2"));
  Combo3 = Row(page, 2, function, "Label11", "Form", Named(new QComboBox(function), "Combo3"));
  AddItems(Combo3, Function3DFormsOnLoad);
  Combo3->setCurrentIndex(-1);
  Combo1 =
      Row(page, 3, function, "Label13", "Coordinate", Named(new QComboBox(function), "Combo1"));
  AddItems(Combo1, SpaceCoordinates);
  Combo1->setCurrentIndex(-1);

  auto* frame1 = Named(new QGroupBox("Function", function), "Frame1");
  auto* formulaGrid = new QGridLayout(frame1);
  m_formulas = std::make_unique<FormulaSection>(
      frame1, formulaGrid, 0, std::array{"Label2", "Label3"}, std::array{"Text2", "Text3"});
  Label2 = m_formulas->label[0], Label3 = m_formulas->label[1];
  Text2 = m_formulas->field[0], Text3 = m_formulas->field[1];
  Label2->setText("x(u,v)");
  Label3->setText("y(u,v)");
  Label4 = Named(new QLabel("z(u,v)", frame1), "Label4");
  Text4 = Named(new QLineEdit(frame1), "Text4");
  Label4->setBuddy(Text4);
  formulaGrid->addWidget(Label4, 2, 0);
  formulaGrid->addWidget(Text4, 2, 1, 1, 3);
  page->addWidget(frame1, 4, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain of Variables", function), "Frame2");
  auto* domainGrid = new QGridLayout(frame2);
  const StartTexts& start = Function3DStart;
  using Captions = std::array<std::string_view, 3>;
  m_row1 = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"Label17", "Label18", "Label19"},
      std::array{"Text5", "Text6", "Text7"}, Captions{"Min u", "Max u", "Steps u"},
      Captions{start.min, start.max, start.steps});
  m_row2 = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array{"Label20", "Label21", "Label22"},
      std::array{"Text8", "Text9", "Text10"}, Captions{"Min v", "Max v", "Steps v"},
      Captions{start.min, start.max, start.steps});
  m_row3 = std::make_unique<DomainRow>(
      frame2, domainGrid, 4, std::array{"Label14", "Label15", "Label16"},
      std::array{"Text14", "Text15", "Text16"}, Captions{"Min z", "Max z", "Steps z"},
      Captions{Function3DThirdMinOnLoad, Function3DThirdMaxOnLoad, Function3DThirdStepsOnLoad});
  m_tRow = std::make_unique<DomainRow>(
      frame2, domainGrid, 6, std::array{"Label8", "Label9", "Label10"},
      std::array{"Text11", "Text12", "Text13"}, Captions{"Min t", "Max t", "Steps t"},
      Captions{start.tMin, start.tMax, start.tSteps});
  for (DomainRow* row : {m_row1.get(), m_row2.get()}) {
    row->label[2]->setToolTip("Recommended Value: 30 - 60");
    row->field[2]->setToolTip("Recommended Value: 30 - 60");
  }
  Text5 = m_row1->field[0], Text6 = m_row1->field[1], Text7 = m_row1->field[2];
  Text8 = m_row2->field[0], Text9 = m_row2->field[1], Text10 = m_row2->field[2];
  Text14 = m_row3->field[0], Text15 = m_row3->field[1], Text16 = m_row3->field[2];
  Text11 = m_tRow->field[0], Text12 = m_tRow->field[1], Text13 = m_tRow->field[2];
  page->addWidget(frame2, 5, 0, 1, 2);
  Check4 = Named(new QCheckBox("Clip", function), "Check4");
  Check4->setChecked(true);
  page->addWidget(Check4, 6, 0);
  page->setRowStretch(7, 1);
  SSTab1->addTab(function, "Function");

  // "Color", "Material", "Appearance": the style tabs of surfaces, under this dialog's names.
  Style = std::make_unique<RibbonStyle>(SSTab1, RibbonStyle::Layout::Surface);
  Style->colorScheme->setObjectName("Combo4");
  Style->fillStyle->Button(5)->setObjectName("Option16");
  Style->fillStyle->SetCode(Function3DFillStyleOnLoad);
  // The four lists are editable drop-downs; typing into one runs no handler and adds no item.
  for (QComboBox* combo : {Combo1, Combo2, Combo3, Style->colorScheme}) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
  }

  auto* special = new QWidget(SSTab1);
  auto* specialLayout = new QVBoxLayout(special);
  Check1 = Named(new QCheckBox("Add Color Map", special), "Check1");
  Check2 = Named(new QCheckBox("Add Contour", special), "Check2");
  Check3 = Named(new QCheckBox("Add Vector", special), "Check3");
  for (QCheckBox* box : {Check1, Check2, Check3})
    specialLayout->addWidget(box);
  specialLayout->addStretch();
  SSTab1->addTab(special, "Special Graph");

  auto* texture = new QWidget(SSTab1);
  auto* textureGrid = new QGridLayout(texture);
  Check6 = Named(new QCheckBox("Add Texture", texture), "Check6");
  textureGrid->addWidget(Check6, 0, 0, 1, 2);
  Text18 = Named(new QLineEdit(texture), "Text18");
  Command3 = Named(new QPushButton("...", texture), "Command3");
  textureGrid->addWidget(Text18, 1, 0);
  textureGrid->addWidget(Command3, 1, 1);
  static constexpr const char* textureNames[] = {"Option15", "Option14"};
  TextureMode = new OptionGroup(texture, "Style", TextureModes, textureNames);
  TextureMode->SetCode(TextureModes[0].code);
  textureGrid->addWidget(TextureMode, 2, 0, 1, 2);
  textureGrid->setRowStretch(3, 1);
  SSTab1->addTab(texture, "Texture");

  auto* transparency = new QWidget(SSTab1);
  auto* transparencyLayout = new QVBoxLayout(transparency);
  Check7 = Named(new QCheckBox("Transparent", transparency), "Check7");
  Slider1 = Named(new QSlider(Qt::Horizontal, transparency), "Slider1");
  Slider1->setRange(0, TransparencySteps);
  Slider1->setValue(0);
  Slider1->setTickPosition(QSlider::TicksBelow);
  transparencyLayout->addWidget(Check7);
  transparencyLayout->addWidget(Slider1);
  transparencyLayout->addStretch();
  SSTab1->addTab(transparency, "Transparency");

  AddOkCancelRow(this, outer, Command1, Command2);

  ConnectComboClick(Combo1, this, &m_refilling, [this] { Combo1_Click(); });
  ConnectComboClick(Combo2, this, &m_refilling, [this] { Combo2_Click(); });
  ConnectComboClick(Combo3, this, &m_refilling, [this] { Combo3_Click(); });
  connect(Command1, &QPushButton::clicked, this, &Graph3DDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Graph3DDialog::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Graph3DDialog::Command3_Click);
}

Graph3DDialog::~Graph3DDialog() = default;

bool Graph3DDialog::AnimationMode() const { return m_tRow->Visible(); }

void Graph3DDialog::SetAnimationMode(bool animated) { m_tRow->SetVisible(animated); }

bool Graph3DDialog::Implicit() const {
  return Combo2->currentIndex() == 1 && Combo3->currentIndex() == 2;
}

// The overlays are offered for explicit Cartesian surfaces only; their checks stay as they are.
void Graph3DDialog::OverlayRule() {
  const bool offered =
      Combo1->currentIndex() == 0 && Combo2->currentIndex() == 1 && Combo3->currentIndex() == 0;
  for (QCheckBox* box : {Check1, Check2, Check3})
    box->setEnabled(offered);
}

void Graph3DDialog::Combo2_Click() {
  OverlayRule();
  Combo1_Click();
}

void Graph3DDialog::Combo1_Click() {
  OverlayRule();
  const int kind = Combo2->currentIndex();
  const int coordinate = Combo1->currentIndex();
  // The form is kept across the refill; a curve has no implicit form and takes the parametric.
  int saved = std::max(0, Combo3->currentIndex());
  if (saved > 1 && kind == 0) saved = 1;
  if (coordinate >= 0 && coordinate <= 2 && kind >= 0 && kind <= 1) {
    RefillChoices(Combo3, &m_refilling, Function3DForms[AnimationMode() ? 1 : 0][coordinate][kind],
                  saved);
  }
  Combo3_Click();
}

void Graph3DDialog::Combo3_Click() {
  OverlayRule();
  const bool animated = AnimationMode();
  auto formula = [animated](std::string_view caption) {
    return animated ? QString::fromStdString(AnimatedCaption(caption)) : Q(caption);
  };
  if (const Function3DLabels* labels = Function3DFieldLabels(
          Combo2->currentIndex(), Combo3->currentIndex(), Combo1->currentIndex())) {
    Label2->setText(formula(labels->first));
    const bool three = !labels->second.empty();
    if (three) {
      Label3->setText(formula(labels->second));
      Label4->setText(formula(labels->third));
    }
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Text3),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(Text4)})
      w->setVisible(three);
    m_row1->Relabel(labels->row1[0], labels->row1[1], labels->row1[2]);
    const bool second = !labels->row2[0].empty();
    if (second) m_row2->Relabel(labels->row2[0], labels->row2[1], labels->row2[2]);
    m_row2->SetVisible(second);
    // The box of an implicit surface's third coordinate, or the clipping range of the others.
    const bool box = !labels->row3[0].empty();
    if (box) m_row3->Relabel(labels->row3[0], labels->row3[1], labels->row3[2]);
    m_row3->SetPairVisible(true);
    m_row3->SetStepsVisible(box);
  }
  // An implicit surface is drawn in one colour: the gradients and the colour map are not offered.
  const bool single = Implicit();
  for (int32_t code : {1, 2, 3, 5})
    Style->fillStyle->Button(code)->setEnabled(!single);
  Style->fillStyle->SetCode(single ? 4 : 5);
}

void Graph3DDialog::PrepareAdd(const AddDialogSetup& setup) {
  setWindowTitle(setup.animated ? "3D Function Graph Animation Properties"
                                : "3D Function Graph Properties");
  if (Combo1->currentIndex() == setup.coordinate)
    Combo1_Click();
  else
    Combo1->setCurrentIndex(setup.coordinate);
  SetAnimationMode(setup.animated);
  m_refilling = true;
  Combo2->clear();
  AddItems(Combo2, Function3DKinds[setup.animated ? 1 : 0]);
  Combo2->setCurrentIndex(1);
  m_refilling = false;
  Combo2_Click(); // a surface, in its first (explicit) form
  if (setup.animated) {
    Text13->setEnabled(false);
    Text13->setText(QString::number(FrameCount));
  }
  // The overlays wait until the user picks a selector.
  for (QCheckBox* box : {Check1, Check2, Check3})
    box->setEnabled(false);
}

void Graph3DDialog::FillFrom(const std::shared_ptr<Graph>& graph) {
  m_selected = graph;
  const Graph& g = *graph;
  const bool animated = GraphKind(g).Animated;
  const int kind = g.GraphType == Curve3D || g.GraphType == Curve3DAnimation ? 0 : 1;
  int form = DialogFields::FormPosition(Function3DFormCodes, g.FunForm);
  if (kind == 0 && form == 2) form = -1;
  m_refilling = true;
  Combo3->setCurrentIndex(form);
  m_refilling = false;
  setWindowTitle(animated ? "3D Function Graph Animation Properties"
                          : "3D Function Graph Properties");
  SetAnimationMode(animated);
  if (animated) {
    Text13->setEnabled(false);
    Text13->setText(QString::number(g.StepT()));
  }
  m_refilling = true;
  Combo1->setCurrentIndex(g.CoordType - Cartesian3D);
  Combo2->clear();
  AddItems(Combo2, Function3DKinds[animated ? 1 : 0]);
  Combo2->setCurrentIndex(kind);
  m_refilling = false;
  Combo2_Click(); // refills the forms, keeps the form, relabels
  // A texture mode other than "Overlap" shows as "Blend".
  TextureMode->SetCode(TextureModes[1].code);
  m_bindings.Fill(Bindings(), g);
  Style->single->SetColor(g.SecondColor); // the swatch beside "Single" shows the second colour too
  // A form the list lacks for the kind shows the explicit form with an empty formula box; the
  // graph keeps its form and formulas unless the user picks a form or types one.
  m_formUnlisted = form < 0;
  if (m_formUnlisted) Text2->clear();
  // Only the fill styles 1 to 4 are chosen by the graph; any other leaves "Colormap", or
  // "Single" for an implicit surface, as the form's choice left it.
  if (g.FillStyle < 1 || g.FillStyle > 4) Style->fillStyle->SetCode(Implicit() ? 4 : 5);
  // The scheme box shows a graph's own scheme only for an animated explicit curve drawn with
  // "Colormap"; every other graph shows "Rainbow" there.
  const bool ownScheme =
      g.GraphType == Curve3DAnimation && g.FunForm == Explicit && g.FillStyle == ColorMapFill;
  if (!ownScheme) {
    Style->colorScheme->setCurrentIndex(0);
    Style->colorScheme->setEditText(Style->colorScheme->itemText(0));
  }
  if (animated) {
    // An animated graph shows the texture, transparency and "Steps z" a fresh dialog has.
    Text16->setText(Q(Function3DThirdStepsOnLoad));
    Check6->setChecked(false);
    Text18->clear();
    TextureMode->SetCode(TextureModes[0].code);
    Check7->setChecked(false);
    m_filledSlider = 0;
  } else {
    m_filledSlider = static_cast<int>(vb::RoundHalfEven(double(g.TransAlpha) * TransparencySteps));
  }
  Slider1->setValue(m_filledSlider);
  // What is shown otherwise than the graph's value keeps the graph's value unless touched.
  m_bindings.Remember(Bindings());
  m_bindings.Watch(Slider1);
  m_bindings.Watch(Combo3);
}

std::vector<FieldBinding> Graph3DDialog::Bindings() const {
  using K = FieldBinding::Kind;
  const int kind = Combo2->currentIndex();
  const int form = Combo3->currentIndex();
  const WholeRange steps = kind == 0 ? CurveSteps : SurfaceSteps;
  std::vector<FieldBinding> f = {
      {K::Text, Text1, GraphProp::NameS},
      {K::Formula, Text2, form == 0 ? GraphProp::ExpressZ : GraphProp::ExpressX},
  };
  if (form == 1) {
    f.push_back({K::Formula, Text3, GraphProp::ExpressY});
    f.push_back({K::Formula, Text4, GraphProp::ExpressZ});
  }
  f.push_back({K::Real, Text5, GraphProp::MinU});
  f.push_back({K::Real, Text6, GraphProp::MaxU});
  f.push_back({K::Whole, Text7, GraphProp::StepU, 0, steps});
  if (kind == 1) {
    f.push_back({K::Real, Text8, GraphProp::MinV});
    f.push_back({K::Real, Text9, GraphProp::MaxV});
    f.push_back({K::Whole, Text10, GraphProp::StepV, 0, steps});
  }
  // The third row's pair is the clipping range; an implicit surface's box takes it too (OK).
  f.push_back({K::Real, Text14, GraphProp::ClipMinZ});
  f.push_back({K::Real, Text15, GraphProp::ClipMaxZ});
  f.push_back({K::Whole, Text16, GraphProp::StepW, 0, SurfaceSteps});
  if (AnimationMode()) {
    f.push_back({K::Real, Text11, GraphProp::MinT});
    f.push_back({K::Real, Text12, GraphProp::MaxT});
  }
  f.push_back({K::Check, Check4, GraphProp::Clip});
  f.push_back({K::Options, Style->fillStyle, GraphProp::FillStyle});
  f.push_back({K::Item, Style->colorScheme, GraphProp::ColorName});
  f.push_back({K::Swatch, Style->first, GraphProp::FirstColor});
  f.push_back({K::Swatch, Style->second, GraphProp::SecondColor});
  f.push_back({K::Index, Style->material, GraphProp::Material, 1});
  f.push_back({K::Options, Style->show, GraphProp::Show});
  f.push_back({K::Options, Style->smooth, GraphProp::Smoothness});
  f.push_back({K::Check, Check1, GraphProp::ShowColormap});
  f.push_back({K::Check, Check2, GraphProp::ShowContour});
  f.push_back({K::Check, Check3, GraphProp::ShowVector});
  f.push_back({K::Check, Check6, GraphProp::ShowTex});
  f.push_back({K::Text, Text18, GraphProp::TexName});
  f.push_back({K::Options, TextureMode, GraphProp::TexMode});
  f.push_back({K::Check, Check7, GraphProp::ShowTrans});
  return f;
}

std::vector<OrderedPair> Graph3DDialog::Pairs() const {
  std::vector<OrderedPair> pairs = {{GraphProp::MinU, GraphProp::MaxU},
                                    {GraphProp::MinV, GraphProp::MaxV},
                                    {GraphProp::MinT, GraphProp::MaxT}};
  // An implicit surface's third row is also the box it is sampled in.
  if (Check4->isChecked() || Implicit())
    pairs.push_back({GraphProp::ClipMinZ, GraphProp::ClipMaxZ});
  return pairs;
}

void Graph3DDialog::Command3_Click() {
  const std::optional<FileChoice> chosen = TheFileChooser().OpenFile(
      "Open File", {{"(*.bmp)", "*.bmp"}, {"*.jpg", "*.jpg"}, {"*.gif", "*.gif"}}, 1,
      Text18->text().toStdString());
  // A cancelled choice keeps the path the box holds.
  if (chosen) Text18->setText(QString::fromStdString(chosen->path));
}

void Graph3DDialog::Command1_Click() {
  const int kind = Combo2->currentIndex();
  const int form = Combo3->currentIndex();
  if (kind < 0 || form < 0 || Combo1->currentIndex() < 0) return; // every opening chooses them
  // A form the user picks for a graph whose own form the list lacks comes with its formula box,
  // however empty the fill left it.
  const bool formPicked = m_bindings.Touched(Combo3);
  if (m_formUnlisted && formPicked) m_bindings.Touch(Text2);
  // A selector whose typed text names none of its items is not taken for the item it had.
  for (QComboBox* selector : {Combo2, Combo3, Combo1})
    if (selector->currentText() != selector->itemText(selector->currentIndex())) {
      QString caption = selector->objectName();
      for (const QLabel* label : selector->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == selector) caption = label->text();
      MsgBox("Choose an item of \"" + caption.toStdString() + "\".", MsgButtons::OK,
             MsgIcon::Exclamation, "Error");
      SSTab1->setCurrentIndex(0);
      selector->setFocus();
      return;
    }
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  // Overlays that are not offered are not taken: an edited graph keeps its own, a new one has none.
  if (!Check1->isEnabled())
    std::erase_if(*writes, [](const auto& write) {
      return write.first == GraphProp::ShowColormap || write.first == GraphProp::ShowContour ||
             write.first == GraphProp::ShowVector;
    });
  auto written = [&writes](GraphProp prop) -> const PropertyValue* {
    for (const auto& [p, value] : *writes)
      if (p == prop) return &value;
    return nullptr;
  };
  // A texture that is switched on needs a file to read.
  if (Check6->isChecked() &&
      (!m_selected || written(GraphProp::ShowTex) || written(GraphProp::TexName))) {
    const QString path = Text18->text().trimmed();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
      MsgBox(path.isEmpty() ? std::string("Choose the texture's picture file.")
                            : "The texture file \"" + path.toStdString() + "\" cannot be found.",
             MsgButtons::OK, MsgIcon::Exclamation, "Error");
      SSTab1->setCurrentWidget(Text18->parentWidget());
      Text18->setFocus();
      return;
    }
  }
  if (!m_selected || m_bindings.Touched(Slider1) || Slider1->value() != m_filledSlider)
    writes->emplace_back(GraphProp::TransAlpha, float(Slider1->value()) / TransparencySteps);
  NameColorSchemeOnColormap(*writes, m_selected.get(), Style->colorScheme);
  if (Implicit()) {
    // The third row's pair is the clipping range and the box of the third coordinate: a new or
    // changed pair, or a graph that comes to the implicit form, takes it as its box.
    const PropertyValue* min = written(GraphProp::ClipMinZ);
    const PropertyValue* max = written(GraphProp::ClipMaxZ);
    if (min || max || !m_selected || m_selected->FunForm != ::Implicit) {
      std::string why;
      const float low = min ? std::get<float>(*min)
                            : EvaluateNumberText(Text14->text().toStdString(), &why).value_or(0);
      const float high = max ? std::get<float>(*max)
                             : EvaluateNumberText(Text15->text().toStdString(), &why).value_or(0);
      if (!(low < high)) {
        MsgBox("\"" + m_row3->label[0]->text().toStdString() + "\" must be less than \"" +
                   m_row3->label[1]->text().toStdString() + "\".",
               MsgButtons::OK, MsgIcon::Exclamation, "Error");
        SSTab1->setCurrentIndex(0);
        Text14->setFocus();
        return;
      }
      writes->emplace_back(GraphProp::MinW, low);
      writes->emplace_back(GraphProp::MaxW, high);
      if (!min) writes->emplace_back(GraphProp::ClipMinZ, low);
      if (!max) writes->emplace_back(GraphProp::ClipMaxZ, high);
    }
  }
  const int coordinate = Combo1->currentIndex();
  // A graph whose form the list lacks keeps it while the user neither picks a form nor types the
  // explicit formula.
  const bool keepForm =
      m_selected && m_formUnlisted && form == 0 && !formPicked && Text2->text().isEmpty();
  // An explicit form's first two coordinates are the variables themselves; a graph that comes
  // to this form or coordinate system takes them.
  if (form == 0 && !keepForm &&
      (!m_selected || m_selected->FunForm != Explicit ||
       m_selected->CoordType != coordinate + Cartesian3D)) {
    const auto& names = ExplicitCoordinateFormulas[static_cast<size_t>(coordinate)];
    writes->emplace_back(GraphProp::ExpressX, std::string(names[0]));
    writes->emplace_back(GraphProp::ExpressY, std::string(names[1]));
  }
  const bool animated = AnimationMode();
  CommitRequest request;
  request.graphType = kind == 0 ? (animated ? Curve3DAnimation : Curve3D)
                                : (animated ? Surface3DAnimation : Surface3D);
  request.coordType = coordinate + Cartesian3D;
  request.funForm = keepForm ? m_selected->FunForm : Function3DFormCodes[static_cast<size_t>(form)];
  request.animation = animated;
  request.writes = std::move(*writes);
  if (GraphDialogCommit(request, m_selected, m_host)) accept();
}

void Graph3DDialog::Command2_Click() { reject(); }
