#pragma once
// The "Axis Properties" dialog of 2D documents: shows or hides the axes, ticks in multiples of pi,
// the scale mode with its two ratios and the legend switch; the axis colour and width and the
// secondary ticks; the primary and secondary grid and their colours; the background with one of
// nineteen patterns, its two colours and the shadow; and the "Better Fonts" choice. Nothing is
// written before OK, which first checks the typed ratios.

#include <QDialog>
#include <QImage>

#include <array>
#include <cstdint>

#include "view/dialogs/AxisDialogCommon.h"

class AxesSettings;
class ColorBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;

class AxisDialog2D : public QDialog {
  Q_OBJECT
public:
  // Number of background patterns (BackStyle 1 to 19).
  static constexpr int StyleCount = 19;

  // Edits DocumentAxes, or the given axes object.
  explicit AxisDialog2D(QWidget* parent = nullptr);
  AxisDialog2D(AxesSettings& axes, QWidget* parent = nullptr);

  // Fills the controls from the settings (the constructor does it).
  void Form_Load();

  void Image1_Click(int index);
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Picture1_Click();
  void Picture2_Click();
  void Picture3_Click();
  void Picture4_Click();
  void Picture5_Click();
  // OK: checks the ratios (a refused one gets a message and the dialog stays open), then writes
  // every setting and closes with Accepted.
  void Command1_Click();
  // Cancel: AxisChanged False, closes with Rejected; no setting changes.
  void Command2_Click();

  // The background pattern picked so far (BackStyle at OK).
  int32_t SelectedBackStyle = 2;

  // A sample picture of a background pattern in two colours (blue * 65536 + green * 256 + red),
  // shaded as the scene shades it: colours blended linearly across each triangle.
  static QImage StyleSample(int32_t backStyle, int32_t color1, int32_t color2, int width,
                            int height);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Build();
  void EnableRatios(bool on);
  void FrameStyle(int index);
  void DrawSamples();
  void PickColour(ColorBox* box);

  AxesSettings& m_axes;

  QTabWidget* SSTab1 = nullptr;
  QCheckBox* Check1 = nullptr; // "Show Axis"
  QCheckBox* Check6 = nullptr; // "Use π To Label Ticks"
  // Frame1: Option1 .. Option3 ("Square", "Equal", "Custom"), Label7 "X:Y=", Text1, Label8, Text2
  AxisDialogCommon::ScaleControls m_scales;
  QCheckBox* Check9 = nullptr; // "Show Legend"
  QCheckBox* Check5 = nullptr; // "Show Secondary Ticks"
  ColorBox* Picture1 = nullptr;
  QComboBox* Combo1 = nullptr;
  QCheckBox* Check2 = nullptr; // "Show Primary Grid"
  ColorBox* Picture2 = nullptr;
  QCheckBox* Check3 = nullptr; // "Show Secondary Grid"
  ColorBox* Picture3 = nullptr;
  QCheckBox* Check4 = nullptr; // "Show Background"
  QWidget* m_styleFrame = nullptr;
  std::array<QLabel*, StyleCount> Image1{};
  QFrame* Shape1 = nullptr;
  ColorBox* Picture4 = nullptr;
  ColorBox* Picture5 = nullptr;
  QCheckBox* Check7 = nullptr; // "Show Shadow"
  QCheckBox* Check8 = nullptr; // "Better Fonts"
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};
