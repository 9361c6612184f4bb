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
#include "platform/NumberText.h"
#include "platform/Prompter.h"

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
  tabs = Named(new QTabWidget(this), "tabs");
  tabs->setUsesScrollButtons(false); // all seven tabs in view
  outer->addWidget(tabs);

  // "Function": name, the three selectors, the formulas and the domain rows.
  auto* function = new QWidget(tabs);
  auto* page = new QGridLayout(function);
  nameField = Row(page, 0, function, "nameLabel", "Name",
                  Named(new QLineEdit(Q(Function3DStart.name), function), "nameField"));
  kindList =
      Row(page, 1, function, "kindLabel", "Graph Type", Named(new QComboBox(function), "kindList"));
  formList =
      Row(page, 2, function, "formLabel", "Form", Named(new QComboBox(function), "formList"));
  AddItems(formList, Function3DFormsOnLoad);
  formList->setCurrentIndex(-1);
  coordinateList = Row(page, 3, function, "coordinateLabel", "Coordinate",
                       Named(new QComboBox(function), "coordinateList"));
  AddItems(coordinateList, SpaceCoordinates);
  coordinateList->setCurrentIndex(-1);

  auto* frame1 = Named(new QGroupBox("Function", function), "functionFrame");
  auto* formulaGrid = new QGridLayout(frame1);
  m_formulas = std::make_unique<FormulaSection>(
      frame1, formulaGrid, 0, std::array{"firstFormulaLabel", "secondFormulaLabel"},
      std::array{"firstFormula", "secondFormula"});
  firstFormulaLabel = m_formulas->label[0], secondFormulaLabel = m_formulas->label[1];
  firstFormula = m_formulas->field[0], secondFormula = m_formulas->field[1];
  firstFormulaLabel->setText("x(u,v)");
  secondFormulaLabel->setText("y(u,v)");
  thirdFormulaLabel = Named(new QLabel("z(u,v)", frame1), "thirdFormulaLabel");
  thirdFormula = Named(new QLineEdit(frame1), "thirdFormula");
  thirdFormulaLabel->setBuddy(thirdFormula);
  formulaGrid->addWidget(thirdFormulaLabel, 2, 0);
  formulaGrid->addWidget(thirdFormula, 2, 1, 1, 3);
  page->addWidget(frame1, 4, 0, 1, 2);

  auto* frame2 = Named(new QGroupBox("Domain of Variables", function), "domainFrame");
  auto* domainGrid = new QGridLayout(frame2);
  const StartTexts& start = Function3DStart;
  using Captions = std::array<std::string_view, 3>;
  m_row1 = std::make_unique<DomainRow>(
      frame2, domainGrid, 0, std::array{"minULabel", "maxULabel", "stepsULabel"},
      std::array{"minU", "maxU", "stepsU"}, Captions{"Min u", "Max u", "Steps u"},
      Captions{start.min, start.max, start.steps});
  m_row2 = std::make_unique<DomainRow>(
      frame2, domainGrid, 2, std::array{"minVLabel", "maxVLabel", "stepsVLabel"},
      std::array{"minV", "maxV", "stepsV"}, Captions{"Min v", "Max v", "Steps v"},
      Captions{start.min, start.max, start.steps});
  m_row3 = std::make_unique<DomainRow>(
      frame2, domainGrid, 4, std::array{"minZLabel", "maxZLabel", "stepsZLabel"},
      std::array{"minZ", "maxZ", "stepsZ"}, Captions{"Min z", "Max z", "Steps z"},
      Captions{Function3DThirdMinOnLoad, Function3DThirdMaxOnLoad, Function3DThirdStepsOnLoad});
  m_tRow = std::make_unique<DomainRow>(
      frame2, domainGrid, 6, std::array{"minTLabel", "maxTLabel", "stepsTLabel"},
      std::array{"minT", "maxT", "stepsT"}, Captions{"Min t", "Max t", "Steps t"},
      Captions{start.tMin, start.tMax, start.tSteps});
  for (DomainRow* row : {m_row1.get(), m_row2.get()}) {
    row->label[2]->setToolTip("Recommended Value: 30 - 60");
    row->field[2]->setToolTip("Recommended Value: 30 - 60");
  }
  minU = m_row1->field[0], maxU = m_row1->field[1], stepsU = m_row1->field[2];
  minV = m_row2->field[0], maxV = m_row2->field[1], stepsV = m_row2->field[2];
  minZ = m_row3->field[0], maxZ = m_row3->field[1], stepsZ = m_row3->field[2];
  minT = m_tRow->field[0], maxT = m_tRow->field[1], stepsT = m_tRow->field[2];
  page->addWidget(frame2, 5, 0, 1, 2);
  clipCheck = Named(new QCheckBox("Clip", function), "clipCheck");
  clipCheck->setChecked(true);
  page->addWidget(clipCheck, 6, 0);
  page->setRowStretch(7, 1);
  tabs->addTab(function, "Function");

  // "Color", "Material", "Appearance": the style tabs of surfaces.
  Style = std::make_unique<RibbonStyle>(tabs, RibbonStyle::Layout::Surface);
  Style->fillStyle->SetCode(Function3DFillStyleOnLoad);
  // The four lists are editable drop-downs; typing into one runs no handler and adds no item.
  for (QComboBox* combo : {coordinateList, kindList, formList, Style->colorScheme}) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
  }

  auto* special = new QWidget(tabs);
  auto* specialLayout = new QVBoxLayout(special);
  colormapCheck = Named(new QCheckBox("Add Color Map", special), "colormapCheck");
  contourCheck = Named(new QCheckBox("Add Contour", special), "contourCheck");
  vectorCheck = Named(new QCheckBox("Add Vector", special), "vectorCheck");
  for (QCheckBox* box : {colormapCheck, contourCheck, vectorCheck})
    specialLayout->addWidget(box);
  specialLayout->addStretch();
  tabs->addTab(special, "Special Graph");

  auto* texture = new QWidget(tabs);
  auto* textureGrid = new QGridLayout(texture);
  textureCheck = Named(new QCheckBox("Add Texture", texture), "textureCheck");
  textureGrid->addWidget(textureCheck, 0, 0, 1, 2);
  textureFile = Named(new QLineEdit(texture), "textureFile");
  textureBrowseButton = Named(new QPushButton("...", texture), "textureBrowseButton");
  textureGrid->addWidget(textureFile, 1, 0);
  textureGrid->addWidget(textureBrowseButton, 1, 1);
  static constexpr const char* textureNames[] = {"overlapOption", "blendOption"};
  TextureMode = new OptionGroup(texture, "Style", TextureModes, textureNames);
  TextureMode->SetCode(TextureOverlap);
  textureGrid->addWidget(TextureMode, 2, 0, 1, 2);
  textureGrid->setRowStretch(3, 1);
  tabs->addTab(texture, "Texture");

  auto* transparency = new QWidget(tabs);
  auto* transparencyLayout = new QVBoxLayout(transparency);
  transparentCheck = Named(new QCheckBox("Transparent", transparency), "transparentCheck");
  transparencySlider = Named(new QSlider(Qt::Horizontal, transparency), "transparencySlider");
  transparencySlider->setRange(0, TransparencySteps);
  transparencySlider->setValue(0);
  transparencySlider->setTickPosition(QSlider::TicksBelow);
  transparencyLayout->addWidget(transparentCheck);
  transparencyLayout->addWidget(transparencySlider);
  transparencyLayout->addStretch();
  tabs->addTab(transparency, "Transparency");

  AddOkCancelRow(this, outer, okButton, cancelButton);

  ConnectComboClick(coordinateList, this, &m_refilling, [this] { OnCoordinateChosen(); });
  ConnectComboClick(kindList, this, &m_refilling, [this] { OnKindChosen(); });
  ConnectComboClick(formList, this, &m_refilling, [this] { OnFormChosen(); });
  connect(okButton, &QPushButton::clicked, this, &Graph3DDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &Graph3DDialog::OnCancel);
  connect(textureBrowseButton, &QPushButton::clicked, this, &Graph3DDialog::OnBrowseTexture);
}

Graph3DDialog::~Graph3DDialog() = default;

bool Graph3DDialog::AnimationMode() const { return m_tRow->Visible(); }

void Graph3DDialog::SetAnimationMode(bool animated) { m_tRow->SetVisible(animated); }

bool Graph3DDialog::Implicit() const {
  return kindList->currentIndex() == 1 && formList->currentIndex() == 2;
}

// The overlays are offered for explicit Cartesian surfaces only; their checks stay as they are.
void Graph3DDialog::OverlayRule() {
  const bool offered = coordinateList->currentIndex() == 0 && kindList->currentIndex() == 1 &&
                       formList->currentIndex() == 0;
  for (QCheckBox* box : {colormapCheck, contourCheck, vectorCheck})
    box->setEnabled(offered);
}

void Graph3DDialog::OnKindChosen() {
  OverlayRule();
  OnCoordinateChosen();
}

void Graph3DDialog::OnCoordinateChosen() {
  OverlayRule();
  const int kind = kindList->currentIndex();
  const int coordinate = coordinateList->currentIndex();
  // The form is kept across the refill; a curve has no implicit form and takes the parametric.
  int saved = std::max(0, formList->currentIndex());
  if (saved > 1 && kind == 0) saved = 1;
  if (coordinate >= 0 && coordinate <= 2 && kind >= 0 && kind <= 1) {
    RefillChoices(formList, &m_refilling,
                  Function3DForms[AnimationMode() ? 1 : 0][coordinate][kind], saved);
  }
  OnFormChosen();
}

void Graph3DDialog::OnFormChosen() {
  OverlayRule();
  const bool animated = AnimationMode();
  auto formula = [animated](std::string_view caption) {
    return animated ? QString::fromStdString(AnimatedCaption(caption)) : Q(caption);
  };
  if (const Function3DLabels* labels = Function3DFieldLabels(
          kindList->currentIndex(), formList->currentIndex(), coordinateList->currentIndex())) {
    firstFormulaLabel->setText(formula(labels->first));
    const bool three = !labels->second.empty();
    if (three) {
      secondFormulaLabel->setText(formula(labels->second));
      thirdFormulaLabel->setText(formula(labels->third));
    }
    for (QWidget* w :
         {static_cast<QWidget*>(secondFormulaLabel), static_cast<QWidget*>(secondFormula),
          static_cast<QWidget*>(thirdFormulaLabel), static_cast<QWidget*>(thirdFormula)})
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
  for (int32_t code : {GradientLeftRight, GradientFrontBack, GradientTopBottom, ColorMapFill})
    Style->fillStyle->Button(code)->setEnabled(!single);
  Style->fillStyle->SetCode(single ? SingleColor : ColorMapFill);
}

void Graph3DDialog::PrepareAdd(const AddDialogSetup& setup) {
  setWindowTitle(setup.animated ? "3D Function Graph Animation Properties"
                                : "3D Function Graph Properties");
  if (coordinateList->currentIndex() == setup.coordinate)
    OnCoordinateChosen();
  else
    coordinateList->setCurrentIndex(setup.coordinate);
  SetAnimationMode(setup.animated);
  m_refilling = true;
  kindList->clear();
  AddItems(kindList, Function3DKinds[setup.animated ? 1 : 0]);
  kindList->setCurrentIndex(1);
  m_refilling = false;
  OnKindChosen(); // a surface, in its first (explicit) form
  if (setup.animated) {
    stepsT->setEnabled(false);
    stepsT->setText(QString::number(FrameCount));
  }
  // The overlays wait until the user picks a selector.
  for (QCheckBox* box : {colormapCheck, contourCheck, vectorCheck})
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
  formList->setCurrentIndex(form);
  m_refilling = false;
  setWindowTitle(animated ? "3D Function Graph Animation Properties"
                          : "3D Function Graph Properties");
  SetAnimationMode(animated);
  if (animated) {
    stepsT->setEnabled(false);
    stepsT->setText(QString::number(g.StepT()));
  }
  m_refilling = true;
  coordinateList->setCurrentIndex(g.CoordType - Cartesian3D);
  kindList->clear();
  AddItems(kindList, Function3DKinds[animated ? 1 : 0]);
  kindList->setCurrentIndex(kind);
  m_refilling = false;
  OnKindChosen(); // refills the forms, keeps the form, relabels
  // A texture mode other than "Overlap" shows as "Blend".
  TextureMode->SetCode(TextureBlend);
  m_bindings.Fill(Bindings(), g);
  Style->single->SetColor(g.SecondColor); // the swatch beside "Single" shows the second colour too
  // A form the list lacks for the kind shows the explicit form with an empty formula box; the
  // graph keeps its form and formulas unless the user picks a form or types one.
  m_formUnlisted = form < 0;
  if (m_formUnlisted) firstFormula->clear();
  // Only the fill styles 1 to 4 are chosen by the graph; any other leaves "Colormap", or
  // "Single" for an implicit surface, as the form's choice left it.
  if (g.FillStyle < GradientLeftRight || g.FillStyle > SingleColor)
    Style->fillStyle->SetCode(Implicit() ? SingleColor : ColorMapFill);
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
    stepsZ->setText(Q(Function3DThirdStepsOnLoad));
    textureCheck->setChecked(false);
    textureFile->clear();
    TextureMode->SetCode(TextureOverlap);
    transparentCheck->setChecked(false);
    m_filledSlider = 0;
  } else {
    m_filledSlider =
        static_cast<int>(NumberText::RoundHalfEven(double(g.TransAlpha) * TransparencySteps));
  }
  transparencySlider->setValue(m_filledSlider);
  // What is shown otherwise than the graph's value keeps the graph's value unless touched.
  m_bindings.Remember(Bindings());
  m_bindings.Watch(transparencySlider);
  m_bindings.Watch(formList);
}

std::vector<FieldBinding> Graph3DDialog::Bindings() const {
  using K = FieldBinding::Kind;
  const int kind = kindList->currentIndex();
  const int form = formList->currentIndex();
  const WholeRange steps = kind == 0 ? CurveSteps : SurfaceSteps;
  std::vector<FieldBinding> f = {
      {K::Text, nameField, GraphProp::NameS},
      {K::Formula, firstFormula, form == 0 ? GraphProp::ExpressZ : GraphProp::ExpressX},
  };
  if (form == 1) {
    f.push_back({K::Formula, secondFormula, GraphProp::ExpressY});
    f.push_back({K::Formula, thirdFormula, GraphProp::ExpressZ});
  }
  f.push_back({K::Real, minU, GraphProp::MinU});
  f.push_back({K::Real, maxU, GraphProp::MaxU});
  f.push_back({K::Whole, stepsU, GraphProp::StepU, 0, steps});
  if (kind == 1) {
    f.push_back({K::Real, minV, GraphProp::MinV});
    f.push_back({K::Real, maxV, GraphProp::MaxV});
    f.push_back({K::Whole, stepsV, GraphProp::StepV, 0, steps});
  }
  // The third row's pair is the clipping range; an implicit surface's box takes it too (OK).
  f.push_back({K::Real, minZ, GraphProp::ClipMinZ});
  f.push_back({K::Real, maxZ, GraphProp::ClipMaxZ});
  f.push_back({K::Whole, stepsZ, GraphProp::StepW, 0, SurfaceSteps});
  if (AnimationMode()) {
    f.push_back({K::Real, minT, GraphProp::MinT});
    f.push_back({K::Real, maxT, GraphProp::MaxT});
  }
  f.push_back({K::Check, clipCheck, GraphProp::Clip});
  f.push_back({K::Options, Style->fillStyle, GraphProp::FillStyle});
  f.push_back({K::Item, Style->colorScheme, GraphProp::ColorName});
  f.push_back({K::Swatch, Style->first, GraphProp::FirstColor});
  f.push_back({K::Swatch, Style->second, GraphProp::SecondColor});
  f.push_back({K::Index, Style->material, GraphProp::Material, 1});
  f.push_back({K::Options, Style->show, GraphProp::Show});
  f.push_back({K::Options, Style->smooth, GraphProp::Smoothness});
  f.push_back({K::Check, colormapCheck, GraphProp::ShowColormap});
  f.push_back({K::Check, contourCheck, GraphProp::ShowContour});
  f.push_back({K::Check, vectorCheck, GraphProp::ShowVector});
  f.push_back({K::Check, textureCheck, GraphProp::ShowTex});
  f.push_back({K::Text, textureFile, GraphProp::TexName});
  f.push_back({K::Options, TextureMode, GraphProp::TexMode});
  f.push_back({K::Check, transparentCheck, GraphProp::ShowTrans});
  return f;
}

std::vector<OrderedPair> Graph3DDialog::Pairs() const {
  std::vector<OrderedPair> pairs = {{GraphProp::MinU, GraphProp::MaxU},
                                    {GraphProp::MinV, GraphProp::MaxV},
                                    {GraphProp::MinT, GraphProp::MaxT}};
  // An implicit surface's third row is also the box it is sampled in.
  if (clipCheck->isChecked() || Implicit())
    pairs.push_back({GraphProp::ClipMinZ, GraphProp::ClipMaxZ});
  return pairs;
}

void Graph3DDialog::OnBrowseTexture() {
  const std::optional<FileChoice> chosen = TheFileChooser().OpenFile(
      "Open File", {{"(*.bmp)", "*.bmp"}, {"*.jpg", "*.jpg"}, {"*.gif", "*.gif"}}, 1,
      textureFile->text().toStdString());
  // A cancelled choice keeps the path the box holds.
  if (chosen) textureFile->setText(QString::fromStdString(chosen->path));
}

void Graph3DDialog::OnOk() {
  const int kind = kindList->currentIndex();
  const int form = formList->currentIndex();
  if (kind < 0 || form < 0 || coordinateList->currentIndex() < 0)
    return; // every opening chooses them
  // A form the user picks for a graph whose own form the list lacks comes with its formula box,
  // however empty the fill left it.
  const bool formPicked = m_bindings.Touched(formList);
  if (m_formUnlisted && formPicked) m_bindings.Touch(firstFormula);
  // A selector whose typed text names none of its items is not taken for the item it had.
  for (QComboBox* selector : {kindList, formList, coordinateList})
    if (selector->currentText() != selector->itemText(selector->currentIndex())) {
      QString caption = selector->objectName();
      for (const QLabel* label : selector->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == selector) caption = label->text();
      MsgBox("Choose an item of \"" + caption.toStdString() + "\".", MsgButtons::OK,
             MsgIcon::Exclamation, "Error");
      tabs->setCurrentIndex(0);
      selector->setFocus();
      return;
    }
  std::optional<PropertyWrites> writes = m_bindings.Read(Bindings(), Pairs(), m_selected.get());
  if (!writes) return;
  // Overlays that are not offered are not taken: an edited graph keeps its own, a new one has none.
  if (!colormapCheck->isEnabled())
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
  if (textureCheck->isChecked() &&
      (!m_selected || written(GraphProp::ShowTex) || written(GraphProp::TexName))) {
    const QString path = textureFile->text().trimmed();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
      MsgBox(path.isEmpty() ? std::string("Choose the texture's picture file.")
                            : "The texture file \"" + path.toStdString() + "\" cannot be found.",
             MsgButtons::OK, MsgIcon::Exclamation, "Error");
      tabs->setCurrentWidget(textureFile->parentWidget());
      textureFile->setFocus();
      return;
    }
  }
  if (!m_selected || m_bindings.Touched(transparencySlider) ||
      transparencySlider->value() != m_filledSlider)
    writes->emplace_back(GraphProp::TransAlpha,
                         float(transparencySlider->value()) / TransparencySteps);
  NameColorSchemeOnColormap(*writes, m_selected.get(), Style->colorScheme);
  if (Implicit()) {
    // The third row's pair is the clipping range and the box of the third coordinate: a new or
    // changed pair, or a graph that comes to the implicit form, takes it as its box.
    const PropertyValue* min = written(GraphProp::ClipMinZ);
    const PropertyValue* max = written(GraphProp::ClipMaxZ);
    if (min || max || !m_selected || m_selected->FunForm != ::Implicit) {
      std::string why;
      const float low = min ? std::get<float>(*min)
                            : EvaluateNumberText(minZ->text().toStdString(), &why).value_or(0);
      const float high = max ? std::get<float>(*max)
                             : EvaluateNumberText(maxZ->text().toStdString(), &why).value_or(0);
      if (!(low < high)) {
        MsgBox("\"" + m_row3->label[0]->text().toStdString() + "\" must be less than \"" +
                   m_row3->label[1]->text().toStdString() + "\".",
               MsgButtons::OK, MsgIcon::Exclamation, "Error");
        tabs->setCurrentIndex(0);
        minZ->setFocus();
        return;
      }
      writes->emplace_back(GraphProp::MinW, low);
      writes->emplace_back(GraphProp::MaxW, high);
      if (!min) writes->emplace_back(GraphProp::ClipMinZ, low);
      if (!max) writes->emplace_back(GraphProp::ClipMaxZ, high);
    }
  }
  const int coordinate = coordinateList->currentIndex();
  // A graph whose form the list lacks keeps it while the user neither picks a form nor types the
  // explicit formula.
  const bool keepForm =
      m_selected && m_formUnlisted && form == 0 && !formPicked && firstFormula->text().isEmpty();
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

void Graph3DDialog::OnCancel() { reject(); }
