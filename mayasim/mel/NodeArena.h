// The memory of one parsed text's tree. Nodes are placed one after another
// in blocks, and the blocks are given back together when the arena goes:
// when the script and every procedure it defined are gone (both hold the
// arena). A node's destructor still runs when its owner drops it
// (NodeDelete); only its memory waits for the arena.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define MEL_NODE_ARENA_POISONS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MEL_NODE_ARENA_POISONS 1
#endif
#endif
#ifdef MEL_NODE_ARENA_POISONS
#include <sanitizer/asan_interface.h>
#endif

namespace mel {

class NodeArena {
 public:
  NodeArena() = default;
  NodeArena(const NodeArena&) = delete;
  NodeArena& operator=(const NodeArena&) = delete;
  ~NodeArena();

  template <class T, class... Args>
  T* make(Args&&... args) {
    static_assert(alignof(T) <= alignof(std::max_align_t));
    return new (allocate(sizeof(T), alignof(T))) T(std::forward<Args>(args)...);
  }

 private:
  struct Block {
    Block* next;
  };
  // Small enough that the arena and a short text's tree come in one
  // allocation of the allocator's fastest size class.
  static constexpr std::size_t kFirstBlock = 768;
  static constexpr std::size_t kLargestBlock = 64 * 1024;

  void* allocate(std::size_t size, std::size_t align);
  void* allocateSlow(std::size_t size, std::size_t align);

  alignas(std::max_align_t) std::byte first_[kFirstBlock];
  std::byte* next_ = first_;
  std::byte* end_ = first_ + kFirstBlock;
  Block* blocks_ = nullptr;  // the blocks after the first, newest first
  std::size_t nextBlockSize_ = 4 * kFirstBlock;
};

inline void* NodeArena::allocate(std::size_t size, std::size_t align) {
  auto at = reinterpret_cast<std::uintptr_t>(next_);
  at = (at + align - 1) & ~(std::uintptr_t{align} - 1);
  auto* p = reinterpret_cast<std::byte*>(at);
  if (p > end_ || static_cast<std::size_t>(end_ - p) < size) return allocateSlow(size, align);
  next_ = p + size;
  return p;
}

// Deletes a node of an arena: runs its destructor and leaves the memory to
// the arena. Under AddressSanitizer the node's bytes are poisoned, so that
// a use after its owner dropped it is still caught.
struct NodeDelete {
  template <class T>
  void operator()(T* node) const {
    node->~T();
#ifdef MEL_NODE_ARENA_POISONS
    ASAN_POISON_MEMORY_REGION(node, sizeof(T));
#endif
  }
};

template <class T>
using NodePtr = std::unique_ptr<T, NodeDelete>;

}  // namespace mel
