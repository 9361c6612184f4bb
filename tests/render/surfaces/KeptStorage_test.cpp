// The working storage marching cubes keep from one surface to the next is given back after a
// compilation whose surfaces needed far less than it holds, and kept while they need it.

#include <gtest/gtest.h>

#include <vector>

#include "render/surfaces/KeptStorage.h"

namespace {

TEST(KeptStorage, GivenBackWhenTheUsesSinceTheLastReleaseNeedFarLess) {
  constexpr size_t Big = 4 * KeptStorageFloorCells, Small = 1000;
  const struct {
    const char* compilation;
    std::vector<size_t> uses; // the grids served, in cells
    bool kept;                // the storage of the big grid is still held afterwards
  } steps[] = {
      {"a big grid", {Big}, true},
      {"the big grid and a small one", {Small, Big}, true},
      {"only small grids", {Small, Small}, false},
  };
  thread_local KeptStorage<std::vector<float>> kept;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.compilation);
    for (size_t cells : step.uses) {
      std::vector<float>& storage = kept.For(cells);
      if (storage.size() < cells) storage.resize(cells);
    }
    ReleaseUnneededStorage();
    EXPECT_EQ(kept.For(0).capacity() >= Big, step.kept);
  }
  // Storage never larger than the floor stays, used or not.
  kept.For(Small).resize(Small);
  ReleaseUnneededStorage();
  ReleaseUnneededStorage();
  EXPECT_GE(kept.For(0).capacity(), Small);
}

} // namespace
