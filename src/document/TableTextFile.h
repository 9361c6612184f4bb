#pragma once
// The table text files of the table dialogs (".txt"): a header with the kind and the counts, then
// one line per point, written as the dialogs always wrote them and read back the same.
//
//   2D    line 1 "D2", a blank, n;          n lines "X Y";            then one empty line
//   2.5D  line 1 a quote, "D25", a blank, n; n lines "X Y";           then a line holding a quote
//   3D    line 1 a quote, "D3", tab, R, tab, C; R x C lines "X<tab>Y<tab>Z" row by row;
//                                                                      then a line holding a quote
// Lines end with carriage return and line feed; one byte per character (Windows-1252); the cell
// texts are written unchanged. Reading joins the lines with blanks and cuts the text at every
// blank and tab (two in a row enclose an empty text); the first token must end with the kind's
// header word, the next one or two are the counts, the rest the cells in order. Cells a file does
// not supply are empty; tokens after the last cell needed are ignored.
//
// Unlike the old reader this one checks what it reads: counts must be whole numbers from 0 to 201
// (a table holds at most 201 x 201 points), and a file too large to be a table is refused, each
// with a message; a cell that holds a blank, a tab or a line end cannot be written, since it
// would shift every later value when read back (a quote travels as any other character).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace TableText {

enum class Kind { Table2D, Table25D, Table3D };

// Most points along one count: n of a 2D or 2.5D table, R and C of a 3D table.
inline constexpr int32_t MaxCount = 201;
// Largest table file read (a full 3D table of long numbers is about 5 MB).
inline constexpr std::size_t MaxFileBytes = std::size_t{32} << 20;

// The header word of a kind ("D2", "D25", "D3") and its number of value columns (2, 2, 3).
std::string_view HeaderWord(Kind kind);
int ValueColumns(Kind kind);

// A table as its file carries it: rows R (n for 2D and 2.5D tables), columns C (1 for 2D and
// 2.5D tables), and the cell texts point by point (row by row for 3D), ValueColumns texts each.
struct Table {
  Kind kind = Kind::Table2D;
  int32_t rows = 0;
  int32_t columns = 1;
  std::vector<std::string> cells; // UTF-8 texts, rows * columns * ValueColumns(kind) of them
  int32_t Points() const { return rows * columns; }
};

// A count as the count boxes and the files give it: the leading number of the text rounded half
// to even, 0 for a text that does not begin with a number.
double CountValue(std::string_view text);

// Whether a cell text can be written to a table file and read back as the same cell: it holds no
// blank, tab or line end.
bool CellWritable(std::string_view text);

// The number a cell stands for: a decimal number with an optional sign, "." as the decimal point
// and an optional exponent ("-1.5", "2E+07", ".5"), within the range of a single; nothing for any
// other text, an empty one included.
std::optional<float> CellNumber(std::string_view text);

// The bytes of the file for a table. Every cell must be writable (CellWritable).
std::string Format(const Table& table);

// The outcome of reading a file for a kind.
struct ReadOutcome {
  enum class Status {
    Read,      // table holds what the file gives
    OtherKind, // the file is no table file of this kind: it is ignored, without a message
    Refused,   // message says why the file cannot be read as a table
  };
  Status status = Status::OtherKind;
  Table table;
  std::string message;
};

// Reads the bytes of a file as a table of the kind.
ReadOutcome Parse(std::string_view bytes, Kind kind);

// Writes the bytes through a temporary file beside the target, renamed over it only when all was
// written; an old file stays as it was when anything fails. False with the reason in *problem.
bool WriteFile(const std::string& path, std::string_view bytes, std::string* problem);

// The bytes of a file; nothing with the reason in *problem when it cannot be read or is larger
// than MaxFileBytes.
std::optional<std::string> ReadFile(const std::string& path, std::string* problem);

} // namespace TableText
