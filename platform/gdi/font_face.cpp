#include "platform/gdi/font_face.h"

#include FT_TRUETYPE_TABLES_H

#include <map>
#include <utility>

namespace platform::gdi {
namespace {

// Created on first use and kept for the life of the process: faces are shared and
// never unloaded, so there is nothing to tear down before exit.
FT_Library Library() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    if (FT_Init_FreeType(&made) != 0) made = nullptr;
    return made;
  }();
  return library;
}

FaceDesign ReadDesign(FT_Face face) {
  FaceDesign design;
  design.units_per_em = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  design.win_ascent = face->ascender;
  design.win_descent = -face->descender;
  design.line_height = face->height;
  design.max_advance = face->max_advance_width;
  design.underline_position = face->underline_position;
  design.underline_thickness = face->underline_thickness;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF) {
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      design.win_ascent = os2->usWinAscent;
      design.win_descent = os2->usWinDescent;
    }
    design.avg_char_width = os2->xAvgCharWidth;
    design.strikeout_position = os2->yStrikeoutPosition;
    design.strikeout_thickness = os2->yStrikeoutSize;
  }
  if (design.win_ascent + design.win_descent <= 0) {
    design.win_ascent = design.units_per_em * 4 / 5;
    design.win_descent = design.units_per_em / 5;
  }
  if (design.underline_thickness <= 0) design.underline_thickness = design.units_per_em / 20;
  if (design.strikeout_thickness <= 0) design.strikeout_thickness = design.underline_thickness;
  if (design.strikeout_position <= 0) design.strikeout_position = design.win_ascent / 3;
  return design;
}

}  // namespace

std::mutex& FreeTypeLock() {
  static std::mutex lock;
  return lock;
}

FontFace::FontFace(FT_Face face, FaceFile file, std::uint32_t id)
    : face_(face), file_(std::move(file)), design_(ReadDesign(face)), id_(id) {}

FontFace::~FontFace() {
  std::lock_guard guard(FreeTypeLock());
  FT_Done_Face(face_);
}

std::shared_ptr<FontFace> LoadFace(const FaceFile& file) {
  if (file.path.empty()) return nullptr;
  std::lock_guard guard(FreeTypeLock());
  static std::map<std::pair<std::string, int>, std::shared_ptr<FontFace>> loaded;
  auto key = std::make_pair(file.path, file.index);
  auto it = loaded.find(key);
  if (it != loaded.end()) return it->second;
  FT_Library library = Library();
  FT_Face face = nullptr;
  if (library == nullptr || FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) {
    return nullptr;
  }
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  auto shared = std::make_shared<FontFace>(face, file, static_cast<std::uint32_t>(loaded.size() + 1));
  loaded.emplace(std::move(key), shared);
  return shared;
}

}  // namespace platform::gdi
