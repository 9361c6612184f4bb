#pragma once
// The data page the three table dialogs share: the name, the count boxes (the number of points,
// or the rows and columns of a 3D table), the point grid and its buttons "Reset" (shape the grid
// from the counts), "Import..." and "Output..." (read and write a table text file), and the
// reading of the grid into the points of a graph when the dialog commits.
//
// Counts are read as the count boxes always were (the leading number, rounded half to even) and
// must lie in 0 .. 201; a grid is written to a file or committed only when every cell is a number
// (files may also carry empty cells). Each refusal says which box or which cell, and changes
// nothing.

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/TableTextFile.h"

class Graph;
class PointGrid;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

class TableDataPage : public QObject {
  Q_OBJECT
public:
  // Makes the page's controls in `page` (nameField, rowCount, columnCount for 3D, fgdGrid,
  // resetButton, importButton, outputButton) with the starting texts, shapes the grid and runs
  // Reset.
  TableDataPage(QWidget* page, TableText::Kind kind);

  TableText::Kind Kind() const { return m_kind; }
  bool Is3D() const { return m_kind == TableText::Kind::Table3D; }

  QLineEdit* nameField;   // "Name"
  QLineEdit* rowCount;    // "Number of Points" or "Rows"
  QLineEdit* columnCount; // "Columns" (3D only; null otherwise)
  PointGrid* fgdGrid;
  QPushButton *resetButton, *importButton, *outputButton; // "Reset", "Import...", "Output..."

  // Reset: shapes the grid from the count boxes and labels its points; false (grid unchanged)
  // after a message when a count is outside 0 .. 201.
  bool OnReset();
  // Import: reads a table text file of this kind chosen by the user into the boxes and the grid.
  void OnImport();
  // Output: writes the grid to a table text file chosen by the user.
  void OnOutput();

  // Fills the name, the counts and the grid from a table graph (row 0 for 2D and 2.5D tables; X,
  // Y, Z of a 3D table from each point's z, x, y), values as single-precision texts.
  void FillFrom(const Graph& graph);

  // The points of the grid for the commit: the counts (rows, columns) and the values point by
  // point, or nothing after a message when a count is below `least` or above 201, would drop
  // typed cells, or a cell is no number.
  struct Points {
    int32_t rows = 0, columns = 1;
    std::vector<float> values;
  };
  std::optional<Points> Read(int32_t least);
  // Writes read points into a table graph: StepV (and for 3D StepU) and the point values; the
  // depth of a 2D or 2.5D point is kept.
  static void WriteInto(const Points& points, TableText::Kind kind, Graph& graph);

private:
  // The counts of the boxes, checked against least .. 201; nothing after a message.
  std::optional<std::pair<int32_t, int32_t>> Counts(int32_t least);
  // Shapes the grid to the counts of the boxes unless it has that shape already; false after a
  // message (ending with notDone) when a count is out of range or would drop typed cells.
  bool ShapeFromBoxes(int32_t least, const std::string& notDone);
  void Refuse(QWidget* control, const std::string& message);
  void RefuseCell(int32_t point, int column, const std::string& why);

  TableText::Kind m_kind;
};
