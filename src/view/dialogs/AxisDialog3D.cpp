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
  tabs = AxisDialogCommon::Begin(*this, "AxisDialog3D");
  Build();
  Form_Load();
}

void AxisDialog3D::Build() {
  // General
  auto* general = new QWidget(tabs);
  showAxisCheck = Named(new QCheckBox(" Show Axis", general), "showAxisCheck");
  m_styleFrame = Named(new QGroupBox("Style", general), "styleFrame");
  panelStyleOption = Named(new QRadioButton("Panel Style", m_styleFrame), "panelStyleOption");
  lineStyleOption = Named(new QRadioButton("Line Style", m_styleFrame), "lineStyleOption");
  auto* styleLayout = new QVBoxLayout(m_styleFrame);
  styleLayout->addWidget(panelStyleOption);
  styleLayout->addWidget(lineStyleOption);
  m_scales = AxisDialogCommon::ScaleControls::Build(
      general, {"scalesFrame",
                {"squareOption", "equalOption", "customOption"},
                "scaleRatioLabel",
                "X:Y:Z=",
                {"scaleRatioX", "scaleRatioY", "scaleRatioZ"},
                {"scaleRatioYColon", "scaleRatioZColon"}});
  showLegendCheck = Named(new QCheckBox("Show Legend", general), "showLegendCheck");
  auto* generalLayout = new QGridLayout(general);
  generalLayout->addWidget(showAxisCheck, 0, 0);
  generalLayout->addWidget(m_styleFrame, 1, 0);
  generalLayout->addWidget(m_scales.frame, 1, 1);
  generalLayout->addWidget(showLegendCheck, 2, 0);
  AddGridPage(tabs, general, generalLayout, "General", 3);

  // Panel
  auto* panel = new QWidget(tabs);
  auto* panelLayout = new QVBoxLayout(panel);
  const char* panelFrames[3] = {"XY Panel", "XZ Panel", "YZ Panel"};
  const char* showNames[3] = {"showXYPanelCheck", "showXZPanelCheck", "showYZPanelCheck"};
  const char* colorLabelNames[3] = {"xyPanelColorLabel", "xzPanelColorLabel", "yzPanelColorLabel"};
  const char* colorNames[3] = {"xyPanelColorSwatch", "xzPanelColorSwatch", "yzPanelColorSwatch"};
  const char* materialLabelNames[3] = {"xyPanelMaterialLabel", "xzPanelMaterialLabel",
                                       "yzPanelMaterialLabel"};
  const char* materialNames[3] = {"xyPanelMaterialBox", "xzPanelMaterialBox", "yzPanelMaterialBox"};
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
  tabs->addTab(panel, "Panel");

  // Grid
  auto* grid = new QWidget(tabs);
  auto* gridLayout = new QVBoxLayout(grid);
  const char* gridFrames[3] = {"XY", "XZ", "YZ"};
  const char* gridTexts[6] = {"X direction", "Y direction", "X direction",
                              "Z direction", "Y direction", "Z direction"};
  const char* gridNames[6] = {"xyGridXCheck", "xyGridYCheck", "xzGridXCheck",
                              "xzGridZCheck", "yzGridYCheck", "yzGridZCheck"};
  const char* gridLabelNames[3] = {"xyGridColorLabel", "xzGridColorLabel", "yzGridColorLabel"};
  const char* gridColorNames[3] = {"xyGridColorSwatch", "xzGridColorSwatch", "yzGridColorSwatch"};
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
  tabs->addTab(grid, "Grid");

  // Label
  auto* label = new QWidget(tabs);
  auto* labelLayout = new QGridLayout(label);
  const char* intervalTexts[3] = {"X Axis Intervals", "Y Axis Intervals", "Z Axis Intervals"};
  const char* intervalLabelNames[3] = {"intervalsXLabel", "intervalsYLabel", "intervalsZLabel"};
  const char* intervalNames[3] = {"intervalsX", "intervalsY", "intervalsZ"};
  for (int i = 0; i < 3; ++i) {
    auto* l = Named(new QLabel(intervalTexts[i], label), intervalLabelNames[i]);
    m_intervals[i] = Named(new QLineEdit(label), intervalNames[i]);
    l->setBuddy(m_intervals[i]);
    labelLayout->addWidget(l, i, 0);
    labelLayout->addWidget(m_intervals[i], i, 1);
  }
  AddGridPage(tabs, label, labelLayout, "Label", 3);

  // Title
  auto* title = new QWidget(tabs);
  auto* titleLayout = new QGridLayout(title);
  const char* titleTexts[3] = {"X Axis Title", "Y Axis Title", "Z Axis Title"};
  const char* titleLabelNames[3] = {"titleXLabel", "titleYLabel", "titleZLabel"};
  const char* titleNames[3] = {"titleX", "titleY", "titleZ"};
  for (int i = 0; i < 3; ++i) {
    m_titleLabel[i] = Named(new QLabel(titleTexts[i], title), titleLabelNames[i]);
    m_title[i] = Named(new QLineEdit(title), titleNames[i]);
    m_titleLabel[i]->setBuddy(m_title[i]);
    titleLayout->addWidget(m_titleLabel[i], i, 0);
    titleLayout->addWidget(m_title[i], i, 1);
  }
  AddGridPage(tabs, title, titleLayout, "Title", 3);

  std::tie(okButton, cancelButton) = AxisDialogCommon::AddButtons(*this, tabs);

  connect(showAxisCheck, &QCheckBox::clicked, this, [this] { OnShowAxis(); });
  connect(m_panelShow[0], &QCheckBox::toggled, this, [this] { OnShowXYPanel(); });
  connect(m_panelShow[1], &QCheckBox::toggled, this, [this] { OnShowXZPanel(); });
  connect(m_panelShow[2], &QCheckBox::toggled, this, [this] { OnShowYZPanel(); });
  connect(m_scales.square, &QRadioButton::clicked, this, [this] { OnSquareChosen(); });
  connect(m_scales.equal, &QRadioButton::clicked, this, [this] { OnEqualChosen(); });
  connect(m_scales.custom, &QRadioButton::clicked, this, [this] { OnCustomChosen(); });
  connect(m_panelColor[0], &ColorBox::clicked, this, [this] { OnXYPanelColor(); });
  connect(m_panelColor[1], &ColorBox::clicked, this, [this] { OnXZPanelColor(); });
  connect(m_panelColor[2], &ColorBox::clicked, this, [this] { OnYZPanelColor(); });
  connect(m_gridColor[0], &ColorBox::clicked, this, [this] { OnXYGridColor(); });
  connect(m_gridColor[1], &ColorBox::clicked, this, [this] { OnXZGridColor(); });
  connect(m_gridColor[2], &ColorBox::clicked, this, [this] { OnYZGridColor(); });
  connect(okButton, &QPushButton::clicked, this, [this] { OnOk(); });
  connect(cancelButton, &QPushButton::clicked, this, [this] { OnCancel(); });
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
    m_scales.between[1]->setVisible(false); // scaleRatioZColon
    m_scales.ratios[2]->setVisible(false);  // scaleRatioZ
    m_scales.caption->setText("X:Y=");
  }

  // 3. The ratio boxes are editable for "Custom" only.
  EnableRatios(m_scales.custom->isChecked());

  // 4. The check boxes and the style.
  showAxisCheck->setChecked(m_axes.Show);
  if (m_axes.AxisStyle == LineStyle)
    lineStyleOption->setChecked(true);
  else
    panelStyleOption->setChecked(true);
  m_panelShow[0]->setChecked(m_axes.ShowXYPanel);
  m_panelShow[1]->setChecked(m_axes.ShowXZPanel);
  m_panelShow[2]->setChecked(m_axes.ShowYZPanel);
  const bool grids[6] = {m_axes.ShowXYXGrid, m_axes.ShowXYYGrid, m_axes.ShowXZXGrid,
                         m_axes.ShowXZZGrid, m_axes.ShowYZYGrid, m_axes.ShowYZZGrid};
  for (int i = 0; i < 6; ++i)
    m_grid[i]->setChecked(grids[i]);
  showLegendCheck->setChecked(ShowLegend);
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

void AxisDialog3D::OnShowAxis() { m_axes.Show = showAxisCheck->isChecked(); }
void AxisDialog3D::OnShowXYPanel() { EnablePanel(0, m_panelShow[0]->isChecked()); }
void AxisDialog3D::OnShowXZPanel() { EnablePanel(1, m_panelShow[1]->isChecked()); }
void AxisDialog3D::OnShowYZPanel() { EnablePanel(2, m_panelShow[2]->isChecked()); }
void AxisDialog3D::OnSquareChosen() { EnableRatios(false); }
void AxisDialog3D::OnEqualChosen() { EnableRatios(false); }
void AxisDialog3D::OnCustomChosen() { EnableRatios(true); }

void AxisDialog3D::PickColour(ColorBox* box, int32_t& setting) {
  // A cancelled chooser keeps the colour as it was.
  if (const std::optional<int32_t> chosen = AxisDialogCommon::PickColour(box)) setting = *chosen;
}

void AxisDialog3D::OnXYPanelColor() { PickColour(m_panelColor[0], m_axes.XYPanelColor); }
void AxisDialog3D::OnXZPanelColor() { PickColour(m_panelColor[1], m_axes.XZPanelColor); }
void AxisDialog3D::OnYZPanelColor() { PickColour(m_panelColor[2], m_axes.YZPanelColor); }
void AxisDialog3D::OnXYGridColor() { PickColour(m_gridColor[0], m_axes.XYGridColor); }
void AxisDialog3D::OnXZGridColor() { PickColour(m_gridColor[1], m_axes.XZGridColor); }
void AxisDialog3D::OnYZGridColor() { PickColour(m_gridColor[2], m_axes.YZGridColor); }

void AxisDialog3D::OnOk() {
  using namespace AxisDialogCheck;
  // The style the dialog would store; a 2.5D document hides the choice and keeps what it loaded.
  const int32_t style = panelStyleOption->isChecked() ? PanelStyle : LineStyle;
  // The box settings are written when the axes are shown in the panel style, and always in a
  // 2.5D document, whose axes are drawn in the panel style whatever is stored.
  const bool writeBox = m_axes.Show && (style == PanelStyle || RibbonDocument());

  // Check what the user typed before anything is written.
  const bool custom = m_scales.custom->isChecked();
  std::vector<float> ratios;
  if (custom) {
    const auto typed = m_scales.ReadRatios(tabs, RibbonDocument() ? 2 : 3);
    if (!typed) return;
    ratios = *typed;
  }
  if (writeBox) {
    for (QLineEdit* box : m_intervals) {
      if (!IntervalCount(BoxText(box))) {
        tabs->setCurrentIndex(3);
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
  ShowLegend = showLegendCheck->isChecked();
  accept();
}

void AxisDialog3D::OnCancel() { AxisDialogCommon::Cancel(*this); }

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
