#pragma once
// The 4D function graph dialog ("4D Function Graph Properties"): a function v of x, y and z, still
// (Function4D) or animated over t (Function4DAnimation), its domains and step counts, its colour
// map, the slices through its sample grid at chosen x, y and z values (each with a colour map,
// contours and arrows) and the values of its isosurfaces. It is in animation mode exactly while
// its t row is shown. The add commands prepare it (PrepareAdd), the Edit command fills it from a
// graph (FillFrom); OK commits (GraphDialogCommit), Cancel changes nothing.
//
// Each slice is one row of its tab's list, a SliceItemText: the plane's value, the first and last
// grid row along the tab's two in-plane axes (rows counted from 1), the colour-map flag, the
// contour flag (followed by the contour step and colour when set) and the arrow flag (followed by
// the arrow colour when set).

#include <QDialog>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/AddGraphCommands.h"
#include "dialogs/DialogSections.h"
#include "dialogs/GraphDialogCommit.h"

class GraphCommandHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// One slice of a 4D graph.
struct SliceItem {
  float value = 0.0f;
  int32_t firstFrom = 1, firstTo = 1, secondFrom = 1, secondTo = 1;
  bool color = false, contour = false, vector = false;
  float levels = 0.0f;
  int32_t contourColor = 0, vectorColor = 0;
};
// The row text of a slice. Rows the Edit fill writes end every token with a blank; rows the
// "Add" buttons write separate the tokens by blanks.
std::string SliceItemText(const SliceItem& item, bool filled);
// The texts a slice's numbers were typed as (empty: the text of the value), which an added row
// keeps in place of the values' texts.
struct SliceItemTyped {
  std::string value;
  std::array<std::string, 4> rows;
  std::string levels;
};
std::string SliceItemText(const SliceItem& item, bool filled, const SliceItemTyped& typed);
// A row read back; nothing (why in *message) when it is not a slice row.
std::optional<SliceItem> ParseSliceItemText(const std::string& text, std::string* message);

class Graph4DDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the lists and the starting texts.
  explicit Graph4DDialog(GraphCommandHost& host, QWidget* parent = nullptr);
  ~Graph4DDialog() override;

  // The settings of an add command (caption, function label, form, t row).
  void PrepareAdd(const AddDialogSetup& setup);
  // The Edit command's fill from the selected graph (Function4D or Function4DAnimation).
  void FillFrom(const std::shared_ptr<Graph>& graph);

  bool AnimationMode() const;
  void SetAnimationMode(bool animated);

  std::vector<FieldBinding> Bindings() const;
  std::vector<OrderedPair> Pairs() const;

  // The editors of one slice tab ("YZ Slices", "ZX Slices", "XY Slices": the slices at x, y and z).
  struct SliceTab {
    QLineEdit* value;
    std::array<QLineEdit*, 4> rows; // first range from, to; second range from, to
    QCheckBox *colorMap, *contour;
    QLineEdit* step;
    ColorSwatch* swatch;
    QListWidget* list;
    QPushButton *add, *remove, *reset;
  };
  // Handlers of the slice tabs (axis 0 x, 1 y, 2 z) and of "Isosurfaces".
  void SliceAdd(int axis);
  void SliceDelete(int axis);
  void SliceReset(int axis);
  void OnAddIsoValue();
  void OnDeleteIsoValue();
  void OnResetIsoValues();
  void OnOk();
  void OnCancel();

  QTabWidget* tabs;
  QPlainTextEdit* formula; // the function
  QLineEdit *nameField, *minX, *maxX, *stepsX, *minY, *maxY, *stepsY, *minZ, *maxZ, *stepsZ, *minT,
      *maxT, *stepsT, *isoValue;
  QLabel* formulaLabel;
  QComboBox *schemeBox, *formList, *coordinateList;
  std::array<SliceTab, 3> Slices;
  QListWidget* isoList;
  QPushButton *okButton, *cancelButton, *isoAddButton, *isoDeleteButton, *isoResetButton;

private:
  std::vector<std::string> Rows(const QListWidget* list) const;
  // The grid rows along an axis (0 x, 1 y, 2 z) that the fields give, or nothing.
  std::optional<int32_t> GridRows(int axis) const;
  bool CheckSliceRanges(int axis, const SliceItem& item, int32_t firstRows, int32_t secondRows);

  GraphCommandHost& m_host;
  std::shared_ptr<Graph> m_selected;
  std::unique_ptr<DomainRow> m_x, m_y, m_z, m_tRow;
  DialogBindings m_bindings;
  std::array<std::vector<std::string>, 4> m_filledRows; // the three slice lists and the iso values
  QString m_shownFrames; // what "Steps t" showed when the dialog opened
};
