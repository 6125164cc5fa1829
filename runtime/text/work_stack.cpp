#include "runtime/text/work_stack.h"

#include <cstring>

#include "runtime/frame/error_state.h"
#include "runtime/frame/thread_record.h"

namespace runtime {

StringWorkStack::~StringWorkStack() {
  while (top_ > 0) Release(slots_[--top_]);
}

void StringWorkStack::PushFromCString(const char* buffer) {
  if (buffer == nullptr) {
    PushSlot(TempSlot());
    return;
  }
  const void* end = std::memchr(buffer, 0, kMaxCStringScan);
  std::size_t n = end ? static_cast<const char*>(end) - buffer : kMaxCStringScan;
  PushCopy({buffer, n});
}

void StringWorkStack::PushCopy(std::string_view bytes) {
  PushOwned(DynString::Copy(errors_, bytes));
}

void StringWorkStack::PopAssign(DynString& variable) {
  TempSlot slot = PopSlot();
  if (!slot.borrowed()) {
    // Owned: moved into the variable, no copy.
    variable = DynString::Adopt(static_cast<char*>(slot.owned_text()));
    return;
  }
  const char* text = static_cast<const char*>(slot.text());
  std::uint32_t n = slot.size();
  if (text == variable.data()) return;  // assigning a variable to itself
  if (n == 0) {
    variable.reset();
    return;
  }
  if (variable.size() == n) {
    // Same length: the variable's allocation is reused.
    std::memmove(variable.data(), text, n);
    return;
  }
  variable.reset();
  variable = DynString::Copy(errors_, {text, n});
}

void StringWorkStack::PopToCBuffer(char* buffer, std::uint32_t size) {
  TempSlot slot = PopSlot();
  if (size == 0) size = kUnlimitedBuffer;
  const char* text = static_cast<const char*>(slot.text());
  std::uint32_t n = slot.size();
  if (n > size - 1) n = size - 1;
  std::uint32_t copied = 0;
  bool ended_with_nul = false;
  while (copied < n) {
    char c = text[copied++];
    buffer[copied - 1] = c;
    if (c == '\0') {
      ended_with_nul = true;
      break;
    }
  }
  if (!ended_with_nul) buffer[copied] = '\0';
  Release(slot);
}

void StringWorkStack::PopToPaddedField(char* field, std::uint32_t size, char fill) {
  TempSlot slot = PopSlot();
  std::uint32_t n = slot.size() < size ? slot.size() : size;
  if (n > 0) std::memcpy(field, slot.text(), n);
  std::memset(field + n, fill, size - n);
  Release(slot);
}

DynString StringWorkStack::PopToArgument() {
  TempSlot slot = PopSlot();
  if (!slot.borrowed()) return DynString::Adopt(static_cast<char*>(slot.owned_text()));
  return DynString::Copy(errors_, {static_cast<const char*>(slot.text()), slot.size()});
}

void StringWorkStack::ConcatTop() {
  const TempSlot b = PopSlot();
  TempSlot& a = At(0);
  const auto* a_text = static_cast<const char*>(a.text());
  const auto* b_text = static_cast<const char*>(b.text());
  if (a_text == nullptr) {
    a = b;  // still owned or borrowed as it was
    return;
  }
  if (b_text == nullptr) return;
  const std::uint32_t la = TextLength(a_text);
  const std::uint32_t lb = TextLength(b_text);
  // A join that cannot be allocated leaves the slot empty, as every failed build does;
  // both inputs are consumed either way.
  char* joined = nullptr;
  if (static_cast<std::uint64_t>(la) + lb <= 0x7FFFFFFFu) [[likely]] {
    joined = reinterpret_cast<char*>(SysAllocStringByteLen(nullptr, la + lb));
  }
  if (joined != nullptr) [[likely]] {
    CopyTextBytes(joined, a_text, la);
    CopyTextBytes(joined + la, b_text, lb);
  } else {
    RaiseOutOfMemory(errors_);
  }
  if (!a.borrowed()) FreeText(a_text);
  if (!b.borrowed()) FreeText(b_text);
  a = TempSlot::Owned(joined);
}

void StringWorkStack::SlotToWide(int k, UINT code_page) {
  TempSlot& slot = At(k);
  if (code_page == 0) code_page = ThreadCodePage();
  if (slot.empty()) return;
  const char* text = static_cast<const char*>(slot.text());
  int bytes = static_cast<int>(slot.size());
  int units = MultiByteToWideChar(code_page, MB_PRECOMPOSED, text, bytes, nullptr, 0);
  BSTR wide = nullptr;
  if (units > 0) {
    wide = SysAllocStringLen(nullptr, static_cast<UINT>(units));
    if (wide == nullptr) {
      errors_.RaiseError(error::kOutOfMemory);
    } else {
      MultiByteToWideChar(code_page, MB_PRECOMPOSED, text, bytes, wide, units);
    }
  }
  Release(slot);
  slot = TempSlot::Owned(wide);
}

void StringWorkStack::SlotToNarrow(int k, UINT code_page) {
  TempSlot& slot = At(k);
  if (code_page == 0) code_page = ThreadCodePage();
  if (slot.empty()) return;
  const WCHAR* wide = static_cast<const WCHAR*>(slot.text());
  int units = static_cast<int>(slot.size() / 2);
  int bytes = WideCharToMultiByte(code_page, 0, wide, units, nullptr, 0, nullptr, nullptr);
  char* text = nullptr;
  if (bytes > 0) {
    text = AllocateText(errors_, static_cast<std::uint32_t>(bytes));
    if (text != nullptr) {
      WideCharToMultiByte(code_page, 0, wide, units, text, bytes, nullptr, nullptr);
    }
  }
  Release(slot);
  slot = TempSlot::Owned(text);
}

void StringWorkStack::ReplaceTopSlot(TempSlot replacement) {
  TempSlot& slot = At(0);
  if (slot.text() != replacement.text()) Release(slot);
  slot = replacement;
}

}  // namespace runtime
