#pragma once
// The parts both Axis Properties dialogs (AxisDialog2D and AxisDialog3D) are built from: the tab
// widget under the dialog's title, the "Scales" group with its three modes and typed ratios, the OK
// and Cancel row, the colour boxes' chooser and Cancel. Each dialog keeps its own controls and
// names; these helpers only make and read them the same way.

#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class ColorBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace AxisDialogCommon {

// Gives a control the name it is found by.
template <class W> W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// Names the dialog, gives it the "Axis Properties" title and makes its tab widget "tabs".
QTabWidget* Begin(QDialog& dialog, const char* name);

// Ends a tab page laid out on a grid: the given row and column (when not negative) take the spare
// room, and the page is added to the tabs under its caption.
void AddGridPage(QTabWidget* tabs, QWidget* page, QGridLayout* layout, const QString& caption,
                 int stretchRow, int stretchColumn = -1);

// The names and caption of a "Scales" group.
struct ScaleNames {
  const char* frame;                // the group box
  std::array<const char*, 3> modes; // "Square", "Equal", "Custom"
  const char* caption;              // the label before the ratio boxes
  const char* captionText;          // "X:Y=" or "X:Y:Z="
  std::vector<const char*> ratios;  // the ratio boxes, in the order shown
  std::vector<const char*> between; // the ":" labels before the second box onwards
};

// The "Scales" group: the three scale modes and the ratio boxes of "Custom".
struct ScaleControls {
  QGroupBox* frame = nullptr;
  QRadioButton* square = nullptr;
  QRadioButton* equal = nullptr;
  QRadioButton* custom = nullptr;
  QLabel* caption = nullptr;
  std::vector<QLineEdit*> ratios;
  std::vector<QLabel*> between;

  // Makes the group in parent: the three modes above one row with the caption and the boxes
  // (each starting at "1"), the ":" labels between them.
  static ScaleControls Build(QWidget* parent, const ScaleNames& names);

  // The ratio boxes and their labels can be edited (for "Custom" only).
  void EnableRatios(bool on) const;
  // Selects the mode of AxisScaleMode; true when that is the custom one.
  bool LoadMode() const;
  // AxisScaleMode from the selected mode (the ratios are the dialog's to store).
  void StoreMode() const;
  // The values typed in the first count ratio boxes. A refused one brings the first tab to the
  // front, takes the focus and gets the ratio message; then nothing is returned.
  std::optional<std::vector<float>> ReadRatios(QTabWidget* tabs, size_t count) const;
};

// The OK ("okButton", the default) and Cancel ("cancelButton") buttons at the right under the tabs.
std::pair<QPushButton*, QPushButton*> AddButtons(QDialog& dialog, QTabWidget* tabs);

// Offers the box's colour to the colour chooser; a chosen one goes into the box and is returned,
// a cancelled chooser leaves the box as it was.
std::optional<int32_t> PickColour(ColorBox* box);

// Cancel: AxisChanged False, the dialog closes with Rejected.
void Cancel(QDialog& dialog);

} // namespace AxisDialogCommon
