#include "view/dialogs/AxisDialog2D.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "model/AxesSettings.h"
#include "model/GraphPoint.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"
#include "view/axes/AxesLayout.h"
#include "view/dialogs/AxisDialog.h"
#include "view/dialogs/AxisDialogCommon.h"
#include "view/dialogs/ColorBox.h"

namespace {

AxesLayout::Rgbf Fractions(int32_t colour) {
  AxesLayout::Rgbf c;
  ColorToRgb(colour, c.r, c.g, c.b);
  return c;
}

using AxisDialogCommon::AddGridPage;
using AxisDialogCommon::Named;

// A caption and, right of it, the control it names, on one row of a grid page.
void AddCaptioned(QGridLayout* layout, int row, int column, const char* caption, const char* name,
                  QWidget* control) {
  layout->addWidget(Named(new QLabel(caption, layout->parentWidget()), name), row, column);
  layout->addWidget(control, row, column + 1);
}

// Size and placement of the style pictures in their frame (pixels).
constexpr int kSampleW = 40, kSampleH = 30, kSampleLeft = 12, kSampleTop = 24, kSampleStepX = 52,
              kSampleStepY = 40, kSamplesPerRow = 5;

} // namespace

AxisDialog2D::AxisDialog2D(QWidget* parent) : AxisDialog2D(DocumentAxes(), parent) {}

AxisDialog2D::AxisDialog2D(AxesSettings& axes, QWidget* parent) : QDialog(parent), m_axes(axes) {
  tabs = AxisDialogCommon::Begin(*this, "AxisDialog2D");
  Build();
  Form_Load();
}

void AxisDialog2D::Build() {
  // General
  auto* general = new QWidget(tabs);
  showAxisCheck = Named(new QCheckBox("Show Axis", general), "showAxisCheck");
  piTicksCheck =
      Named(new QCheckBox(QString::fromUtf8("Use \u03C0 To Label Ticks"), general), "piTicksCheck");
  m_scales = AxisDialogCommon::ScaleControls::Build(
      general, {"scalesFrame",
                {"squareOption", "equalOption", "customOption"},
                "scaleRatioLabel",
                "X:Y=",
                {"scaleRatioX", "scaleRatioY"},
                {"scaleRatioYColon"}});
  showLegendCheck = Named(new QCheckBox("Show Legend", general), "showLegendCheck");
  auto* generalLayout = new QGridLayout(general);
  generalLayout->addWidget(showAxisCheck, 0, 0);
  generalLayout->addWidget(piTicksCheck, 1, 0);
  generalLayout->addWidget(m_scales.frame, 0, 1, 3, 1);
  generalLayout->addWidget(showLegendCheck, 2, 0);
  AddGridPage(tabs, general, generalLayout, "General", 3);

  // Axis
  auto* axis = new QWidget(tabs);
  showSecondaryTicksCheck =
      Named(new QCheckBox("Show Secondary Ticks", axis), "showSecondaryTicksCheck");
  axisColorSwatch = Named(new ColorBox(axis), "axisColorSwatch");
  axisWidthBox = Named(new QComboBox(axis), "axisWidthBox");
  auto* axisLayout = new QGridLayout(axis);
  axisLayout->addWidget(showSecondaryTicksCheck, 0, 0, 1, 2);
  AddCaptioned(axisLayout, 1, 0, "Color", "axisColorLabel", axisColorSwatch);
  AddCaptioned(axisLayout, 2, 0, "Width", "axisWidthLabel", axisWidthBox);
  AddGridPage(tabs, axis, axisLayout, "Axis", 3, 2);

  // Grid
  auto* grid = new QWidget(tabs);
  showPrimaryGridCheck = Named(new QCheckBox("Show Primary Grid", grid), "showPrimaryGridCheck");
  primaryGridColorSwatch = Named(new ColorBox(grid), "primaryGridColorSwatch");
  showSecondaryGridCheck =
      Named(new QCheckBox("Show Secondary Grid", grid), "showSecondaryGridCheck");
  secondaryGridColorSwatch = Named(new ColorBox(grid), "secondaryGridColorSwatch");
  auto* gridLayout = new QGridLayout(grid);
  gridLayout->addWidget(showPrimaryGridCheck, 0, 0);
  AddCaptioned(gridLayout, 0, 1, "Color", "primaryGridColorLabel", primaryGridColorSwatch);
  gridLayout->addWidget(showSecondaryGridCheck, 1, 0);
  AddCaptioned(gridLayout, 1, 1, "Color", "secondaryGridColorLabel", secondaryGridColorSwatch);
  AddGridPage(tabs, grid, gridLayout, "Grid", 2, 3);

  // Background: the nineteen pattern pictures at fixed places in their frame, the selection
  // rectangle over them.
  auto* background = new QWidget(tabs);
  showBackgroundCheck = Named(new QCheckBox("Show Background", background), "showBackgroundCheck");
  auto* styles = Named(new QGroupBox("Select A Style", background), "styleFrame");
  m_styleFrame = styles;
  const int rows = (StyleCount + kSamplesPerRow - 1) / kSamplesPerRow;
  styles->setMinimumSize(kSampleLeft * 2 + kSampleStepX * (kSamplesPerRow - 1) + kSampleW,
                         kSampleTop + kSampleStepY * (rows - 1) + kSampleH + 10);
  for (int i = 0; i < StyleCount; ++i) {
    stylePictures[i] = new QLabel(styles);
    // Each picture is named for the BackStyle it shows.
    stylePictures[i]->setObjectName(QString("stylePicture%1").arg(i + 1));
    stylePictures[i]->setGeometry(kSampleLeft + (i % kSamplesPerRow) * kSampleStepX,
                                  kSampleTop + (i / kSamplesPerRow) * kSampleStepY, kSampleW,
                                  kSampleH);
    stylePictures[i]->setCursor(Qt::PointingHandCursor);
    stylePictures[i]->installEventFilter(this);
  }
  selectedStyleFrame = Named(new QFrame(styles), "selectedStyleFrame");
  selectedStyleFrame->setFrameShape(QFrame::Box);
  selectedStyleFrame->setLineWidth(1);
  selectedStyleFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
  selectedStyleFrame->setVisible(false);
  firstColorSwatch = Named(new ColorBox(background), "firstColorSwatch");
  secondColorSwatch = Named(new ColorBox(background), "secondColorSwatch");
  showShadowCheck = Named(new QCheckBox("Show Shadow", background), "showShadowCheck");
  auto* backgroundLayout = new QGridLayout(background);
  backgroundLayout->addWidget(showBackgroundCheck, 0, 0, 1, 2);
  backgroundLayout->addWidget(styles, 1, 0, 1, 3);
  AddCaptioned(backgroundLayout, 2, 0, "1st Color/ Single Color", "firstColorLabel",
               firstColorSwatch);
  AddCaptioned(backgroundLayout, 3, 0, "2nd Color", "secondColorLabel", secondColorSwatch);
  backgroundLayout->addWidget(showShadowCheck, 4, 0);
  AddGridPage(tabs, background, backgroundLayout, "Background", -1, 2);

  // Fonts
  auto* fonts = new QWidget(tabs);
  betterFontsCheck = Named(new QCheckBox("Better Fonts", fonts), "betterFontsCheck");
  auto* fontsLayout = new QVBoxLayout(fonts);
  fontsLayout->addWidget(betterFontsCheck);
  fontsLayout->addStretch();
  tabs->addTab(fonts, "Fonts");

  std::tie(okButton, cancelButton) = AxisDialogCommon::AddButtons(*this, tabs);

  // The dialog starts with "Show Axis" and "Show Legend" checked and "Square" selected.
  showAxisCheck->setChecked(true);
  showLegendCheck->setChecked(true);
  m_scales.square->setChecked(true);

  connect(m_scales.square, &QRadioButton::clicked, this, [this] { OnSquareChosen(); });
  connect(m_scales.equal, &QRadioButton::clicked, this, [this] { OnEqualChosen(); });
  connect(m_scales.custom, &QRadioButton::clicked, this, [this] { OnCustomChosen(); });
  connect(axisColorSwatch, &ColorBox::clicked, this, [this] { OnAxisColor(); });
  connect(primaryGridColorSwatch, &ColorBox::clicked, this, [this] { OnPrimaryGridColor(); });
  connect(secondaryGridColorSwatch, &ColorBox::clicked, this, [this] { OnSecondaryGridColor(); });
  connect(firstColorSwatch, &ColorBox::clicked, this, [this] { OnFirstColor(); });
  connect(secondColorSwatch, &ColorBox::clicked, this, [this] { OnSecondColor(); });
  connect(okButton, &QPushButton::clicked, this, [this] { OnOk(); });
  connect(cancelButton, &QPushButton::clicked, this, [this] { OnCancel(); });
}

void AxisDialog2D::Form_Load() {
  // 1, 2. The scale option; the ratios are shown and editable for "Custom" only.
  if (m_scales.LoadMode()) {
    m_scales.ratios[0]->setText(QString::fromStdString(AxisDialogCheck::RatioText(AxisRatioX)));
    m_scales.ratios[1]->setText(QString::fromStdString(AxisDialogCheck::RatioText(AxisRatioY)));
  }
  EnableRatios(m_scales.custom->isChecked());

  // 3, 4. Show, and the widths 1 to 5; a stored width outside them shows the nearest.
  showAxisCheck->setChecked(m_axes.Show);
  axisWidthBox->clear();
  for (int w = 1; w <= 5; ++w)
    axisWidthBox->addItem(QString::number(w));
  axisWidthBox->setCurrentIndex(std::clamp<int32_t>(m_axes.AxisWidth, 1, 5) - 1);

  // 5, 6. Colours and check boxes.
  axisColorSwatch->SetColor(m_axes.AxisColor);
  showPrimaryGridCheck->setChecked(m_axes.ShowprimaryGrid);
  showSecondaryGridCheck->setChecked(m_axes.ShowSecondaryGrid);
  showBackgroundCheck->setChecked(m_axes.ShowBackground);
  showSecondaryTicksCheck->setChecked(m_axes.ShowSecondaryLabel);
  piTicksCheck->setChecked(m_axes.ShowPI);
  showShadowCheck->setChecked(m_axes.ShowShadow);
  betterFontsCheck->setChecked(m_axes.BetterFonts);
  showLegendCheck->setChecked(ShowLegend);
  primaryGridColorSwatch->SetColor(m_axes.PriGridColor);
  secondaryGridColorSwatch->SetColor(m_axes.SecGridColor);
  firstColorSwatch->SetColor(m_axes.BackColor);
  secondColorSwatch->SetColor(m_axes.BackColor2);
  DrawSamples();

  // 7, 8. The stored pattern is framed (a stored style below 1 frames the second picture) and
  // becomes the selection.
  int index = m_axes.BackStyle - 1;
  if (index < 0) index = 1;
  FrameStyle(index);
  SelectedBackStyle = m_axes.BackStyle;
}

void AxisDialog2D::FrameStyle(int index) {
  if (index < 0 || index >= StyleCount) {
    selectedStyleFrame->setVisible(false); // a style beyond the pictures has none to frame
    return;
  }
  selectedStyleFrame->setGeometry(stylePictures[index]->geometry().adjusted(-1, -1, 1, 1));
  selectedStyleFrame->setVisible(true);
  selectedStyleFrame->raise();
}

QImage AxisDialog2D::StyleSample(int32_t backStyle, int32_t color1, int32_t color2, int width,
                                 int height) {
  // The pattern's geometry over a box whose background rectangle is exactly the picture.
  AxesLayout::BackgroundInput in;
  in.minX = 3.1f, in.maxX = static_cast<float>(width) - 3.8f;
  in.minY = 3.1f, in.maxY = static_cast<float>(height) - 3.8f;
  in.backStyle = backStyle;
  in.c1 = Fractions(color1);
  in.c2 = Fractions(color2);
  const AxesLayout::Background bg = AxesLayout::LayoutBackground(in);

  struct Corner {
    float x, y;
    AxesLayout::Rgbf c;
  };
  std::vector<std::array<Corner, 3>> triangles;
  for (const AxesLayout::BackPolygon& p : bg.fill) {
    std::vector<Corner> v;
    for (const AxesLayout::BackVertex& bv : p.vertices)
      v.push_back({bv.at.x, bv.at.y, bv.colour.value_or(AxesLayout::Rgbf{0.5f, 0.5f, 0.5f})});
    triangles.push_back({v[0], v[1], v[2]});
    if (v.size() == 4) triangles.push_back({v[0], v[2], v[3]}); // a quadrilateral as two
  }

  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int row = 0; row < height; ++row) {
    const float y = static_cast<float>(height - row) - 0.5f; // the picture's y grows upwards
    for (int col = 0; col < width; ++col) {
      const float x = static_cast<float>(col) + 0.5f;
      for (const auto& t : triangles) {
        const float d =
            (t[1].y - t[2].y) * (t[0].x - t[2].x) + (t[2].x - t[1].x) * (t[0].y - t[2].y);
        if (d == 0.0f) continue;
        const float a = ((t[1].y - t[2].y) * (x - t[2].x) + (t[2].x - t[1].x) * (y - t[2].y)) / d;
        const float b = ((t[2].y - t[0].y) * (x - t[2].x) + (t[0].x - t[2].x) * (y - t[2].y)) / d;
        const float c = 1.0f - a - b;
        const float eps = -1e-4f;
        if (a < eps || b < eps || c < eps) continue;
        auto channel = [&](float AxesLayout::Rgbf::*m) {
          const float v = a * (t[0].c.*m) + b * (t[1].c.*m) + c * (t[2].c.*m);
          return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
        };
        image.setPixel(col, row,
                       qRgb(channel(&AxesLayout::Rgbf::r), channel(&AxesLayout::Rgbf::g),
                            channel(&AxesLayout::Rgbf::b)));
        break;
      }
    }
  }
  return image;
}

void AxisDialog2D::DrawSamples() {
  for (int i = 0; i < StyleCount; ++i)
    stylePictures[i]->setPixmap(QPixmap::fromImage(StyleSample(
        i + 1, firstColorSwatch->Color(), secondColorSwatch->Color(), kSampleW, kSampleH)));
}

bool AxisDialog2D::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (int i = 0; i < StyleCount; ++i)
      if (watched == stylePictures[i]) {
        OnStyleChosen(i);
        return true;
      }
  }
  return QDialog::eventFilter(watched, event);
}

void AxisDialog2D::OnStyleChosen(int index) {
  SelectedBackStyle = index + 1;
  FrameStyle(index);
}

void AxisDialog2D::EnableRatios(bool on) { m_scales.EnableRatios(on); }

void AxisDialog2D::OnSquareChosen() { EnableRatios(false); }
void AxisDialog2D::OnEqualChosen() { EnableRatios(false); }
void AxisDialog2D::OnCustomChosen() { EnableRatios(true); }

void AxisDialog2D::PickColour(ColorBox* box) {
  // Only the box takes the colour; a cancelled chooser keeps it as it was.
  AxisDialogCommon::PickColour(box);
}

void AxisDialog2D::OnAxisColor() { PickColour(axisColorSwatch); }
void AxisDialog2D::OnPrimaryGridColor() { PickColour(primaryGridColorSwatch); }
void AxisDialog2D::OnSecondaryGridColor() { PickColour(secondaryGridColorSwatch); }
void AxisDialog2D::OnFirstColor() {
  PickColour(firstColorSwatch);
  DrawSamples();
}
void AxisDialog2D::OnSecondColor() {
  PickColour(secondColorSwatch);
  DrawSamples();
}

void AxisDialog2D::OnOk() {
  const bool custom = m_scales.custom->isChecked();
  std::vector<float> ratios;
  if (custom) {
    const auto typed = m_scales.ReadRatios(tabs, 2);
    if (!typed) return;
    ratios = *typed;
  }

  AxisChanged = true;
  m_scales.StoreMode();
  if (custom) {
    AxisRatioX = ratios[0];
    AxisRatioY = ratios[1];
  }
  m_axes.Show = showAxisCheck->isChecked();
  m_axes.AxisColor = axisColorSwatch->Color();
  m_axes.AxisWidth = NumberText::ToLongClamped(
      NumberText::LeadingValue(axisWidthBox->currentText().toStdString()));
  m_axes.ShowprimaryGrid = showPrimaryGridCheck->isChecked();
  m_axes.ShowSecondaryGrid = showSecondaryGridCheck->isChecked();
  m_axes.ShowBackground = showBackgroundCheck->isChecked();
  m_axes.ShowSecondaryLabel = showSecondaryTicksCheck->isChecked();
  m_axes.ShowPI = piTicksCheck->isChecked();
  m_axes.ShowShadow = showShadowCheck->isChecked();
  m_axes.BetterFonts = betterFontsCheck->isChecked();
  ShowLegend = showLegendCheck->isChecked();
  if (SelectedBackStyle < 1) SelectedBackStyle = 2;
  m_axes.PriGridColor = primaryGridColorSwatch->Color();
  m_axes.SecGridColor = secondaryGridColorSwatch->Color();
  m_axes.BackColor = firstColorSwatch->Color();
  m_axes.BackColor2 = secondColorSwatch->Color();
  m_axes.BackStyle = SelectedBackStyle;
  accept();
}

void AxisDialog2D::OnCancel() { AxisDialogCommon::Cancel(*this); }
