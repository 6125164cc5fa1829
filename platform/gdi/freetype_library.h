// The process's one FreeType library (platform-internal). Callers hold FreeTypeLock().
//
// Where FreeType is linked into the program, the library starts with what TrueType faces
// need (the sfnt tables, the TrueType driver with its hinting interpreter, the two
// rasterizers); every other font format is added the first time a file is not TrueType.
// A start then runs and maps none of the other formats' code. Where FreeType is a shared
// library, its own default set is used.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform::gdi {

// Created on first use and kept for the life of the process; null when FreeType fails.
FT_Library FreeTypeLibrary();

// Adds the font formats the library does not have yet; false when it already had them all.
bool AddEveryFontFormat(FT_Library library);

}  // namespace platform::gdi
