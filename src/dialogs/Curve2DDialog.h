#pragma once
// The 2D function graph dialog ("2D Function Graph Properties"): the settings of the function
// curves of 2D documents, still (Curve2D) or animated over t (Curve2DAnimation), in Cartesian or
// polar coordinates and in explicit, parametric, implicit or inequality form. It is in animation
// mode exactly while its t row is shown. The add commands prepare it (PrepareAdd), the Edit
// command fills it from a graph (FillFrom); OK commits (GraphDialogCommit), Cancel changes
// nothing.

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

class Curve2DDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the lists, the starting texts and colour.
  explicit Curve2DDialog(GraphCommandHost& host, QWidget* parent = nullptr);
  ~Curve2DDialog() override;

  // The settings of an add command (caption, coordinate system, form list, t row, labels).
  void PrepareAdd(const AddDialogSetup& setup);
  // The Edit command's fill from the selected graph (Curve2D or Curve2DAnimation, any FunForm).
  void FillFrom(const std::shared_ptr<Graph>& graph);

  bool AnimationMode() const { return m_animation; }
  // Shows or hides the t row (minTLabel .. stepsTLabel, minT .. stepsT).
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
  QLineEdit *nameField, *firstFormula, *secondFormula, *domainMin, *domainMax, *domainSteps, *minT,
      *maxT, *stepsT, *minY, *maxY;
  QCheckBox *clipCheck, *showCurveCheck;
  QComboBox *coordinateList, *widthList, *formList;
  ColorSwatch* colorSwatch;
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
