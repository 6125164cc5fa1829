// Which font file stands for a face name (platform-internal).
//
// Windows programs name faces that are not installed here ("MS Sans Serif", "Tahoma",
// "Lucida Console"). Those names map to one of three generic families, each backed by a
// metric-compatible face at a known Debian path (fonts-liberation2, then
// fonts-dejavu-core), so the usual names never wake fontconfig: start-up reads no font
// directory and no fontconfig cache. Any other name is asked of fontconfig once and
// accepted only when the match really carries that family; otherwise it falls back to
// the sans face, as the Windows font mapper falls back to its default face.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32.h"

namespace platform::gdi {

enum class GenericFamily { kSans, kSerif, kMono };

struct FaceFile {
  std::string path;
  int index = 0;        // face index inside a collection
  bool bold = false;    // the file's own style; a request beyond it is synthesised
  bool italic = false;
  GenericFamily family = GenericFamily::kSans;
  bool fixed_pitch = false;
};

// The generic family a well-known Windows face name stands for, if it is one.
// Case-insensitive ("ms sans serif" == "MS Sans Serif").
std::optional<GenericFamily> AliasedFamily(std::u16string_view name);

// The file of a generic family in the wanted style from the known paths, preferring the
// real bold / italic file and falling back to the regular one; nullopt when neither
// package is installed.
std::optional<FaceFile> KnownFaceFile(GenericFamily family, bool bold, bool italic);

// The file for a LOGFONT's face name, weight and italic flag. `pitch_and_family` picks the
// generic family when the name is empty or unknown (FIXED_PITCH / FF_MODERN: mono,
// FF_ROMAN: serif). Results are remembered per request. Empty path only when no font at
// all is found on the system.
FaceFile ResolveFaceFile(std::u16string_view name, bool bold, bool italic,
                         BYTE pitch_and_family);

}  // namespace platform::gdi
