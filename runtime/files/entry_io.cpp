#include "runtime/files/entry_io.h"

#include "runtime/files/guarded_os_call.h"

namespace runtime {

RuntimeErrorCode SeekEntry(FileEntry& entry, std::int64_t offset, DWORD method,
                           std::int64_t* new_offset) {
  auto low = static_cast<LONG>(static_cast<std::uint32_t>(offset));
  auto high = static_cast<LONG>(static_cast<std::uint64_t>(offset) >> 32);
  auto outcome = GuardedOsCall([&] { return SetFilePointer(entry.handle, low, &high, method); });
  if (!outcome.ok()) return outcome.code;
  if (new_offset != nullptr) {
    *new_offset = static_cast<std::int64_t>(
        (std::uint64_t{static_cast<std::uint32_t>(high)} << 32) | outcome.result);
  }
  return 0;
}

RuntimeErrorCode ReadEntry(FileEntry& entry, void* target, DWORD bytes, DWORD* moved) {
  DWORD count = 0;
  auto outcome =
      GuardedOsCall([&] { return ReadFile(entry.handle, target, bytes, &count, nullptr); });
  entry.transfer_count = count;
  *moved = outcome.ok() ? count : 0;
  return outcome.code;
}

RuntimeErrorCode WriteEntry(FileEntry& entry, const void* source, DWORD bytes, DWORD* moved) {
  DWORD count = 0;
  auto outcome =
      GuardedOsCall([&] { return WriteFile(entry.handle, source, bytes, &count, nullptr); });
  entry.transfer_count = count;
  *moved = outcome.ok() ? count : 0;
  return outcome.code;
}

}  // namespace runtime
