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

  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Option3_Click();
  void Option4_Click();
  void Option5_Click();
  void Picture1_Click();
  void Picture2_Click();
  void Picture3_Click();
  void Picture5_Click();
  void Picture7_Click();
  void Picture9_Click();
  // OK: checks the typed values (a refused one gets a message and the dialog stays open), then
  // writes the settings and closes with Accepted.
  void Command1_Click();
  // Cancel: AxisChanged False, closes with Rejected.
  void Command2_Click();

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

  QTabWidget* SSTab1 = nullptr;
  // General
  QCheckBox* Check1 = nullptr; // " Show Axis"
  QGroupBox* m_styleFrame = nullptr;
  QRadioButton* Option1 = nullptr; // "Panel Style"
  QRadioButton* Option2 = nullptr; // "Line Style"
  // Frame2: Option3 .. Option5 ("Square", "Equal", "Custom"), Label1 "X:Y:Z=", Text7, Label16,
  // Text8, Label17, Text9
  AxisDialogCommon::ScaleControls m_scales;
  QCheckBox* Check11 = nullptr; // "Show Legend"
  // Panel: XY, XZ, YZ
  std::array<QCheckBox*, 3> m_panelShow{};       // Check2, Check3, Check4
  std::array<QLabel*, 3> m_panelColorLabel{};    // Label2, Label4, Label6
  std::array<ColorBox*, 3> m_panelColor{};       // Picture1, Picture2, Picture3
  std::array<QLabel*, 3> m_panelMaterialLabel{}; // Label3, Label5, Label7
  std::array<QComboBox*, 3> m_panelMaterial{};   // Combo1, Combo2, Combo3
  // Grid: Check5 .. Check10, Picture5, Picture7, Picture9
  std::array<QCheckBox*, 6> m_grid{};
  std::array<ColorBox*, 3> m_gridColor{};
  // Label: Text1 .. Text3; Title: Label12 .. Label14, Text4 .. Text6
  std::array<QLineEdit*, 3> m_intervals{};
  std::array<QLabel*, 3> m_titleLabel{};
  std::array<QLineEdit*, 3> m_title{};
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};
