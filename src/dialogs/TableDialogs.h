#pragma once
// The table graph dialogs: "2D Table Graph Properties" (Table2DDialog, Table2D graphs of 2D
// documents), "2.5D Table Graph Properties" (Table25DDialog, Table25D ribbons of 2.5D documents)
// and "3D Table Graph Properties" (Table3DDialog, Table3D surfaces of 3D documents). Each has a
// data page with the name, the counts and the point grid (TableDataPage) and pages of drawing
// style: the 2D dialog styles a line plot, a scatter plot and a smooth curve through the points,
// the others the colours, material and appearance of the ribbon or surface. The add commands show
// them as loaded; the Edit command fills them from a graph first (FillFrom). OK commits
// (GraphDialogCommit) with the points of the grid, which must all be numbers; Cancel changes
// nothing.

#include <QDialog>

#include <memory>
#include <vector>

#include "dialogs/DialogSections.h"
#include "dialogs/GraphDialogCommit.h"
#include "dialogs/TableDataPage.h"

class GraphCommandHost;
class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;

// What the three dialogs share: the tabs with the data page, the OK and Cancel buttons and the
// commit.
class TableDialog : public QDialog {
  Q_OBJECT
public:
  TableDialog(GraphCommandHost& host, QWidget* parent, const char* name, const char* caption,
              TableText::Kind kind, const char* dataTab);
  ~TableDialog() override;

  QTabWidget* tabs;
  std::unique_ptr<TableDataPage> Data;
  QPushButton *okButton, *cancelButton;

  // The Edit command's fill from the selected graph.
  void FillFrom(const std::shared_ptr<Graph>& graph);

  // The fields of the style pages (the name included) that stand for graph properties.
  virtual std::vector<FieldBinding> Bindings() const = 0;

  void OnOk();
  void OnCancel();

protected:
  // Adds the OK and Cancel buttons below the tabs; the subclasses call it once their pages exist.
  void AddButtons();
  virtual int32_t GraphTypeOfDialog() const = 0;
  // The fewest points along each count the kind can draw.
  virtual int32_t LeastCount() const = 0;
  virtual void AfterFill() {}

  GraphCommandHost& m_host;
  std::shared_ptr<Graph> m_selected;
  DialogBindings m_bindings;
};

class Table2DDialog : public TableDialog {
  Q_OBJECT
public:
  explicit Table2DDialog(GraphCommandHost& host, QWidget* parent = nullptr);

  QCheckBox *showLineCheck, *showScatterCheck, *showSmoothCurveCheck;
  ColorSwatch *lineColorSwatch, *scatterColorSwatch, *smoothCurveColorSwatch;
  QComboBox *lineWidthList, *scatterSizeList, *smoothCurveWidthList, *scatterSymbolList;

  std::vector<FieldBinding> Bindings() const override;

protected:
  int32_t GraphTypeOfDialog() const override;
  int32_t LeastCount() const override { return 1; }
  void AfterFill() override;
};

// The 2.5D and 3D dialogs, alike but for the data page.
class TableStyleDialog : public TableDialog {
  Q_OBJECT
public:
  TableStyleDialog(GraphCommandHost& host, QWidget* parent, const char* name, const char* caption,
                   TableText::Kind kind, const char* dataTab);
  std::unique_ptr<RibbonStyle> Style; // the "Color", "Material" and "Appearance" tabs

  std::vector<FieldBinding> Bindings() const override;

protected:
  int32_t LeastCount() const override { return 2; }
  void AfterFill() override;
};

class Table25DDialog : public TableStyleDialog {
  Q_OBJECT
public:
  explicit Table25DDialog(GraphCommandHost& host, QWidget* parent = nullptr);

protected:
  int32_t GraphTypeOfDialog() const override;
};

class Table3DDialog : public TableStyleDialog {
  Q_OBJECT
public:
  explicit Table3DDialog(GraphCommandHost& host, QWidget* parent = nullptr);

protected:
  int32_t GraphTypeOfDialog() const override;
};
