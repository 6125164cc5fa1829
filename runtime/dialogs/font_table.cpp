#include "runtime/dialogs/font_table.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>

#include "runtime/frame/error_state.h"
#include "runtime/frame/runtime_lists.h"
#include "runtime/frame/spin_lock.h"
#include "runtime/frame/thread_record.h"

namespace runtime {
namespace {

struct FontTable {
  SpinLock lock;
  FontRecord* head = nullptr;
  FontRecord* tail = nullptr;
  std::int32_t count = 0;
};

FontTable& Table() {
  static FontTable* table = [] {
    RegisterRuntimeListReset(&reset_font_table);
    return new FontTable;
  }();
  return *table;
}

// The part of LOGFONTW that takes part in the comparison: lfEscapement to the end of
// lfFaceName. lfHeight and lfWidth change when the handle is made and do not count.
constexpr std::size_t kComparedFrom = offsetof(LOGFONTW, lfEscapement);
constexpr std::size_t kComparedBytes = sizeof(LOGFONTW) - kComparedFrom;

bool SameDescription(const FontRecord& a, const FontRecord& b) {
  return a.origin == b.origin && std::bit_cast<std::uint32_t>(a.size) ==
                                     std::bit_cast<std::uint32_t>(b.size) &&
         a.reserved == b.reserved &&
         std::memcmp(reinterpret_cast<const BYTE*>(&a.font) + kComparedFrom,
                     reinterpret_cast<const BYTE*>(&b.font) + kComparedFrom,
                     kComparedBytes) == 0;
}

void CopyFace(LOGFONTW& font, std::u16string_view face) {
  std::size_t n = face.size() < kFaceCharacters ? face.size() : kFaceCharacters;
  for (std::size_t i = 0; i < n; ++i) font.lfFaceName[i] = face[i];
}

// The number of the first equal entry, else a new entry's; 0 when it cannot be made.
FontNumber FindOrAppend(const FontRecord& candidate, std::int32_t use_count = 0) {
  FontTable& table = Table();
  std::lock_guard hold(table.lock);
  for (const FontRecord* f = table.head; f != nullptr; f = f->next) {
    if (SameDescription(*f, candidate)) return f->number;
  }
  // The allocation is the one outside call made under the lock. Plain memory: the
  // handles inside need more alignment than system strings give.
  auto* entry = new (std::nothrow) FontRecord(candidate);
  if (entry == nullptr) return 0;
  entry->next = nullptr;
  entry->use_count = use_count;
  entry->number = ++table.count;
  (table.tail != nullptr ? table.tail->next : table.head) = entry;
  table.tail = entry;
  return entry->number;
}

FontRecord BuiltIn(std::u16string_view face, float size, BYTE pitch) {
  FontRecord f{};
  CopyFace(f.font, face);
  f.size = size;
  f.origin = kCreatedFont;
  f.font.lfWeight = 400;
  f.font.lfPitchAndFamily = pitch;
  return f;
}

constexpr BYTE kFixedPitchFamily = 1;  // FIXED_PITCH

// Ties to even whatever the caller's rounding mode.
LONG RoundHalfEven(double v) {
  double r = std::floor(v + 0.5);
  if (r - v == 0.5 && std::fmod(r, 2.0) != 0.0) r -= 1.0;
  return static_cast<LONG>(r);
}

}  // namespace

FontNumber create_font(ErrorState& errors, std::u16string_view face, float size,
                       std::uint32_t style, BYTE charset, BYTE pitch_and_family,
                       std::int32_t angle) {
  FontRecord candidate{};
  CopyFace(candidate.font, face);
  if (size == 0.0f) size = 8.0f;
  if ((style & font_style::kCellHeight) != 0) size = -size;
  candidate.size = size;
  candidate.origin = kCreatedFont;
  candidate.font.lfWeight = (style & font_style::kBold) != 0 ? 700 : 400;
  candidate.font.lfItalic = (style & font_style::kItalic) != 0 ? 1 : 0;
  candidate.font.lfUnderline = (style & font_style::kUnderline) != 0 ? 1 : 0;
  candidate.font.lfStrikeOut = (style & font_style::kStrikeOut) != 0 ? 1 : 0;
  candidate.font.lfCharSet = charset;
  candidate.font.lfPitchAndFamily = pitch_and_family;
  candidate.font.lfEscapement = angle;
  candidate.font.lfOrientation = angle;
  FontNumber number = FindOrAppend(candidate);
  if (number == 0) errors.RaiseError(error::kIllegalFunctionCall);
  return number;
}

void set_default_dialog_font(ErrorState& errors, std::u16string_view face, std::int32_t size,
                             std::uint32_t style, BYTE charset) {
  FontRecord candidate{};
  CopyFace(candidate.font, face);
  candidate.size = static_cast<float>(size);
  candidate.origin = style & font_style::kDefaultFontBits;
  candidate.font.lfWeight = (style & font_style::kBold) != 0 ? 700 : 400;
  candidate.font.lfItalic = (style & font_style::kItalic) != 0 ? 0xFF : 0;
  candidate.font.lfPitchAndFamily = (style & font_style::kFixedPitch) != 0 ? 1 : 0;
  candidate.font.lfCharSet = charset;
  FontNumber number = FindOrAppend(candidate);
  if (number == 0) {
    errors.RaiseError(error::kIllegalFunctionCall);
    return;
  }
  if (ThreadRecord* thread = CurrentThreadRecord()) thread->default_dialog_font = number;
}

FontNumber default_dialog_font() {
  const ThreadRecord* thread = CurrentThreadRecord();
  // A thread that never went through start-up has no setting yet: the initial one.
  if (thread == nullptr || thread->default_dialog_font == 0) return 1;
  return thread->default_dialog_font;
}

FontRecord* find_font(FontNumber number) {
  FontTable& table = Table();
  std::lock_guard hold(table.lock);
  for (FontRecord* f = table.head; f != nullptr; f = f->next) {
    if (f->number == number) return f;
  }
  return nullptr;
}

std::size_t font_count() {
  FontTable& table = Table();
  std::lock_guard hold(table.lock);
  return static_cast<std::size_t>(table.count);
}

LONG font_height_for(int dpi, float size) {
  return -RoundHalfEven(static_cast<double>(dpi) * static_cast<double>(size) / 72.0);
}

LONG first_graphic_font_height(int dpi) { return -(dpi * 8 / 72); }

void create_built_in_fonts() {
  FindOrAppend(BuiltIn(u"MS Sans Serif", 8.0f, 0), 1);
  FindOrAppend(BuiltIn(u"Lucida Console", 0.0f, kFixedPitchFamily), 1);
  FindOrAppend(BuiltIn(u"Lucida Console", 11.0f, kFixedPitchFamily), 1);
}

void reset_font_table() {
  FontTable& table = Table();
  FontRecord* head;
  {
    std::lock_guard hold(table.lock);
    head = std::exchange(table.head, nullptr);
    table.tail = nullptr;
    table.count = 0;
  }
  while (head != nullptr) delete std::exchange(head, head->next);
}

}  // namespace runtime
