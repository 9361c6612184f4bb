#pragma once
// The step and stem plot dialog ("Special Function Graph Properties"; the add commands call it
// "Step Graph Properties" or "Stem Graph Properties"): an explicit function y(x) of a 2D document
// (StepStemPlot), its domain and steps, and two displays of its samples switched on and off
// independently: a step plot (colour, width) and a stem plot (the head's colour, size and symbol,
// the body's colour and width). The add commands set the caption, the Edit command fills it from
// a graph (FillFrom); OK commits (GraphDialogCommit), Cancel changes nothing.

#include <QDialog>

#include <memory>
#include <vector>

#include "dialogs/DialogSections.h"
#include "dialogs/GraphDialogCommit.h"

class GraphCommandHost;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

class StepStemDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the four lists and the starting texts and colours.
  explicit StepStemDialog(GraphCommandHost& host, QWidget* parent = nullptr);
  ~StepStemDialog() override;

  void FillFrom(const std::shared_ptr<Graph>& graph);

  std::vector<FieldBinding> Bindings() const;
  std::vector<OrderedPair> Pairs() const;

  void OnOk();
  void OnCancel();

  QTabWidget* tabs;
  QLineEdit *nameField, *formulaY, *minU, *maxU, *stepsU;
  QCheckBox *showStemCheck, *showStepCheck;
  ColorSwatch *stepColorSwatch, *headColorSwatch, *bodyColorSwatch;
  QComboBox *headSizeList, *stepWidthList, *headSymbolList, *bodyWidthList;
  QPushButton *okButton, *cancelButton;

private:
  GraphCommandHost& m_host;
  std::shared_ptr<Graph> m_selected;
  std::unique_ptr<LabelledFields> m_name, m_formula;
  std::unique_ptr<DomainRow> m_domain;
  DialogBindings m_bindings;
};
