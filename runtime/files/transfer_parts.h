// The pieces RecordTransfer is made of, shared by its random-mode and binary-mode halves.
#pragma once

#include <cstdint>

#include "runtime/files/file_entry.h"
#include "runtime/files/record_transfer.h"
#include "runtime/frame/error_state.h"

namespace runtime {

// A run of bytes a transfer reads into or writes from.
struct TransferArea {
  char* data = nullptr;
  std::uint32_t size = 0;
};

// `where` rounded to nearest, ties to even; false when it is no number or beyond the
// 64-bit range.
bool RoundTransferPosition(long double where, std::int64_t* rounded);

// The area of a field-mapped string, cut to its home; raises 52 (and answers false)
// when its home is a file that is not open.
bool ResolveFieldArea(ErrorState& errors, const FieldMappedString& field, TransferArea* area);

// Gives the variable a string of n bytes (n / 2 UTF-16 units for wide strings), keeping
// its allocation when the length already matches. Out of memory raises 7 and answers
// false; the variable then keeps its old string.
bool ResizeForRead(ErrorState& errors, DynString& variable, std::uint32_t n, bool wide);

// Reads up to area.size bytes and zero-fills whatever the file did not supply. Answers
// the bytes read; an OS failure is raised.
std::uint32_t ReadFilling(ErrorState& errors, FileEntry& entry, TransferArea area);
// Writes the area; a write that falls short raises 61. Answers the bytes written.
std::uint32_t WriteWhole(ErrorState& errors, FileEntry& entry, TransferArea area);

void RandomTransfer(ErrorState& errors, FileEntry& entry, std::uint16_t flags, void* target,
                    std::uint32_t size, long double where);
std::uint32_t BinaryTransfer(ErrorState& errors, FileEntry& entry, std::uint16_t flags,
                             void* target, std::uint32_t size, long double where);
std::uint32_t ArrayTransfer(ErrorState& errors, FileEntry& entry, std::uint16_t flags,
                            const ArrayTarget& array, std::uint32_t count);

}  // namespace runtime
