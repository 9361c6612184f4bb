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

  void OnStyleChosen(int index);
  void OnSquareChosen();
  void OnEqualChosen();
  void OnCustomChosen();
  void OnAxisColor();
  void OnPrimaryGridColor();
  void OnSecondaryGridColor();
  void OnFirstColor();
  void OnSecondColor();
  // OK: checks the ratios (a refused one gets a message and the dialog stays open), then writes
  // every setting and closes with Accepted.
  void OnOk();
  // Cancel: AxisChanged False, closes with Rejected; no setting changes.
  void OnCancel();

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

  QTabWidget* tabs = nullptr;
  QCheckBox* showAxisCheck = nullptr; // "Show Axis"
  QCheckBox* piTicksCheck = nullptr;  // "Use π To Label Ticks"
  // scalesFrame: squareOption, equalOption, customOption ("Square", "Equal", "Custom"),
  // scaleRatioLabel "X:Y=", scaleRatioX, scaleRatioYColon ":", scaleRatioY
  AxisDialogCommon::ScaleControls m_scales;
  QCheckBox* showLegendCheck = nullptr;         // "Show Legend"
  QCheckBox* showSecondaryTicksCheck = nullptr; // "Show Secondary Ticks"
  ColorBox* axisColorSwatch = nullptr;          // "Color"
  QComboBox* axisWidthBox = nullptr;            // "Width"
  QCheckBox* showPrimaryGridCheck = nullptr;    // "Show Primary Grid"
  ColorBox* primaryGridColorSwatch = nullptr;   // its "Color"
  QCheckBox* showSecondaryGridCheck = nullptr;  // "Show Secondary Grid"
  ColorBox* secondaryGridColorSwatch = nullptr; // its "Color"
  QCheckBox* showBackgroundCheck = nullptr;     // "Show Background"
  QWidget* m_styleFrame = nullptr;
  std::array<QLabel*, StyleCount> stylePictures{}; // the pattern samples, BackStyle 1 to 19
  QFrame* selectedStyleFrame = nullptr;            // the rectangle round the chosen sample
  ColorBox* firstColorSwatch = nullptr;            // "1st Color/ Single Color"
  ColorBox* secondColorSwatch = nullptr;           // "2nd Color"
  QCheckBox* showShadowCheck = nullptr;            // "Show Shadow"
  QCheckBox* betterFontsCheck = nullptr;           // "Better Fonts"
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;
};
