// Moving bytes between program variables and an open file: whole records by record
// number in random mode, byte blocks at a byte position in binary mode.
#pragma once

#include <cstdint>

#include "runtime/files/file_entry.h"
#include "runtime/frame/routine_frame.h"

namespace runtime {

namespace transfer_flag {
inline constexpr std::uint16_t kPositionGiven = 0x0001;  // `where` is used
// The string's current bytes, no length prefix; in binary mode the position stays.
inline constexpr std::uint16_t kRawString = 0x0002;
inline constexpr std::uint16_t kDynString = 0x0004;    // target: DynString*
inline constexpr std::uint16_t kFieldMapped = 0x0008;  // target: FieldMappedString*
inline constexpr std::uint16_t kWideString = 0x0020;   // new strings hold UTF-16 units
inline constexpr std::uint16_t kWrite = 0x0080;        // clear: read
inline constexpr std::uint16_t kArray = 0x0100;        // target: ArrayTarget* (binary only)
}  // namespace transfer_flag

// A fixed-length string that lives inside another string or inside a random file's
// record buffer. Its area is cut to what its home holds, so a stale descriptor can never
// reach outside it.
struct FieldMappedString {
  DynString* base_string = nullptr;  // the home string; null: the record buffer of...
  FileNumber record_file = 0;        // ...this open file
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
};

// An array moved as a whole in binary mode. With kDynString its elements are DynString
// variables, each stored as a 16-bit length (or 0xFFFF and a 32-bit length from 65535
// bytes on) followed by its bytes; otherwise they are plain blocks of element_size.
struct ArrayTarget {
  void* elements = nullptr;
  std::uint32_t element_count = 0;
  std::uint32_t element_size = 0;
};

// `size`: bytes of a plain block (0: the file's own record buffer, recordLength bytes),
// or the element count of an array (cut to the array's own). `where`: record number
// (random) or byte position counted from the base (binary), rounded to nearest, ties to
// even; used only with kPositionGiven. Answers the elements moved for arrays, else 0.
std::uint32_t RecordTransfer(RoutineFrame& frame, FileNumber number, std::uint16_t flags,
                             void* target, std::uint32_t size, long double where);

}  // namespace runtime
