#include "dialogs/PointGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>
#include <QRegularExpression>

#include <algorithm>

#include "document/TableTextFile.h"

namespace {

constexpr const char* kValueHeaders[] = {"X", "Y", "Z"};

int32_t ClampCount(int32_t n) { return std::clamp(n, 0, TableText::MaxCount); }

// The clipboard text as rows of cells: tabs separate the cells of a spreadsheet's rows; text
// without tabs may separate them with blanks, commas or semicolons.
std::vector<QStringList> ClipboardRows(QString text) {
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  QStringList lines = text.split('\n');
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
    lines.removeLast();
  const bool tabbed = text.contains('\t');
  static const QRegularExpression separators("[\\s,;]+");
  std::vector<QStringList> rows;
  for (const QString& line : lines) {
    QStringList cells = tabbed ? line.split('\t') : line.trimmed().split(separators);
    for (QString& cell : cells)
      cell = cell.trimmed();
    rows.push_back(cells);
  }
  return rows;
}

} // namespace

// ---- the model ---------------------------------------------------------------------------------

PointGridModel::PointGridModel(int valueColumns, QObject* parent)
    : QAbstractTableModel(parent), m_valueColumns(valueColumns) {}

std::size_t PointGridModel::Offset(int32_t point, int column) const {
  return static_cast<std::size_t>(point) * static_cast<std::size_t>(m_valueColumns) +
         static_cast<std::size_t>(column);
}

void PointGridModel::SetShape(int32_t rows, int32_t columns) {
  rows = ClampCount(rows);
  columns = ClampCount(columns);
  if (rows == 0) columns = std::max(columns, 1);
  beginResetModel();
  std::vector<QString> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns) *
                             static_cast<std::size_t>(m_valueColumns));
  // A point that stays in the grid (same row and column of the array) keeps its texts.
  const int32_t keepRows = std::min(rows, m_rows);
  const int32_t keepColumns = std::min(columns, m_columns);
  for (int32_t i = 0; i < keepRows; ++i)
    for (int32_t j = 0; j < keepColumns; ++j)
      for (int k = 0; k < m_valueColumns; ++k)
        cells[(static_cast<std::size_t>(i) * static_cast<std::size_t>(columns) +
               static_cast<std::size_t>(j)) *
                  static_cast<std::size_t>(m_valueColumns) +
              static_cast<std::size_t>(k)] = std::move(m_cells[Offset(i * m_columns + j, k)]);
  m_cells.swap(cells);
  m_rows = rows;
  m_columns = columns;
  endResetModel();
}

bool PointGridModel::ShapeKeepsEveryText(int32_t rows, int32_t columns) const {
  rows = ClampCount(rows);
  columns = ClampCount(columns);
  if (rows == 0) columns = std::max(columns, 1);
  for (int32_t i = 0; i < m_rows; ++i)
    for (int32_t j = 0; j < m_columns; ++j) {
      if (i < rows && j < columns) continue;
      for (int k = 0; k < m_valueColumns; ++k)
        if (!m_cells[Offset(i * m_columns + j, k)].isEmpty()) return false;
    }
  return true;
}

QString PointGridModel::Label(int32_t point) const {
  // A list of points (X, Y) is row 0 of the table.
  if (m_valueColumns == 2) return "0," + QString::number(point);
  return QString::number(point / m_columns) + "," + QString::number(point % m_columns);
}

const QString& PointGridModel::Cell(int32_t point, int column) const {
  return m_cells.at(Offset(point, column));
}

void PointGridModel::SetCell(int32_t point, int column, const QString& text) {
  m_cells.at(Offset(point, column)) = text.trimmed();
  const QModelIndex at = index(point, column + 1);
  emit dataChanged(at, at);
}

std::vector<std::string> PointGridModel::Cells() const {
  std::vector<std::string> cells;
  cells.reserve(m_cells.size());
  for (const QString& cell : m_cells)
    cells.push_back(cell.toStdString());
  return cells;
}

void PointGridModel::SetCells(const std::vector<std::string>& cells) {
  beginResetModel();
  for (std::size_t k = 0; k < m_cells.size(); ++k)
    m_cells[k] = k < cells.size() ? QString::fromStdString(cells[k]) : QString();
  endResetModel();
}

int PointGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Points();
}

int PointGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_valueColumns + 1;
}

QVariant PointGridModel::data(const QModelIndex& at, int role) const {
  if (!at.isValid()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole)
    return at.column() == 0 ? Label(at.row()) : Cell(at.row(), at.column() - 1);
  if (role == Qt::BackgroundRole && at.column() == 0) return QApplication::palette().button();
  return {};
}

bool PointGridModel::setData(const QModelIndex& at, const QVariant& value, int role) {
  if (!at.isValid() || at.column() == 0 || role != Qt::EditRole) return false;
  SetCell(at.row(), at.column() - 1, value.toString());
  return true;
}

QVariant PointGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section == 0) return QStringLiteral("Index");
  if (section >= 1 && section <= m_valueColumns) return QString(kValueHeaders[section - 1]);
  return {};
}

Qt::ItemFlags PointGridModel::flags(const QModelIndex& at) const {
  if (!at.isValid()) return Qt::NoItemFlags;
  if (at.column() == 0) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

// ---- the view ----------------------------------------------------------------------------------

PointGrid::PointGrid(int valueColumns, QWidget* parent)
    : QTableView(parent), m_model(new PointGridModel(valueColumns, this)) {
  setObjectName("fgdGrid");
  setModel(m_model);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  verticalHeader()->hide();
  // Rows of one height need no measuring: long tables scroll at once.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  horizontalHeader()->resizeSection(0, fontMetrics().horizontalAdvance("200,200") + 16);
  setWordWrap(false);

  m_menu = new QMenu("Edit", this);
  m_menu->setObjectName("mnuEdit");
  auto item = [this](const char* name, const char* caption, void (PointGrid::*op)()) {
    QAction* action = m_menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, op);
  };
  item("mnuCut", "Cut", &PointGrid::SelectionCut);
  item("mnuCopy", "Copy", &PointGrid::SelectionCopy);
  item("mnuPaste", "Paste", &PointGrid::SelectionPaste);
  item("mnuDelete", "Delete", &PointGrid::SelectionDelete);
}

bool PointGrid::SelectedRange(Range& range) const {
  int32_t top = INT32_MAX, left = INT32_MAX, bottom = -1, right = -1;
  auto take = [&](const QModelIndex& at) {
    if (!at.isValid() || at.column() == 0) return;
    top = std::min(top, at.row()), bottom = std::max(bottom, at.row());
    left = std::min(left, at.column() - 1), right = std::max(right, at.column() - 1);
  };
  for (const QModelIndex& at : selectionModel()->selectedIndexes())
    take(at);
  if (bottom < 0) take(currentIndex());
  if (bottom < 0) return false;
  range = Range{top, left, bottom - top + 1, right - left + 1};
  return true;
}

void PointGrid::SelectionCopy() {
  Range r;
  if (!SelectedRange(r)) return;
  QStringList lines;
  for (int32_t p = r.point; p < r.point + r.points; ++p) {
    QStringList cells;
    for (int c = r.column; c < r.column + r.columns; ++c)
      cells << m_model->Cell(p, c);
    lines << cells.join('\t');
  }
  QApplication::clipboard()->setText(lines.join('\n') + '\n');
}

void PointGrid::SelectionDelete() {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  for (const QModelIndex& at : selected)
    if (at.column() > 0) m_model->SetCell(at.row(), at.column() - 1, QString());
  if (selected.isEmpty() && currentIndex().isValid() && currentIndex().column() > 0)
    m_model->SetCell(currentIndex().row(), currentIndex().column() - 1, QString());
}

void PointGrid::SelectionCut() {
  SelectionCopy();
  SelectionDelete();
}

void PointGrid::SelectionPaste() {
  const std::vector<QStringList> rows = ClipboardRows(QApplication::clipboard()->text());
  if (rows.empty()) return;
  Range r;
  if (!SelectedRange(r)) r = Range{0, 0, 1, 1};
  const int columns = m_model->ValueColumns();
  // One value pasted onto a selection fills every selected cell.
  if (rows.size() == 1 && rows[0].size() == 1) {
    for (const QModelIndex& at : selectionModel()->selectedIndexes())
      if (at.column() > 0) m_model->SetCell(at.row(), at.column() - 1, rows[0][0]);
    if (!selectionModel()->hasSelection()) m_model->SetCell(r.point, r.column, rows[0][0]);
    return;
  }
  // A list grows to take every pasted row (up to its limit); an array keeps its shape.
  const int32_t needed = r.point + static_cast<int32_t>(rows.size());
  if (m_model->ShapeColumns() == 1 && needed > m_model->Points()) {
    m_model->SetShape(std::min(needed, TableText::MaxCount), 1);
    emit listGrown(m_model->Points());
  }
  int32_t last = r.point;
  int lastColumn = r.column;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int32_t point = r.point + static_cast<int32_t>(i);
    if (point >= m_model->Points()) break;
    for (int k = 0; k < rows[i].size() && r.column + k < columns; ++k) {
      m_model->SetCell(point, r.column + k, rows[i][k]);
      lastColumn = std::max(lastColumn, r.column + k);
    }
    last = point;
  }
  // The pasted cells become the selection.
  selectionModel()->select(
      QItemSelection(m_model->index(r.point, r.column + 1), m_model->index(last, lastColumn + 1)),
      QItemSelectionModel::ClearAndSelect);
}

QModelIndex PointGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex from = currentIndex();
  QModelIndex to = QTableView::moveCursor(action, modifiers);
  if (!to.isValid() || to.column() != 0) return to;
  const int last = m_model->ValueColumns();
  // Tab from the last value of a point goes on to the first value of the next one; Shift+Tab back.
  if (action == MovePrevious && from.isValid() && from.row() > 0 && from.column() == 1)
    return m_model->index(from.row() - 1, last);
  if (action == MovePrevious || (action == MoveLeft && from.isValid()))
    return from.isValid() ? from : m_model->index(to.row(), 1);
  return m_model->index(to.row(), 1);
}

void PointGrid::keyPressEvent(QKeyEvent* event) {
  if (state() != QAbstractItemView::EditingState) {
    if (event->matches(QKeySequence::Copy)) return SelectionCopy();
    if (event->matches(QKeySequence::Cut)) return SelectionCut();
    if (event->matches(QKeySequence::Paste)) return SelectionPaste();
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
      return SelectionDelete();
  }
  QTableView::keyPressEvent(event);
}

void PointGrid::contextMenuEvent(QContextMenuEvent* event) {
  m_menu->popup(event->globalPos());
  event->accept();
}
