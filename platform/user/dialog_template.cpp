#include "platform/user/dialog_template.h"

#include <cstring>

#include "platform/user/readable_memory.h"

namespace platform::user {
namespace {

constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;

class Cursor {
 public:
  Cursor(const void* address, std::size_t limit) : memory_(address, limit) {}

  bool Word(WORD* out) { return Bytes(out, sizeof(WORD)); }
  bool Dword(DWORD* out) { return Bytes(out, sizeof(DWORD)); }
  bool Short(short* out) { return Bytes(out, sizeof(short)); }
  bool Byte(BYTE* out) { return Bytes(out, 1); }
  bool Bytes(void* out, std::size_t n) {
    if (!memory_.Ensure(offset_ + n)) return false;
    std::memcpy(out, memory_.data() + offset_, n);
    offset_ += n;
    return true;
  }
  // Moves to the next multiple of `alignment` of the absolute address.
  void Align(std::size_t alignment) {
    std::uintptr_t at = memory_.address() + offset_;
    offset_ += (alignment - at % alignment) % alignment;
  }
  // A zero-terminated UTF-16 string; false when it runs past what can be read.
  bool String(std::u16string* out) {
    out->clear();
    for (;;) {
      WORD unit;
      if (!Word(&unit)) return false;
      if (unit == 0) return true;
      out->push_back(static_cast<char16_t>(unit));
    }
  }
  // A menu, class or title field.
  bool Name(TemplateName* out) {
    WORD first;
    if (!Word(&first)) return false;
    *out = TemplateName{};
    if (first == 0) return true;
    out->present = true;
    if (first == kOrdinalMark) {
      out->is_ordinal = true;
      return Word(&out->ordinal);
    }
    out->text.push_back(static_cast<char16_t>(first));
    std::u16string rest;
    if (!String(&rest)) return false;
    out->text += rest;
    return true;
  }

 private:
  ReadableMemory memory_;
  std::size_t offset_ = 0;
};

bool ReadHeader(Cursor& in, DialogTemplate& t, WORD* count) {
  WORD version, signature;
  if (!in.Word(&version) || !in.Word(&signature)) return false;
  if (signature == kExtendedSignature) {
    if (version != 1) return false;
    t.extended = true;
    if (!in.Dword(&t.help_id) || !in.Dword(&t.ex_style) || !in.Dword(&t.style)) return false;
  } else {
    t.style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
    if (!in.Dword(&t.ex_style)) return false;
  }
  return in.Word(count) && in.Short(&t.x) && in.Short(&t.y) && in.Short(&t.cx) &&
         in.Short(&t.cy);
}

bool ReadFont(Cursor& in, DialogTemplate& t) {
  t.has_font = true;
  if (!in.Word(&t.point_size)) return false;
  if (t.extended && (!in.Word(&t.weight) || !in.Byte(&t.italic) || !in.Byte(&t.charset))) {
    return false;
  }
  return in.String(&t.face);
}

bool ReadItem(Cursor& in, bool extended, DialogItemTemplate& item) {
  in.Align(sizeof(DWORD));
  if (extended) {
    if (!in.Dword(&item.help_id) || !in.Dword(&item.ex_style) || !in.Dword(&item.style)) {
      return false;
    }
  } else if (!in.Dword(&item.style) || !in.Dword(&item.ex_style)) {
    return false;
  }
  if (!in.Short(&item.x) || !in.Short(&item.y) || !in.Short(&item.cx) || !in.Short(&item.cy)) {
    return false;
  }
  if (extended) {
    if (!in.Dword(&item.id)) return false;
  } else {
    WORD id;
    if (!in.Word(&id)) return false;
    item.id = id;
  }
  if (!in.Name(&item.class_name) || !in.Name(&item.title)) return false;
  WORD size;
  if (!in.Word(&size)) return false;
  if (size == 0) return true;
  // DLGITEMTEMPLATE counts the size WORD in the size; DLGITEMTEMPLATEEX does not. The
  // control gets the size WORD followed by the data either way.
  std::size_t data = extended ? size : (size >= sizeof(WORD) ? size - sizeof(WORD) : 0);
  in.Align(sizeof(WORD));
  item.creation_data.resize(sizeof(WORD) + data);
  std::memcpy(item.creation_data.data(), &size, sizeof(WORD));
  return in.Bytes(item.creation_data.data() + sizeof(WORD), data);
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(const void* address, std::size_t limit) {
  if (address == nullptr) return std::nullopt;
  Cursor in(address, limit);
  DialogTemplate t;
  WORD count = 0;
  if (!ReadHeader(in, t, &count)) return std::nullopt;
  if (!in.Name(&t.menu) || !in.Name(&t.class_name) || !in.Name(&t.title)) return std::nullopt;
  if ((t.style & DS_SETFONT) && !ReadFont(in, t)) return std::nullopt;
  // Grown item by item: an absurd count costs nothing until its items are really there.
  for (WORD i = 0; i < count; ++i) {
    DialogItemTemplate item;
    if (!ReadItem(in, t.extended, item)) return std::nullopt;
    t.items.push_back(std::move(item));
  }
  return t;
}

LPCWSTR ClassOfOrdinal(WORD ordinal) {
  switch (ordinal) {
    case 0x80:
      return u"Button";
    case 0x81:
      return u"Edit";
    case 0x82:
      return u"Static";
    case 0x83:
      return u"ListBox";
    case 0x84:
      return u"ScrollBar";
    case 0x85:
      return u"ComboBox";
    default:
      return nullptr;
  }
}

}  // namespace platform::user
