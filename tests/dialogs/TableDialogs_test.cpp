// The table graph dialogs driven as a user drives them: what a new table dialog shows, a table
// typed and committed through Draw > Table Graph, refused counts and cells, the Edit command's
// fill (counts, grid order, the user's X, Y, Z of a 3D table, lists and fill styles) and its
// commit in place, Cancel, and the Output and Import of table files through the dialogs.

#include "dialogs/DialogTestFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>

#include "dialogs/DialogSections.h"
#include "dialogs/EditGraphCommand.h"
#include "dialogs/PointGrid.h"
#include "dialogs/TableDialogs.h"
#include "document/DocumentText.h"
#include "model/GraphContainer.h"

namespace {

using TableDialogsTest = DialogTest;

PointGridModel& Grid(QDialog& d) { return d.findChild<PointGrid*>("fgdGrid")->Model(); }

// Types the cells of the grid point by point.
void Fill(QDialog& d, const std::vector<const char*>& cells) {
  PointGridModel& grid = Grid(d);
  const int columns = grid.ValueColumns();
  for (size_t k = 0; k < cells.size(); ++k)
    grid.setData(grid.index(static_cast<int>(k) / columns, static_cast<int>(k) % columns + 1),
                 QString(cells[k]), Qt::EditRole);
}

std::shared_ptr<Graph> ShownTable(CommandTestHost& host, int32_t type, int32_t rows,
                                  int32_t columns) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type;
  g->NameS = "my table";
  g->ID = ++GraphIdCounter;
  if (type == Table3D) {
    g->StepU = rows - 1, g->StepV = columns - 1;
  } else {
    g->StepU = 1, g->StepV = rows - 1;
  }
  for (int32_t i = 0; i < (type == Table3D ? rows : 1); ++i)
    for (int32_t j = 0; j <= g->StepV; ++j) {
      GraphPoint& p = g->VertTab3D(i, j);
      p.x = static_cast<float>(i * 10 + j), p.y = static_cast<float>(j) / 3.0f, p.z = -1.5f;
    }
  AllGraphs.FunSurfs.Add(g);
  ShownGraphs.FunSurfs.Add(g);
  host.rows.push_back({"row", true});
  host.current = static_cast<int32_t>(host.rows.size()) - 1;
  return g;
}

} // namespace

TEST_F(TableDialogsTest, ANewTwoDTableIsTypedAndAdded) {
  DocumentType = DocumentType2D;
  user = [&](QDialog& d) {
    PointGridModel& grid = Grid(d);
    EXPECT_EQ(grid.Points(), 5);
    EXPECT_EQ(grid.data(grid.index(4, 0), Qt::DisplayRole).toString(), "0,4");
    EXPECT_TRUE(grid.Cell(0, 0).isEmpty());
    EXPECT_EQ(Text(d, "nameField"), "Untitled");
    EXPECT_TRUE(Find<QCheckBox>(d, "showLineCheck")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(d, "showScatterCheck")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(d, "showSmoothCurveCheck")->isChecked());
    EXPECT_EQ(Find<QComboBox>(d, "scatterSizeList")->currentText(), "2");
    EXPECT_EQ(Find<QComboBox>(d, "scatterSymbolList")->currentText(), "SolidCircle");
    Type(d, "rowCount", "3");
    Click(d, "resetButton");
    Fill(d, {"1", "2", "3", "4", "5", "-6.5"});
    Type(d, "nameField", "heights");
    Click(d, "showSmoothCurveCheck");
    Click(d, "okButton");
  };
  Add("Add2DTableGraph");
  EXPECT_EQ(caption, "2D Table Graph Properties");
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(g.GraphType, Table2D);
  EXPECT_EQ(g.StepV, 2);
  EXPECT_TRUE(g.ShowSmoothCurve && g.Show2DLine && !g.Show2DScatter);
  EXPECT_EQ(g.ScatterSize, 2);
  EXPECT_EQ(g.VertTab3D.At(0, 2).x, 5.0f);
  EXPECT_EQ(g.VertTab3D.At(0, 2).y, -6.5f);
  ASSERT_EQ(host.rows.size(), 1u);
  EXPECT_EQ(host.rows[0].caption, "2D Table Graph  heights");
  EXPECT_TRUE(host.rows[0].checked);
  EXPECT_TRUE(host.sampled.empty()) << "tables are not sampled";
}

TEST_F(TableDialogsTest, CountsAndCellsThatAreRefused) {
  DocumentType = DocumentType2D;
  struct Row {
    const char* count;
    std::vector<const char*> cells;
    const char* message; // the start of the message
  } rows[] = {
      {"202", {}, "\"Number of Points\" must be a whole number from 1 to 201."},
      {"0", {}, "\"Number of Points\" must be a whole number from 1 to 201."},
      {"-3", {}, "\"Number of Points\" must be a whole number from 1 to 201."},
      {"2", {"1", "2", "3"}, "Row 2 (point 0,1), column Y: the cell is empty."},
      {"2", {"1", "2", "3", "4 5"}, "Row 2 (point 0,1), column Y: \"4 5\" is not a number."},
      {"2", {"1", "x", "3", "4"}, "Row 1 (point 0,0), column Y: \"x\" is not a number."},
  };
  for (const Row& row : rows) {
    dialogs.prompter.shown.clear();
    user = [&](QDialog& d) {
      Type(d, "rowCount", row.count);
      Fill(d, row.cells); // cells typed before the grid takes its new shape
      Click(d, "okButton");
      ASSERT_EQ(dialogs.prompter.shown.size(), 1u) << row.count;
      EXPECT_EQ(dialogs.prompter.shown[0].text, row.message);
      Click(d, "cancelButton");
    };
    Add("Add2DTableGraph");
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
    EXPECT_TRUE(host.rows.empty());
  }
  // Reset reads counts as the count boxes always did.
  user = [&](QDialog& d) {
    for (auto [text, points] : {std::pair{"2.5", 2}, {"3.5", 4}, {"abc", 0}, {"201", 201}}) {
      Type(d, "rowCount", text);
      Click(d, "resetButton");
      EXPECT_EQ(Grid(d).Points(), points) << text;
    }
    Click(d, "cancelButton");
  };
  Add("Add2DTableGraph");
}

TEST_F(TableDialogsTest, EditingAThreeDTableShowsItsArrayAndChangesItInPlace) {
  DocumentType = DocumentType3D;
  auto g = ShownTable(host, Table3D, 3, 4);
  g->FillStyle = 5, g->ColorName = "MARINE", g->SecondColor = 99, g->Material = 2, g->Show = 1;
  const std::string before = BuildDocumentText();
  user = [&](QDialog& d) {
    EXPECT_EQ(Text(d, "rowCount"), "3");
    EXPECT_EQ(Text(d, "columnCount"), "4");
    PointGridModel& grid = Grid(d);
    ASSERT_EQ(grid.Points(), 12);
    // Point (1, 2) is grid row 7 (model row 6); its X, Y, Z are the point's z, x, y.
    EXPECT_EQ(grid.data(grid.index(6, 0), Qt::DisplayRole).toString(), "1,2");
    EXPECT_EQ(grid.Cell(6, 0), "-1.5");
    EXPECT_EQ(grid.Cell(6, 1), "12");
    EXPECT_EQ(grid.Cell(6, 2), "0.6666667");
    EXPECT_TRUE(Find<QRadioButton>(d, "colormapOption")->isChecked());
    EXPECT_EQ(Find<QComboBox>(d, "schemeBox")->currentText(), "Marine");
    EXPECT_EQ(Find<ColorSwatch>(d, "secondColorSwatch")->Color(), 99);
    EXPECT_EQ(Find<ColorSwatch>(d, "singleColorSwatch")->Color(), 99);
    EXPECT_TRUE(Find<QRadioButton>(d, "pointModelOption")->isChecked());
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(caption, "3D Table Graph Properties");
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_EQ(BuildDocumentText(), before) << "Edit and OK without a change keep the table";
  EXPECT_EQ(host.builds, 1);
  EXPECT_TRUE(host.sampled.empty());

  user = [&](QDialog& d) {
    Grid(d).setData(Grid(d).index(5, 3), "7.25", Qt::EditRole); // Z of point (1, 1)
    // Two columns, once the points of the last two are deleted.
    for (int row = 0; row < 3; ++row)
      for (int column = 2; column < 4; ++column)
        for (int value = 1; value <= 3; ++value)
          Grid(d).setData(Grid(d).index(row * 4 + column, value), "", Qt::EditRole);
    Type(d, "columnCount", "2");
    Type(d, "nameField", "smaller");
    Click(d, "okButton");
  };
  EditGraph(host);
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1).get(), g.get());
  EXPECT_EQ(g->StepU, 2);
  EXPECT_EQ(g->StepV, 1);
  EXPECT_EQ(g->VertTab3D.At(2, 1).x, 21.0f);
  EXPECT_EQ(g->VertTab3D.At(1, 1).y, 7.25f);
  EXPECT_EQ(host.rows[0].caption, "3D Table Graph  smaller");

  // Cancel after changes leaves the table as it was.
  const std::string kept = BuildDocumentText();
  user = [&](QDialog& d) {
    Fill(d, {"9", "9", "9"});
    Type(d, "rowCount", "5");
    Click(d, "cancelButton");
  };
  EditGraph(host);
  EXPECT_EQ(BuildDocumentText(), kept);
}

TEST_F(TableDialogsTest, TwoDFillKeepsItsListChoicesForValuesTheyDoNotOffer) {
  DocumentType = DocumentType2D;
  auto g = ShownTable(host, Table2D, 4, 1);
  g->ScatterSize = 12, g->Symbol = 9, g->Show2DScatter = true, g->SmoothCurveWidth = 3;
  user = [&](QDialog& d) {
    EXPECT_EQ(Text(d, "rowCount"), "4");
    EXPECT_EQ(Find<QComboBox>(d, "scatterSizeList")->currentText(), "2");
    EXPECT_EQ(Find<QComboBox>(d, "scatterSymbolList")->currentText(), "SolidCircle");
    EXPECT_EQ(Find<QComboBox>(d, "smoothCurveWidthList")->currentText(), "3");
    EXPECT_TRUE(Find<QCheckBox>(d, "showScatterCheck")->isChecked());
    EXPECT_EQ(Grid(d).Cell(3, 1), "1");
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(caption, "2D Table Graph Properties");
  EXPECT_EQ(g->ScatterSize, 12) << "a size the list lacks is kept unless the user picks one";
  EXPECT_EQ(g->Symbol, 9);
  user = [&](QDialog& d) {
    Find<QComboBox>(d, "scatterSizeList")->setCurrentIndex(4);
    Click(d, "okButton");
  };
  EditGraph(host);
  EXPECT_EQ(g->ScatterSize, 5);
  EXPECT_EQ(g->Symbol, 9);
}

TEST_F(TableDialogsTest, OutputAndImportThroughTheDialogs) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("ribbon.txt").toStdString();
  DocumentType = DocumentType25D;
  ShownTable(host, Table25D, 20, 1);
  dialogs.files.answers.push_back(FileChoice{path, 1});
  user = [&](QDialog& d) {
    Click(d, "outputButton");
    Click(d, "cancelButton");
  };
  EditGraph(host);
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("\"D25 20\r\n0 0\r\n1 0.3333333\r\n"));
  EXPECT_TRUE(bytes.endsWith("19 6.333333\r\n\"\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), 22);
  file.close();

  // A new 2.5D table reads it back; a 2D table passes over it.
  dialogs.files.answers.push_back(FileChoice{path, 1});
  user = [&](QDialog& d) {
    Click(d, "importButton");
    EXPECT_EQ(Text(d, "rowCount"), "20");
    EXPECT_EQ(Grid(d).Points(), 20);
    EXPECT_EQ(Grid(d).Cell(19, 1), "6.333333");
    Click(d, "cancelButton");
  };
  Add("Add25DTableGraph");
  dialogs.files.answers.push_back(FileChoice{path, 1});
  user = [&](QDialog& d) {
    Click(d, "importButton");
    EXPECT_EQ(Text(d, "rowCount"), "5");
    EXPECT_TRUE(Grid(d).Cell(0, 0).isEmpty());
    Click(d, "cancelButton");
  };
  Add("Add2DTableGraph");
  EXPECT_TRUE(dialogs.prompter.shown.empty());

  // A cell that would not come back as itself is refused, and the old file stays.
  dialogs.files.answers.push_back(FileChoice{path, 1});
  dialogs.files.answers.push_back(FileChoice{dir.filePath("no/such/dir.txt").toStdString(), 1});
  user = [&](QDialog& d) {
    Fill(d, {"1", "2", "3 4"});
    Click(d, "outputButton");
    Fill(d, {"1", "2", "3", "4"});
    Click(d, "outputButton");
    Click(d, "cancelButton");
  };
  Add("Add2DTableGraph");
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "Row 2 (point 0,1), column X: \"3 4\" holds a blank, tab or line break, which would "
            "split it in the file; the table was not written.");
  EXPECT_EQ(dialogs.prompter.shown[1].text.rfind("The table could not be written to ", 0), 0u);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

  // A file whose count is beyond a table's size is refused and changes nothing.
  QFile big(dir.filePath("big.txt"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write("D2 500\r\n1 2\r\n");
  big.close();
  dialogs.prompter.shown.clear();
  dialogs.files.answers.push_back(FileChoice{big.fileName().toStdString(), 1});
  user = [&](QDialog& d) {
    Click(d, "importButton");
    EXPECT_EQ(Text(d, "rowCount"), "5");
    Click(d, "cancelButton");
  };
  Add("Add2DTableGraph");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_NE(dialogs.prompter.shown[0].text.find("from 0 to 201"), std::string::npos);
}

// Output writes what the grid holds: a text cell as it stands (a quote too), a name without an
// extension as a ".txt" file (asking before it replaces one), and never a count that would drop
// typed cells; OK refuses that count the same way.
TEST_F(TableDialogsTest, OutputKeepsWhatWasTypedAndAsksBeforeReplacing) {
  QTemporaryDir dir;
  const std::string bare = dir.filePath("points").toStdString();
  const std::string written = bare + ".txt";
  DocumentType = DocumentType2D;
  dialogs.files.answers.push_back(FileChoice{bare, 1}); // refused: the count drops cells
  dialogs.files.answers.push_back(FileChoice{bare, 1}); // written as points.txt
  dialogs.files.answers.push_back(FileChoice{bare, 1}); // exists: No, then the dialog again
  dialogs.prompter.answers = {MsgResult::OK, MsgResult::No};
  user = [&](QDialog& d) {
    Fill(d, {"1", "2", "3", "4", "5", "6", "7", "8", "a", "1\""});
    d.findChild<QLineEdit*>("rowCount")->setText("3");
    Click(d, "outputButton");
    EXPECT_EQ(Grid(d).Points(), 5);
    EXPECT_EQ(Grid(d).Cell(4, 1), "1\"");
    d.findChild<QLineEdit*>("rowCount")->setText("5");
    Click(d, "outputButton");
    Click(d, "outputButton");
    Click(d, "cancelButton");
  };
  Add("Add2DTableGraph");
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "The grid holds typed values beyond the count given; they would be lost. Raise the "
            "count or delete those values first. The table was not written.");
  EXPECT_EQ(dialogs.prompter.shown[1].text,
            "points.txt already exists.\nDo you want to replace it?");
  EXPECT_EQ(dialogs.files.titles.size(), 4u); // the last dialog, shown again after No, cancelled
  QFile file(QString::fromStdString(written));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), "D2 5\r\n1 2\r\n3 4\r\n5 6\r\n7 8\r\na 1\"\r\n\r\n");
  file.close();
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(bare)));

  // Import reads the quoted cell back as it was written.
  dialogs.files.answers.push_back(FileChoice{written, 1});
  user = [&](QDialog& d) {
    Click(d, "importButton");
    EXPECT_EQ(Grid(d).Cell(4, 1), "1\"");
    Click(d, "cancelButton");
  };
  Add("Add2DTableGraph");

  // OK with the count of rows against the rows typed (five, every cell filled): one below would
  // drop the last row and is refused the same way, the dialog staying with the grid as typed, and
  // with the count raised again the table is added whole; the same count adds it at once; one
  // above keeps every typed cell but leaves the new row empty, which OK refuses as an empty cell.
  const std::string lost = "The grid holds typed values beyond the count given; they would be "
                           "lost. Raise the count or delete those values first.";
  const struct {
    const char* kind;
    int32_t documentType;
    std::string emptyCell; // the refusal of the row that one above adds
  } kinds[] = {
      {"Add2DTableGraph", DocumentType2D, "Row 6 (point 0,5), column X: the cell is empty."},
      {"Add25DTableGraph", DocumentType25D, "Row 6 (point 0,5), column X: the cell is empty."},
      {"Add3DTableGraph", DocumentType3D, "Row 26 (point 5,0), column X: the cell is empty."},
  };
  enum class Outcome { Dropping, Added, EmptyRow };
  const struct {
    const char* count;
    Outcome outcome;
  } counts[] = {{"4", Outcome::Dropping}, {"5", Outcome::Added}, {"6", Outcome::EmptyRow}};
  for (const auto& kind : kinds)
    for (const auto& count : counts) {
      SCOPED_TRACE(testing::Message() << kind.kind << ", " << count.count << " rows for 5 typed");
      dialogs.prompter.shown.clear();
      DocumentType = kind.documentType;
      int points = 0;
      user = [&](QDialog& d) {
        points = Grid(d).Points();
        const int columns = Grid(d).ValueColumns();
        Fill(d, std::vector<const char*>(static_cast<size_t>(points * columns), "1"));
        Type(d, "rowCount", count.count);
        Click(d, "okButton");
        EXPECT_EQ(d.result() == QDialog::Accepted, count.outcome == Outcome::Added);
        if (count.outcome == Outcome::Dropping) {
          EXPECT_EQ(Grid(d).Points(), points) << "the grid stays as typed";
          EXPECT_EQ(Grid(d).Cell(points - 1, columns - 1), "1");
          Type(d, "rowCount", "5");
          Click(d, "okButton");
          EXPECT_EQ(d.result(), QDialog::Accepted);
        }
        if (d.result() != QDialog::Accepted) Click(d, "cancelButton");
      };
      Add(kind.kind);
      ASSERT_EQ(points, 5 * (kind.documentType == DocumentType3D ? 5 : 1));
      const std::vector<std::string> refusals =
          count.outcome == Outcome::Dropping   ? std::vector<std::string>{lost}
          : count.outcome == Outcome::EmptyRow ? std::vector<std::string>{kind.emptyCell}
                                               : std::vector<std::string>{};
      ASSERT_EQ(dialogs.prompter.shown.size(), refusals.size());
      for (size_t i = 0; i < refusals.size(); ++i)
        EXPECT_EQ(dialogs.prompter.shown[i].text, refusals[i]);
      if (count.outcome == Outcome::EmptyRow) {
        EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
      } else {
        ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
        const Graph& g = *AllGraphs.FunSurfs.Item(1);
        EXPECT_EQ(kind.documentType == DocumentType3D ? g.StepU : g.StepV, 4) << "five rows";
      }
      AllGraphs.FunSurfs.Clear();
      ShownGraphs.FunSurfs.Clear();
    }
}

TEST_F(TableDialogsTest, AThreeDTableIsAddedAsTheUserTypesIt) {
  DocumentType = DocumentType3D;
  user = [&](QDialog& d) {
    EXPECT_EQ(Grid(d).Points(), 25);
    Type(d, "rowCount", "2");
    Type(d, "columnCount", "2");
    Click(d, "resetButton");
    Fill(d, {"0", "0", "1", "0", "1", "2", "1", "0", "3", "1", "1", "4"});
    Click(d, "okButton");
  };
  Add("Add3DTableGraph");
  EXPECT_EQ(caption, "3D Table Graph Properties");
  EXPECT_TRUE(dialogs.prompter.shown.empty()) << dialogs.prompter.shown[0].text;
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  const Graph& g = *AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(g.GraphType, Table3D);
  EXPECT_EQ(g.StepU, 1);
  EXPECT_EQ(g.StepV, 1);
  // The user's X, Y, Z of point (1, 1) are its z, x, y.
  EXPECT_EQ(g.VertTab3D.At(1, 1).z, 1.0f);
  EXPECT_EQ(g.VertTab3D.At(1, 1).x, 1.0f);
  EXPECT_EQ(g.VertTab3D.At(1, 1).y, 4.0f);
  EXPECT_EQ(ShownGraphs.RotPitch, -30.0f);
  EXPECT_EQ(ShownGraphs.RotYaw, 45.0f);
  EXPECT_EQ(host.rows.at(0).caption, "3D Table Graph  Untitled");
}
