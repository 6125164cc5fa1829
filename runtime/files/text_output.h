// Line ends and runs of spaces written to output and append files, with the column kept
// for tabulation. Files whose access byte has the wide-text bit get UTF-16.
#pragma once

#include <cstdint>

#include "runtime/files/file_entry.h"
#include "runtime/frame/routine_frame.h"

namespace runtime {

// CR LF; the column starts again at 0.
void FileWriteLineEnd(RoutineFrame& frame, FileNumber number);
// `count` spaces, written in chunks of at most 8.
void FileWriteSpaces(RoutineFrame& frame, FileNumber number, std::uint32_t count);

}  // namespace runtime
