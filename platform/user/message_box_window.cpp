#include "platform/user/message_box_window.h"

#include <algorithm>
#include <vector>

#include "platform/display/display_session.h"
#include "platform/display/message_box_model.h"
#include "platform/user/dialog_state.h"
#include "platform/user/window.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

// What the box's dialog procedure knows, kept at DWLP_USER while the box lives.
struct BoxSession {
  UINT style = MB_OK;
  HICON icon = nullptr;
  HWND owner = nullptr;
  bool centre_on_owner = false;
  MessageBoxHelp help;
};

BoxSession* SessionOf(HWND box) {
  return reinterpret_cast<BoxSession*>(GetWindowLongPtrW(box, DWLP_USER));
}

int DefaultButtonId(UINT style) {
  MessageBoxModel model(style);
  return model.valid() ? model.buttons()[model.focus()].id : 0;
}

// What a close request answers: 0 when the box ignores it.
int CloseAnswer(UINT style) { return MessageBoxModel(style).OnCloseRequest(); }

bool HasButton(UINT style, int id) { return MessageBoxModel(style).FindButtonById(id) >= 0; }

RECT WorkArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

void CentreOnOwner(HWND box, HWND owner) {
  RECT own, mine;
  if (!GetWindowRect(owner, &own) || !GetWindowRect(box, &mine)) return;
  LONG w = mine.right - mine.left, h = mine.bottom - mine.top;
  RECT area = WorkArea();
  LONG x = (own.left + own.right - w) / 2;
  LONG y = (own.top + own.bottom - h) / 2;
  x = std::max(area.left, std::min(x, area.right - w));
  y = std::max(area.top, std::min(y, area.bottom - h));
  SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FocusDefaultButton(HWND box, UINT style) {
  int id = DefaultButtonId(style);
  SendMessageW(box, DM_SETDEFID, static_cast<WPARAM>(id), 0);
  if (HWND button = GetDlgItem(box, id)) {
    SendMessageW(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
  }
}

void AskForHelp(HWND box, const BoxSession& session) {
  HELPINFO info{};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  info.iCtrlId = IDHELP;
  info.hItemHandle = box;
  info.dwContextId = session.help.context_id;
  GetCursorPos(&info.MousePos);
  if (session.help.callback != nullptr) {
    session.help.callback(&info);
  } else if (session.owner != nullptr) {
    SendMessageW(session.owner, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  }
}

INT_PTR BoxProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* session = reinterpret_cast<BoxSession*>(lparam);
      SetWindowLongPtrW(box, DWLP_USER, lparam);
      if (session->icon != nullptr) {
        SendDlgItemMessageW(box, kMessageBoxIconId, STM_SETICON,
                            reinterpret_cast<WPARAM>(session->icon), 0);
      }
      if (session->centre_on_owner) CentreOnOwner(box, session->owner);
      if (CloseAnswer(session->style) == 0) {
        EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
      }
      FocusDefaultButton(box, session->style);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      BoxSession* session = SessionOf(box);
      if (session == nullptr || HIWORD(wparam) != BN_CLICKED) return FALSE;
      int id = LOWORD(wparam);
      if (id == IDHELP && (session->style & MB_HELP)) {
        AskForHelp(box, *session);
      } else if (HasButton(session->style, id)) {
        EndDialog(box, id);
      } else if (id == IDCANCEL) {  // Escape without a Cancel button
        if (int answer = CloseAnswer(session->style); answer != 0) EndDialog(box, answer);
      }
      return TRUE;
    }
    case WM_CLOSE: {
      BoxSession* session = SessionOf(box);
      if (session != nullptr) {
        if (int answer = CloseAnswer(session->style); answer != 0) EndDialog(box, answer);
      }
      return TRUE;
    }
    default:
      return FALSE;
  }
}

// The windows the box disables while it is up.
std::vector<HWND> WindowsToDisable(HWND owner, UINT style) {
  std::vector<HWND> out;
  if (owner != nullptr) {
    if (IsWindowEnabled(owner)) out.push_back(owner);
    return out;
  }
  if ((style & MB_MODEMASK) != MB_TASKMODAL) return out;
  DWORD thread = GetCurrentThreadId();
  for (HWND top : TopLevelWindows()) {
    Window* w = FindWindowRecord(top);
    if (w != nullptr && w->thread_id == thread && w->visible() && w->enabled()) out.push_back(top);
  }
  return out;
}

bool Ended(HWND box) {
  DialogState* state = FindDialogState(box);
  return state == nullptr || state->ended || !IsWindow(box);
}

void RunLoop(HWND box, HWND owner) {
  bool idle_told = false;
  while (!Ended(box)) {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      idle_told = false;
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the caller's loop
        return;
      }
      if (!IsDialogMessageW(box, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      continue;
    }
    if (owner != nullptr && !idle_told && IsWindow(owner)) {
      idle_told = true;
      SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(box));
      continue;
    }
    if (CurrentDisplay().InputEnded()) return;  // nobody will ever answer
    WaitMessage();
    idle_told = false;
  }
}

}  // namespace

int RunMessageBoxWindow(HWND owner, const MessageBoxContent& given, const MessageBoxHelp& help) {
  if (owner != nullptr) {
    if (LiveWindow(owner) == nullptr) return 0;
    owner = RootOf(owner);
  }
  MessageBoxContent content = given;
  content.centred = owner == nullptr;
  std::vector<DWORD> tmpl = BuildMessageBoxTemplate(content);
  if (tmpl.empty()) {
    SetLastError(ERROR_INVALID_MSGBOX_STYLE);
    return 0;
  }
  BoxSession session;
  session.style = content.style;
  session.icon = MessageBoxIcon(content);
  session.help = help;
  session.owner = owner;
  session.centre_on_owner = owner != nullptr;
  HWND box = CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(tmpl.data()),
                                        owner, BoxProcedure, reinterpret_cast<LPARAM>(&session));
  if (box == nullptr) return 0;
  if (Window* w = FindWindowRecord(box)) w->message_box = true;

  std::vector<HWND> disabled = WindowsToDisable(owner, content.style);
  for (HWND window : disabled) EnableWindow(window, FALSE);
  if (DialogState* state = StateOfDialog(box)) {
    state->modal = true;  // EndDialog hides it; the loop below destroys it
    if (owner != nullptr && !disabled.empty()) state->disabled_owner = owner;
  }
  MessageBeep(content.style & MB_ICONMASK);
  ShowWindow(box, SW_SHOWNORMAL);
  if (content.style & (MB_SETFOREGROUND | MB_SYSTEMMODAL)) SetForegroundWindow(box);
  FocusDefaultButton(box, content.style);  // the activation gave the first tab stop
  UpdateWindow(box);

  RunLoop(box, owner);

  DialogState* state = FindDialogState(box);
  int result = state != nullptr && state->ended ? static_cast<int>(state->result) : 0;
  if (state != nullptr) state->disabled_owner = nullptr;
  // The disabled windows come back before the box goes, so that activation returns.
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (IsWindow(box)) DestroyWindow(box);
  return result;
}

HWND FindMessageBoxButton(HWND box, std::string_view english_text) {
  Window* w = FindWindowRecord(box);
  if (w == nullptr || !w->message_box) return nullptr;
  BoxSession* session = SessionOf(box);
  if (session == nullptr) return nullptr;
  MessageBoxModel model(session->style);
  int index = model.FindButtonByText(english_text);
  return index >= 0 ? GetDlgItem(box, model.buttons()[index].id) : nullptr;
}

}  // namespace platform::user
