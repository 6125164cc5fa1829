#include "runtime/files/record_transfer.h"

#include "runtime/files/file_table.h"
#include "runtime/files/transfer_parts.h"

namespace runtime {

std::uint32_t RecordTransfer(RoutineFrame& frame, FileNumber number, std::uint16_t flags,
                             void* target, std::uint32_t size, long double where) {
  ErrorState& errors = frame.errors;
  FileEntry* entry = Files().Find(number);
  if (entry == nullptr) {
    errors.RaiseError(error::kBadFileNameOrNumber);
    return 0;
  }
  entry->column = 0;
  entry->buffer_count = 0;
  switch (entry->mode) {
    case file_mode::kRandom:
      RandomTransfer(errors, *entry, flags, target, size, where);
      return 0;
    case file_mode::kBinary:
      return BinaryTransfer(errors, *entry, flags, target, size, where);
    default:
      errors.RaiseError(error::kBadFileMode);
      return 0;
  }
}

}  // namespace runtime
