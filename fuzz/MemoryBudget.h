// A bound on the memory one fuzz input may hold. While a MemoryBudget lives,
// an allocation through operator new that would take the bytes allocated
// since its start past the budget throws std::bad_alloc, as it does on a
// host that has run out of memory. Without it, an input that doubles a
// string thirty times asks for gigabytes, and the fuzzer stops on its
// malloc limit instead of running the host's own out-of-memory handling.
// Outside a budget, allocation is unbounded (the fuzzer's own bookkeeping).
#pragma once

#include <cstddef>

namespace fuzz {

class MemoryBudget {
 public:
  explicit MemoryBudget(std::size_t bytes);
  ~MemoryBudget();
  MemoryBudget(const MemoryBudget&) = delete;
  MemoryBudget& operator=(const MemoryBudget&) = delete;
};

}  // namespace fuzz
