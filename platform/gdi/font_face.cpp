#include "platform/gdi/font_face.h"

#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <map>
#include <utility>

#include "platform/gdi/freetype_library.h"

namespace platform::gdi {
namespace {

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
    : face_(face), fresh_size_(face->size), file_(std::move(file)), design_(ReadDesign(face)),
      id_(id) {}

bool FontFace::ActivateFreshSize(int ppem_x, int ppem_y) const {
  if (FT_Activate_Size(fresh_size_) != 0) return false;
  return FT_Set_Pixel_Sizes(face_, ppem_x, ppem_y) == 0;
}

bool FontFace::ActivateKeptSize(int ppem_x, int ppem_y) const {
  // Dialogs use two or three sizes; a few more cover a program's fonts, and a bound keeps
  // a stream of odd sizes from holding memory.
  constexpr std::size_t kMostKeptSizes = 8;
  for (std::size_t i = kept_sizes_.size(); i-- > 0;) {
    if (kept_sizes_[i].ppem_x != ppem_x || kept_sizes_[i].ppem_y != ppem_y) continue;
    const KeptSize found = kept_sizes_[i];
    kept_sizes_.erase(kept_sizes_.begin() + static_cast<std::ptrdiff_t>(i));
    kept_sizes_.push_back(found);
    return FT_Activate_Size(found.size) == 0;
  }
  FT_Size size = nullptr;
  if (FT_New_Size(face_, &size) != 0) return false;
  if (FT_Activate_Size(size) != 0 || FT_Set_Pixel_Sizes(face_, ppem_x, ppem_y) != 0) {
    FT_Done_Size(size);
    FT_Activate_Size(fresh_size_);
    return false;
  }
  if (kept_sizes_.size() == kMostKeptSizes) {
    FT_Done_Size(kept_sizes_.front().size);
    kept_sizes_.erase(kept_sizes_.begin());
  }
  kept_sizes_.push_back({ppem_x, ppem_y, size});
  return true;
}

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
  // Faces are shared and never unloaded: nothing to tear down before exit.
  FT_Library library = FreeTypeLibrary();
  if (library == nullptr) return nullptr;
  FT_Face face = nullptr;
  FT_Error error = FT_New_Face(library, file.path.c_str(), file.index, &face);
  if (FT_ERROR_BASE(error) == FT_Err_Unknown_File_Format && AddEveryFontFormat(library)) {
    error = FT_New_Face(library, file.path.c_str(), file.index, &face);
  }
  if (error != 0) return nullptr;
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  auto shared = std::make_shared<FontFace>(face, file, static_cast<std::uint32_t>(loaded.size() + 1));
  loaded.emplace(std::move(key), shared);
  return shared;
}

}  // namespace platform::gdi
