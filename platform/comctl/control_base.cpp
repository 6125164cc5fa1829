#include "platform/comctl/control_base.h"

#include <cstdlib>
#include <cstring>

#include "platform/comctl/common_controls.h"

namespace platform::comctl {

bool RegisterControlClass(DWORD icc_bit, const WCHAR* name, WNDPROC procedure, UINT style) {
  if ((RegisteredCommonControlClasses() & icc_bit) == 0) return false;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style | CS_GLOBALCLASS;
  wc.lpfnWndProc = procedure;
  wc.cbWndExtra = sizeof(void*);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

LRESULT SendNotify(HWND control, UINT code, NMHDR* header, HWND target) {
  header->hwndFrom = control;
  header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
  header->code = code;
  if (target == nullptr) target = GetParent(control);
  if (target == nullptr) return 0;
  return SendMessageW(target, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

void SendCommandNotify(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (parent == nullptr) return;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
               reinterpret_cast<LPARAM>(control));
}

HFONT ControlFont(HFONT given) {
  return given != nullptr ? given : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::u16string TextIn(const void* text, bool ansi) {
  if (text == nullptr) return {};
  if (!ansi) return std::u16string(static_cast<const WCHAR*>(text));
  const char* narrow = static_cast<const char*>(text);
  int units = MultiByteToWideChar(CP_ACP, 0, narrow, -1, nullptr, 0);
  if (units <= 1) return {};
  std::u16string wide(static_cast<std::size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, narrow, -1, wide.data(), units);
  wide.pop_back();
  return wide;
}

int CopyTextOut(std::u16string_view text, void* buffer, int capacity, bool ansi) {
  if (buffer == nullptr || capacity <= 0) return 0;
  if (!ansi) {
    auto* out = static_cast<WCHAR*>(buffer);
    int n = static_cast<int>(std::min<std::size_t>(text.size(), capacity - 1));
    std::memcpy(out, text.data(), n * sizeof(WCHAR));
    out[n] = 0;
    return n;
  }
  auto* out = static_cast<char*>(buffer);
  int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                  nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                      bytes, nullptr, nullptr);
  int n = static_cast<int>(std::min<std::size_t>(narrow.size(), capacity - 1));
  std::memcpy(out, narrow.data(), n);
  out[n] = 0;
  return n;
}

SIZE TextSize(HDC dc, std::u16string_view text) {
  SIZE size{0, 0};
  if (text.empty()) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    size.cy = tm.tmHeight;
    return size;
  }
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

}  // namespace platform::comctl
