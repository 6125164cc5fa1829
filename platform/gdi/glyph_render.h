// Rendering one glyph with FreeType into 8-bit coverage (platform-internal).
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/gdi/glyph_cache.h"

namespace platform::gdi {

// The hinting used for text: FreeType's full hinting (the faces' own TrueType
// instructions) with grayscale coverage. Compared at 8 points on the button face colour,
// full hinting puts every vertical stem on one solid pixel column, close to the crisp
// look of Windows 2000; light hinting leaves stems smeared over two gray columns, and
// the monochrome target, though the most Windows-like for regular text, thins bold
// stems to one pixel and breaks digits ("01/12").
inline constexpr FT_Int32 kTextHinting = FT_LOAD_TARGET_NORMAL;

// Renders `key` from `face` (taking FreeTypeLock). A character the face lacks renders as
// its .notdef glyph, as GDI shows a box; a face that fails to load the glyph gives an
// empty glyph with a plausible advance.
Glyph RenderGlyph(const FontFace& face, const GlyphKey& key);

// RenderGlyph(face, key).advance, without rasterising the glyph: measuring text at large
// sizes need not pay for megabytes of coverage.
int GlyphAdvance(const FontFace& face, const GlyphKey& key);

}  // namespace platform::gdi
