#include "runtime/files/transfer_parts.h"

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>

#include "runtime/files/entry_io.h"
#include "runtime/files/file_table.h"

namespace runtime {

bool RoundTransferPosition(long double where, std::int64_t* rounded) {
  // 2^63 itself does not fit; the comparison also turns away NaN.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (!(where >= -kLimit && where < kLimit)) return false;
  // Under the run-time layer's rounding (to nearest, ties to even) the processor's own
  // conversion gives the answer, without the control-word switch a truncating cast
  // needs; below 2^62 it cannot round out of range.
  constexpr long double kFastLimit = 4611686018427387904.0L;
  if (std::fegetround() == FE_TONEAREST && where > -kFastLimit && where < kFastLimit) {
    *rounded = std::llrintl(where);
    return true;
  }
  std::int64_t whole = static_cast<std::int64_t>(where);
  long double fraction = where - static_cast<long double>(whole);
  const bool odd = (whole & 1) != 0;
  if (fraction > 0.5L || (fraction == 0.5L && odd)) {
    if (whole == std::numeric_limits<std::int64_t>::max()) return false;
    ++whole;
  } else if (fraction < -0.5L || (fraction == -0.5L && odd)) {
    --whole;
  }
  *rounded = whole;
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
