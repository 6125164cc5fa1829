#include "runtime/files/file_table.h"
#include "runtime/files/guarded_os_call.h"
#include "runtime/files/numbered_files.h"

namespace runtime {

long double FileLength(RoutineFrame& frame, FileNumber number) {
  FileEntry* entry = Files().Find(number);
  if (entry == nullptr) {
    frame.errors.RaiseError(error::kBadFileNameOrNumber);
    return 0;
  }
  if (!entry->is_disk()) return 0;
  DWORD high = 0;
  auto outcome = GuardedOsCall([&] { return GetFileSize(entry->handle, &high); });
  if (!outcome.ok()) {
    frame.errors.RaiseError(outcome.code);
    return 0;
  }
  entry->transfer_count = high;
  return static_cast<long double>((std::uint64_t{high} << 32) | outcome.result);
}

std::int32_t FileInfo(RoutineFrame& frame, FileNumber number, std::int32_t selector) {
  if (selector == file_info::kNumberAt) return Files().NumberAt(number);
  FileEntry* entry = Files().Find(number);
  bool is_field_selector =
      selector == file_info::kMode || selector == file_info::kHandle ||
      (selector <= file_info::kRecordLength && selector >= file_info::kOutsideField2);
  if (!is_field_selector) return entry != nullptr ? -1 : 0;
  if (entry == nullptr) {
    frame.errors.RaiseError(error::kBadFileNameOrNumber);
    return 0;
  }
  switch (selector) {
    case file_info::kMode:
      return entry->mode;
    case file_info::kHandle:
      // Handles are 32-bit values on the system this answer was made for.
      return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(entry->handle));
    case file_info::kRecordLength:
      return static_cast<std::int32_t>(entry->record_length);
    case file_info::kBase:
      return entry->base;
    case file_info::kDeviceKind:
      return entry->device_kind;
    case file_info::kOutsideField1:
      return static_cast<std::int32_t>(entry->outside_fields[0]);
    default:
      return static_cast<std::int32_t>(entry->outside_fields[1]);
  }
}

}  // namespace runtime
