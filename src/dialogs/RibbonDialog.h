#pragma once
// The 2.5D function graph dialog ("2.5D Function Graph Properties"): the settings of the ribbons
// of 2.5D documents, still (Ribbon25D) or animated over t (Ribbon25DAnimation), in Cartesian or
// polar coordinates and in explicit or parametric form, with their colours, material and
// appearance. It is in animation mode exactly while its t row is shown. The add commands prepare it
// (PrepareAdd), the Edit command fills it from a graph (FillFrom); OK commits (GraphDialogCommit),
// Cancel changes nothing.

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
class QTabWidget;

class RibbonDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the lists, the starting texts and colour.
  explicit RibbonDialog(GraphCommandHost& host, QWidget* parent = nullptr);
  ~RibbonDialog() override;

  // The settings of an add command (caption, coordinate system, form list, t row, labels).
  void PrepareAdd(const AddDialogSetup& setup);
  // The Edit command's fill from the selected graph (Ribbon25D or Ribbon25DAnimation, Explicit or Parametric).
  void FillFrom(const std::shared_ptr<Graph>& graph);

  bool AnimationMode() const { return m_animation; }
  // Shows or hides the t row (minTLabel, maxTLabel, stepsTLabel, minT, maxT, stepsT).
  void SetAnimationMode(bool animated);

  // The fields that stand for graph properties in the current form and mode.
  std::vector<FieldBinding> Bindings() const;
  std::vector<OrderedPair> Pairs() const;

  // Handlers.
  void OnCoordinateChosen();
  void OnFormChosen();
  void OnOk();
  void OnCancel();

  QTabWidget* tabs;
  QLineEdit *nameField, *firstFormula, *secondFormula, *minU, *maxU, *stepsU, *minY, *maxY, *minT,
      *maxT, *stepsT;
  QCheckBox* clipCheck;
  QComboBox *coordinateList, *formList;
  std::unique_ptr<RibbonStyle> Style; // the scheme box, the swatches, the materials, the options
  QPushButton *okButton, *cancelButton;

private:
  int FormPosition() const;
  void FillForms(int mode, int coordinate);

  GraphCommandHost& m_host;
  std::shared_ptr<Graph> m_selected;
  std::unique_ptr<FormulaSection> m_formulas;
  std::unique_ptr<DomainRow> m_domain, m_yPair, m_tRow;
  DialogBindings m_bindings;
  bool m_animation = true;
  bool m_refilling = false;
};
