#pragma once
// The 3D function graph dialog ("3D Function Graph Properties"): the settings of the function
// graphs of 3D documents, curves and surfaces, still (Curve3D, Surface3D) or animated over t
// (Curve3DAnimation, Surface3DAnimation), in Cartesian, cylindrical or spherical coordinates and
// in explicit, parametric or (surfaces) implicit form, with their colours, material, appearance,
// overlays, texture and transparency. It is in animation mode exactly while its t row is shown.
// The add commands prepare it (PrepareAdd), the Edit command fills it from a graph (FillFrom);
// OK commits (GraphDialogCommit), Cancel changes nothing.

#include <QDialog>

#include <memory>
#include <vector>

#include "commands/AddGraphCommands.h"
#include "dialogs/DialogSections.h"
#include "dialogs/GraphDialogCommit.h"

class GraphCommandHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

class Graph3DDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the lists, the starting texts, colours and options.
  explicit Graph3DDialog(GraphCommandHost& host, QWidget* parent = nullptr);
  ~Graph3DDialog() override;

  // The settings of an add command (caption, coordinate system, kind list, t row).
  void PrepareAdd(const AddDialogSetup& setup);
  // The Edit command's fill from the selected graph (Curve3D, Surface3D, Curve3DAnimation or
  // Surface3DAnimation).
  void FillFrom(const std::shared_ptr<Graph>& graph);

  bool AnimationMode() const;
  // Shows or hides the t row (minTLabel .. stepsTLabel, minT .. stepsT).
  void SetAnimationMode(bool animated);

  // The fields that stand for graph properties in the current kind, form and mode.
  std::vector<FieldBinding> Bindings() const;
  std::vector<OrderedPair> Pairs() const;

  // Handlers.
  void OnCoordinateChosen();
  void OnKindChosen();
  void OnFormChosen();
  void OnOk();
  void OnCancel();
  void OnBrowseTexture();

  QTabWidget* tabs;
  QLineEdit *nameField, *firstFormula, *secondFormula, *thirdFormula, *minU, *maxU, *stepsU, *minV,
      *maxV, *stepsV, *minT, *maxT, *stepsT, *minZ, *maxZ, *stepsZ, *textureFile;
  QLabel *firstFormulaLabel, *secondFormulaLabel, *thirdFormulaLabel;
  QComboBox *coordinateList, *kindList, *formList;
  QCheckBox *colormapCheck, *contourCheck, *vectorCheck, *clipCheck, *textureCheck,
      *transparentCheck;
  std::unique_ptr<RibbonStyle> Style; // the scheme box, the swatches, the materials, the options
  OptionGroup* TextureMode;           // overlapOption, blendOption
  QSlider* transparencySlider;
  QPushButton *okButton, *cancelButton, *textureBrowseButton;

private:
  void OverlayRule();
  bool Implicit() const;

  GraphCommandHost& m_host;
  std::shared_ptr<Graph> m_selected;
  std::unique_ptr<FormulaSection> m_formulas;
  std::unique_ptr<DomainRow> m_row1, m_row2, m_row3, m_tRow;
  DialogBindings m_bindings;
  int m_filledSlider = -1;
  bool m_formUnlisted = false; // the edited graph's form is not in the list for its kind
  bool m_refilling = false;
};
