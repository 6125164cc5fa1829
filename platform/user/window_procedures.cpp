#include "platform/user/window_procedures.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <set>
#include <vector>

#include "platform/kernel/text_codecs.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

std::mutex ansi_lock;
std::set<WNDPROC>& AnsiProcedures() {
  static auto* set = new std::set<WNDPROC>;
  return *set;
}

std::size_t WideLength(const WCHAR* text) {
  std::size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

// Copies `text` into a caller's buffer of `capacity` units, truncated and terminated as
// WM_GETTEXT does; returns the units copied without the terminator.
template <class Char, class String>
LRESULT CopyOut(const String& text, Char* buffer, std::size_t capacity) {
  if (buffer == nullptr || capacity == 0) return 0;
  std::size_t n = std::min(text.size(), capacity - 1);
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
  return static_cast<LRESULT>(n);
}

LRESULT WideToAnsiCall(WNDPROC procedure, HWND window, UINT message, WPARAM wparam,
                       LPARAM lparam) {
  switch (message) {
    case WM_SETTEXT: {
      if (lparam == 0) break;
      std::string text = AnsiFromWide(reinterpret_cast<const WCHAR*>(lparam));
      return procedure(window, message, wparam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<WCHAR*>(lparam);
      if (buffer == nullptr || wparam == 0) return procedure(window, message, 0, lparam);
      std::vector<char> bytes(wparam * 3 + 1, '\0');
      LRESULT got = procedure(window, message, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
      std::size_t n = got > 0 ? std::min<std::size_t>(got, bytes.size() - 1) : 0;
      return CopyOut(WideFromAnsi(bytes.data(), n), buffer, wparam);
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      auto* wide = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      if (wide == nullptr) break;
      CREATESTRUCTA ansi;
      std::memcpy(&ansi, wide, sizeof ansi);
      std::string name = wide->lpszName != nullptr && !IS_INTRESOURCE(wide->lpszName)
                             ? AnsiFromWide(wide->lpszName) : std::string();
      std::string class_name = wide->lpszClass != nullptr && !IS_INTRESOURCE(wide->lpszClass)
                                   ? AnsiFromWide(wide->lpszClass) : std::string();
      if (wide->lpszName != nullptr && !IS_INTRESOURCE(wide->lpszName)) ansi.lpszName = name.c_str();
      if (wide->lpszClass != nullptr && !IS_INTRESOURCE(wide->lpszClass)) {
        ansi.lpszClass = class_name.c_str();
      }
      return procedure(window, message, wparam, reinterpret_cast<LPARAM>(&ansi));
    }
    default:
      break;
  }
  return procedure(window, message, wparam, lparam);
}

LRESULT AnsiToWideCall(WNDPROC procedure, HWND window, UINT message, WPARAM wparam,
                       LPARAM lparam) {
  switch (message) {
    case WM_SETTEXT: {
      if (lparam == 0) break;
      std::u16string text = WideFromAnsi(reinterpret_cast<const char*>(lparam));
      return procedure(window, message, wparam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(lparam);
      if (buffer == nullptr || wparam == 0) return procedure(window, message, 0, lparam);
      std::vector<WCHAR> units(wparam + 1, 0);
      LRESULT got = procedure(window, message, units.size(), reinterpret_cast<LPARAM>(units.data()));
      std::size_t n = got > 0 ? std::min<std::size_t>(got, units.size() - 1) : 0;
      return CopyOut(AnsiFromWide(units.data(), n), buffer, wparam);
    }
    case WM_GETTEXTLENGTH: {
      // The ANSI length of the wide text: fetch it and measure.
      LRESULT units = procedure(window, WM_GETTEXTLENGTH, 0, 0);
      if (units <= 0) return units;
      std::vector<WCHAR> text(static_cast<std::size_t>(units) + 1, 0);
      LRESULT got = procedure(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
      return static_cast<LRESULT>(AnsiFromWide(text.data(), got > 0 ? got : 0).size());
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      auto* ansi = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      if (ansi == nullptr) break;
      CREATESTRUCTW wide;
      std::memcpy(&wide, ansi, sizeof wide);
      std::u16string name, class_name;
      if (ansi->lpszName != nullptr && !IS_INTRESOURCE(ansi->lpszName)) {
        name = WideFromAnsi(ansi->lpszName);
        wide.lpszName = name.c_str();
      }
      if (ansi->lpszClass != nullptr && !IS_INTRESOURCE(ansi->lpszClass)) {
        class_name = WideFromAnsi(ansi->lpszClass);
        wide.lpszClass = class_name.c_str();
      }
      return procedure(window, message, wparam, reinterpret_cast<LPARAM>(&wide));
    }
    default:
      break;
  }
  return procedure(window, message, wparam, lparam);
}

}  // namespace

void RememberAnsiProcedure(WNDPROC procedure) {
  if (procedure == nullptr) return;
  std::lock_guard hold(ansi_lock);
  AnsiProcedures().insert(procedure);
}

bool IsAnsiProcedure(WNDPROC procedure) {
  std::lock_guard hold(ansi_lock);
  return AnsiProcedures().count(procedure) != 0;
}

LRESULT CallProcedure(WNDPROC procedure, bool procedure_ansi, HWND window, UINT message,
                      WPARAM wparam, LPARAM lparam, bool caller_ansi) {
  if (procedure == nullptr) return 0;
  if (procedure_ansi == caller_ansi) return procedure(window, message, wparam, lparam);
  return caller_ansi ? AnsiToWideCall(procedure, window, message, wparam, lparam)
                     : WideToAnsiCall(procedure, window, message, wparam, lparam);
}

LRESULT SendTo(HWND window, UINT message, WPARAM wparam, LPARAM lparam, bool caller_ansi) {
  Window* record = LiveWindow(window);
  if (record == nullptr) return 0;
  WNDPROC procedure = record->procedure;
  bool procedure_ansi = record->procedure_ansi;
  MessageQueue& queue = CurrentQueue();
  ++queue.send_depth;
  LRESULT result =
      CallProcedure(procedure, procedure_ansi, window, message, wparam, lparam, caller_ansi);
  --queue.send_depth;
  return result;
}

std::u16string WideFromAnsi(const char* text) {
  return text == nullptr ? std::u16string() : WideFromAnsi(text, std::strlen(text));
}

std::u16string WideFromAnsi(const char* text, std::size_t bytes) {
  std::u16string out(bytes, u'\0');
  auto converted = Utf8ToUtf16(text, bytes, out.data(), out.size(), false);
  out.resize(converted.length);
  return out;
}

std::string AnsiFromWide(const WCHAR* text) {
  return text == nullptr ? std::string() : AnsiFromWide(text, WideLength(text));
}

std::string AnsiFromWide(const WCHAR* text, std::size_t units) {
  std::string out(units * 3, '\0');
  auto converted = Utf16ToUtf8(text, units, out.data(), out.size(), false);
  out.resize(converted.length);
  return out;
}

}  // namespace platform::user

extern "C" {

LRESULT SendMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return platform::user::SendTo(window, message, wparam, lparam, false);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return platform::user::SendTo(window, message, wparam, lparam, true);
}

LRESULT SendMessageTimeoutW(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                            UINT /*flags: a send here never waits on another thread*/,
                            UINT /*timeout*/, DWORD_PTR* result) {
  if (platform::user::LiveWindow(window) == nullptr) return 0;
  LRESULT answer = platform::user::SendTo(window, message, wparam, lparam, false);
  if (result != nullptr) *result = static_cast<DWORD_PTR>(answer);
  return 1;
}

LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wparam,
                        LPARAM lparam) {
  return platform::user::CallProcedure(procedure, platform::user::IsAnsiProcedure(procedure),
                                       window, message, wparam, lparam, false);
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wparam,
                        LPARAM lparam) {
  return platform::user::CallProcedure(procedure, platform::user::IsAnsiProcedure(procedure),
                                       window, message, wparam, lparam, true);
}

BOOL InSendMessage() { return platform::user::CurrentQueue().send_depth > 0 ? TRUE : FALSE; }

}  // extern "C"
