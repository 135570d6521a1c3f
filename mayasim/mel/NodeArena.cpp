#include "mel/NodeArena.h"

#include <algorithm>

namespace mel {

NodeArena::~NodeArena() {
#ifdef MEL_NODE_ARENA_POISONS
  ASAN_UNPOISON_MEMORY_REGION(first_, kFirstBlock);
#endif
  while (blocks_) {
    Block* next = blocks_->next;
    ::operator delete(blocks_);  // its poisoned bytes go back with it
    blocks_ = next;
  }
}

void* NodeArena::allocateSlow(std::size_t size, std::size_t align) {
  const std::size_t header = (sizeof(Block) + align - 1) / align * align;
  const std::size_t bytes = std::max(nextBlockSize_, header + size);
  nextBlockSize_ = std::min(nextBlockSize_ * 2, kLargestBlock);
  auto* block = static_cast<Block*>(::operator new(bytes));
  block->next = blocks_;
  blocks_ = block;
  auto* start = reinterpret_cast<std::byte*>(block);
  next_ = start + header + size;
  end_ = start + bytes;
  return start + header;
}

}  // namespace mel
