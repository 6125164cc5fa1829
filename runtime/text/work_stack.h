// The per-routine stack of string temporaries on which string expressions are evaluated.
//
// Each slot is a system string (narrow, or UTF-16 after SlotToWide) whose lowest pointer
// bit marks it borrowed: it points at a variable's current string or at a literal and is
// never freed. An owned slot holds the only reference to a fresh string. Strings sit on
// even addresses and literals on 4-byte boundaries, so the bit is free. Operations
// address the top entry (slot 0) and the ones under it (slot 1, slot 2); every operation
// consumes its inputs, frees the owned ones it does not pass on and leaves its result in
// a slot.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win32.h"
#include "runtime/frame/programming_error.h"
#include "runtime/text/dyn_string.h"
#include "runtime/text/static_text.h"

namespace runtime {

class ErrorState;

class TempSlot {
 public:
  TempSlot() = default;
  static TempSlot Borrowed(const void* text) {
    return TempSlot(reinterpret_cast<std::uintptr_t>(text) | (text ? kBorrowedBit : 0));
  }
  static TempSlot Owned(void* text) { return TempSlot(reinterpret_cast<std::uintptr_t>(text)); }

  bool borrowed() const { return (bits_ & kBorrowedBit) != 0; }
  const void* text() const { return reinterpret_cast<const void*>(bits_ & ~kBorrowedBit); }
  void* owned_text() const { return reinterpret_cast<void*>(bits_ & ~kBorrowedBit); }
  std::uint32_t size() const { return TextLength(text()); }
  bool empty() const { return text() == nullptr; }

 private:
  static constexpr std::uintptr_t kBorrowedBit = 1;
  explicit TempSlot(std::uintptr_t bits) : bits_(bits) {}
  std::uintptr_t bits_ = 0;
};

class StringWorkStack {
 public:
  static constexpr int kCapacity = 5;
  // 0 = "unlimited" for PopToCBuffer.
  static constexpr std::uint32_t kUnlimitedBuffer = 0x2000001;
  // PushFromCString scans at most this many bytes for the terminator.
  static constexpr std::uint32_t kMaxCStringScan = 0x2000000;

  explicit StringWorkStack(ErrorState& errors) : errors_(errors) {}
  ~StringWorkStack();
  StringWorkStack(const StringWorkStack&) = delete;
  StringWorkStack& operator=(const StringWorkStack&) = delete;

  ErrorState& errors() const { return errors_; }
  int depth() const { return top_; }

  // --- pushing
  void PushBorrowed(const DynString& variable) { PushSlot(TempSlot::Borrowed(variable.data())); }
  template <std::size_t N>
  void PushBorrowed(const StaticText<N>& literal) {
    PushSlot(TempSlot::Borrowed(literal.data()));
  }
  // A system string (narrow or wide) that someone else keeps alive.
  void PushBorrowedText(const void* text) { PushSlot(TempSlot::Borrowed(text)); }
  void PushOwned(DynString text) { PushSlot(TempSlot::Owned(text.release())); }
  // A system string (narrow or wide) handed over to the stack.
  void PushOwnedText(void* text) { PushSlot(TempSlot::Owned(text)); }
  // An owned copy of the bytes before the first NUL (at most 32 MiB scanned).
  void PushFromCString(const char* buffer);
  // An owned copy of the given bytes (a convenience for services and tests).
  void PushCopy(std::string_view bytes);

  // --- popping
  void PopAssign(DynString& variable);
  void PopDiscard() { Release(PopSlot()); }
  // At most size - 1 bytes, stopping after a NUL in the text; a NUL is written after
  // the copied bytes unless the copy ended with one. Bytes after it stay as they were.
  void PopToCBuffer(char* buffer, std::uint32_t size);
  // min(length, size) bytes, the rest of the field filled with `fill`.
  void PopToPaddedField(char* field, std::uint32_t size, char fill = ' ');
  // Slot 0 as an owned string for an OS call (a borrowed one is copied first).
  DynString PopToArgument();
  // Slot 0 as an owned string (copied when borrowed); same as PopToArgument.
  DynString PopOwned() { return PopToArgument(); }

  // --- operating
  void ConcatTop();  // slot 1 := slot 1 followed by slot 0; pops
  // Converts slot k in place to UTF-16 / back to bytes. Code page 0 = the thread's.
  void SlotToWide(int k, UINT code_page = 0);
  void SlotToNarrow(int k, UINT code_page = 0);

  // --- for the services
  const TempSlot& Slot(int k) const {
    VESTRALINO_EXPECT(k >= 0 && k < top_, "string work stack slot out of range");
    return slots_[top_ - 1 - k];
  }
  const char* Text(int k) const { return static_cast<const char*>(Slot(k).text()); }
  const WCHAR* WideText(int k) const { return static_cast<const WCHAR*>(Slot(k).text()); }
  std::uint32_t Length(int k) const { return Slot(k).size(); }
  std::string_view View(int k) const {
    const char* t = Text(k);
    return {t ? t : "", Length(k)};
  }
  // Slot 0 := result (owned); the old slot 0 is freed when it was owned.
  void ReplaceTop(DynString result) {
    TempSlot& slot = At(0);
    Release(slot);
    slot = TempSlot::Owned(result.release());
  }
  // Slot 0 := another slot value, no copy; the old slot 0 is freed when owned and
  // different from the new value.
  void ReplaceTopSlot(TempSlot slot);

 private:
  // The stack operations are inline: a string expression is a run of them, and each one
  // is a bounds check and a word move.
  void PushSlot(TempSlot slot) {
    VESTRALINO_EXPECT(top_ < kCapacity, "string work stack would pass five slots");
    slots_[top_++] = slot;
  }
  // The popped entry is left as it was: nothing reads above the top.
  TempSlot PopSlot() {
    VESTRALINO_EXPECT(top_ > 0, "pop from an empty string work stack");
    return slots_[--top_];
  }
  TempSlot& At(int k) {
    VESTRALINO_EXPECT(k >= 0 && k < top_, "string work stack slot out of range");
    return slots_[top_ - 1 - k];
  }
  static void Release(TempSlot slot) {
    if (!slot.borrowed()) FreeText(slot.owned_text());
  }

  ErrorState& errors_;
  int top_ = 0;
  TempSlot slots_[kCapacity];
};

}  // namespace runtime
