#pragma once
// The parts the graph property dialogs are assembled from. Each section makes its controls (named
// as the dialog's own controls, so tests and fills find them), lays them out and lets the dialog
// relabel, show and hide them; the values go in and out through field bindings
// (GraphDialogCommit.h), not through the sections.
//   ColorSwatch     a colour box that opens the colour chooser; a cancelled chooser keeps it
//   OptionGroup     option buttons standing for codes of one property
//   FormulaSection  one or two formula fields with their captions
//   DomainRow       min, max and (optionally) steps fields with captions: the domain row, the
//                   y pair and the t row
//   RibbonStyle     the "Color", "Material" and "Appearance" tabs of surfaces and ribbons
//   LabelledFields  any number of captions each left of its text field, one under the other or
//                   side by side in one row (a name, a point's coordinates, X, Y, Z of a plot)

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "dialogs/DialogFields.h"
#include "view/dialogs/ColorBox.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QBoxLayout;
class QLine;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

// Puts a name on a control and returns it.
template <class W> W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

class ColorSwatch : public ColorBox {
  Q_OBJECT
public:
  explicit ColorSwatch(QWidget* parent, const char* name, int32_t color);

  // Asks the colour chooser (not preset with the swatch's colour, as the dialogs always did);
  // a chosen colour is shown and announced, a cancelled choice changes nothing.
  void Choose();

signals:
  void colorChosen(int32_t color);
};

class OptionGroup : public QWidget {
  Q_OBJECT
public:
  // One option button per row of options, named names[i], each standing for options[i].code,
  // top to bottom or (Qt::Horizontal) left to right.
  OptionGroup(QWidget* parent, const char* title, std::span<const DialogFields::Option> options,
              std::span<const char* const> names, Qt::Orientation orientation = Qt::Vertical);
  int32_t Code() const; // 0 when none is selected
  // Selects the option of a code; false (selection unchanged) for a code it does not offer.
  bool SetCode(int32_t code);
  QRadioButton* Button(int32_t code) const;

signals:
  // The user clicked an option, also the one already selected.
  void picked(int32_t code);

private:
  QButtonGroup* m_group;
};

class FormulaSection {
public:
  // Two caption-and-field rows in grid from row `row` on.
  FormulaSection(QWidget* parent, QGridLayout* grid, int row, std::array<const char*, 2> labelNames,
                 std::array<const char*, 2> fieldNames);
  QLabel* label[2];
  QLineEdit* field[2];
  // Captions of the two rows; an empty second caption hides the second row.
  void Relabel(std::string_view first, std::string_view second);
  void ShowSecond(bool shown);
};

class DomainRow {
public:
  // One row of captions above fields in grid at `row` (captions) and row + 1 (fields): min, max
  // and, when names for them are given, steps.
  DomainRow(QWidget* parent, QGridLayout* grid, int row, std::array<const char*, 3> labelNames,
            std::array<const char*, 3> fieldNames, std::array<std::string_view, 3> captions,
            std::array<std::string_view, 3> texts);
  QLabel* label[3] = {nullptr, nullptr, nullptr};
  QLineEdit* field[3] = {nullptr, nullptr, nullptr};
  void Relabel(std::string_view min, std::string_view max, std::string_view steps = {});
  void SetVisible(bool shown);
  void SetStepsVisible(bool shown);
  void SetPairVisible(bool shown);
  bool Visible() const; // the min caption's own visibility flag
};

// Lines that join a column of option buttons to the swatches they use: a tick from each button to
// an upright, one line across, and ticks to each swatch. Drawn from where those widgets stand, so
// they follow the layout; a decoration without behaviour.
class OptionBracket : public QWidget {
public:
  OptionBracket(QWidget* parent, std::vector<QWidget*> options, std::vector<QWidget*> swatches);
  // The lines, in this widget's coordinates (for drawing and for tests).
  std::vector<QLine> Lines() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::vector<QWidget*> m_options, m_swatches;
};

// The three style tabs of ribbons and surfaces. Its controls are named for their role, the same
// in every dialog that holds them.
class RibbonStyle {
public:
  // The plain layout of ribbons and tables, or (surface) that of the 3D function dialog: the
  // first and second colour in a right-hand column bracketed to the three gradient options, and
  // the model and smoothness options left to right.
  enum class Layout { Plain, Surface };
  explicit RibbonStyle(QTabWidget* tabs, Layout layout = Layout::Plain);
  OptionGroup* fillStyle;
  QComboBox* colorScheme; // "schemeBox"
  ColorSwatch* single;    // "singleColorSwatch"
  ColorSwatch* first;     // "firstColorSwatch"
  ColorSwatch* second;    // "secondColorSwatch"
  QListWidget* material;  // "materialList"
  OptionGroup* show;
  OptionGroup* smooth;
  OptionBracket* bracket = nullptr; // the surface layout's lines
};

class LabelledFields {
public:
  // Captions left of their fields in grid from (row, 0) on: one pair per row, or (inRow) all
  // pairs side by side in row `row`.
  LabelledFields(QWidget* parent, QGridLayout* grid, int row,
                 std::span<const char* const> labelNames, std::span<const char* const> fieldNames,
                 std::span<const std::string_view> captions, bool inRow = false);
  std::vector<QLabel*> label;
  std::vector<QLineEdit*> field;
  void SetShown(size_t pair, bool shown);
};

// The OK ("okButton", the default button) and Cancel ("cancelButton") row at the right under a
// dialog's tabs, added to the dialog's outer layout.
void AddOkCancelRow(QWidget* dialog, QBoxLayout* outer, QPushButton*& ok, QPushButton*& cancel);

// Runs handler when the user picks an item of combo, also the item already chosen, and when a
// program sets another item, except while *refilling is true (the list is being rebuilt).
void ConnectComboClick(QComboBox* combo, QObject* context, const bool* refilling,
                       std::function<void()> handler);

// Rebuilds combo's list from items (empty ones left out) and chooses item `keep`, with *refilling
// true meanwhile so that the list's own handlers stay quiet.
void RefillChoices(QComboBox* combo, bool* refilling, std::span<const std::string_view> items,
                   int keep);

// Fills a combo box or list with items.
void AddItems(QComboBox* combo, std::span<const std::string_view> items);
void AddItems(QListWidget* list, std::span<const char* const> items);
