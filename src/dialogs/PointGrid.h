#pragma once
// The point grid of the table dialogs (fgdGrid): a spreadsheet-like view of the points of a table.
// Column 0 ("Index") labels every point, the value columns ("X", "Y" and, for 3D tables, "Z")
// hold the texts the user types, pastes or imports; the grid keeps texts and never turns them into
// numbers. A 2D or 2.5D table is a list of n points labelled 0,0 .. 0,n-1; a 3D table is R rows of
// C points listed row by row and labelled i,j.
//
// The cells live in a model of our own (PointGridModel), one text per cell in one contiguous
// array, so a grid of 201 x 201 points scrolls and edits without delay. Cells are selected in
// rectangles; Cut, Copy, Paste and Delete work on the selection with the clipboard's plain text,
// columns separated by tabs and rows by line ends, as spreadsheets exchange them (pasted text
// without tabs may also separate its columns with blanks, commas or semicolons). A paste that
// runs past the last point of a list grows the list, up to 201 points.

#include <QAbstractTableModel>
#include <QTableView>

#include <cstdint>
#include <string>
#include <vector>

class QMenu;

class PointGridModel : public QAbstractTableModel {
  Q_OBJECT
public:
  // valueColumns: 2 (X, Y) or 3 (X, Y, Z).
  PointGridModel(int valueColumns, QObject* parent = nullptr);

  // Shapes the grid as rows x columns points (a list: rows = n, columns = 1). Cells of points
  // that remain keep their texts; new cells are empty. Counts are clamped to 0 .. 201.
  void SetShape(int32_t rows, int32_t columns);
  // Whether SetShape(rows, columns) would keep every cell that holds a text.
  bool ShapeKeepsEveryText(int32_t rows, int32_t columns) const;
  int32_t ShapeRows() const { return m_rows; }
  int32_t ShapeColumns() const { return m_columns; }
  int32_t Points() const { return m_rows * m_columns; }
  int ValueColumns() const { return m_valueColumns; }

  // The label of a point: "0,k" in a list of X, Y points, "i,j" in an array of X, Y, Z points.
  QString Label(int32_t point) const;
  // The text of a value cell; column 0 .. ValueColumns() - 1.
  const QString& Cell(int32_t point, int column) const;
  void SetCell(int32_t point, int column, const QString& text);
  // Every value cell, point by point (ValueColumns texts each), and all of them at once.
  std::vector<std::string> Cells() const;
  void SetCells(const std::vector<std::string>& cells);

  // QAbstractTableModel: column 0 is the index column, columns 1 .. the value columns.
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
  std::size_t Offset(int32_t point, int column) const;

  int m_valueColumns;
  int32_t m_rows = 0;
  int32_t m_columns = 1;
  std::vector<QString> m_cells;
};

class PointGrid : public QTableView {
  Q_OBJECT
public:
  PointGrid(int valueColumns, QWidget* parent = nullptr);

  PointGridModel& Model() { return *m_model; }
  const PointGridModel& Model() const { return *m_model; }

  // The operations of the Edit menu on the selected cells.
  void SelectionCut();
  void SelectionCopy();
  void SelectionPaste();
  void SelectionDelete();

  // The pop-up Edit menu (mnuEdit: "Cut", "Copy", "Paste", "Delete").
  QMenu* EditMenu() const { return m_menu; }

  // The selected value cells as a rectangle (first point, first value column, counts); false
  // when nothing is selected.
  struct Range {
    int32_t point = 0, column = 0, points = 0, columns = 0;
  };
  bool SelectedRange(Range& range) const;

signals:
  // A paste ran past the last point of a list, which grew to this many points.
  void listGrown(int32_t points);

protected:
  // Moving the cursor (Tab, arrows) never stops on the index column.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  PointGridModel* m_model;
  QMenu* m_menu;
};
