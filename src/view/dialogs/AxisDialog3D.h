#pragma once
// The "Axis Properties" dialog of 2.5D, 3D, 4D and Special documents: shows or hides the axes,
// chooses the panel or line style, the scale mode with its ratios and the legend switch, and
// edits the panels (colour, material), grids, interval counts and titles of the axes box. The
// " Show Axis" box and the colour boxes write at once; everything else is written at OK, after
// the typed ratios and interval counts have been checked.

#include <QDialog>

#include <array>

#include "view/dialogs/AxisDialogCommon.h"

class AxesSettings;
class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class AxisDialog3D : public QDialog {
  Q_OBJECT
public:
  // Edits DocumentAxes, or the given axes object.
  explicit AxisDialog3D(QWidget* parent = nullptr);
  AxisDialog3D(AxesSettings& axes, QWidget* parent = nullptr);

  // Fills the controls from the settings (the constructor does it).
  void Form_Load();

  void OnShowAxis();
  void OnShowXYPanel();
  void OnShowXZPanel();
  void OnShowYZPanel();
  void OnSquareChosen();
  void OnEqualChosen();
  void OnCustomChosen();
  void OnXYPanelColor();
  void OnXZPanelColor();
  void OnYZPanelColor();
  void OnXYGridColor();
  void OnXZGridColor();
  void OnYZGridColor();
  // OK: checks the typed values (a refused one gets a message and the dialog stays open), then
  // writes the settings and closes with Accepted.
  void OnOk();
  // Cancel: AxisChanged False, closes with Rejected.
  void OnCancel();

  void ApplyPanels();
  void ApplyGrids();
  void ApplyIntervals();
  void ApplyTitles();

private:
  void Build();
  void EnableRatios(bool on);
  void EnablePanel(int panel, bool on);
  void PickColour(ColorBox* box, int32_t& setting);
  bool RibbonDocument() const;

  AxesSettings& m_axes;

  QTabWidget* tabs = nullptr;
  // General
  QCheckBox* showAxisCheck = nullptr; // " Show Axis"
  QGroupBox* m_styleFrame = nullptr;
  QRadioButton* panelStyleOption = nullptr; // "Panel Style"
  QRadioButton* lineStyleOption = nullptr;  // "Line Style"
  // scalesFrame: squareOption, equalOption, customOption ("Square", "Equal", "Custom"),
  // scaleRatioLabel "X:Y:Z=", scaleRatioX, scaleRatioYColon ":", scaleRatioY, scaleRatioZColon,
  // scaleRatioZ (the boxes in the user's order of the axes)
  AxisDialogCommon::ScaleControls m_scales;
  QCheckBox* showLegendCheck = nullptr; // "Show Legend"
  // Panel: XY, XZ, YZ (showXYPanelCheck, xyPanelColorLabel, xyPanelColorSwatch,
  // xyPanelMaterialLabel, xyPanelMaterialBox; likewise xz..., yz...)
  std::array<QCheckBox*, 3> m_panelShow{};
  std::array<QLabel*, 3> m_panelColorLabel{};
  std::array<ColorBox*, 3> m_panelColor{};
  std::array<QLabel*, 3> m_panelMaterialLabel{};
  std::array<QComboBox*, 3> m_panelMaterial{};
  // Grid: xyGridXCheck, xyGridYCheck, xzGridXCheck, xzGridZCheck, yzGridYCheck, yzGridZCheck;
  // xyGridColorSwatch, xzGridColorSwatch, yzGridColorSwatch
  std::array<QCheckBox*, 6> m_grid{};
  std::array<ColorBox*, 3> m_gridColor{};
  // Label: intervalsX, intervalsY, intervalsZ; Title: titleXLabel, titleYLabel, titleZLabel,
  // titleX, titleY, titleZ
  std::array<QLineEdit*, 3> m_intervals{};
  std::array<QLabel*, 3> m_titleLabel{};
  std::array<QLineEdit*, 3> m_title{};
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;
};
