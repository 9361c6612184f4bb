#pragma once
// Working storage kept from one use to the next on the thread that uses it (the meshes and
// scratch of marching cubes): a surface redrawn frame after frame then neither allocates nor
// faults in fresh pages. It is not kept at its peak for ever: each use says how large a grid it
// serves, and after a compilation of the scene (ReleaseUnneededStorage, on the thread that
// compiled) storage sized for a grid far larger than any that the compilation's uses served is
// given back.

#include <cstddef>
#include <vector>

// A grid of at most this many cells leaves its storage kept whatever comes after it.
inline constexpr std::size_t KeptStorageFloorCells = std::size_t{1} << 18;
// Storage is given back when the grid it was sized for has more than this many times the cells of
// the largest grid used since the last release.
inline constexpr std::size_t KeptStorageSlack = 4;

class KeptStorageBase {
public:
  KeptStorageBase();
  virtual ~KeptStorageBase();
  KeptStorageBase(const KeptStorageBase&) = delete;
  KeptStorageBase& operator=(const KeptStorageBase&) = delete;
  // Gives the storage back when it is far larger than the uses since the last call needed.
  void ReleaseUnneeded();

protected:
  void Use(std::size_t cells);
  virtual void Drop() = 0;

private:
  std::size_t m_sizedFor = 0;     // the largest grid served since the storage was new
  std::size_t m_largestSince = 0; // the largest grid served since the last release
};

// Storage of type T kept on one thread; declare it thread_local.
template <class T> class KeptStorage : public KeptStorageBase {
public:
  // The storage, for a use on a grid of `cells` cells.
  T& For(std::size_t cells) {
    Use(cells);
    return m_value;
  }

private:
  void Drop() override { m_value = T{}; }
  T m_value{};
};

// Gives back the kept storage of the calling thread that the uses since the last call did not
// need (KeptStorageBase::ReleaseUnneeded of each).
void ReleaseUnneededStorage();
