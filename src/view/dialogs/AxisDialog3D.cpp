#include "view/dialogs/AxisDialog3D.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>
#include <vector>

#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "render/common/MaterialColors.h"
#include "view/dialogs/AxisDialog.h"
#include "view/dialogs/AxisDialogCommon.h"
#include "view/dialogs/ColorBox.h"

namespace {

using AxisDialogCommon::AddGridPage;
using AxisDialogCommon::Named;

std::string BoxText(const QLineEdit* box) { return box->text().toStdString(); }

} // namespace

AxisDialog3D::AxisDialog3D(QWidget* parent) : AxisDialog3D(DocumentAxes(), parent) {}

AxisDialog3D::AxisDialog3D(AxesSettings& axes, QWidget* parent) : QDialog(parent), m_axes(axes) {
  SSTab1 = AxisDialogCommon::Begin(*this, "AxisDialog3D");
  Build();
  Form_Load();
}

void AxisDialog3D::Build() {
  // General
  auto* general = new QWidget(SSTab1);
  Check1 = Named(new QCheckBox(" Show Axis", general), "Check1");
  m_styleFrame = Named(new QGroupBox("Style", general), "Frame1");
  Option1 = Named(new QRadioButton("Panel Style", m_styleFrame), "Option1");
  Option2 = Named(new QRadioButton("Line Style", m_styleFrame), "Option2");
  auto* styleLayout = new QVBoxLayout(m_styleFrame);
  styleLayout->addWidget(Option1);
  styleLayout->addWidget(Option2);
  m_scales = AxisDialogCommon::ScaleControls::Build(general, {"Frame2",
                                                              {"Option3", "Option4", "Option5"},
                                                              "Label1",
                                                              "X:Y:Z=",
                                                              {"Text7", "Text8", "Text9"},
                                                              {"Label16", "Label17"}});
  Check11 = Named(new QCheckBox("Show Legend", general), "Check11");
  auto* generalLayout = new QGridLayout(general);
  generalLayout->addWidget(Check1, 0, 0);
  generalLayout->addWidget(m_styleFrame, 1, 0);
  generalLayout->addWidget(m_scales.frame, 1, 1);
  generalLayout->addWidget(Check11, 2, 0);
  AddGridPage(SSTab1, general, generalLayout, "General", 3);

  // Panel
  auto* panel = new QWidget(SSTab1);
  auto* panelLayout = new QVBoxLayout(panel);
  const char* panelFrames[3] = {"XY Panel", "XZ Panel", "YZ Panel"};
  const char* showNames[3] = {"Check2", "Check3", "Check4"};
  const char* colorLabelNames[3] = {"Label2", "Label4", "Label6"};
  const char* colorNames[3] = {"Picture1", "Picture2", "Picture3"};
  const char* materialLabelNames[3] = {"Label3", "Label5", "Label7"};
  const char* materialNames[3] = {"Combo1", "Combo2", "Combo3"};
  for (int i = 0; i < 3; ++i) {
    auto* frame = new QGroupBox(panelFrames[i], panel);
    m_panelShow[i] = Named(new QCheckBox(" Show", frame), showNames[i]);
    m_panelColorLabel[i] = Named(new QLabel("Color", frame), colorLabelNames[i]);
    m_panelColor[i] = Named(new ColorBox(frame), colorNames[i]);
    m_panelMaterialLabel[i] = Named(new QLabel("Material", frame), materialLabelNames[i]);
    m_panelMaterial[i] = Named(new QComboBox(frame), materialNames[i]);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(m_panelShow[i]);
    row->addWidget(m_panelColorLabel[i]);
    row->addWidget(m_panelColor[i]);
    row->addWidget(m_panelMaterialLabel[i]);
    row->addWidget(m_panelMaterial[i]);
    panelLayout->addWidget(frame);
  }
  SSTab1->addTab(panel, "Panel");

  // Grid
  auto* grid = new QWidget(SSTab1);
  auto* gridLayout = new QVBoxLayout(grid);
  const char* gridFrames[3] = {"XY", "XZ", "YZ"};
  const char* gridTexts[6] = {"X direction", "Y direction", "X direction",
                              "Z direction", "Y direction", "Z direction"};
  const char* gridNames[6] = {"Check5", "Check6", "Check7", "Check8", "Check9", "Check10"};
  const char* gridLabelNames[3] = {"Label11", "Label15", "Label21"};
  const char* gridColorNames[3] = {"Picture5", "Picture7", "Picture9"};
  for (int i = 0; i < 3; ++i) {
    auto* frame = new QGroupBox(gridFrames[i], grid);
    auto* row = new QHBoxLayout(frame);
    for (int j = 0; j < 2; ++j) {
      m_grid[2 * i + j] = Named(new QCheckBox(gridTexts[2 * i + j], frame), gridNames[2 * i + j]);
      row->addWidget(m_grid[2 * i + j]);
    }
    row->addWidget(Named(new QLabel("Color", frame), gridLabelNames[i]));
    m_gridColor[i] = Named(new ColorBox(frame), gridColorNames[i]);
    row->addWidget(m_gridColor[i]);
    gridLayout->addWidget(frame);
  }
  SSTab1->addTab(grid, "Grid");

  // Label
  auto* label = new QWidget(SSTab1);
  auto* labelLayout = new QGridLayout(label);
  const char* intervalTexts[3] = {"X Axis Intervals", "Y Axis Intervals", "Z Axis Intervals"};
  const char* intervalLabelNames[3] = {"Label8", "Label9", "Label10"};
  const char* intervalNames[3] = {"Text1", "Text2", "Text3"};
  for (int i = 0; i < 3; ++i) {
    auto* l = Named(new QLabel(intervalTexts[i], label), intervalLabelNames[i]);
    m_intervals[i] = Named(new QLineEdit(label), intervalNames[i]);
    l->setBuddy(m_intervals[i]);
    labelLayout->addWidget(l, i, 0);
    labelLayout->addWidget(m_intervals[i], i, 1);
  }
  AddGridPage(SSTab1, label, labelLayout, "Label", 3);

  // Title
  auto* title = new QWidget(SSTab1);
  auto* titleLayout = new QGridLayout(title);
  const char* titleTexts[3] = {"X Axis Title", "Y Axis Title", "Z Axis Title"};
  const char* titleLabelNames[3] = {"Label12", "Label13", "Label14"};
  const char* titleNames[3] = {"Text4", "Text5", "Text6"};
  for (int i = 0; i < 3; ++i) {
    m_titleLabel[i] = Named(new QLabel(titleTexts[i], title), titleLabelNames[i]);
    m_title[i] = Named(new QLineEdit(title), titleNames[i]);
    m_titleLabel[i]->setBuddy(m_title[i]);
    titleLayout->addWidget(m_titleLabel[i], i, 0);
    titleLayout->addWidget(m_title[i], i, 1);
  }
  AddGridPage(SSTab1, title, titleLayout, "Title", 3);

  std::tie(Command1, Command2) = AxisDialogCommon::AddButtons(*this, SSTab1);

  connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
  connect(m_panelShow[0], &QCheckBox::toggled, this, [this] { Check2_Click(); });
  connect(m_panelShow[1], &QCheckBox::toggled, this, [this] { Check3_Click(); });
  connect(m_panelShow[2], &QCheckBox::toggled, this, [this] { Check4_Click(); });
  connect(m_scales.square, &QRadioButton::clicked, this, [this] { Option3_Click(); });
  connect(m_scales.equal, &QRadioButton::clicked, this, [this] { Option4_Click(); });
  connect(m_scales.custom, &QRadioButton::clicked, this, [this] { Option5_Click(); });
  connect(m_panelColor[0], &ColorBox::clicked, this, [this] { Picture1_Click(); });
  connect(m_panelColor[1], &ColorBox::clicked, this, [this] { Picture2_Click(); });
  connect(m_panelColor[2], &ColorBox::clicked, this, [this] { Picture3_Click(); });
  connect(m_gridColor[0], &ColorBox::clicked, this, [this] { Picture5_Click(); });
  connect(m_gridColor[1], &ColorBox::clicked, this, [this] { Picture7_Click(); });
  connect(m_gridColor[2], &ColorBox::clicked, this, [this] { Picture9_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

bool AxisDialog3D::RibbonDocument() const { return DocumentType == DocumentType25D; }

void AxisDialog3D::Form_Load() {
  // 1. The scale option; the ratios are shown for "Custom" only.
  if (m_scales.LoadMode()) {
    // The boxes stand in the user's order of the axes: X, Y in 2.5D, else X, Y, Z.
    const std::vector<float> shown = RibbonDocument()
                                         ? std::vector<float>{AxisRatioX, AxisRatioY}
                                         : std::vector<float>{AxisRatioZ, AxisRatioX, AxisRatioY};
    for (size_t i = 0; i < shown.size(); ++i)
      m_scales.ratios[i]->setText(QString::fromStdString(AxisDialogCheck::RatioText(shown[i])));
  }

  // 2. A 2.5D document is always drawn in the panel style, shows the ribbons' x as "X" under the
  // horizontal axis and the value as "Y" beside the vertical one, and has two scale ratios. Each
  // title caption edits the title its axis shows: "X Axis Title" TitleX, "Y Axis Title" TitleY.
  if (RibbonDocument()) {
    m_styleFrame->setVisible(false);
    m_titleLabel[2]->setVisible(false);
    m_title[2]->setVisible(false);
    m_scales.between[1]->setVisible(false); // Label17
    m_scales.ratios[2]->setVisible(false);  // Text9
    m_scales.caption->setText("X:Y=");
  }

  // 3. The ratio boxes are editable for "Custom" only.
  EnableRatios(m_scales.custom->isChecked());

  // 4. The check boxes and the style.
  Check1->setChecked(m_axes.Show);
  if (m_axes.AxisStyle == LineStyle)
    Option2->setChecked(true);
  else
    Option1->setChecked(true);
  m_panelShow[0]->setChecked(m_axes.ShowXYPanel);
  m_panelShow[1]->setChecked(m_axes.ShowXZPanel);
  m_panelShow[2]->setChecked(m_axes.ShowYZPanel);
  const bool grids[6] = {m_axes.ShowXYXGrid, m_axes.ShowXYYGrid, m_axes.ShowXZXGrid,
                         m_axes.ShowXZZGrid, m_axes.ShowYZYGrid, m_axes.ShowYZZGrid};
  for (int i = 0; i < 6; ++i)
    m_grid[i]->setChecked(grids[i]);
  Check11->setChecked(ShowLegend);
  for (int i = 0; i < 3; ++i)
    EnablePanel(i, m_panelShow[i]->isChecked());

  // 5. The colour boxes.
  m_panelColor[0]->SetColor(m_axes.XYPanelColor);
  m_panelColor[1]->SetColor(m_axes.XZPanelColor);
  m_panelColor[2]->SetColor(m_axes.YZPanelColor);
  m_gridColor[0]->SetColor(m_axes.XYGridColor);
  m_gridColor[1]->SetColor(m_axes.XZGridColor);
  m_gridColor[2]->SetColor(m_axes.YZGridColor);

  // 6. Interval counts and titles.
  m_intervals[0]->setText(QString::number(m_axes.LabelNumX));
  m_intervals[1]->setText(QString::number(m_axes.LabelNumY));
  m_intervals[2]->setText(QString::number(m_axes.LabelNumZ));
  m_title[0]->setText(QString::fromStdString(m_axes.TitleX));
  m_title[1]->setText(QString::fromStdString(m_axes.TitleY));
  m_title[2]->setText(QString::fromStdString(m_axes.TitleZ));

  // 7. The material lists; a stored material outside the presets selects no entry and is kept.
  const int32_t materials[3] = {m_axes.XYPanelMaterial, m_axes.XZPanelMaterial,
                                m_axes.YZPanelMaterial};
  for (int i = 0; i < 3; ++i) {
    m_panelMaterial[i]->clear();
    for (const char* name : MaterialPresetNames)
      m_panelMaterial[i]->addItem(name);
    const bool known = materials[i] >= 1 && materials[i] <= MaterialPresetCount;
    m_panelMaterial[i]->setCurrentIndex(known ? materials[i] - 1 : -1);
  }
}

void AxisDialog3D::EnableRatios(bool on) { m_scales.EnableRatios(on); }

void AxisDialog3D::EnablePanel(int panel, bool on) {
  m_panelColorLabel[panel]->setEnabled(on);
  m_panelColor[panel]->setEnabled(on);
  m_panelMaterialLabel[panel]->setEnabled(on);
  m_panelMaterial[panel]->setEnabled(on);
}

void AxisDialog3D::Check1_Click() { m_axes.Show = Check1->isChecked(); }
void AxisDialog3D::Check2_Click() { EnablePanel(0, m_panelShow[0]->isChecked()); }
void AxisDialog3D::Check3_Click() { EnablePanel(1, m_panelShow[1]->isChecked()); }
void AxisDialog3D::Check4_Click() { EnablePanel(2, m_panelShow[2]->isChecked()); }
void AxisDialog3D::Option3_Click() { EnableRatios(false); }
void AxisDialog3D::Option4_Click() { EnableRatios(false); }
void AxisDialog3D::Option5_Click() { EnableRatios(true); }

void AxisDialog3D::PickColour(ColorBox* box, int32_t& setting) {
  // A cancelled chooser keeps the colour as it was.
  if (const std::optional<int32_t> chosen = AxisDialogCommon::PickColour(box)) setting = *chosen;
}

void AxisDialog3D::Picture1_Click() { PickColour(m_panelColor[0], m_axes.XYPanelColor); }
void AxisDialog3D::Picture2_Click() { PickColour(m_panelColor[1], m_axes.XZPanelColor); }
void AxisDialog3D::Picture3_Click() { PickColour(m_panelColor[2], m_axes.YZPanelColor); }
void AxisDialog3D::Picture5_Click() { PickColour(m_gridColor[0], m_axes.XYGridColor); }
void AxisDialog3D::Picture7_Click() { PickColour(m_gridColor[1], m_axes.XZGridColor); }
void AxisDialog3D::Picture9_Click() { PickColour(m_gridColor[2], m_axes.YZGridColor); }

void AxisDialog3D::Command1_Click() {
  using namespace AxisDialogCheck;
  // The style the dialog would store; a 2.5D document hides the choice and keeps what it loaded.
  const int32_t style = Option1->isChecked() ? PanelStyle : LineStyle;
  // The box settings are written when the axes are shown in the panel style, and always in a
  // 2.5D document, whose axes are drawn in the panel style whatever is stored.
  const bool writeBox = m_axes.Show && (style == PanelStyle || RibbonDocument());

  // Check what the user typed before anything is written.
  const bool custom = m_scales.custom->isChecked();
  std::vector<float> ratios;
  if (custom) {
    const auto typed = m_scales.ReadRatios(SSTab1, RibbonDocument() ? 2 : 3);
    if (!typed) return;
    ratios = *typed;
  }
  if (writeBox) {
    for (QLineEdit* box : m_intervals) {
      if (!IntervalCount(BoxText(box))) {
        SSTab1->setCurrentIndex(3);
        box->setFocus();
        MsgBox(IntervalMessage, MsgButtons::OK, MsgIcon::Exclamation, Title);
        return;
      }
    }
  }

  AxisChanged = true;
  m_axes.AxisStyle = style;
  m_scales.StoreMode();
  if (custom) {
    if (RibbonDocument()) {
      AxisRatioX = ratios[0];
      AxisRatioY = ratios[1];
    } else {
      AxisRatioZ = ratios[0];
      AxisRatioX = ratios[1];
      AxisRatioY = ratios[2];
    }
  }
  if (writeBox) {
    ApplyPanels();
    ApplyGrids();
    ApplyIntervals();
    ApplyTitles();
  }
  ShowLegend = Check11->isChecked();
  accept();
}

void AxisDialog3D::Command2_Click() { AxisDialogCommon::Cancel(*this); }

void AxisDialog3D::ApplyPanels() {
  bool* flags[3] = {&m_axes.ShowXYPanel, &m_axes.ShowXZPanel, &m_axes.ShowYZPanel};
  int32_t* colours[3] = {&m_axes.XYPanelColor, &m_axes.XZPanelColor, &m_axes.YZPanelColor};
  int32_t* materials[3] = {&m_axes.XYPanelMaterial, &m_axes.XZPanelMaterial,
                           &m_axes.YZPanelMaterial};
  for (int i = 0; i < 3; ++i) {
    *flags[i] = m_panelShow[i]->isChecked();
    if (*flags[i]) *colours[i] = m_panelColor[i]->Color();
  }
  for (int i = 0; i < 3; ++i) {
    const int index = m_panelMaterial[i]->currentIndex();
    if (index >= 0) *materials[i] = index + 1;
  }
}

void AxisDialog3D::ApplyGrids() {
  m_axes.ShowXYXGrid = m_grid[0]->isChecked();
  m_axes.ShowXYYGrid = m_grid[1]->isChecked();
  m_axes.ShowXZXGrid = m_grid[2]->isChecked();
  m_axes.ShowXZZGrid = m_grid[3]->isChecked();
  m_axes.ShowYZYGrid = m_grid[4]->isChecked();
  m_axes.ShowYZZGrid = m_grid[5]->isChecked();
  m_axes.XYGridColor = m_gridColor[0]->Color();
  m_axes.XZGridColor = m_gridColor[1]->Color();
  m_axes.YZGridColor = m_gridColor[2]->Color();
}

void AxisDialog3D::ApplyIntervals() {
  // Checked at OK; a count that does not pass keeps the stored one.
  int32_t* counts[3] = {&m_axes.LabelNumX, &m_axes.LabelNumY, &m_axes.LabelNumZ};
  for (int i = 0; i < 3; ++i)
    if (const auto n = AxisDialogCheck::IntervalCount(BoxText(m_intervals[i]))) *counts[i] = *n;
}

void AxisDialog3D::ApplyTitles() {
  m_axes.TitleX = BoxText(m_title[0]);
  m_axes.TitleY = BoxText(m_title[1]);
  // A 2.5D document shows no third title; its hidden box keeps the stored one.
  m_axes.TitleZ = BoxText(m_title[2]);
}
