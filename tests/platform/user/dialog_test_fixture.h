// Dialogs under test: a template writer (DLGTEMPLATE and DLGTEMPLATEEX byte by byte, as a
// resource compiler lays them out), a stand-in control class that answers WM_GETDLGCODE
// like the standard controls (so the dialog manager is tested on its own), and a dialog
// procedure that records what it sees.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/user/window_test_fixture.h"

class TemplateWriter {
 public:
  explicit TemplateWriter(bool extended) : extended_(extended) {}

  TemplateWriter& Dialog(DWORD style, short x, short y, short cx, short cy,
                         const std::u16string& title, WORD point_size = 0,
                         const std::u16string& face = u"", WORD weight = 400, BYTE italic = 0) {
    if (extended_) {
      Word(1);
      Word(0xFFFF);
      Dword(0);  // help id
      Dword(0);  // ex style
      Dword(style);
    } else {
      Dword(style);
      Dword(0);
    }
    count_at_ = bytes_.size();
    Word(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0);  // no menu
    Word(0);  // the dialog class
    String(title);
    if (style & DS_SETFONT) {
      Word(point_size);
      if (extended_) {
        Word(weight);
        bytes_.push_back(italic);
        bytes_.push_back(0);  // ANSI_CHARSET
      }
      String(face);
    }
    return *this;
  }

  // An item of a class given by name (or by ordinal when class_ordinal != 0).
  TemplateWriter& Item(DWORD style, short x, short y, short cx, short cy, DWORD id,
                       const std::u16string& class_name, const std::u16string& text,
                       WORD class_ordinal = 0, std::vector<BYTE> data = {}) {
    while (bytes_.size() % 4) bytes_.push_back(0);
    if (extended_) {
      Dword(0);
      Dword(0);
      Dword(style);
    } else {
      Dword(style);
      Dword(0);
    }
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    if (extended_) {
      Dword(id);
    } else {
      Word(static_cast<WORD>(id));
    }
    if (class_ordinal != 0) {
      Word(0xFFFF);
      Word(class_ordinal);
    } else {
      String(class_name);
    }
    String(text);
    if (data.empty()) {
      Word(0);
    } else {
      Word(static_cast<WORD>(data.size() + (extended_ ? 0 : 2)));
      bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    WORD count;
    std::memcpy(&count, bytes_.data() + count_at_, 2);
    ++count;
    std::memcpy(bytes_.data() + count_at_, &count, 2);
    return *this;
  }

  std::vector<BYTE>& bytes() { return bytes_; }
  // DWORD-aligned storage, as templates are in resources.
  const DLGTEMPLATE* get() {
    storage_.assign((bytes_.size() + 3) / 4, 0);
    std::memcpy(storage_.data(), bytes_.data(), bytes_.size());
    return reinterpret_cast<const DLGTEMPLATE*>(storage_.data());
  }

  void Word(WORD v) { Raw(&v, 2); }
  void Dword(DWORD v) { Raw(&v, 4); }
  void String(const std::u16string& s) {
    for (char16_t c : s) Word(c);
    Word(0);
  }

 private:
  void Raw(const void* p, std::size_t n) {
    auto* b = static_cast<const BYTE*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
  }
  bool extended_;
  std::size_t count_at_ = 0;
  std::vector<BYTE> bytes_;
  std::vector<DWORD> storage_;
};

// Bytes placed at the very end of a readable page, followed by an inaccessible page: any
// read past them faults.
class GuardedBytes {
 public:
  explicit GuardedBytes(const std::vector<BYTE>& bytes) {
    long page = sysconf(_SC_PAGESIZE);
    std::size_t pages = (bytes.size() + static_cast<std::size_t>(page) - 1) / page + 1;
    size_ = (pages + 1) * static_cast<std::size_t>(page);
    base_ = static_cast<BYTE*>(mmap(nullptr, size_, PROT_READ | PROT_WRITE,
                                    MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    BYTE* guard = base_ + pages * static_cast<std::size_t>(page);
    mprotect(guard, static_cast<std::size_t>(page), PROT_NONE);
    data_ = guard - bytes.size();
    if (!bytes.empty()) std::memcpy(data_, bytes.data(), bytes.size());  // data() may be null
  }
  ~GuardedBytes() { munmap(base_, size_); }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_); }

 private:
  BYTE* base_ = nullptr;
  BYTE* data_ = nullptr;
  std::size_t size_ = 0;
};

class DialogTest : public WindowTest {
 public:
  static constexpr const WCHAR* kControl = u"DialogTestControl";
  // Stand-in control kinds, by the low bits of the style as for buttons.
  static constexpr DWORD kPush = BS_PUSHBUTTON, kDefPush = BS_DEFPUSHBUTTON;
  static constexpr DWORD kRadio = BS_AUTORADIOBUTTON, kLabel = 0x0F, kEditLike = 0x0E;

 protected:

  void SetUp() override {
    WindowTest::SetUp();
    dialog_current() = this;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ControlProcedure;
    wc.lpszClassName = kControl;
    ASSERT_NE(RegisterClassExW(&wc), 0);
  }
  void TearDown() override {
    WindowTest::TearDown();
    UnregisterClassW(kControl, nullptr);
    dialog_current() = nullptr;
  }

  struct Command {
    int id;
    int code;
    HWND control;
  };

  // A dialog procedure recording WM_COMMAND; `on_init` and `on_command` may act.
  static INT_PTR Recorder(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    DialogTest* test = dialog_current();
    if (test == nullptr) return FALSE;
    test->dialog_messages_.push_back(message);
    if (message == WM_INITDIALOG) {
      test->init_wparam_ = reinterpret_cast<HWND>(wparam);
      test->init_lparam_ = lparam;
      if (test->on_init_) return test->on_init_(dialog);
      return TRUE;
    }
    if (message == WM_COMMAND) {
      test->commands_.push_back({LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam)});
      if (test->on_command_) return test->on_command_(dialog, LOWORD(wparam));
      return TRUE;
    }
    if (test->on_message_) return test->on_message_(dialog, message, wparam, lparam);
    return FALSE;
  }

  // Delivers a key to the focused control as the modal loop would.
  void Key(HWND dialog, UINT vk, UINT message = WM_KEYDOWN) {
    MSG msg{GetFocus(), message, vk, 1, 0, {0, 0}};
    if (msg.hwnd == nullptr) msg.hwnd = dialog;
    IsDialogMessageW(dialog, &msg);
  }

  static DialogTest*& dialog_current() {
    static DialogTest* test = nullptr;
    return test;
  }

  std::vector<UINT> dialog_messages_;
  std::vector<Command> commands_;
  std::vector<std::pair<HWND, HFONT>> fonts_set_;
  std::vector<HWND> clicked_;
  HWND init_wparam_ = nullptr;
  LPARAM init_lparam_ = 0;
  std::function<INT_PTR(HWND)> on_init_;
  std::function<INT_PTR(HWND, int)> on_command_;
  std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> on_message_;

 private:
  static LRESULT ControlProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    DialogTest* test = dialog_current();
    DWORD kind = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & 0x0F;
    switch (message) {
      case WM_GETDLGCODE:
        if (kind == kPush) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        if (kind == kDefPush) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (kind == kRadio) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (kind == kLabel) return DLGC_STATIC;
        if (kind == kEditLike) return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        return 0;
      case BM_SETSTYLE: {
        LONG style = GetWindowLongW(window, GWL_STYLE);
        SetWindowLongW(window, GWL_STYLE, (style & ~0xFFFF) | static_cast<LONG>(wparam & 0xFFFF));
        return 0;
      }
      case BM_CLICK:
        if (test != nullptr) test->clicked_.push_back(window);
        SendMessageW(GetParent(window), WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(window)), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
        return 0;
      case WM_SETFONT:
        if (test != nullptr) test->fonts_set_.push_back({window, reinterpret_cast<HFONT>(wparam)});
        return 0;
      default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
  }
};
