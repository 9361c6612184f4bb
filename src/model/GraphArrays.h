#pragma once
// The storage shapes of a graph's data: fixed indexed lists with checked indices (slices, tangent
// positions, colour stops, iso values), contiguous point arrays laid out by sampling, value grids
// of single-precision samples that grow with the step counts, and the lazily created table points.
// Every index is checked; an index outside its range throws SubscriptError, never touches memory.

#include "model/GraphPoint.h"
#include "platform/Errors.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// An index outside the range of an indexed property or array ("subscript out of range").
class SubscriptError : public CorvalinError {
public:
  explicit SubscriptError(const std::string& what) : CorvalinError(what) {}
};

// A compile-time name for error messages of the fixed lists.
template <std::size_t N> struct FixedName {
  char text[N];
  constexpr FixedName(const char (&s)[N]) { std::copy_n(s, N, text); }
};

[[noreturn]] void ThrowSubscript(const char* name, const int32_t* index, int rank,
                                 const int32_t* lower, const int32_t* upper);

// A fixed list of values indexed Lo .. Hi (both included), all starting at T{}.
template <class T, int32_t Lo, int32_t Hi, FixedName Name> class IndexedList {
public:
  using value_type = T;
  static constexpr int32_t First = Lo;
  static constexpr int32_t Last = Hi;
  static constexpr const char* PropertyName = Name.text;

  T& operator[](int32_t i) { return m_values[Check(i)]; }
  const T& operator[](int32_t i) const { return m_values[Check(i)]; }
  static bool InRange(int32_t i) { return i >= Lo && i <= Hi; }
  bool operator==(const IndexedList&) const = default;

private:
  static std::size_t Check(int32_t i) {
    if (i < Lo || i > Hi) {
      const int32_t lo = Lo, hi = Hi;
      ThrowSubscript(Name.text, &i, 1, &lo, &hi);
    }
    return static_cast<std::size_t>(i - Lo);
  }
  std::array<T, static_cast<std::size_t>(Hi - Lo + 1)> m_values{};
};

// Most cells a point array or a value grid may hold; sampling refuses counts that need more.
inline constexpr std::size_t kMaxPointCells = std::size_t{1} << 25; // 33.5 million points
inline constexpr std::size_t kMaxGridCells = std::size_t{1} << 24;  // 16.7 million values per grid

// How many cells of a point array or value grid are written between two steps told to the caller
// of a large layout: writing a large array for the first time takes long (the system hands its
// memory over page by page), so the caller can show how far it is and stop.
inline constexpr std::size_t kCellsPerLayoutStep = std::size_t{1} << 20;

// Number of cells of inclusive upper bounds (0 when a bound is negative); saturates above limit.
template <int Rank>
std::size_t CellCountOf(const std::array<int32_t, Rank>& upper, std::size_t limit) {
  std::size_t n = 1;
  for (int32_t u : upper) {
    if (u < 0) return 0;
    const std::size_t extent = static_cast<std::size_t>(u) + 1;
    if (n > limit / extent + 1) return limit + 1;
    n *= extent;
  }
  return n;
}

// A point array of Rank indices, each running 0 .. its upper bound, stored contiguously with the
// last index varying fastest (so row 0 of a two-index array is the first StepV + 1 points).
// Sampling lays it out afresh (Allocate) with a new default point in every cell, or with the
// points written when first reached (AllocateOnFirstUse); until then, and after Release, every
// access throws. LayoutWithoutPoints gives it bounds but no points (the
// animated 4D array): every cell access then throws too.
template <int Rank> class PointArray {
public:
  explicit PointArray(const char* name) : m_name(name) { m_upper.fill(-1); }

  // Lays the array out with the given inclusive upper bounds; every cell a new point. A negative
  // bound gives an array without cells. Throws std::length_error beyond kMaxPointCells.
  void Allocate(const std::array<int32_t, Rank>& upper) {
    Allocate(upper, [](std::size_t, std::size_t) { return true; });
  }
  // The same, writing the new points kCellsPerLayoutStep at a time and telling step(done, total)
  // in cells after each piece. When a step answers false the array is left without points (as
  // after Release) and false comes back. A failed allocation throws with the array as it was.
  template <class Step> bool Allocate(const std::array<int32_t, Rank>& upper, Step&& step) {
    const std::size_t n = CellCountOf<Rank>(upper, kMaxPointCells);
    if (n > kMaxPointCells)
      throw std::length_error(std::string(m_name) + ": too many points for the step counts");
    m_pending = 0;
    // The same number of cells: new points written over the old ones, without giving the memory
    // back and taking it again (for a large array, fresh pages from the system). Otherwise the
    // old points go before the new ones are written, so that both are never held at once.
    const bool over = m_cells.size() == n;
    if (!over) {
      std::vector<GraphPoint> cells;
      cells.reserve(n);
      m_cells.swap(cells);
    }
    for (std::size_t done = 0; done < n;) {
      const std::size_t next = std::min(n, done + kCellsPerLayoutStep);
      if (over)
        std::fill(m_cells.begin() + std::ptrdiff_t(done), m_cells.begin() + std::ptrdiff_t(next),
                  GraphPoint{});
      else
        m_cells.resize(next);
      done = next;
      if (!step(done, n)) {
        Release();
        return false;
      }
    }
    m_upper = upper;
    m_allocated = true;
    m_hasPoints = true;
    return true;
  }
  // Lays the array out as Allocate does, but writes its new points only when a cell is first
  // reached: for arrays that most graphs never read (until then a read gives a new point).
  void AllocateOnFirstUse(const std::array<int32_t, Rank>& upper) {
    const std::size_t n = CellCountOf<Rank>(upper, kMaxPointCells);
    if (n > kMaxPointCells)
      throw std::length_error(std::string(m_name) + ": too many points for the step counts");
    m_cells.clear();
    m_pending = n;
    m_upper = upper;
    m_allocated = true;
    m_hasPoints = true;
  }
  void LayoutWithoutPoints(const std::array<int32_t, Rank>& upper) {
    m_pending = 0;
    std::vector<GraphPoint>().swap(m_cells);
    m_upper = upper;
    m_allocated = true;
    m_hasPoints = false;
  }
  void Release() {
    m_pending = 0;
    std::vector<GraphPoint>().swap(m_cells);
    m_upper.fill(-1);
    m_allocated = false;
    m_hasPoints = false;
  }

  bool Allocated() const { return m_allocated; }
  bool HasPoints() const { return m_hasPoints; }
  // Inclusive upper bound of index dim (0-based), -1 when not allocated.
  int32_t Upper(int dim) const { return m_upper[static_cast<std::size_t>(dim)]; }
  const std::array<int32_t, Rank>& Bounds() const { return m_upper; }
  const char* Name() const { return m_name; }

  // Checked access to one cell.
  template <class... I> GraphPoint& operator()(I... idx) {
    static_assert(sizeof...(I) == Rank, "wrong number of indices");
    const std::size_t off = Offset({static_cast<int32_t>(idx)...});
    WritePending();
    return m_cells[off];
  }
  template <class... I> const GraphPoint& operator()(I... idx) const {
    static_assert(sizeof...(I) == Rank, "wrong number of indices");
    const std::size_t off = Offset({static_cast<int32_t>(idx)...});
    if (m_pending > 0) return NewPoint();
    return m_cells[off];
  }
  bool InRange(const std::array<int32_t, Rank>& idx) const {
    if (!m_hasPoints) return false;
    for (int d = 0; d < Rank; ++d)
      if (idx[d] < 0 || idx[d] > m_upper[d]) return false;
    return true;
  }

  // All cells in storage order (empty when the array holds no points).
  std::span<GraphPoint> Cells() {
    WritePending();
    return m_cells;
  }
  std::span<const GraphPoint> Cells() const {
    WritePending();
    return m_cells;
  }

private:
  static const GraphPoint& NewPoint() {
    static const GraphPoint point{};
    return point;
  }
  // Writes the new points of an array laid out by AllocateOnFirstUse.
  void WritePending() const {
    if (m_pending == 0) return;
    m_cells.assign(m_pending, GraphPoint{});
    m_pending = 0;
  }

  std::size_t Offset(const std::array<int32_t, Rank>& idx) const {
    if (!InRange(idx)) {
      std::array<int32_t, Rank> lower{};
      std::array<int32_t, Rank> upper = m_upper;
      if (!m_hasPoints) upper.fill(-1); // reported as holding no points
      ThrowSubscript(m_name, idx.data(), Rank, lower.data(), upper.data());
    }
    std::size_t off = 0;
    for (int d = 0; d < Rank; ++d)
      off = off * (static_cast<std::size_t>(m_upper[d]) + 1) + static_cast<std::size_t>(idx[d]);
    return off;
  }

  const char* m_name;
  std::array<int32_t, Rank> m_upper{};
  // Mutable for the points an AllocateOnFirstUse array writes when first read whole.
  mutable std::vector<GraphPoint> m_cells;
  mutable std::size_t m_pending = 0; // cells still to be written with new points
  bool m_allocated = false;
  bool m_hasPoints = false;
};

// A grid of single-precision samples, indices 0 .. upper on each axis, every element 0 until
// written. Sampling lays it out for the step counts with LayOut, which keeps every value stored
// at an index the new layout has; Reserve only grows it. Storage is contiguous, last index
// fastest.
template <int Rank> class ValueGrid {
public:
  explicit ValueGrid(const char* name) : m_name(name) { m_upper.fill(-1); }

  // Whether a grid with these upper bounds fits in kMaxGridCells.
  static bool Fits(const std::array<int32_t, Rank>& upper) {
    return CellCountOf<Rank>(upper, kMaxGridCells) <= kMaxGridCells;
  }

  // Makes room for indices 0 .. upper on every axis; throws std::length_error beyond
  // kMaxGridCells. Negative bounds reserve nothing on that axis.
  void Reserve(const std::array<int32_t, Rank>& upper) {
    std::array<int32_t, Rank> grown = m_upper;
    bool grows = false;
    for (int d = 0; d < Rank; ++d) {
      if (upper[d] > grown[d]) {
        grown[d] = upper[d];
        grows = true;
      }
    }
    if (!grows) return;
    for (int d = 0; d < Rank; ++d)
      if (grown[d] < 0) grown[d] = 0;
    const std::size_t n = CellCountOf<Rank>(grown, kMaxGridCells);
    if (n > kMaxGridCells)
      throw std::length_error(std::string(m_name) + ": the step counts need too large a grid");
    std::vector<float> values(n, 0.0f);
    if (!m_values.empty()) CopyOverlap(values, grown);
    m_values.swap(values);
    m_upper = grown;
  }

  // Lays the grid out with exactly these upper bounds (negative ones count as 0): the values at
  // indices both layouts hold stay, every other value is 0, and storage that a smaller layout no
  // longer needs is given back. The new storage is written kCellsPerLayoutStep values at a time,
  // step(done, total) told in cells after each piece; when a step answers false the grid is left
  // as it was and false comes back. Throws std::length_error beyond kMaxGridCells.
  template <class Step> bool LayOut(std::array<int32_t, Rank> upper, Step&& step) {
    for (int32_t& u : upper)
      u = std::max(u, 0);
    if (upper == m_upper) return true;
    const std::size_t n = CellCountOf<Rank>(upper, kMaxGridCells);
    if (n > kMaxGridCells)
      throw std::length_error(std::string(m_name) + ": the step counts need too large a grid");
    std::vector<float> values;
    values.reserve(n);
    for (std::size_t done = 0; done < n;) {
      done = std::min(n, done + kCellsPerLayoutStep);
      values.resize(done, 0.0f);
      if (!step(done, n)) return false;
    }
    if (!m_values.empty()) CopyOverlap(values, upper);
    m_values.swap(values);
    m_upper = upper;
    return true;
  }

  int32_t Upper(int dim) const { return m_upper[static_cast<std::size_t>(dim)]; }
  const char* Name() const { return m_name; }
  bool InRange(const std::array<int32_t, Rank>& idx) const {
    for (int d = 0; d < Rank; ++d)
      if (idx[d] < 0 || idx[d] > m_upper[d]) return false;
    return true;
  }

  template <class... I> float& operator()(I... idx) {
    static_assert(sizeof...(I) == Rank, "wrong number of indices");
    return m_values[Offset({static_cast<int32_t>(idx)...})];
  }
  template <class... I> float operator()(I... idx) const {
    static_assert(sizeof...(I) == Rank, "wrong number of indices");
    return m_values[Offset({static_cast<int32_t>(idx)...})];
  }

  std::span<float> Values() { return m_values; }
  std::span<const float> Values() const { return m_values; }

private:
  std::size_t OffsetIn(const std::array<int32_t, Rank>& upper,
                       const std::array<int32_t, Rank>& idx) const {
    std::size_t off = 0;
    for (int d = 0; d < Rank; ++d)
      off = off * (static_cast<std::size_t>(upper[d]) + 1) + static_cast<std::size_t>(idx[d]);
    return off;
  }
  std::size_t Offset(const std::array<int32_t, Rank>& idx) const {
    if (!InRange(idx)) {
      std::array<int32_t, Rank> lower{};
      ThrowSubscript(m_name, idx.data(), Rank, lower.data(), m_upper.data());
    }
    return OffsetIn(m_upper, idx);
  }
  // Copies the values at the indices that both this grid and a layout with upper bounds `other`
  // hold into target, laid out for `other`.
  void CopyOverlap(std::vector<float>& target, const std::array<int32_t, Rank>& other) const {
    std::array<int32_t, Rank> last{};
    for (int d = 0; d < Rank; ++d)
      last[d] = std::min(m_upper[d], other[d]);
    std::array<int32_t, Rank> idx{};
    for (;;) {
      target[OffsetIn(other, idx)] = m_values[OffsetIn(m_upper, idx)];
      int d = Rank - 1;
      for (; d >= 0; --d) {
        if (++idx[d] <= last[d]) break;
        idx[d] = 0;
      }
      if (d < 0) return;
    }
  }

  const char* m_name;
  std::array<int32_t, Rank> m_upper{};
  std::vector<float> m_values;
};

// The table points of a table graph: 201 x 201 cells, indices 0 .. 200 each way. A cell's point
// exists from its first access with the GraphPoint defaults; storage is made a row of 201 points at
// a time, when a cell of that row is first reached, so a graph that is no table holds none and a 2D
// table only its first rows. Two table graphs can share one set of points (Share), after which a
// change through either is seen through both.
class TablePoints {
public:
  static constexpr int32_t Last = 200;

  // The point in cell (u, v), created with the defaults if the row did not exist yet.
  GraphPoint& operator()(int32_t u, int32_t v);
  // Read without creating: a cell of a row never reached reads as a default point.
  const GraphPoint& At(int32_t u, int32_t v) const;
  bool RowExists(int32_t u) const;

  // From now on this graph's table is the source's: both hold the same points. The source's
  // storage is created first if it had none.
  void Share(TablePoints& source);
  bool SharesWith(const TablePoints& other) const { return m_rows && m_rows == other.m_rows; }

private:
  using Row = std::array<GraphPoint, Last + 1>;
  struct Rows {
    std::vector<std::unique_ptr<Row>> rows;
  };
  void Ensure();
  std::shared_ptr<Rows> m_rows;
};
