// Rendered glyphs, kept so that text is drawn without asking FreeType again
// (platform-internal).
//
// A glyph is keyed by its face, pixel size, rendering flags, angle and character (a
// character names one glyph of a face through its Unicode charmap, so keying by it saves
// a FreeType look-up on every draw). The cache is bounded by the bytes of coverage it
// holds and drops the least recently used glyphs beyond that; entries are shared
// pointers, so a glyph being drawn stays alive when it is dropped. Safe to use from
// several threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform::gdi {

class FontFace;

// How a glyph is rendered beyond its face and size.
enum GlyphFlags : std::uint8_t {
  kGlyphEmbolden = 1,  // synthetic bold: outline widened by one pixel
  kGlyphOblique = 2,   // synthetic italic: outline slanted
  kGlyphMono = 4,      // NONANTIALIASED_QUALITY: coverage 0 or 255 only
};

struct GlyphKey {
  std::uint32_t face_id = 0;
  std::uint16_t ppem_x = 0;
  std::uint16_t ppem_y = 0;
  std::uint8_t flags = 0;
  std::int16_t angle = 0;  // tenths of a degree, counter-clockwise, 0..3599
  char32_t character = 0;

  bool operator==(const GlyphKey&) const = default;
};

struct Glyph {
  std::int32_t left = 0;    // first column, relative to the pen
  std::int32_t top = 0;     // rows of the first row above the baseline
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t advance = 0;  // whole pixels along the baseline (angle 0 rendering)
  std::vector<std::uint8_t> coverage;  // width * height, 0 = none, 255 = full
};

using GlyphPtr = std::shared_ptr<const Glyph>;

class GlyphCache {
 public:
  explicit GlyphCache(std::size_t byte_budget);
  ~GlyphCache();
  GlyphCache(const GlyphCache&) = delete;
  GlyphCache& operator=(const GlyphCache&) = delete;

  // The glyph of `key`, rendered by `render` on a miss (called without the cache's lock
  // held; two threads missing the same key may both render it, and one result is kept).
  GlyphPtr Get(const GlyphKey& key, const std::function<Glyph()>& render);
  // The glyph of `key` when it is held, else null; renders nothing.
  GlyphPtr Find(const GlyphKey& key) const;

  std::size_t size() const;        // glyphs held
  std::size_t bytes() const;       // coverage bytes held (approximate memory use)
  void Clear();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The process's cache: 4 MB of coverage, thousands of glyphs at dialog sizes.
GlyphCache& SharedGlyphCache();

}  // namespace platform::gdi
