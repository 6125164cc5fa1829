// FreeType faces, loaded once per process and shared by every font made from them
// (platform-internal).
//
// FreeType's library object and its faces are not safe to use from two threads at once,
// so all FreeType work (loading a face, sizing it, loading or rendering a glyph) is done
// under FreeTypeLock(). Drawing cached glyphs needs no FreeType at all.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/gdi/face_lookup.h"

namespace platform::gdi {

// Design metrics in font units, read once from the face's tables.
struct FaceDesign {
  int units_per_em = 2048;
  int win_ascent = 0;       // OS/2 usWinAscent (hhea ascender when absent)
  int win_descent = 0;      // OS/2 usWinDescent, positive (hhea descender when absent)
  int line_height = 0;      // hhea ascender - descender + line gap
  int avg_char_width = 0;   // OS/2 xAvgCharWidth, 0 when absent
  int max_advance = 0;      // hhea advanceWidthMax
  int underline_position = 0;   // post: top of the underline, negative below the baseline
  int underline_thickness = 0;
  int strikeout_position = 0;   // OS/2 yStrikeoutPosition, above the baseline
  int strikeout_thickness = 0;
};

class FontFace {
 public:
  FontFace(FT_Face face, FaceFile file, std::uint32_t id);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  FT_Face ft() const { return face_; }  // use under FreeTypeLock()
  // Makes a size of ppem_x by ppem_y pixels the face's active size, under FreeTypeLock().
  // Setting a size runs the face's control-value program, the largest part of hinting a
  // few glyphs; a kept size runs it once. Only for the normal (v40) hinting target, where
  // glyph programs cannot alter what the next glyph sees: under the monochrome target
  // they can, so those glyphs keep a fresh size each. False when FreeType refuses.
  bool ActivateKeptSize(int ppem_x, int ppem_y) const;
  bool ActivateFreshSize(int ppem_x, int ppem_y) const;
  const FaceFile& file() const { return file_; }
  const FaceDesign& design() const { return design_; }
  std::uint32_t id() const { return id_; }  // distinct per face, for cache keys

 private:
  struct KeptSize {
    int ppem_x;
    int ppem_y;
    FT_Size size;
  };

  FT_Face face_;
  FT_Size fresh_size_;  // the size FT_New_Face made, reset for every glyph
  mutable std::vector<KeptSize> kept_sizes_;  // most recently used last, a few at most
  FaceFile file_;
  FaceDesign design_;
  std::uint32_t id_;
};

std::mutex& FreeTypeLock();

// The shared face of a file, loaded on first use; null when the file cannot be read.
std::shared_ptr<FontFace> LoadFace(const FaceFile& file);

}  // namespace platform::gdi
