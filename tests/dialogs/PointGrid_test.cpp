// The point grid: its labels and headers, reshaping that keeps what remains, and the Edit menu's
// cut, copy, paste and delete of cell ranges through the clipboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/PointGrid.h"

namespace {

QString Shown(const PointGridModel& m, int row, int column) {
  return m.data(m.index(row, column), Qt::DisplayRole).toString();
}

void Select(PointGrid& grid, int point, int column, int lastPoint, int lastColumn) {
  PointGridModel& m = grid.Model();
  grid.setCurrentIndex(m.index(point, column + 1));
  grid.selectionModel()->select(
      QItemSelection(m.index(point, column + 1), m.index(lastPoint, lastColumn + 1)),
      QItemSelectionModel::ClearAndSelect);
}

} // namespace

TEST(PointGrid, LabelsHeadersAndShape) {
  PointGrid list(2);
  list.Model().SetShape(5, 1);
  const PointGridModel& m = list.Model();
  EXPECT_EQ(m.rowCount(), 5);
  EXPECT_EQ(m.columnCount(), 3);
  EXPECT_EQ(Shown(m, 4, 0), "0,4");
  EXPECT_EQ(m.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Index");
  EXPECT_EQ(m.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Y");
  EXPECT_FALSE(m.flags(m.index(0, 0)) & Qt::ItemIsEditable);
  EXPECT_TRUE(m.flags(m.index(0, 1)) & Qt::ItemIsEditable);

  PointGrid array(3);
  array.Model().SetShape(2, 3);
  const PointGridModel& a = array.Model();
  EXPECT_EQ(a.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Z");
  QStringList labels;
  for (int r = 0; r < a.rowCount(); ++r)
    labels << Shown(a, r, 0);
  EXPECT_EQ(labels.join(' '), "0,0 0,1 0,2 1,0 1,1 1,2");

  // Points that remain keep their texts, wherever their rows move to; typed text is trimmed.
  array.Model().setData(a.index(4, 1), " 2.5 ", Qt::EditRole); // point (1, 1)
  array.Model().SetShape(3, 2);
  EXPECT_EQ(Shown(a, 3, 0), "1,1");
  EXPECT_EQ(a.Cell(3, 0), "2.5");
  array.Model().SetShape(201, 201);
  EXPECT_EQ(a.rowCount(), 201 * 201);
  EXPECT_EQ(Shown(a, 201 * 201 - 1, 0), "200,200");
  EXPECT_EQ(a.Cell(202, 0), "2.5");
  array.Model().SetShape(500, -4); // counts beyond a table's are held to its limits
  EXPECT_EQ(a.ShapeRows(), 201);
  EXPECT_EQ(a.ShapeColumns(), 0);
}

TEST(PointGrid, CutCopyPasteAndDeleteOfRanges) {
  PointGrid grid(3);
  grid.Model().SetShape(2, 2);
  PointGridModel& m = grid.Model();
  m.SetCells({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
  QClipboard* clipboard = QApplication::clipboard();

  Select(grid, 1, 1, 2, 2); // Y and Z of points 1 and 2
  grid.SelectionCopy();
  EXPECT_EQ(clipboard->text(), "5\t6\n8\t9\n");
  Select(grid, 3, 0, 3, 0);
  grid.SelectionPaste(); // a block lands from the current cell on, clipped to the array
  EXPECT_EQ(m.Cell(3, 0), "5");
  EXPECT_EQ(m.Cell(3, 1), "6");
  EXPECT_EQ(m.Cell(3, 2), "12");

  Select(grid, 0, 0, 0, 2);
  grid.SelectionCut();
  EXPECT_EQ(clipboard->text(), "1\t2\t3\n");
  EXPECT_TRUE(m.Cell(0, 0).isEmpty() && m.Cell(0, 2).isEmpty());

  // One value pasted on a selection fills it; Delete empties the selection.
  clipboard->setText("0.5");
  Select(grid, 1, 0, 2, 1);
  grid.SelectionPaste();
  EXPECT_EQ(m.Cell(2, 1), "0.5");
  EXPECT_EQ(m.Cell(2, 2), "9");
  Select(grid, 2, 0, 2, 2);
  grid.SelectionDelete();
  EXPECT_TRUE(m.Cell(2, 0).isEmpty() && m.Cell(2, 2).isEmpty());
  EXPECT_EQ(m.Cell(1, 0), "0.5");

  // The Edit menu holds the four operations in order.
  QStringList items;
  for (QAction* action : grid.EditMenu()->actions())
    items << action->text();
  EXPECT_EQ(items.join(','), "Cut,Copy,Paste,Delete");
}

TEST(PointGrid, PastedTextGrowsAList) {
  PointGrid grid(2);
  grid.Model().SetShape(5, 1);
  QSignalSpy grown(&grid, &PointGrid::listGrown);
  // Text from an editor: blanks or commas between the values, Windows line ends.
  QString text;
  for (int k = 0; k < 20; ++k)
    text += QString("%1%2%3\r\n").arg(k).arg(k % 2 ? ", " : " ").arg(k * k);
  QApplication::clipboard()->setText(text);
  Select(grid, 0, 0, 0, 0);
  grid.SelectionPaste();
  const PointGridModel& m = grid.Model();
  EXPECT_EQ(m.Points(), 20);
  ASSERT_EQ(grown.count(), 1);
  EXPECT_EQ(grown.at(0).at(0).toInt(), 20);
  EXPECT_EQ(m.Cell(19, 0), "19");
  EXPECT_EQ(m.Cell(19, 1), "361");
  EXPECT_EQ(m.Cell(7, 1), "49");

  // Never beyond the 201 points of a table.
  QString many;
  for (int k = 0; k < 300; ++k)
    many += QString("%1\t%2\n").arg(k).arg(-k);
  QApplication::clipboard()->setText(many);
  Select(grid, 10, 0, 10, 0);
  grid.SelectionPaste();
  EXPECT_EQ(m.Points(), 201);
  EXPECT_EQ(m.Cell(200, 1), "-190");
}

TEST(PointGrid, TabRunsThroughTheValuesOnly) {
  PointGrid grid(2);
  grid.Model().SetShape(3, 1);
  grid.setCurrentIndex(grid.Model().index(0, 2)); // Y of point 0,0
  QTest::keyClick(&grid, Qt::Key_Tab);
  EXPECT_EQ(grid.currentIndex(), grid.Model().index(1, 1));
  QTest::keyClick(&grid, Qt::Key_Backtab);
  EXPECT_EQ(grid.currentIndex(), grid.Model().index(0, 2));
  QTest::keyClick(&grid, Qt::Key_Left);
  QTest::keyClick(&grid, Qt::Key_Left);
  EXPECT_EQ(grid.currentIndex(), grid.Model().index(0, 1));
}
