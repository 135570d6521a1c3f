// Replaces the global operator new and delete of the fuzz target it is
// linked into, to count the bytes held. Single-threaded use: a fuzz target
// runs one input at a time on one thread.
#include "fuzz/MemoryBudget.h"

#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// Bytes held now, counted from the process's start; the difference between
// two readings is what was allocated in between (frees of older blocks make
// it smaller, so it is signed).
std::int64_t held = 0;
bool armed = false;
std::int64_t limit = 0;  // `held` may not pass this while armed

void* allocate(std::size_t n) {
  if (armed &&
      (n > static_cast<std::size_t>(INT64_MAX) || held + static_cast<std::int64_t>(n) > limit))
    throw std::bad_alloc();
  void* p = std::malloc(n == 0 ? 1 : n);
  if (!p) throw std::bad_alloc();
  held += static_cast<std::int64_t>(malloc_usable_size(p));
  return p;
}

void release(void* p) noexcept {
  if (!p) return;
  held -= static_cast<std::int64_t>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

namespace fuzz {

MemoryBudget::MemoryBudget(std::size_t bytes) {
  limit = held + static_cast<std::int64_t>(bytes);
  armed = true;
}

MemoryBudget::~MemoryBudget() { armed = false; }

}  // namespace fuzz

void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return allocate(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, const std::nothrow_t& tag) noexcept {
  return operator new(n, tag);
}
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
