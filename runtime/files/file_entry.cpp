#include "runtime/files/file_entry.h"

#include <cstring>
#include <new>

namespace runtime {

namespace {
// System strings start 4 bytes into a 16-byte block; the header needs 8-byte alignment.
constexpr std::uint64_t kAlignSlack = alignof(FileEntry);
// The largest system string the allocator makes.
constexpr std::uint64_t kLargestAllocation = 0x7FFFFFF0u;
}  // namespace

FileEntryPtr AllocateFileEntry(ErrorState& errors, std::uint32_t record_length) {
  std::uint64_t bytes = kAlignSlack + sizeof(FileEntry) + std::uint64_t{record_length};
  if (bytes > kLargestAllocation) {
    errors.RaiseError(error::kOutOfMemory);
    return nullptr;
  }
  char* raw = AllocateText(errors, static_cast<std::uint32_t>(bytes));
  if (raw == nullptr) return nullptr;
  std::memset(raw, 0, bytes);
  auto address = reinterpret_cast<std::uintptr_t>(raw);
  address = (address + alignof(FileEntry) - 1) & ~std::uintptr_t{alignof(FileEntry) - 1};
  auto* entry = new (reinterpret_cast<void*>(address)) FileEntry;
  entry->allocation = raw;
  return FileEntryPtr(entry);
}

void ReleaseFileEntry(FileEntry* entry) {
  if (entry == nullptr) return;
  void* raw = entry->allocation;
  entry->~FileEntry();
  FreeText(raw);
}

}  // namespace runtime
