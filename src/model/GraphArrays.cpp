#include "model/GraphArrays.h"

#include <string>

void ThrowSubscript(const char* name, const int32_t* index, int rank, const int32_t* lower,
                    const int32_t* upper) {
  std::string text = "Subscript out of range: ";
  text += name;
  text += "(";
  for (int d = 0; d < rank; ++d) {
    if (d) text += ", ";
    text += std::to_string(index[d]);
  }
  text += ")";
  bool unallocated = false;
  for (int d = 0; d < rank; ++d)
    if (upper[d] < lower[d]) unallocated = true;
  if (unallocated) {
    text += " holds no points";
  } else {
    text += ", valid ";
    for (int d = 0; d < rank; ++d) {
      if (d) text += ", ";
      text += std::to_string(lower[d]) + " .. " + std::to_string(upper[d]);
    }
  }
  throw SubscriptError(text);
}

namespace {
void CheckTableIndex(int32_t u, int32_t v) {
  if (u < 0 || u > TablePoints::Last || v < 0 || v > TablePoints::Last) {
    const int32_t idx[2] = {u, v};
    const int32_t lo[2] = {0, 0};
    const int32_t hi[2] = {TablePoints::Last, TablePoints::Last};
    ThrowSubscript("VertTab3D", idx, 2, lo, hi);
  }
}
} // namespace

void TablePoints::Ensure() {
  if (!m_rows) m_rows = std::make_shared<Rows>();
}

GraphPoint& TablePoints::operator()(int32_t u, int32_t v) {
  CheckTableIndex(u, v);
  Ensure();
  auto& rows = m_rows->rows;
  if (rows.size() <= static_cast<std::size_t>(u)) rows.resize(static_cast<std::size_t>(u) + 1);
  auto& row = rows[static_cast<std::size_t>(u)];
  if (!row) row = std::make_unique<Row>();
  return (*row)[static_cast<std::size_t>(v)];
}

const GraphPoint& TablePoints::At(int32_t u, int32_t v) const {
  CheckTableIndex(u, v);
  static const GraphPoint unset;
  if (!RowExists(u)) return unset;
  return (*m_rows->rows[static_cast<std::size_t>(u)])[static_cast<std::size_t>(v)];
}

bool TablePoints::RowExists(int32_t u) const {
  return m_rows && u >= 0 && static_cast<std::size_t>(u) < m_rows->rows.size() &&
         m_rows->rows[static_cast<std::size_t>(u)] != nullptr;
}

void TablePoints::Share(TablePoints& source) {
  source.Ensure();
  m_rows = source.m_rows;
}
