#include "document/TableTextFile.h"

#include <QFile>

#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/NumberText.h"
#include "platform/WholeFile.h"

namespace TableText {

namespace {

constexpr std::string_view CrLf = "\r\n";

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Cuts the file into tokens: every line end stands for one blank after its line, and a blank or a
// tab ends a token, stored even when empty. Stops once `wanted` tokens are cut (0: all).
std::vector<std::string> Tokens(std::string_view text, std::size_t wanted) {
  std::vector<std::string> tokens;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      // CR LF is one line end; a lone CR or LF is one too.
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c != ' ' && c != '\t') {
      current += c;
      continue;
    }
    tokens.push_back(std::move(current));
    current.clear();
    if (wanted && tokens.size() >= wanted) return tokens;
  }
  // A last line without its line end still ends with the blank the reader adds after it.
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') tokens.push_back(current);
  return tokens;
}

// A count token: a whole number from 0 to MaxCount, or the message that says why not.
std::optional<int32_t> Count(const std::string& token, const char* what, std::string& message) {
  const double value = CountValue(token);
  if (value < 0 || value > MaxCount) {
    message = "The table file gives " + std::string(what) + " as " + token +
              "; it must be a whole number from 0 to " + std::to_string(MaxCount) + ".";
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

} // namespace

std::string_view HeaderWord(Kind kind) {
  switch (kind) {
  case Kind::Table2D:
    return "D2";
  case Kind::Table25D:
    return "D25";
  case Kind::Table3D:
    return "D3";
  }
  return {};
}

int ValueColumns(Kind kind) { return kind == Kind::Table3D ? 3 : 2; }

double CountValue(std::string_view text) {
  // "nan", "inf" and "infinity", with a sign or without (as printf writes them), name no count,
  // though their leading number reads 0 as any other word's does.
  std::size_t first = text.find_first_not_of(" \t");
  if (first != std::string_view::npos && (text[first] == '-' || text[first] == '+')) ++first;
  if (first < text.size()) {
    std::string word;
    for (std::size_t i = first; i < text.size() && word.size() < 3; ++i)
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    if (word == "nan" || word == "inf") return -1.0;
  }
  const double value = NumberText::LeadingValue(text);
  return std::isfinite(value) ? NumberText::RoundHalfEven(value) : -1.0;
}

bool CellWritable(std::string_view text) {
  return text.find_first_of(" \t\r\n") == std::string_view::npos;
}

std::optional<float> CellNumber(std::string_view text) {
  // The grammar is checked here; from_chars would also take "inf", "nan" and hexadecimal forms.
  std::size_t i = 0;
  auto digits = [&text, &i] {
    const std::size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
      ++i;
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const std::string_view number = text.front() == '+' ? text.substr(1) : text;
  float value = 0.0f;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string Format(const Table& t) {
  const bool table3D = t.kind == Kind::Table3D;
  const char separator = table3D ? '\t' : ' ';
  const int columns = ValueColumns(t.kind);
  std::string text;
  if (t.kind != Kind::Table2D) text += '"';
  text += HeaderWord(t.kind);
  text += separator;
  text += std::to_string(t.rows);
  if (table3D) text += '\t' + std::to_string(t.columns);
  text += CrLf;
  const std::size_t points = static_cast<std::size_t>(std::max(0, t.Points()));
  for (std::size_t p = 0; p < points; ++p) {
    for (int k = 0; k < columns; ++k) {
      if (k) text += separator;
      const std::size_t cell = p * static_cast<std::size_t>(columns) + static_cast<std::size_t>(k);
      if (cell < t.cells.size()) text += NumberText::Utf8ToCp1252(t.cells[cell]);
    }
    text += CrLf;
  }
  // The 2D dialog ends its file with an empty line, the others with a line holding a quote.
  if (t.kind != Kind::Table2D) text += '"';
  text += CrLf;
  return text;
}

ReadOutcome Parse(std::string_view bytes, Kind kind) {
  ReadOutcome out;
  const bool table3D = kind == Kind::Table3D;
  // The header and counts first: a file of another kind is passed over whatever its size.
  std::vector<std::string> head = Tokens(bytes, table3D ? 3 : 2);
  if (head.empty() || !EndsWith(head[0], HeaderWord(kind))) return out;
  head.resize(table3D ? 3 : 2);
  out.status = ReadOutcome::Status::Refused;
  Table& t = out.table;
  t.kind = kind;
  const std::optional<int32_t> rows =
      Count(head[1], table3D ? "the number of rows" : "the number of points", out.message);
  if (!rows) return out;
  t.rows = *rows;
  if (table3D) {
    const std::optional<int32_t> columns = Count(head[2], "the number of columns", out.message);
    if (!columns) return out;
    t.columns = *columns;
  }
  const std::size_t first = head.size();
  const std::size_t needed =
      static_cast<std::size_t>(t.Points()) * static_cast<std::size_t>(ValueColumns(kind));
  std::vector<std::string> tokens = Tokens(bytes, first + needed);
  t.cells.assign(needed, std::string());
  for (std::size_t k = 0; k < needed && first + k < tokens.size(); ++k)
    t.cells[k] = NumberText::Cp1252ToUtf8(tokens[first + k]);
  out.status = ReadOutcome::Status::Read;
  return out;
}

bool WriteFile(const std::string& path, std::string_view bytes, std::string* problem) {
  return platform::WriteWholeFile(path, bytes, problem);
}

std::optional<std::string> ReadFile(const std::string& path, std::string* problem) {
  std::string why;
  std::optional<std::string> bytes = platform::ReadWholeFile(path, MaxFileBytes, &why);
  if (!bytes && problem)
    *problem = why.rfind("it is larger than", 0) == 0 ? "it is too large to be a table file" : why;
  return bytes;
}

} // namespace TableText
