// Binary mode: byte blocks at a byte position, and whole arrays.
#include <algorithm>
#include <cstring>

#include "runtime/files/entry_io.h"
#include "runtime/files/transfer_parts.h"
#include "runtime/frame/programming_error.h"

namespace runtime {

namespace {

using namespace transfer_flag;

// Strings of 65535 bytes or more store 0xFFFF and then a 32-bit length.
constexpr std::uint32_t kLongLengthMark = 0xFFFF;

// Moves the bytes and keeps the position after them unless the raw flag says otherwise.
std::uint32_t MoveArea(ErrorState& errors, FileEntry& entry, std::uint16_t flags,
                       TransferArea area) {
  std::uint32_t moved =
      (flags & kWrite) != 0 ? WriteWhole(errors, entry, area) : ReadFilling(errors, entry, area);
  if ((flags & kRawString) == 0) entry.position += moved;
  return moved;
}

bool WriteStringElement(ErrorState& errors, FileEntry& entry, std::uint16_t flags,
                        const DynString& element) {
  std::uint32_t length = element.size();
  unsigned char header[6] = {0xFF, 0xFF};
  std::uint32_t header_size = 2;
  if (length >= kLongLengthMark) {
    for (int i = 0; i < 4; ++i) header[2 + i] = static_cast<unsigned char>(length >> (8 * i));
    header_size = 6;
  } else {
    header[0] = static_cast<unsigned char>(length & 0xFF);
    header[1] = static_cast<unsigned char>(length >> 8);
  }
  if (MoveArea(errors, entry, flags, {reinterpret_cast<char*>(header), header_size}) !=
      header_size) {
    return false;
  }
  return MoveArea(errors, entry, flags, {const_cast<char*>(element.data()), length}) == length;
}

bool ReadStringElement(ErrorState& errors, FileEntry& entry, std::uint16_t flags,
                       DynString& element) {
  unsigned char header[4];
  if (MoveArea(errors, entry, flags, {reinterpret_cast<char*>(header), 2}) != 2) return false;
  std::uint32_t length = header[0] | (std::uint32_t{header[1]} << 8);
  if (length == kLongLengthMark) {
    if (MoveArea(errors, entry, flags, {reinterpret_cast<char*>(header), 4}) != 4) return false;
    length = header[0] | (std::uint32_t{header[1]} << 8) | (std::uint32_t{header[2]} << 16) |
             (std::uint32_t{header[3]} << 24);
  }
  if (!ResizeForRead(errors, element, length, (flags & kWideString) != 0)) return false;
  std::uint32_t wanted = element.size();
  return MoveArea(errors, entry, flags, {element.data(), wanted}) == wanted;
}

}  // namespace

std::uint32_t ArrayTransfer(ErrorState& errors, FileEntry& entry, std::uint16_t flags,
                            const ArrayTarget& array, std::uint32_t count) {
  count = std::min(count, array.element_count);
  if (count == 0) return 0;
  VESTRALINO_EXPECT(array.elements != nullptr, "array transfer without elements");
  if ((flags & kDynString) != 0) {
    auto* elements = static_cast<DynString*>(array.elements);
    const bool write = (flags & kWrite) != 0;
    for (std::uint32_t i = 0; i < count; ++i) {
      bool whole = write ? WriteStringElement(errors, entry, flags, elements[i])
                         : ReadStringElement(errors, entry, flags, elements[i]);
      if (!whole) return i;
    }
    return count;
  }
  if (array.element_size == 0) return 0;
  // One transfer moves at most 4 GiB - 1 bytes: the count is cut to whole elements.
  count = std::min<std::uint32_t>(count, 0xFFFFFFFFu / array.element_size);
  TransferArea bytes{static_cast<char*>(array.elements), count * array.element_size};
  return MoveArea(errors, entry, flags, bytes) / array.element_size;
}

std::uint32_t BinaryTransfer(ErrorState& errors, FileEntry& entry, std::uint16_t flags,
                             void* target, std::uint32_t size, long double where) {
  if ((flags & kPositionGiven) != 0) {
    if (!entry.is_disk()) {
      errors.RaiseError(error::kBadFileMode);
      return 0;
    }
    std::int64_t rounded;
    if (!RoundTransferPosition(where, &rounded) || rounded < entry.base) {
      errors.RaiseError(error::kBadRecordNumber);
      return 0;
    }
    entry.position = rounded - entry.base;
    if (RuntimeErrorCode code = SeekEntry(entry, entry.position, FILE_BEGIN)) {
      errors.RaiseError(code);
      return 0;
    }
  }
  if ((flags & kArray) != 0) {
    return ArrayTransfer(errors, entry, flags, *static_cast<const ArrayTarget*>(target), size);
  }

  TransferArea area;
  if ((flags & kFieldMapped) != 0) {
    if (!ResolveFieldArea(errors, *static_cast<const FieldMappedString*>(target), &area)) {
      return 0;
    }
  } else if ((flags & kDynString) != 0) {
    auto& variable = *static_cast<DynString*>(target);
    area = {variable.data(), variable.size()};
  } else if (size == 0) {
    area = {entry.buffer(), entry.record_length};
  } else {
    VESTRALINO_EXPECT(target != nullptr, "record transfer of a block without an address");
    area = {static_cast<char*>(target), size};
  }
  MoveArea(errors, entry, flags, area);
  return 0;
}

}  // namespace runtime
