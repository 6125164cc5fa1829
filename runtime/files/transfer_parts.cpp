#include "runtime/files/transfer_parts.h"

#include <cmath>
#include <cstring>

#include "runtime/files/entry_io.h"
#include "runtime/files/file_table.h"

namespace runtime {

bool RoundTransferPosition(long double where, std::int64_t* rounded) {
  if (!std::isfinite(where)) return false;
  long double whole = std::floor(where);
  long double fraction = where - whole;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0)) whole += 1;
  // 2^63 itself does not fit.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (whole >= kLimit || whole < -kLimit) return false;
  *rounded = static_cast<std::int64_t>(whole);
  return true;
}

bool ResolveFieldArea(ErrorState& errors, const FieldMappedString& field, TransferArea* area) {
  char* home;
  std::uint32_t home_size;
  if (field.base_string != nullptr) {
    home = field.base_string->data();
    home_size = field.base_string->size();
  } else {
    FileEntry* entry = Files().Find(field.record_file);
    if (entry == nullptr) {
      errors.RaiseError(error::kBadFileNameOrNumber);
      return false;
    }
    home = entry->buffer();
    home_size = entry->record_length;
  }
  if (field.offset >= home_size) {
    *area = {};
    return true;
  }
  std::uint32_t room = home_size - field.offset;
  *area = {home + field.offset, field.length < room ? field.length : room};
  return true;
}

bool ResizeForRead(ErrorState& errors, DynString& variable, std::uint32_t n, bool wide) {
  // A wide string holds whole units: an odd byte count loses its last byte.
  std::uint32_t bytes = wide ? n & ~1u : n;
  if (variable.size() == bytes && !variable.empty()) return true;
  if (bytes == 0) {
    variable.reset();
    return true;
  }
  char* text = wide ? reinterpret_cast<char*>(SysAllocStringLen(nullptr, bytes / 2))
                    : AllocateText(errors, bytes);
  if (text == nullptr) {
    if (wide) errors.RaiseError(error::kOutOfMemory);
    return false;
  }
  variable = DynString::Adopt(text);
  return true;
}

std::uint32_t ReadFilling(ErrorState& errors, FileEntry& entry, TransferArea area) {
  if (area.size == 0) return 0;
  DWORD moved = 0;
  if (RuntimeErrorCode code = ReadEntry(entry, area.data, area.size, &moved)) {
    errors.RaiseError(code);
    return 0;
  }
  if (moved > area.size) moved = area.size;
  std::memset(area.data + moved, 0, area.size - moved);
  return moved;
}

std::uint32_t WriteWhole(ErrorState& errors, FileEntry& entry, TransferArea area) {
  if (area.size == 0) return 0;
  DWORD moved = 0;
  if (RuntimeErrorCode code = WriteEntry(entry, area.data, area.size, &moved)) {
    errors.RaiseError(code);
    return 0;
  }
  if (moved != area.size) errors.RaiseError(error::kDiskFull);
  return moved;
}

}  // namespace runtime
