// MessageBoxW as a dialog window: its layout per style and language, what closing it
// answers, its owner, ANSI text, and how it looks. The box is looked at from its owner's
// WM_ENTERIDLE (sent whenever the box's loop runs out of messages), as a Windows program
// would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/png_writer.h"
#include "platform/user/window.h"
#include "platform/user/window_table.h"
#include "tests/platform/gdi/golden.h"
#include "tests/platform/user/window_test_fixture.h"

namespace {

// What the box showed, read while it waited.
struct Seen {
  std::vector<std::u16string> buttons;  // left to right
  int default_id = 0;                   // the BS_DEFPUSHBUTTON
  int focus_id = 0;
  bool icon = false;
  bool system_menu = false;  // WS_SYSMENU: every box has its caption's close box
  bool close_box = false;    // ... and it works: SC_CLOSE is not greyed
  bool owner_enabled = true;
  bool box_active = false;
  std::u16string caption;
  std::u16string text;
  RECT text_rect{};  // client coordinates
  DWORD text_style = 0;
  RECT client{};
};

class MessageBoxWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    UseLanguage("en_US.UTF-8");
    owner_ = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    handler_ = [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> std::optional<LRESULT> {
      if (window != owner_ || message != WM_ENTERIDLE || wparam != MSGF_DIALOGBOX) return std::nullopt;
      auto box = reinterpret_cast<HWND>(lparam);
      if (!looked_) {
        looked_ = true;
        seen_ = Look(box);
      }
      if (on_idle_) on_idle_(box);
      return 0;
    };
  }
  void TearDown() override {
    unsetenv("LANG");
    WindowTest::TearDown();
  }
  static void UseLanguage(const char* lang) {
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", lang, 1);
  }

  static std::u16string TextOf(HWND window) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  Seen Look(HWND box) {
    Seen s;
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      int id = GetDlgCtrlID(c);
      if (id >= IDOK && id <= IDCONTINUE) {
        s.buttons.push_back(TextOf(c));
        if ((GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) s.default_id = id;
      }
    }
    s.focus_id = GetDlgCtrlID(GetFocus());
    HWND icon = GetDlgItem(box, 20);
    s.icon = icon != nullptr && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
    s.system_menu = (GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU) != 0;
    UINT close_state = GetMenuState(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND);
    s.close_box = s.system_menu && close_state != static_cast<UINT>(-1) && !(close_state & MF_GRAYED);
    s.text_style = static_cast<DWORD>(GetWindowLongW(GetDlgItem(box, 0xFFFF), GWL_STYLE));
    s.owner_enabled = IsWindowEnabled(owner_) != FALSE;
    s.box_active = GetActiveWindow() == box;
    s.caption = TextOf(box);
    HWND text = GetDlgItem(box, 0xFFFF);
    s.text = TextOf(text);
    GetWindowRect(text, &s.text_rect);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&s.text_rect), 2);
    GetClientRect(box, &s.client);
    return s;
  }

  HWND owner_ = nullptr;
  bool looked_ = false;
  Seen seen_;
  std::function<void(HWND)> on_idle_;
};

TEST_F(MessageBoxWindowTest, LayoutFollowsTheStyleAndTheLanguage) {
  struct Case {
    UINT style;
    const char* lang;
    std::vector<std::u16string> buttons;
    int default_id;
    bool icon;
    bool close_box;
  };
  const Case cases[] = {
      {MB_OK, "en_US.UTF-8", {u"OK"}, IDOK, false, true},
      {MB_OKCANCEL | MB_ICONHAND, "C", {u"OK", u"Cancel"}, IDOK, true, true},
      {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, "en_GB", {u"&Abort", u"&Retry", u"&Ignore"}, IDIGNORE, false, false},
      {MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2, "en", {u"&Yes", u"&No", u"Cancel"}, IDNO, true, true},
      {MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON4, "en", {u"&Yes", u"&No"}, IDYES, true, false},
      {MB_RETRYCANCEL | MB_ICONASTERISK, "en", {u"&Retry", u"Cancel"}, IDRETRY, true, true},
      {MB_CANCELTRYCONTINUE | MB_DEFBUTTON2, "en", {u"Cancel", u"&Try Again", u"&Continue"}, IDTRYAGAIN, false, true},
      {MB_OK, "es_ES.UTF-8", {u"Aceptar"}, IDOK, false, true},
      {MB_OKCANCEL, "es_AR", {u"Aceptar", u"Cancelar"}, IDOK, false, true},
      {MB_ABORTRETRYIGNORE, "es", {u"&Anular", u"&Reintentar", u"&Omitir"}, IDABORT, false, false},
      {MB_YESNOCANCEL | MB_DEFBUTTON3, "es_MX", {u"&S\u00ED", u"&No", u"Cancelar"}, IDCANCEL, false, true},
      {MB_YESNO, "es_ES", {u"&S\u00ED", u"&No"}, IDYES, false, false},
      {MB_RETRYCANCEL, "es_ES", {u"&Reintentar", u"Cancelar"}, IDRETRY, false, true},
      {MB_CANCELTRYCONTINUE | MB_DEFBUTTON3, "es_ES", {u"Cancelar", u"&Volver a intentar", u"&Continuar"}, IDCONTINUE, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.style) + " " + c.lang);
    UseLanguage(c.lang);
    looked_ = false;
    on_idle_ = [](HWND box) { EndDialog(box, 42); };
    EXPECT_EQ(MessageBoxW(owner_, u"Text", u"Caption", c.style), 42);
    ASSERT_TRUE(looked_);
    EXPECT_EQ(seen_.buttons, c.buttons);
    EXPECT_EQ(seen_.default_id, c.default_id);
    EXPECT_EQ(seen_.focus_id, c.default_id);
    EXPECT_EQ(seen_.icon, c.icon);
    EXPECT_TRUE(seen_.system_menu);
    EXPECT_EQ(seen_.close_box, c.close_box);
    EXPECT_TRUE(seen_.box_active);
    EXPECT_FALSE(seen_.owner_enabled);
    EXPECT_TRUE(IsWindowEnabled(owner_));
    EXPECT_EQ(GetActiveWindow(), owner_);
  }
}

TEST_F(MessageBoxWindowTest, TextWrapsAtFiveEighthsOfTheWorkAreaAndCaptionWidensTheBox) {
  RECT area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  std::u16string long_text;
  for (int i = 0; i < 60; ++i) long_text += u"palabra ";
  on_idle_ = [](HWND box) { EndDialog(box, IDOK); };
  MessageBoxW(owner_, long_text.c_str(), u"c", MB_OK);
  EXPECT_LE(seen_.text_rect.right - seen_.text_rect.left, (area.right - area.left) * 5 / 8 + 4);
  EXPECT_GT(seen_.text_rect.bottom - seen_.text_rect.top, 30);  // several lines
  EXPECT_EQ(seen_.text, long_text);

  looked_ = false;
  std::u16string caption(80, u'W');
  MessageBoxW(owner_, u"x", caption.c_str(), MB_OK);
  EXPECT_GT(seen_.client.right, 80 * 8);
  EXPECT_EQ(seen_.caption, caption);
}

TEST_F(MessageBoxWindowTest, CloseRequestsAnswerCancelOrOkOrNothing) {
  enum How { kWmClose, kScClose, kEscape, kAltF4 };
  struct Case {
    UINT style;
    How how;
    int answer;  // 0: ignored, the box still waits
  };
  const Case cases[] = {
      {MB_OK, kWmClose, IDOK},           {MB_OK, kEscape, IDOK},
      {MB_OKCANCEL, kScClose, IDCANCEL}, {MB_YESNOCANCEL, kAltF4, IDCANCEL},
      {MB_RETRYCANCEL, kEscape, IDCANCEL}, {MB_CANCELTRYCONTINUE, kWmClose, IDCANCEL},
      {MB_YESNO, kWmClose, 0},           {MB_YESNO, kEscape, 0},
      {MB_YESNO, kAltF4, 0},             {MB_ABORTRETRYIGNORE, kScClose, 0},
      {MB_ABORTRETRYIGNORE, kEscape, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.style) + " " + std::to_string(c.how));
    int idles = 0;
    on_idle_ = [&](HWND box) {
      if (++idles == 2) {
        EndDialog(box, 99);  // it ignored the request
        return;
      }
      HWND focus = GetFocus();
      switch (c.how) {
        case kWmClose:
          PostMessageW(box, WM_CLOSE, 0, 0);
          break;
        case kScClose:
          PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
          break;
        case kEscape:
          PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
          break;
        case kAltF4:
          PostMessageW(focus, WM_SYSKEYDOWN, VK_F4, 0x203E0001);
          break;
      }
    };
    EXPECT_EQ(MessageBoxW(owner_, u"t", u"c", c.style), c.answer != 0 ? c.answer : 99);
  }
}

TEST_F(MessageBoxWindowTest, ScriptsPressButtonsByEitherLanguageAndCaptureTheBox) {
  struct Case {
    const char* lang;
    UINT style;
    const char* script;
    int answer;
  };
  const Case cases[] = {
      {"es_ES", MB_YESNO, "press Yes", IDYES},
      {"es_ES", MB_YESNO, "press s\xc3\xad", IDYES},
      {"es_ES", MB_YESNO, "press &No", IDNO},
      {"es_ES", MB_CANCELTRYCONTINUE, "press Try Again", IDTRYAGAIN},
      {"es_ES", MB_CANCELTRYCONTINUE, "press Volver a intentar", IDTRYAGAIN},
      {"es_ES", MB_OKCANCEL, "press OK", IDOK},
      {"en_US", MB_OKCANCEL, "press Aceptar\npress cancel", IDCANCEL},
      {"es_ES", MB_YESNO, "key s", IDYES},
      {"es_ES", MB_YESNO, "type no\nkey Tab\nkey Enter", IDNO},
      {"en_US", MB_OK, "close", IDOK},
      {"en_US", MB_OK, "", 0},  // nobody answers
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    UseLanguage(c.lang);
    UseScript(c.script);
    EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", c.style), c.answer);
  }

  std::string file = std::getenv("KEEP_PNG") ? std::string("/tmp/message_box.png") : dir_ / "box.png";
  UseScript("capture " + file + "\nanswer yes\n");
  EXPECT_EQ(MessageBoxW(nullptr, u"Question?\tWith a tab\r\n\r\nAnd &no prefix", u"Varovozodoz",
                        MB_YESNOCANCEL | MB_ICONQUESTION),
            IDYES);
  platform::gdi::PngImage image;
  ASSERT_TRUE(platform::gdi::ReadPng(file, &image));
  EXPECT_GT(image.width, 2 * 75);
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 2u);  // no `window` line for the box
  EXPECT_EQ(lines[0]["event"].str(), "capture");
  EXPECT_EQ(lines[0]["window"].str(), "messagebox");
  EXPECT_EQ(lines[0]["caption"].str(), "Varovozodoz");
  EXPECT_TRUE(lines[0]["written"].boolean());
  EXPECT_EQ(lines[1]["event"].str(), "messagebox");
  EXPECT_EQ(lines[1]["result"].number(), IDYES);
}

TEST_F(MessageBoxWindowTest, AnsiTextIsConvertedAndBadCallsFail) {
  on_idle_ = [](HWND box) { EndDialog(box, IDOK); };
  EXPECT_EQ(MessageBoxA(owner_, "Ma\xc3\xb1" "ana\r\nl\xc3\xadnea", nullptr, MB_OK), IDOK);
  EXPECT_EQ(seen_.text, u"Ma\u00F1ana\r\nl\u00EDnea");
  EXPECT_EQ(seen_.caption, u"Error");
  looked_ = false;
  EXPECT_EQ(MessageBoxA(owner_, nullptr, "Cap", MB_OK | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND), IDOK);
  EXPECT_EQ(seen_.text, u"");
  EXPECT_EQ(seen_.caption, u"Cap");

  SetLastError(0);
  EXPECT_EQ(MessageBoxW(owner_, u"t", u"c", MB_YESNO | 0xE), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MSGBOX_STYLE);
  HWND dead = Create(WS_OVERLAPPEDWINDOW);
  DestroyWindow(dead);
  SetLastError(0);
  EXPECT_EQ(MessageBoxW(dead, u"t", u"c", MB_OK), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageBoxWindowTest, TaskModalBoxWithoutOwnerDisablesTheThreadsWindows) {
  HWND other = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Name(owner_, "owner");
  Name(other, "other");
  UseScript("key Enter");
  Take();
  EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", MB_OK | MB_TASKMODAL), IDOK);
  std::vector<std::string> enables;
  for (const SeenMessage& m : Take({WM_ENABLE})) {
    enables.push_back(std::string(m.window == owner_ ? "owner " : "other ") + (m.wparam ? "on" : "off"));
  }
  std::sort(enables.begin(), enables.end());
  EXPECT_EQ(enables, (std::vector<std::string>{"other off", "other on", "owner off", "owner on"}));
  UseScript("key Enter");
  EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", MB_OK), IDOK);  // application-modal, no owner
  EXPECT_TRUE(Take({WM_ENABLE}).empty());
}

TEST_F(MessageBoxWindowTest, HelpButtonAsksTheOwnerOrTheCallbackAndLeavesTheBoxUp) {
  std::vector<HELPINFO> asked;
  auto previous = handler_;
  handler_ = [&](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> std::optional<LRESULT> {
    if (window == owner_ && message == WM_HELP) {
      asked.push_back(*reinterpret_cast<const HELPINFO*>(lparam));
      return TRUE;
    }
    return previous(window, message, wparam, lparam);
  };
  int idles = 0;
  on_idle_ = [&](HWND box) {
    if (++idles == 1) {
      SendMessageW(GetDlgItem(box, IDHELP), BM_CLICK, 0, 0);
    } else {
      EndDialog(box, IDOK);
    }
  };
  for (const char* lang : {"en_US", "es_ES"}) {
    UseLanguage(lang);
    looked_ = false;
    idles = 0;
    EXPECT_EQ(MessageBoxW(owner_, u"t", u"c", MB_OKCANCEL | MB_HELP), IDOK);
    std::u16string help = lang[0] == 'e' && lang[1] == 's' ? u"Ayuda" : u"Help";
    EXPECT_EQ(seen_.buttons, (std::vector<std::u16string>{lang[1] == 's' ? u"Aceptar" : u"OK",
                                                           lang[1] == 's' ? u"Cancelar" : u"Cancel", help}));
  }
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].iContextType, HELPINFO_WINDOW);
  EXPECT_EQ(asked[0].iCtrlId, IDHELP);

  // MessageBoxIndirectW: the callback instead of WM_HELP, with the context id.
  static DWORD_PTR called_with = 0;
  MSGBOXPARAMSW params{};
  params.cbSize = sizeof params;
  params.hwndOwner = owner_;
  params.lpszText = u"t";
  params.lpszCaption = u"c";
  params.dwStyle = MB_OK | MB_HELP;
  params.dwContextHelpId = 77;
  params.lpfnMsgBoxCallback = [](LPHELPINFO info) { called_with = info->dwContextId; };
  idles = 0;
  EXPECT_EQ(MessageBoxIndirectW(&params), IDOK);
  EXPECT_EQ(called_with, 77u);
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(MessageBoxWindowTest, UserIconAndTextAlignmentFollowTheStyle) {
  on_idle_ = [](HWND box) { EndDialog(box, IDOK); };
  struct Case {
    UINT style;
    DWORD align;
  } cases[] = {{MB_OK, SS_LEFT}, {MB_OK | MB_RIGHT, SS_RIGHT}, {MB_OK | MB_RTLREADING, SS_RIGHT}};
  for (const Case& c : cases) {
    looked_ = false;
    EXPECT_EQ(MessageBoxW(owner_, u"t", u"c", c.style), IDOK);
    EXPECT_EQ(seen_.text_style & SS_TYPEMASK, c.align) << c.style;
  }

  MSGBOXPARAMSW params{};
  params.cbSize = sizeof params;
  params.hwndOwner = owner_;
  params.lpszText = u"With the application's icon";
  params.lpszCaption = u"c";
  params.dwStyle = MB_OK | MB_USERICON;
  params.lpszIcon = IDI_APPLICATION;  // a system icon: no module
  looked_ = false;
  EXPECT_EQ(MessageBoxIndirectW(&params), IDOK);
  EXPECT_TRUE(seen_.icon);
  params.lpszIcon = MAKEINTRESOURCEW(4321);  // no such icon: no icon shown
  looked_ = false;
  EXPECT_EQ(MessageBoxIndirectW(&params), IDOK);
  EXPECT_FALSE(seen_.icon);
  params.cbSize = 3;
  SetLastError(0);
  EXPECT_EQ(MessageBoxIndirectW(&params), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(MessageBoxIndirectW(nullptr), 0);
}

TEST_F(MessageBoxWindowTest, GreyedCloseBoxIgnoresClicks) {
  int idles = 0;
  on_idle_ = [&](HWND box) {
    if (++idles == 1) {
      SendMessageW(box, WM_NCLBUTTONDOWN, HTCLOSE, 0);
      SendMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
      PostMessageW(box, WM_NULL, 0, 0);  // one more round of the loop
    } else {
      EndDialog(box, 55);
    }
  };
  EXPECT_EQ(MessageBoxW(owner_, u"t", u"c", MB_YESNO), 55);
}

// The daily question as the user sees it, in both languages.
TEST_F(MessageBoxWindowTest, YesNoBoxLooksLikeAClassicMessageBox) {
  for (const char* lang : {"en_US.UTF-8", "es_ES.UTF-8"}) {
    UseLanguage(lang);
    bool compared = false;
    on_idle_ = [&](HWND box) {
      platform::user::Window* w = platform::user::FindWindowRecord(box);
      ASSERT_NE(w, nullptr);
      ASSERT_TRUE(w->bitmap);
      platform::gdi::PixelSurface surface;
      surface.origin = w->bitmap->pixels.data();
      surface.stride = w->bitmap->width;
      surface.width = w->bitmap->width;
      surface.height = w->bitmap->height;
      std::string name = std::string("message_box_yes_no_") + (lang[0] == 'e' && lang[1] == 's' ? "es" : "en");
      EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, name));
      compared = true;
      EndDialog(box, IDNO);
    };
    EXPECT_EQ(MessageBoxW(owner_, u"Comence el dia 01/12/2026\r\nLlevo 4 dias sin pecar\r\nHas pecado hoy ?",
                          u"Varovozodoz", MB_YESNO),
              IDNO);
    EXPECT_TRUE(compared) << lang;
  }
}

}  // namespace
