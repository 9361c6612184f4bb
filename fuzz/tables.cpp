// Fuzzes the table text file reader: any bytes, read as a table file of each kind, must be read,
// refused with a message or passed over without a crash; a table read holds exactly the cells
// its counts ask for, and one whose cells can all be written comes back the same when written and
// read again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/TableTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  using namespace TableText;
  for (Kind kind : {Kind::Table2D, Kind::Table25D, Kind::Table3D}) {
    const ReadOutcome read = Parse(bytes, kind);
    if (read.status == ReadOutcome::Status::Refused && read.message.empty()) std::abort();
    if (read.status != ReadOutcome::Status::Read) continue;
    const Table& t = read.table;
    if (t.rows < 0 || t.rows > MaxCount || t.columns < 0 || t.columns > MaxCount) std::abort();
    if (t.cells.size() != static_cast<size_t>(t.Points()) * static_cast<size_t>(ValueColumns(kind)))
      std::abort();
    bool writable = true;
    for (const auto& cell : t.cells)
      writable = writable && CellWritable(cell);
    if (!writable) continue;
    const ReadOutcome again = Parse(Format(t), kind);
    if (again.status != ReadOutcome::Status::Read || again.table.cells != t.cells ||
        again.table.rows != t.rows || again.table.columns != t.columns)
      std::abort();
  }
  return 0;
}
