#include "dialogs/TableDataPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/DialogSections.h"
#include "dialogs/PointGrid.h"
#include "model/Graph.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"

using namespace TableText;

namespace {

const std::vector<FileFilter> kTableFilter{{"(*.txt)", "*.txt"}};
constexpr const char* kColumnNames[] = {"X", "Y", "Z"};

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

} // namespace

TableDataPage::TableDataPage(QWidget* page, TableText::Kind kind) : QObject(page), m_kind(kind) {
  auto* grid = new QGridLayout(page);
  auto* nameLabel = Named(new QLabel("Name", page), "nameLabel");
  nameField = Named(new QLineEdit("Untitled", page), "nameField");
  nameLabel->setBuddy(nameField);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(nameField, 0, 1, 1, 3);
  auto* countLabel = Named(new QLabel(Is3D() ? "Rows" : "Number of Points", page), "rowCountLabel");
  rowCount = Named(new QLineEdit("5", page), "rowCount");
  countLabel->setBuddy(rowCount);
  grid->addWidget(countLabel, 1, 0);
  grid->addWidget(rowCount, 1, 1);
  columnCount = nullptr;
  if (Is3D()) {
    auto* columnLabel = Named(new QLabel("Columns", page), "columnCountLabel");
    columnCount = Named(new QLineEdit("5", page), "columnCount");
    columnLabel->setBuddy(columnCount);
    grid->addWidget(columnLabel, 1, 2);
    grid->addWidget(columnCount, 1, 3);
  }
  fgdGrid = new PointGrid(ValueColumns(kind), page);
  grid->addWidget(fgdGrid, 2, 0, 1, 4);
  grid->setRowStretch(2, 1);
  auto* buttons = new QHBoxLayout;
  resetButton = Named(new QPushButton("Reset", page), "resetButton");
  outputButton = Named(new QPushButton("Output...", page), "outputButton");
  importButton = Named(new QPushButton("Import...", page), "importButton");
  for (QPushButton* button : {resetButton, outputButton, importButton}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  grid->addLayout(buttons, 3, 0, 1, 4);

  connect(resetButton, &QPushButton::clicked, this, [this] { OnReset(); });
  connect(importButton, &QPushButton::clicked, this, &TableDataPage::OnImport);
  connect(outputButton, &QPushButton::clicked, this, &TableDataPage::OnOutput);
  // A paste that grows the list shows its new length in the count box.
  connect(fgdGrid, &PointGrid::listGrown, this,
          [this](int32_t points) { rowCount->setText(QString::number(points)); });
  OnReset();
}

void TableDataPage::Refuse(QWidget* control, const std::string& message) {
  MsgBox(message, MsgButtons::OK, MsgIcon::Exclamation, "Error");
  if (control) {
    control->setFocus();
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->selectAll();
  }
}

void TableDataPage::RefuseCell(int32_t point, int column, const std::string& why) {
  const PointGridModel& model = fgdGrid->Model();
  Refuse(nullptr, "Row " + std::to_string(point + 1) + " (point " +
                      model.Label(point).toStdString() + "), column " + kColumnNames[column] +
                      ": " + why);
  fgdGrid->setFocus();
  const QModelIndex at = model.index(point, column + 1);
  fgdGrid->setCurrentIndex(at);
  fgdGrid->scrollTo(at);
}

std::optional<std::pair<int32_t, int32_t>> TableDataPage::Counts(int32_t least) {
  std::pair<int32_t, int32_t> counts{0, 1};
  for (QLineEdit* box : {rowCount, columnCount}) {
    if (!box) continue;
    const double value = CountValue(box->text().toStdString());
    if (value < least || value > MaxCount) {
      const std::string caption = box == columnCount ? "Columns"
                                  : Is3D()           ? "Rows"
                                                     : "Number of Points";
      Refuse(box, "\"" + caption + "\" must be a whole number from " + std::to_string(least) +
                      " to " + std::to_string(MaxCount) + ".");
      return std::nullopt;
    }
    (box == columnCount ? counts.second : counts.first) = static_cast<int32_t>(value);
  }
  return counts;
}

bool TableDataPage::OnReset() {
  const auto counts = Counts(0);
  if (!counts) return false;
  fgdGrid->Model().SetShape(counts->first, counts->second);
  return true;
}

bool TableDataPage::ShapeFromBoxes(int32_t least, const std::string& notDone) {
  const auto counts = Counts(least);
  if (!counts) return false;
  const PointGridModel& model = fgdGrid->Model();
  // The counts shape the grid, but never at the cost of a typed cell: a smaller count that would
  // drop some is refused and the grid stays as it is.
  if (!model.ShapeKeepsEveryText(counts->first, counts->second)) {
    Refuse(rowCount,
           "The grid holds typed values beyond the count given; they would be lost. Raise "
           "the count or delete those values first." +
               notDone);
    return false;
  }
  if (model.ShapeRows() != counts->first || model.ShapeColumns() != counts->second)
    fgdGrid->Model().SetShape(counts->first, counts->second);
  return true;
}

void TableDataPage::OnImport() {
  const std::optional<FileChoice> choice = TheFileChooser().OpenFile("Open", kTableFilter, 1, "");
  if (!choice || choice->path.empty()) return;
  std::string problem;
  const std::optional<std::string> bytes = ReadFile(choice->path, &problem);
  if (!bytes) {
    Refuse(nullptr, "The table file " + choice->path + " cannot be read: " + problem + ".");
    return;
  }
  const ReadOutcome read = Parse(*bytes, m_kind);
  // A file of another kind is passed over, as it always was.
  if (read.status == ReadOutcome::Status::OtherKind) return;
  if (read.status == ReadOutcome::Status::Refused) {
    Refuse(nullptr, read.message + " Nothing was imported.");
    return;
  }
  rowCount->setText(QString::number(read.table.rows));
  if (columnCount) columnCount->setText(QString::number(read.table.columns));
  fgdGrid->Model().SetShape(read.table.rows, read.table.columns);
  fgdGrid->Model().SetCells(read.table.cells);
}

void TableDataPage::OnOutput() {
  // A name typed without an extension gets ".txt", so that Import's "*.txt" shows the file.
  const std::optional<FileChoice> choice =
      ChooseFileToWrite("Output", kTableFilter, 1, "", {".txt"});
  if (!choice) return;
  if (!ShapeFromBoxes(0, " The table was not written.")) return;
  const PointGridModel& model = fgdGrid->Model();
  Table table;
  table.kind = m_kind;
  table.rows = model.ShapeRows();
  table.columns = Is3D() ? model.ShapeColumns() : 1;
  table.cells = model.Cells();
  // Cells are written as they stand; only one that holds a separator (a blank, tab or line break)
  // would not come back as the same cell: it would split and shift every later value.
  const int columns = ValueColumns(m_kind);
  for (std::size_t k = 0; k < table.cells.size(); ++k) {
    const std::string& cell = table.cells[k];
    if (CellWritable(cell)) continue;
    RefuseCell(static_cast<int32_t>(k / static_cast<std::size_t>(columns)),
               static_cast<int>(k % static_cast<std::size_t>(columns)),
               "\"" + cell +
                   "\" holds a blank, tab or line break, which would split it in the "
                   "file; the table was not written.");
    return;
  }
  std::string problem;
  if (!WriteFile(choice->path, Format(table), &problem))
    Refuse(nullptr, "The table could not be written to " + choice->path + ": " + problem + ".");
}

void TableDataPage::FillFrom(const Graph& g) {
  const int32_t rows = Is3D() ? g.StepU + 1 : g.StepV + 1;
  const int32_t columns = Is3D() ? g.StepV + 1 : 1;
  nameField->setText(FromStd(g.NameS));
  rowCount->setText(QString::number(rows));
  if (columnCount) columnCount->setText(QString::number(columns));
  PointGridModel& model = fgdGrid->Model();
  model.SetShape(rows, columns);
  const int valueColumns = ValueColumns(m_kind);
  std::vector<std::string> cells;
  cells.reserve(static_cast<std::size_t>(model.Points() * valueColumns));
  for (int32_t p = 0; p < model.Points(); ++p) {
    const int32_t u = p / model.ShapeColumns(), v = p % model.ShapeColumns();
    const GraphPoint& point = Is3D() ? g.VertTab3D.At(u, v) : g.VertTab3D.At(0, p);
    if (Is3D()) {
      for (float value : {point.z, point.x, point.y})
        cells.push_back(NumberText::FormatSingle(value));
    } else {
      cells.push_back(NumberText::FormatSingle(point.x));
      cells.push_back(NumberText::FormatSingle(point.y));
    }
  }
  model.SetCells(cells);
}

std::optional<TableDataPage::Points> TableDataPage::Read(int32_t least) {
  if (!ShapeFromBoxes(least, "")) return std::nullopt;
  const PointGridModel& model = fgdGrid->Model();
  Points points;
  points.rows = model.ShapeRows();
  points.columns = model.ShapeColumns();
  const int columns = ValueColumns(m_kind);
  points.values.reserve(static_cast<std::size_t>(model.Points() * columns));
  for (int32_t p = 0; p < model.Points(); ++p)
    for (int k = 0; k < columns; ++k) {
      const QString& cell = model.Cell(p, k);
      const std::optional<float> value = CellNumber(cell.toStdString());
      if (!value) {
        RefuseCell(p, k,
                   cell.isEmpty() ? "the cell is empty."
                                  : "\"" + cell.toStdString() + "\" is not a number.");
        return std::nullopt;
      }
      points.values.push_back(*value);
    }
  return points;
}

void TableDataPage::WriteInto(const Points& points, TableText::Kind kind, Graph& g) {
  const bool table3D = kind == TableText::Kind::Table3D;
  if (table3D) {
    g.StepU = points.rows - 1;
    g.StepV = points.columns - 1;
  } else {
    g.StepV = points.rows - 1;
    // A 2.5D ribbon is drawn between row 0 and the row behind it.
    if (kind == TableText::Kind::Table25D) g.StepU = 1;
  }
  const int columns = ValueColumns(kind);
  const int32_t count = points.rows * points.columns;
  for (int32_t p = 0; p < count; ++p) {
    const float* v = &points.values[static_cast<std::size_t>(p * columns)];
    if (table3D) {
      // The user's X, Y, Z are the point's z, x, y (the scene's vertical is y).
      GraphPoint& point = g.VertTab3D(p / points.columns, p % points.columns);
      point.z = v[0], point.x = v[1], point.y = v[2];
    } else {
      GraphPoint& point = g.VertTab3D(0, p);
      point.x = v[0], point.y = v[1];
    }
  }
}
