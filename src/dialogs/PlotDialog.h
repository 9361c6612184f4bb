#pragma once
// What the contour plot ("Function Contour", ContourPlotDialog), colour map ("Function Color Map",
// ColorMapDialog) and vector plot ("Function Vector Plot", VectorPlotDialog) dialogs share: the
// "Function" tab with a name, the parametric surface X(u,v), Y(u,v), Z(u,v) and the domains and
// steps of u and v. Each dialog adds its own second tab and the bindings of its fields. The add
// commands show the dialog as it loads; the Edit command fills it from a graph (FillFrom); OK
// commits (GraphDialogCommit) the graph of the dialog's kind in Cartesian parametric form, Cancel
// changes nothing.

#include <QDialog>

#include <memory>
#include <string_view>
#include <vector>

#include "dialogs/DialogSections.h"
#include "dialogs/GraphDialogCommit.h"

class GraphCommandHost;
class QLineEdit;
class QPushButton;
class QTabWidget;

class PlotDialog : public QDialog {
  Q_OBJECT
public:
  // Form_Load: the "Function" tab with its starting texts; stepsOnLoad is what "Steps u" and
  // "Steps v" show.
  PlotDialog(GraphCommandHost& host, QWidget* parent, int32_t graphType,
             std::string_view stepsOnLoad);
  ~PlotDialog() override;

  // The Edit command's fill from the selected graph.
  void FillFrom(const std::shared_ptr<Graph>& graph);

  std::vector<FieldBinding> Bindings() const;
  std::vector<OrderedPair> Pairs() const;

  void OnOk();
  void OnCancel();

  QTabWidget* tabs;
  QLineEdit *nameField, *formulaX, *formulaY, *formulaZ, *minU, *maxU, *stepsU, *minV, *maxV,
      *stepsV;
  QPushButton *okButton, *cancelButton;

protected:
  // The fields of the dialog's own tab.
  virtual void AddStyleBindings(std::vector<FieldBinding>& fields) const = 0;
  // Sets what the fill of the own tab must set before the bindings are filled.
  virtual void PrepareFill(const Graph&) {}
  // False, after saying why, when values the fields give do not suit the dialog's kind.
  virtual bool Accepts(const PropertyWrites&) { return true; }
  // What a new graph of the dialog's kind takes besides its fields.
  virtual void AddStartingValues(PropertyWrites&) const {}

private:
  GraphCommandHost& m_host;
  const int32_t m_graphType;
  std::shared_ptr<Graph> m_selected;
  std::unique_ptr<LabelledFields> m_name, m_formulas;
  std::unique_ptr<DomainRow> m_u, m_v;
  DialogBindings m_bindings;
};
