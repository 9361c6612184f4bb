#pragma once
// Memory the program frees goes back to the C library's heap, where it stays resident: after a
// large job shrinks or goes (10,000 frames compiled, then 20) the program would keep its peak.
// GiveFreedMemoryBack hands the heap's free pages back to the system (malloc_trim) when the
// program's resident memory stands well above the least it has been and the heap holds much
// free. The first look (the resident memory) is cheap; the heap is walked only when it passes.

#include <cstddef>

// How far above its least the resident memory must stand, and how much of the heap must be free,
// before the free pages are handed back.
inline constexpr std::size_t FreedMemoryWorthGivingBack = std::size_t{64} << 20;

// Hands the heap's free pages back to the system when that is worth it; true when it did.
bool GiveFreedMemoryBack();

// The resident memory of the program in bytes (0 when unknown).
std::size_t ResidentMemory();
