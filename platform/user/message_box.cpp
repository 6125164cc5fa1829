// MessageBoxW and MessageBoxA: a modal box on the process's display, recorded in the
// transcript whatever the backend. The box is a dialog window (message_box_window.h);
// the display draws a box of its own only where the controls cannot be made.
#include <string>
#include <vector>

#include "platform/display/display_session.h"
#include "platform/display/message_box_model.h"
#include "platform/kernel/text_codecs.h"
#include "platform/kernel/user_language.h"
#include "platform/user/message_box_labels.h"
#include "platform/user/message_box_window.h"
#include "platform/win32.h"

namespace {

// The caption Windows shows when a box is given none.
constexpr char kSystemDefaultCaption[] = "Error";

std::string WideToUtf8(LPCWSTR text) {
  if (text == nullptr) return {};
  std::size_t units = 0;
  while (text[units] != 0) ++units;
  std::string out(units * 3, '\0');  // at most 3 bytes per UTF-16 unit
  auto converted = platform::Utf16ToUtf8(text, units, out.data(), out.size(), false);
  out.resize(converted.length);
  return out;
}

std::u16string Utf8ToWide(LPCSTR text) {
  if (text == nullptr) return {};
  std::string_view bytes = text;
  std::u16string out(bytes.size(), u'\0');  // never more units than bytes
  auto converted = platform::Utf8ToUtf16(bytes.data(), bytes.size(), out.data(), out.size(), false);
  out.resize(converted.length);
  return out;
}

void RecordInTranscript(const platform::MessageBoxRequest& request, int result) {
  platform::Transcript& transcript = platform::CurrentTranscript();
  if (!transcript.enabled()) return;
  std::vector<std::string> buttons;
  for (const platform::MessageBoxButton& button : platform::MessageBoxButtons(request.style)) {
    buttons.emplace_back(button.text);
  }
  transcript.Write(platform::JsonObject()
                       .Add("event", "messagebox")
                       .Add("caption", request.caption)
                       .Add("text", request.text)
                       .Add("style", static_cast<long long>(request.style))
                       .Add("buttons", buttons)
                       .Add("result", static_cast<long long>(result)));
}

// The controls a box is made of can be made.
bool WindowsCanBeShown() {
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  DWORD error = GetLastError();
  bool ok = GetClassInfoExW(nullptr, u"Button", &info) && GetClassInfoExW(nullptr, u"Static", &info);
  SetLastError(error);
  return ok;
}

int ShowMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style, HICON user_icon,
                   const platform::user::MessageBoxHelp& help) {
  platform::MessageBoxRequest request;
  request.caption = caption != nullptr ? WideToUtf8(caption) : kSystemDefaultCaption;
  request.text = WideToUtf8(text);
  request.style = style;
  if (platform::MessageBoxButtons(style).empty()) {
    RecordInTranscript(request, 0);
    SetLastError(ERROR_INVALID_MSGBOX_STYLE);
    return 0;
  }
  if (owner != nullptr && !IsWindow(owner)) {
    RecordInTranscript(request, 0);
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  int result = 0;
  if (WindowsCanBeShown()) {
    platform::user::MessageBoxContent content;
    content.caption = caption != nullptr ? std::u16string(caption) : u"Error";
    content.text = text != nullptr ? std::u16string(text) : std::u16string();
    content.style = style;
    content.spanish = platform::UserLanguageIsSpanish();
    content.user_icon = user_icon;
    result = platform::user::RunMessageBoxWindow(owner, content, help);
  } else {
    result = platform::CurrentDisplay().RunMessageBox(request);
  }
  RecordInTranscript(request, result);
  return result;
}

}  // namespace

extern "C" {

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
  return ShowMessageBox(owner, text, caption, style, nullptr, {});
}

// MB_USERICON's icon is the module's icon resource lpszIcon.
int MessageBoxIndirectW(const MSGBOXPARAMSW* params) {
  if (params == nullptr || params->cbSize != sizeof(MSGBOXPARAMSW)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  HICON icon = nullptr;
  if ((params->dwStyle & MB_ICONMASK) == MB_USERICON && params->lpszIcon != nullptr) {
    icon = LoadIconW(params->hInstance, params->lpszIcon);
  }
  platform::user::MessageBoxHelp help;
  help.context_id = params->dwContextHelpId;
  help.callback = params->lpfnMsgBoxCallback;
  return ShowMessageBox(params->hwndOwner, params->lpszText, params->lpszCaption, params->dwStyle, icon, help);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  std::u16string wide_text = Utf8ToWide(text);
  std::u16string wide_caption = Utf8ToWide(caption);
  return MessageBoxW(owner, wide_text.c_str(), caption != nullptr ? wide_caption.c_str() : nullptr,
                     style);
}

}  // extern "C"
