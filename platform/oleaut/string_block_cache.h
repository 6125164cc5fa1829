// Freed small system-string blocks kept for the next allocation of their size class.
//
// String code frees and allocates short texts at a high rate (every join of a string
// expression makes a new string and frees the one before), so a block is kept by its size
// class and handed out again without a trip through malloc. One cache belongs to one thread
// and is used without locks; whichever thread frees a block keeps it, since every block is
// a plain malloc block that any thread may reuse or free. The cache holds at most
// kBlocksPerClass blocks of each of kClassCount classes, so a thread keeps at most about
// 17 KB. It is constant-initialized and trivially destructible, so a thread_local one is
// reached directly, without a guard; its owner empties it with Close at thread exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace platform {

class StringBlockCache {
 public:
  static constexpr std::size_t kClassStep = 16;
  static constexpr std::size_t kClassCount = 16;
  static constexpr std::size_t kLargestClass = kClassStep * kClassCount;
  static constexpr std::size_t kBlocksPerClass = 8;

  // The size a block that needs `needed` bytes is made with: its class's size when the
  // cache can keep it, so any block of the class serves any request of the class.
  static constexpr std::size_t BlockSize(std::size_t needed) {
    return needed - 1 < kLargestClass ? (needed + kClassStep - 1) / kClassStep * kClassStep
                                      : needed;
  }

  // A kept block of BlockSize(needed) bytes, or null when there is none.
  void* Take(std::size_t needed) {
    if (needed - 1 >= kLargestClass) return nullptr;
    SizeClass& size_class = classes_[ClassOf(needed)];
    if (size_class.count == 0) return nullptr;
    return size_class.blocks[--size_class.count];
  }

  // Keeps a block made with BlockSize(needed) bytes. False (the caller frees it) when
  // the block is too large to keep, its class is full, or the cache is not open.
  bool Keep(void* block, std::size_t needed) {
    if (state_ != State::kOpen || needed - 1 >= kLargestClass) return false;
    SizeClass& size_class = classes_[ClassOf(needed)];
    if (size_class.count == kBlocksPerClass) return false;
    size_class.blocks[size_class.count++] = block;
    return true;
  }

  // A cache starts closed: its owner opens it once it has arranged for Close to run.
  bool ever_opened() const { return state_ != State::kNeverOpened; }
  void Open() {
    if (state_ == State::kNeverOpened) state_ = State::kOpen;
  }
  // Frees every kept block; later blocks are refused for good.
  void Close() {
    Clear();
    state_ = State::kClosed;
  }
  // Frees every kept block.
  void Clear() {
    for (SizeClass& size_class : classes_) {
      while (size_class.count > 0) std::free(size_class.blocks[--size_class.count]);
    }
  }
  std::size_t kept_blocks() const {
    std::size_t kept = 0;
    for (const SizeClass& size_class : classes_) kept += size_class.count;
    return kept;
  }

 private:
  enum class State : std::uint8_t { kNeverOpened, kOpen, kClosed };
  struct SizeClass {
    std::uint32_t count = 0;
    void* blocks[kBlocksPerClass] = {};
  };
  static constexpr std::size_t ClassOf(std::size_t needed) { return (needed - 1) / kClassStep; }

  SizeClass classes_[kClassCount] = {};
  State state_ = State::kNeverOpened;
};

}  // namespace platform
