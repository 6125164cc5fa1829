// Random mode: fixed-length records addressed by record number. The file pointer is set
// for every transfer, so records may be visited in any order.
#include <algorithm>
#include <cstring>
#include <limits>

#include "runtime/files/entry_io.h"
#include "runtime/files/transfer_parts.h"
#include "runtime/frame/programming_error.h"

namespace runtime {

namespace {

using namespace transfer_flag;

// The largest length a 16-bit prefix can state.
constexpr std::uint32_t kMaxPrefixedLength = 65533;

// Picks the record and moves the file pointer to it: 0 or the code of the failure.
RuntimeErrorCode SeekRecord(FileEntry& entry, std::uint16_t flags, long double where) {
  if ((flags & kPositionGiven) != 0) {
    if (!entry.is_disk()) return error::kBadFileMode;
    if (!RoundTransferPosition(where, &entry.position)) return error::kBadRecordNumber;
  } else {
    if (entry.position == std::numeric_limits<std::int64_t>::max()) {
      return error::kBadRecordNumber;
    }
    entry.position += 1;
  }
  if (entry.position < entry.base) return error::kBadRecordNumber;
  std::int64_t index = entry.position - entry.base;
  if (index > std::numeric_limits<std::int64_t>::max() / entry.record_length) {
    return error::kBadRecordNumber;
  }
  return SeekEntry(entry, index * entry.record_length, FILE_BEGIN);
}

void WriteRaw(ErrorState& errors, FileEntry& entry, TransferArea string) {
  string.size = std::min(string.size, entry.record_length);
  WriteWhole(errors, entry, string);
}

// The string keeps its length: what lies beyond the record is cleared, the rest is read.
void ReadRaw(ErrorState& errors, FileEntry& entry, TransferArea string) {
  if (string.size > entry.record_length) {
    std::memset(string.data + entry.record_length, 0, string.size - entry.record_length);
    string.size = entry.record_length;
  }
  ReadFilling(errors, entry, string);
}

// A 16-bit little-endian length, then the bytes, in one write.
void WritePrefixed(ErrorState& errors, FileEntry& entry, const DynString& variable) {
  // A record of one byte cannot hold even the prefix.
  if (entry.record_length < 2) return errors.RaiseError(error::kIllegalFunctionCall);
  std::uint32_t n = std::min({variable.size(), entry.record_length - 2, kMaxPrefixedLength});
  DynString record = DynString::Adopt(AllocateText(errors, n + 2));
  if (record.empty()) return;
  record.data()[0] = static_cast<char>(n & 0xFF);
  record.data()[1] = static_cast<char>(n >> 8);
  if (n > 0) std::memcpy(record.data() + 2, variable.data(), n);
  WriteWhole(errors, entry, {record.data(), n + 2});
}

void ReadPrefixed(ErrorState& errors, FileEntry& entry, DynString& variable, bool wide) {
  unsigned char prefix[2];
  if (ReadFilling(errors, entry, {reinterpret_cast<char*>(prefix), 2}) < 2) return;
  std::uint32_t n = prefix[0] | (std::uint32_t{prefix[1]} << 8);
  if (!ResizeForRead(errors, variable, n, wide)) return;
  ReadFilling(errors, entry, {variable.data(), variable.size()});
}

void TransferBlock(ErrorState& errors, FileEntry& entry, std::uint16_t flags, void* target,
                   std::uint32_t size) {
  if (size == 0) {
    target = entry.buffer();
    size = entry.record_length;
  }
  VESTRALINO_EXPECT(target != nullptr, "record transfer of a block without an address");
  TransferArea block{static_cast<char*>(target), size};
  if ((flags & kWrite) != 0) {
    block.size = std::min(size, entry.record_length);
    WriteWhole(errors, entry, block);
  } else {
    ReadFilling(errors, entry, block);
  }
}

}  // namespace

void RandomTransfer(ErrorState& errors, FileEntry& entry, std::uint16_t flags, void* target,
                    std::uint32_t size, long double where) {
  if ((flags & kArray) != 0) return errors.RaiseError(error::kBadFileMode);
  if (RuntimeErrorCode code = SeekRecord(entry, flags, where)) return errors.RaiseError(code);
  const bool write = (flags & kWrite) != 0;

  if ((flags & kFieldMapped) != 0) {
    // A field has a fixed length, so it always moves in raw form.
    TransferArea field;
    if (!ResolveFieldArea(errors, *static_cast<const FieldMappedString*>(target), &field)) return;
    return write ? WriteRaw(errors, entry, field) : ReadRaw(errors, entry, field);
  }
  if ((flags & kDynString) != 0) {
    auto& variable = *static_cast<DynString*>(target);
    if ((flags & kRawString) != 0) {
      TransferArea bytes{variable.data(), variable.size()};
      return write ? WriteRaw(errors, entry, bytes) : ReadRaw(errors, entry, bytes);
    }
    if (write) return WritePrefixed(errors, entry, variable);
    return ReadPrefixed(errors, entry, variable, (flags & kWideString) != 0);
  }
  TransferBlock(errors, entry, flags, target, size);
}

}  // namespace runtime
