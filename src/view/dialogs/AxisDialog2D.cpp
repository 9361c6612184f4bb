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

#include "model/GraphPoint.h"
#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/VbRuntime.h"
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
  SSTab1 = AxisDialogCommon::Begin(*this, "AxisDialog2D");
  Build();
  Form_Load();
}

void AxisDialog2D::Build() {
  // General
  auto* general = new QWidget(SSTab1);
  Check1 = Named(new QCheckBox("Show Axis", general), "Check1");
  Check6 = Named(new QCheckBox(QString::fromUtf8("Use \u03C0 To Label Ticks"), general), "Check6");
  m_scales = AxisDialogCommon::ScaleControls::Build(general, {"Frame1",
                                                              {"Option1", "Option2", "Option3"},
                                                              "Label7",
                                                              "X:Y=",
                                                              {"Text1", "Text2"},
                                                              {"Label8"}});
  Check9 = Named(new QCheckBox("Show Legend", general), "Check9");
  auto* generalLayout = new QGridLayout(general);
  generalLayout->addWidget(Check1, 0, 0);
  generalLayout->addWidget(Check6, 1, 0);
  generalLayout->addWidget(m_scales.frame, 0, 1, 3, 1);
  generalLayout->addWidget(Check9, 2, 0);
  AddGridPage(SSTab1, general, generalLayout, "General", 3);

  // Axis
  auto* axis = new QWidget(SSTab1);
  Check5 = Named(new QCheckBox("Show Secondary Ticks", axis), "Check5");
  Picture1 = Named(new ColorBox(axis), "Picture1");
  Combo1 = Named(new QComboBox(axis), "Combo1");
  auto* axisLayout = new QGridLayout(axis);
  axisLayout->addWidget(Check5, 0, 0, 1, 2);
  AddCaptioned(axisLayout, 1, 0, "Color", "Label1", Picture1);
  AddCaptioned(axisLayout, 2, 0, "Width", "Label2", Combo1);
  AddGridPage(SSTab1, axis, axisLayout, "Axis", 3, 2);

  // Grid
  auto* grid = new QWidget(SSTab1);
  Check2 = Named(new QCheckBox("Show Primary Grid", grid), "Check2");
  Picture2 = Named(new ColorBox(grid), "Picture2");
  Check3 = Named(new QCheckBox("Show Secondary Grid", grid), "Check3");
  Picture3 = Named(new ColorBox(grid), "Picture3");
  auto* gridLayout = new QGridLayout(grid);
  gridLayout->addWidget(Check2, 0, 0);
  AddCaptioned(gridLayout, 0, 1, "Color", "Label3", Picture2);
  gridLayout->addWidget(Check3, 1, 0);
  AddCaptioned(gridLayout, 1, 1, "Color", "Label4", Picture3);
  AddGridPage(SSTab1, grid, gridLayout, "Grid", 2, 3);

  // Background: the nineteen pattern pictures at fixed places in their frame, the selection
  // rectangle over them.
  auto* background = new QWidget(SSTab1);
  Check4 = Named(new QCheckBox("Show Background", background), "Check4");
  auto* styles = Named(new QGroupBox("Select A Style", background), "Frame2");
  m_styleFrame = styles;
  const int rows = (StyleCount + kSamplesPerRow - 1) / kSamplesPerRow;
  styles->setMinimumSize(kSampleLeft * 2 + kSampleStepX * (kSamplesPerRow - 1) + kSampleW,
                         kSampleTop + kSampleStepY * (rows - 1) + kSampleH + 10);
  for (int i = 0; i < StyleCount; ++i) {
    Image1[i] = new QLabel(styles);
    Image1[i]->setObjectName(QString("Image1_%1").arg(i));
    Image1[i]->setGeometry(kSampleLeft + (i % kSamplesPerRow) * kSampleStepX,
                           kSampleTop + (i / kSamplesPerRow) * kSampleStepY, kSampleW, kSampleH);
    Image1[i]->setCursor(Qt::PointingHandCursor);
    Image1[i]->installEventFilter(this);
  }
  Shape1 = Named(new QFrame(styles), "Shape1");
  Shape1->setFrameShape(QFrame::Box);
  Shape1->setLineWidth(1);
  Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Shape1->setVisible(false);
  Picture4 = Named(new ColorBox(background), "Picture4");
  Picture5 = Named(new ColorBox(background), "Picture5");
  Check7 = Named(new QCheckBox("Show Shadow", background), "Check7");
  auto* backgroundLayout = new QGridLayout(background);
  backgroundLayout->addWidget(Check4, 0, 0, 1, 2);
  backgroundLayout->addWidget(styles, 1, 0, 1, 3);
  AddCaptioned(backgroundLayout, 2, 0, "1st Color/ Single Color", "Label5", Picture4);
  AddCaptioned(backgroundLayout, 3, 0, "2nd Color", "Label6", Picture5);
  backgroundLayout->addWidget(Check7, 4, 0);
  AddGridPage(SSTab1, background, backgroundLayout, "Background", -1, 2);

  // Fonts
  auto* fonts = new QWidget(SSTab1);
  Check8 = Named(new QCheckBox("Better Fonts", fonts), "Check8");
  auto* fontsLayout = new QVBoxLayout(fonts);
  fontsLayout->addWidget(Check8);
  fontsLayout->addStretch();
  SSTab1->addTab(fonts, "Fonts");

  std::tie(Command1, Command2) = AxisDialogCommon::AddButtons(*this, SSTab1);

  // The dialog starts with "Show Axis" and "Show Legend" checked and "Square" selected.
  Check1->setChecked(true);
  Check9->setChecked(true);
  m_scales.square->setChecked(true);

  connect(m_scales.square, &QRadioButton::clicked, this, [this] { Option1_Click(); });
  connect(m_scales.equal, &QRadioButton::clicked, this, [this] { Option2_Click(); });
  connect(m_scales.custom, &QRadioButton::clicked, this, [this] { Option3_Click(); });
  connect(Picture1, &ColorBox::clicked, this, [this] { Picture1_Click(); });
  connect(Picture2, &ColorBox::clicked, this, [this] { Picture2_Click(); });
  connect(Picture3, &ColorBox::clicked, this, [this] { Picture3_Click(); });
  connect(Picture4, &ColorBox::clicked, this, [this] { Picture4_Click(); });
  connect(Picture5, &ColorBox::clicked, this, [this] { Picture5_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void AxisDialog2D::Form_Load() {
  // 1, 2. The scale option; the ratios are shown and editable for "Custom" only.
  if (m_scales.LoadMode()) {
    m_scales.ratios[0]->setText(QString::fromStdString(AxisDialogCheck::RatioText(AxisRatioX)));
    m_scales.ratios[1]->setText(QString::fromStdString(AxisDialogCheck::RatioText(AxisRatioY)));
  }
  EnableRatios(m_scales.custom->isChecked());

  // 3, 4. Show, and the widths 1 to 5; a stored width outside them shows the nearest.
  Check1->setChecked(m_axes.Show);
  Combo1->clear();
  for (int w = 1; w <= 5; ++w)
    Combo1->addItem(QString::number(w));
  Combo1->setCurrentIndex(std::clamp<int32_t>(m_axes.AxisWidth, 1, 5) - 1);

  // 5, 6. Colours and check boxes.
  Picture1->SetColor(m_axes.AxisColor);
  Check2->setChecked(m_axes.ShowprimaryGrid);
  Check3->setChecked(m_axes.ShowSecondaryGrid);
  Check4->setChecked(m_axes.ShowBackground);
  Check5->setChecked(m_axes.ShowSecondaryLabel);
  Check6->setChecked(m_axes.ShowPI);
  Check7->setChecked(m_axes.ShowShadow);
  Check8->setChecked(m_axes.BetterFonts);
  Check9->setChecked(ShowLegend);
  Picture2->SetColor(m_axes.PriGridColor);
  Picture3->SetColor(m_axes.SecGridColor);
  Picture4->SetColor(m_axes.BackColor);
  Picture5->SetColor(m_axes.BackColor2);
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
    Shape1->setVisible(false); // a style beyond the pictures has none to frame
    return;
  }
  Shape1->setGeometry(Image1[index]->geometry().adjusted(-1, -1, 1, 1));
  Shape1->setVisible(true);
  Shape1->raise();
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
    Image1[i]->setPixmap(QPixmap::fromImage(
        StyleSample(i + 1, Picture4->Color(), Picture5->Color(), kSampleW, kSampleH)));
}

bool AxisDialog2D::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (int i = 0; i < StyleCount; ++i)
      if (watched == Image1[i]) {
        Image1_Click(i);
        return true;
      }
  }
  return QDialog::eventFilter(watched, event);
}

void AxisDialog2D::Image1_Click(int index) {
  SelectedBackStyle = index + 1;
  FrameStyle(index);
}

void AxisDialog2D::EnableRatios(bool on) { m_scales.EnableRatios(on); }

void AxisDialog2D::Option1_Click() { EnableRatios(false); }
void AxisDialog2D::Option2_Click() { EnableRatios(false); }
void AxisDialog2D::Option3_Click() { EnableRatios(true); }

void AxisDialog2D::PickColour(ColorBox* box) {
  // Only the box takes the colour; a cancelled chooser keeps it as it was.
  AxisDialogCommon::PickColour(box);
}

void AxisDialog2D::Picture1_Click() { PickColour(Picture1); }
void AxisDialog2D::Picture2_Click() { PickColour(Picture2); }
void AxisDialog2D::Picture3_Click() { PickColour(Picture3); }
void AxisDialog2D::Picture4_Click() {
  PickColour(Picture4);
  DrawSamples();
}
void AxisDialog2D::Picture5_Click() {
  PickColour(Picture5);
  DrawSamples();
}

void AxisDialog2D::Command1_Click() {
  const bool custom = m_scales.custom->isChecked();
  std::vector<float> ratios;
  if (custom) {
    const auto typed = m_scales.ReadRatios(SSTab1, 2);
    if (!typed) return;
    ratios = *typed;
  }

  AxisChanged = true;
  m_scales.StoreMode();
  if (custom) {
    AxisRatioX = ratios[0];
    AxisRatioY = ratios[1];
  }
  m_axes.Show = Check1->isChecked();
  m_axes.AxisColor = Picture1->Color();
  m_axes.AxisWidth = vb::ToLongClamped(vb::Val(Combo1->currentText().toStdString()));
  m_axes.ShowprimaryGrid = Check2->isChecked();
  m_axes.ShowSecondaryGrid = Check3->isChecked();
  m_axes.ShowBackground = Check4->isChecked();
  m_axes.ShowSecondaryLabel = Check5->isChecked();
  m_axes.ShowPI = Check6->isChecked();
  m_axes.ShowShadow = Check7->isChecked();
  m_axes.BetterFonts = Check8->isChecked();
  ShowLegend = Check9->isChecked();
  if (SelectedBackStyle < 1) SelectedBackStyle = 2;
  m_axes.PriGridColor = Picture2->Color();
  m_axes.SecGridColor = Picture3->Color();
  m_axes.BackColor = Picture4->Color();
  m_axes.BackColor2 = Picture5->Color();
  m_axes.BackStyle = SelectedBackStyle;
  accept();
}

void AxisDialog2D::Command2_Click() { AxisDialogCommon::Cancel(*this); }
