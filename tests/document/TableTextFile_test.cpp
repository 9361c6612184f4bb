// Table text files: the bytes each table dialog writes, reading them back, the kinds that refuse
// each other's files, and the checks on counts and cells.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "document/TableTextFile.h"

using namespace TableText;

namespace {

Table Make(Kind kind, int32_t rows, int32_t columns, std::vector<std::string> cells) {
  Table t;
  t.kind = kind;
  t.rows = rows;
  t.columns = columns;
  t.cells = std::move(cells);
  return t;
}

const std::vector<std::string> kThreePoints{"1", "2", "3", "4", "5", "6"};

} // namespace

TEST(TableTextFile, BytesOfEachKind) {
  EXPECT_EQ(Format(Make(Kind::Table2D, 3, 1, kThreePoints)), "D2 3\r\n1 2\r\n3 4\r\n5 6\r\n\r\n");
  EXPECT_EQ(Format(Make(Kind::Table25D, 3, 1, kThreePoints)),
            "\"D25 3\r\n1 2\r\n3 4\r\n5 6\r\n\"\r\n");
  std::vector<std::string> grid;
  for (int i = 0; i < 18; ++i)
    grid.push_back(std::to_string(i));
  EXPECT_EQ(
      Format(Make(Kind::Table3D, 2, 3, grid)),
      "\"D3\t2\t3\r\n0\t1\t2\r\n3\t4\t5\r\n6\t7\t8\r\n9\t10\t11\r\n12\t13\t14\r\n15\t16\t17\r\n"
      "\"\r\n");
  // An empty cell is nothing between its separators, and comes back empty.
  const Table gaps = Make(Kind::Table2D, 2, 1, {"", "2", "-1.5E-07", ""});
  EXPECT_EQ(Format(gaps), "D2 2\r\n 2\r\n-1.5E-07 \r\n\r\n");
  EXPECT_EQ(Parse(Format(gaps), Kind::Table2D).table.cells, gaps.cells);
}

TEST(TableTextFile, EachKindReadsItsOwnFilesAndIgnoresTheOthers) {
  const Kind kinds[] = {Kind::Table2D, Kind::Table25D, Kind::Table3D};
  for (Kind written : kinds) {
    const int32_t columns = written == Kind::Table3D ? 2 : 1;
    std::vector<std::string> cells;
    for (int i = 0; i < 3 * columns * ValueColumns(written); ++i)
      cells.push_back(std::to_string(i * 0.25));
    const Table table = Make(written, 3, columns, cells);
    for (Kind reader : kinds) {
      const ReadOutcome read = Parse(Format(table), reader);
      if (reader != written) {
        EXPECT_EQ(read.status, ReadOutcome::Status::OtherKind);
        continue;
      }
      ASSERT_EQ(read.status, ReadOutcome::Status::Read);
      EXPECT_EQ(read.table.rows, 3);
      EXPECT_EQ(read.table.columns, columns);
      EXPECT_EQ(read.table.cells, cells);
    }
  }
}

TEST(TableTextFile, CountsAndTokens) {
  struct Row {
    const char* text;
    ReadOutcome::Status status;
    int32_t rows;
    std::vector<std::string> cells;
  };
  using S = ReadOutcome::Status;
  const Row rows[] = {
      // Counts are leading numbers rounded half to even; no number counts 0.
      {"D2 2.5\r\n1 2\r\n3 4\r\n5 6\r\n", S::Read, 2, {"1", "2", "3", "4"}},
      {"D2 3.5\n1 2\n", S::Read, 4, {"1", "2", "", "", "", "", "", ""}},
      {"D2 x\r\n1 2\r\n", S::Read, 0, {}},
      // Characters before the header word do not matter; line ends may be CR or LF alone.
      {"junkD2 1\r3 4", S::Read, 1, {"3", "4"}},
      // Two separators in a row enclose an empty cell.
      {"D2 2\r\n1  2\r\n", S::Read, 2, {"1", "", "2", ""}},
      {"D2 -1\r\n", S::Refused, 0, {}},
      {"D2 202\r\n", S::Refused, 0, {}},
      {"D2 1E+300\r\n", S::Refused, 0, {}},
      {"D22 1\r\n1 2\r\n", S::OtherKind, 0, {}},
      {"", S::OtherKind, 0, {}},
  };
  for (const Row& row : rows) {
    const ReadOutcome read = Parse(row.text, Kind::Table2D);
    EXPECT_EQ(read.status, row.status) << row.text;
    if (row.status == S::Refused) {
      EXPECT_NE(read.message.find("from 0 to 201"), std::string::npos);
    }
    if (row.status != S::Read) continue;
    EXPECT_EQ(read.table.rows, row.rows) << row.text;
    EXPECT_EQ(read.table.cells, row.cells) << row.text;
  }
  // A 3D count of columns is checked as well.
  EXPECT_EQ(Parse("\"D3\t2\t300\r\n", Kind::Table3D).status, ReadOutcome::Status::Refused);
}

TEST(TableTextFile, AFull3DTableRoundTrips) {
  // 201 x 201 points take far more than the 5000 tokens the old reader held.
  std::vector<std::string> cells(size_t{201} * 201 * 3);
  for (size_t i = 0; i < cells.size(); ++i)
    cells[i] = std::to_string(static_cast<int>(i) - 60000);
  const Table table = Make(Kind::Table3D, 201, 201, cells);
  const ReadOutcome read = Parse(Format(table), Kind::Table3D);
  ASSERT_EQ(read.status, ReadOutcome::Status::Read);
  EXPECT_EQ(read.table.cells, cells);
}

TEST(TableTextFile, CellsThatCannotTravel) {
  for (const char* cell : {"1", "-2.5E+07", "", "abc", "1\"", "\"", "\"D25"})
    EXPECT_TRUE(CellWritable(cell)) << cell;
  for (const char* cell : {"1 2", "1\t2", "1\r", "2\n"})
    EXPECT_FALSE(CellWritable(cell)) << cell;
  // A quote is a character like any other: in every kind of file, the quoted ones too, it comes
  // back where it was.
  for (Kind kind : {Kind::Table2D, Kind::Table25D, Kind::Table3D}) {
    const int columns = ValueColumns(kind);
    std::vector<std::string> cells = {"1\"", "\"", "\"D25", "2", "\"\"", "3", "4", "5", "6"};
    cells.resize(static_cast<size_t>(3 * columns));
    const ReadOutcome read = Parse(Format(Make(kind, 3, 1, cells)), kind);
    ASSERT_EQ(read.status, ReadOutcome::Status::Read) << HeaderWord(kind);
    EXPECT_EQ(read.table.cells, cells) << HeaderWord(kind);
  }
}

TEST(TableTextFile, FilesAreWrittenWholeOrNotAtAll) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("t.txt").toStdString();
  std::string problem;
  ASSERT_TRUE(WriteFile(path, "D2 0\r\n\r\n", &problem)) << problem;
  EXPECT_EQ(ReadFile(path, &problem).value(), "D2 0\r\n\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file is left
  EXPECT_FALSE(WriteFile(dir.filePath("missing/t.txt").toStdString(), "D2 0", &problem));
  EXPECT_FALSE(problem.empty());
  problem.clear();
  EXPECT_FALSE(ReadFile(dir.filePath("missing.txt").toStdString(), &problem));
  EXPECT_FALSE(problem.empty());
  // A FIFO would block Import for ever and a device never ends: refused without being opened.
  const std::string fifo = dir.filePath("pipe.txt").toStdString();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& special : {fifo, std::string("/dev/zero"), dir.path().toStdString()}) {
    problem.clear();
    EXPECT_FALSE(ReadFile(special, &problem)) << special;
    EXPECT_FALSE(problem.empty());
  }
}

TEST(TableTextFile, CountsThatAreNoNumbers) {
  for (const char* text : {"nan", "NaN", " inf", "Infinity", "-1", "-nan", "+inf", "-inf", "+NaN"})
    EXPECT_LT(CountValue(text), 0) << text;
  // A table file that gives such a count is refused, as printf writes them too.
  for (const char* file : {"D2 -nan\r\n\r\n", "D2 +inf\r\n\r\n", "\"D3\t2\t-nan\r\n\"\r\n"}) {
    const Kind kind = file[0] == 'D' ? Kind::Table2D : Kind::Table3D;
    const ReadOutcome read = Parse(file, kind);
    EXPECT_EQ(read.status, ReadOutcome::Status::Refused) << file;
    EXPECT_NE(read.message.find("must be a whole number from 0 to 201"), std::string::npos)
        << read.message;
  }
  EXPECT_EQ(CountValue("abc"), 0); // any other word reads 0, as stored files rely on
  EXPECT_EQ(CountValue(""), 0);
  EXPECT_EQ(CountValue(" 12"), 12);
  EXPECT_EQ(CountValue("2.5"), 2);
}

TEST(TableTextFile, CellNumbers) {
  const std::pair<const char*, float> numbers[] = {{"1", 1.0f},  {"-2.5", -2.5f},  {"+.5", 0.5f},
                                                   {"3.", 3.0f}, {"1E-05", 1e-5f}, {"2e+7", 2e7f}};
  for (const auto& [text, value] : numbers)
    EXPECT_EQ(CellNumber(text), value) << text;
  for (const char* text :
       {"", " 1", "1 2", "abc", "1,5", "inf", "nan", "0x10", "1e", "--1", "1e39", "."})
    EXPECT_FALSE(CellNumber(text).has_value()) << text;
}
