#pragma once
// What the point dialog ("Point Properties", PointPropertiesDialog) and the point animation dialog
// ("Point Animation", PointAnimationDialog) share: a name, a coordinate system, two or three
// coordinate formulas (of t for the animation, with its t domain), and the point's colour, size and
// hollow or solid style. Points of 2D and 2.5D documents have two coordinates (x and y, or a and r:
// ExpressY and ExpressZ); points of the other documents three (ExpressX, ExpressY, ExpressZ) in
// Cartesian, cylindrical or spherical coordinates. The add commands prepare the dialog
// (PrepareAdd), the Edit command fills it from a graph (FillFrom); OK commits (GraphDialogCommit),
// Cancel changes nothing.

#include <QDialog>

#include <memory>
#include <vector>

#include "dialogs/DialogSections.h"
#include "dialogs/GraphDialogCommit.h"

class GraphCommandHost;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

class PointDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the lists and the starting texts; animated makes the point animation dialog.
  PointDialog(GraphCommandHost& host, QWidget* parent, bool animated);
  ~PointDialog() override;

  // The add commands' preparation for the open document's kind: the coordinate list and its
  // first item, the rows and the style shown, the colour, the frame count.
  void PrepareAdd();
  // The Edit command's fill from the selected point.
  void FillFrom(const std::shared_ptr<Graph>& graph);

  // The fields that stand for graph properties as the dialog is set up.
  std::vector<FieldBinding> Bindings() const;
  std::vector<OrderedPair> Pairs() const;

  // Handlers.
  void OnCoordinateChosen();
  void OnOk();
  void OnCancel();

  QTabWidget* tabs;
  QLineEdit *nameField, *firstCoordinate, *secondCoordinate, *thirdCoordinate;
  QLineEdit *minT = nullptr, *maxT = nullptr, *stepsT = nullptr; // the t domain (animation)
  QComboBox *coordinateList, *sizeList;
  ColorSwatch* colorSwatch;
  OptionGroup* hollowOrSolid; // "Hollow Or Solid"
  QPushButton *okButton, *cancelButton;

private:
  // Sets the coordinate list and the rows for the document kind.
  void SetUpFor(int32_t documentType);
  int32_t FirstCoordType() const { return m_space ? 3 : 1; }

  GraphCommandHost& m_host;
  const bool m_animated;
  bool m_space = false; // three coordinates
  std::shared_ptr<Graph> m_selected;
  std::unique_ptr<LabelledFields> m_name, m_coordinates;
  std::unique_ptr<DomainRow> m_tRow;
  DialogBindings m_bindings;
};
