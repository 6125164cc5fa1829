// Copying bytes from an address the caller vouches for, without trusting it
// (platform-internal).
//
// Used where the API hands us a pointer and no length (dialog templates): the bytes are
// copied through the kernel (process_vm_readv, or a pipe where that is not allowed), which
// reports an unreadable page as an error instead of a fault. Copies grow page by page, so a
// short template near the end of a mapping is read without touching the next page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::user {

class ReadableMemory {
 public:
  ReadableMemory(const void* address, std::size_t limit)
      : address_(reinterpret_cast<std::uintptr_t>(address)), limit_(limit) {}

  // Makes bytes [0, end) available in data(); false when they are not all readable or lie
  // beyond the limit.
  bool Ensure(std::size_t end);
  const std::uint8_t* data() const { return bytes_.data(); }
  std::uintptr_t address() const { return address_; }

 private:
  std::uintptr_t address_;
  std::size_t limit_;
  std::vector<std::uint8_t> bytes_;
  bool failed_ = false;
};

}  // namespace platform::user
