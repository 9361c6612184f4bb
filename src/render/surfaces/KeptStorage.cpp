#include "render/surfaces/KeptStorage.h"

#include <algorithm>

namespace {

// The kept storage of this thread.
std::vector<KeptStorageBase*>& ThreadsStorage() {
  thread_local std::vector<KeptStorageBase*> kept;
  return kept;
}

} // namespace

KeptStorageBase::KeptStorageBase() { ThreadsStorage().push_back(this); }

KeptStorageBase::~KeptStorageBase() {
  std::vector<KeptStorageBase*>& kept = ThreadsStorage();
  kept.erase(std::remove(kept.begin(), kept.end(), this), kept.end());
}

void KeptStorageBase::Use(std::size_t cells) {
  m_sizedFor = std::max(m_sizedFor, cells);
  m_largestSince = std::max(m_largestSince, cells);
}

void KeptStorageBase::ReleaseUnneeded() {
  if (m_sizedFor > KeptStorageFloorCells && m_sizedFor > KeptStorageSlack * m_largestSince) {
    Drop();
    m_sizedFor = m_largestSince;
  }
  m_largestSince = 0;
}

void ReleaseUnneededStorage() {
  for (KeptStorageBase* kept : ThreadsStorage())
    kept->ReleaseUnneeded();
}
