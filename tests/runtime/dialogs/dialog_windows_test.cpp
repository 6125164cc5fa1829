// The dialog toolkit on real windows of the headless display: the modal show and its
// result, what callbacks see and in which order, the handled rule, control colours, and
// releases that leave no record and no GDI object behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/display/display_session.h"
#include "platform/gdi/gdi_object.h"
#include "runtime/dialogs/add_control.h"
#include "runtime/dialogs/control_operations.h"
#include "runtime/dialogs/create_dialog.h"
#include "runtime/dialogs/dialog_procedure.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_handles.h"
#include "runtime/dialogs/font_table.h"
#include "runtime/dialogs/modal_loop.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/window_metrics.h"
#include "runtime/frame/process_state.h"
#include "runtime/frame/routine_frame.h"

namespace runtime {
namespace {

constexpr UINT kGo = WM_APP + 1;  // posted from WM_INITDIALOG: the loop is running

struct Seen {
  const char* who;
  HWND dialog;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Seen> g_seen;
std::function<std::int32_t(HWND, UINT, WPARAM, LPARAM)> g_on_message;

std::int32_t DialogCallbackFn(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  g_seen.push_back({"dialog", dialog, message, wParam, lParam});
  return g_on_message ? g_on_message(dialog, message, wParam, lParam) : 0;
}
std::function<std::int32_t(HWND, UINT, WPARAM, LPARAM)> g_on_control;
std::int32_t ControlCallbackFn(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  g_seen.push_back({"control", dialog, message, wParam, lParam});
  return g_on_control ? g_on_control(dialog, message, wParam, lParam) : 0;
}

class DialogWindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("VESTRALINO_DISPLAY", "headless", 1);
    platform::ResetDisplaySession();
    // As the process entry does: resources (the icon "#200") come from this program.
    saved_instance_ = Process().instance;
    Process().instance = GetModuleHandleW(nullptr);
    reset_font_table();  // and the built-in fonts 1-3, as start-up makes them
    create_built_in_fonts();
    g_seen.clear();
    g_on_message = nullptr;
    g_on_control = nullptr;
  }
  void TearDown() override {
    g_on_message = nullptr;
    g_on_control = nullptr;
    Process().instance = saved_instance_;
    unsetenv("VESTRALINO_DISPLAY");
    platform::ResetDisplaySession();
  }

  // A 200 x 150 pixel dialog captioned "Test", as the program makes one.
  HWND MakeDialog() {
    frame_.strings.PushCopy("Test");
    frame_.strings.SlotToWide(0);
    return create_dialog(frame_, kPixelMode, nullptr, 10, 10, 200, 150, 0, 0);
  }
  HWND Add(HWND dialog, std::int32_t kind, std::int32_t id, const std::string& class_name = "",
           const std::string& text = "x", DWORD style = 0,
           DialogCallback callback = nullptr) {
    auto& s = frame_.strings;
    s.PushCopy(class_name);
    s.SlotToWide(0);
    s.PushCopy(text);
    s.SlotToWide(0);
    return add_control(frame_, kind, dialog, id, 5, 5 + (id % 100), 60, 20, style, 0, callback);
  }

  RoutineFrame frame_;
  HINSTANCE saved_instance_ = nullptr;
};

TEST_F(DialogWindowsTest, ModalResultComesOnlyFromEndDialog) {
  struct Case {
    bool by_end_dialog;
    std::int32_t expected;
  } cases[] = {{true, 7}, {false, 42}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.by_end_dialog);
    HWND dialog = MakeDialog();
    ASSERT_NE(dialog, nullptr);
    g_on_message = [&](HWND d, UINT m, WPARAM, LPARAM) -> std::int32_t {
      if (m == WM_INITDIALOG) PostMessageW(d, kGo, 0, 0);
      if (m == kGo) {
        if (c.by_end_dialog) {
          end_dialog(d, 7);
        } else {
          DestroyWindow(d);
        }
      }
      return 0;
    };
    std::int32_t result = 42;
    show_dialog_modal(dialog, &DialogCallbackFn, &result);
    EXPECT_EQ(result, c.expected);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(find_record(dialog), nullptr);
  }
}

TEST_F(DialogWindowsTest, CallbackGreetedWithInitDialogThenClientSizeBeforeTheLoop) {
  HWND dialog = MakeDialog();
  ASSERT_NE(dialog, nullptr);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 150);
  g_on_message = [](HWND d, UINT m, WPARAM, LPARAM) -> std::int32_t {
    if (m == WM_INITDIALOG) PostMessageW(d, kGo, 0, 0);
    if (m == kGo) end_dialog(d, 1);
    return 0;
  };
  show_dialog_modal(dialog, &DialogCallbackFn, nullptr);
  ASSERT_GE(g_seen.size(), 3u);
  EXPECT_EQ(g_seen[0].message, static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(g_seen[0].wParam, reinterpret_cast<WPARAM>(dialog));
  EXPECT_EQ(g_seen[0].lParam, 0);
  EXPECT_EQ(g_seen[1].message, static_cast<UINT>(WM_SIZE));
  EXPECT_EQ(g_seen[1].wParam, static_cast<WPARAM>(SIZE_RESTORED));
  EXPECT_EQ(g_seen[1].lParam, MAKELPARAM(200, 150));
  for (const Seen& s : g_seen) EXPECT_EQ(s.dialog, dialog);
  int go_count = 0;
  for (const Seen& s : g_seen) go_count += s.message == kGo;
  EXPECT_EQ(go_count, 1);
}

TEST_F(DialogWindowsTest, ButtonClickReachesControlCallbackThenDialogCallback) {
  HWND dialog = MakeDialog();
  HWND button = Add(dialog, kind::kPushButton, 101, "", "Aceptar", 0, &ControlCallbackFn);
  ASSERT_NE(button, nullptr);
  show_dialog_modeless(dialog, &DialogCallbackFn, nullptr);
  g_seen.clear();
  SendMessageW(button, BM_CLICK, 0, 0);
  std::vector<const char*> order;
  for (const Seen& s : g_seen) {
    if (s.message != WM_COMMAND) continue;
    order.push_back(s.who);
    EXPECT_EQ(s.dialog, dialog);
    EXPECT_EQ(s.wParam, MAKEWPARAM(101, BN_CLICKED));
    EXPECT_EQ(s.lParam, reinterpret_cast<LPARAM>(button));
  }
  ASSERT_EQ(order.size(), 2u);
  EXPECT_STREQ(order[0], "control");
  EXPECT_STREQ(order[1], "dialog");
  DestroyWindow(dialog);
}

TEST_F(DialogWindowsTest, HandledAnswerIsReturnedAndLeftInMsgResultOnlyWhenEmpty) {
  struct Case {
    LONG_PTR held;
    LONG_PTR left;
  } cases[] = {{0, 5}, {9, 9}};
  HWND dialog = MakeDialog();
  g_on_message = [](HWND, UINT m, WPARAM, LPARAM) -> std::int32_t { return m == kGo ? 5 : 0; };
  show_dialog_modeless(dialog, &DialogCallbackFn, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.held);
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, c.held);
    EXPECT_EQ(dialog_procedure(dialog, kGo, 0, 0), 5);
    EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_MSGRESULT), c.left);
  }
  DestroyWindow(dialog);
}

TEST_F(DialogWindowsTest, ControlColorAnswers) {
  struct Case {
    std::int32_t kind;
    std::int32_t back;
    UINT message;
    HBRUSH brush;
    int bk_mode;  // 0: not checked
  } cases[] = {
      {kind::kLabel, TRANSPARENT_COLOR, WM_CTLCOLORSTATIC,
       static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), TRANSPARENT},
      {kind::kLabel, SYSTEM_COLOR, WM_CTLCOLORSTATIC, GetSysColorBrush(COLOR_BTNFACE), 0},
      {kind::kTextBox, SYSTEM_COLOR, WM_CTLCOLOREDIT, GetSysColorBrush(COLOR_WINDOW), 0},
      {kind::kLabel, RGB(0, 0, 255), WM_CTLCOLORSTATIC, nullptr, 0},  // the record's own brush
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind * 100 + c.back);
    HWND dialog = MakeDialog();
    HWND control = Add(dialog, c.kind, 101);
    ASSERT_NE(control, nullptr);
    set_window_colors(dialog, 101, RGB(255, 0, 0), c.back);
    HDC hdc = CreateCompatibleDC(nullptr);
    SetBkMode(hdc, OPAQUE);
    HBRUSH brush = c.brush != nullptr ? c.brush : find_record(control)->back_brush;
    EXPECT_NE(brush, nullptr);
    EXPECT_EQ(dialog_procedure(dialog, c.message, reinterpret_cast<WPARAM>(hdc),
                               reinterpret_cast<LPARAM>(control)),
              reinterpret_cast<INT_PTR>(brush));
    if (c.back >= 0) {
      EXPECT_EQ(GetBkColor(hdc), static_cast<COLORREF>(c.back));
    }
    EXPECT_EQ(GetTextColor(hdc), RGB(255, 0, 0));
    if (c.bk_mode != 0) {
      EXPECT_EQ(GetBkMode(hdc), c.bk_mode);
    }
    DeleteDC(hdc);
    DestroyWindow(dialog);
  }
}

// Ten kinds of control, each with colours of its own, on one dialog.
using AddFunction =
    std::function<HWND(std::int32_t kind, std::int32_t id, const std::string& class_name,
                       const std::string& text)>;
std::vector<HWND> AddTenKinds(HWND dialog, const AddFunction& add) {
  struct Row {
    std::int32_t kind;
    const char* class_name;
    const char* text;
  } rows[] = {
      {kind::kLabel, "", "label"},          {kind::kPushButton, "", "button"},
      {kind::kCheckBox, "", "check"},       {kind::kTextBox, "", "edit"},
      {kind::kListBox, "", ""},             {kind::kComboBox, "", ""},
      {kind::kScrollBar, "", ""},           {kind::kGroupFrame, "", "group"},
      {kind::kImage, "", "#200"},           {kind::kNamedClass, "SysDateTimePick32", "date"},
  };
  std::vector<HWND> handles;
  std::int32_t id = 101;
  for (const Row& r : rows) {
    HWND h = add(r.kind, id, r.class_name, r.text);
    EXPECT_NE(h, nullptr) << "kind " << r.kind;
    set_window_colors(dialog, id, RGB(0, 0, id), RGB(id, 0, 0));
    set_control_font(dialog, id, 2);
    handles.push_back(h);
    ++id;
  }
  return handles;
}

TEST_F(DialogWindowsTest, ReleasingADialogOfTenKindsLeavesNoRecordAndNoGdiObject) {
  INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&icc));
  auto add_to = [&](HWND dialog) {
    return AddTenKinds(dialog, [&](std::int32_t k, std::int32_t id, const std::string& cls,
                                         const std::string& text) {
      return Add(dialog, k, id, cls, text);
    });
  };
  // A first round makes the handle of the built-in font 2, kept for the whole process.
  HWND warm = MakeDialog();
  add_to(warm);
  DestroyWindow(warm);

  const std::size_t records = record_count();
  const int objects = platform::gdi::LiveObjectCount();
  HWND dialog = MakeDialog();
  ASSERT_NE(dialog, nullptr);
  std::vector<HWND> handles = add_to(dialog);
  for (HWND h : handles) EXPECT_NE(find_record(h), nullptr);
  EXPECT_EQ(find_record(handles[0])->font_number, 2);
  EXPECT_NE(find_record(handles[8])->image, nullptr);  // the icon "#200" was loaded
  EXPECT_GE(platform::gdi::LiveObjectCount(), objects + 10);  // ten brushes at least
  EXPECT_EQ(record_count(), records + 11);
  end_dialog(dialog, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(find_record(dialog), nullptr);
  for (HWND h : handles) EXPECT_EQ(find_record(h), nullptr);
  EXPECT_EQ(record_count(), records);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), objects);
  EXPECT_EQ(frame_.errors.word(), 0);
}

TEST_F(DialogWindowsTest, EndDialogFromTheShowsInitDialogIsSafe) {
  HWND dialog = MakeDialog();
  const std::size_t records = record_count();
  g_on_message = [](HWND d, UINT m, WPARAM, LPARAM) -> std::int32_t {
    if (m == WM_INITDIALOG) end_dialog(d, 3);
    return 0;
  };
  std::int32_t result = 42;
  show_dialog_modal(dialog, &DialogCallbackFn, &result);  // returns: nothing left to show
  EXPECT_EQ(result, 42);  // the result variable is attached after the greeting
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(find_record(dialog), nullptr);
  EXPECT_EQ(record_count(), records - 1);
}

TEST_F(DialogWindowsTest, DestroyControlFromItsCommandIsSafe) {
  struct Case {
    bool from_control_callback;
  } cases[] = {{true}, {false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from_control_callback);
    HWND dialog = MakeDialog();
    HWND button = Add(dialog, kind::kPushButton, 101, "", "go", 0, &ControlCallbackFn);
    HWND other = Add(dialog, kind::kLabel, 102);
    ASSERT_NE(button, nullptr);
    auto destroy = [](HWND d, UINT m, WPARAM w, LPARAM) -> std::int32_t {
      if (m == WM_COMMAND && LOWORD(w) == 101) destroy_control(d, 101);
      return 0;
    };
    (c.from_control_callback ? g_on_control : g_on_message) = destroy;
    show_dialog_modeless(dialog, &DialogCallbackFn, nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(find_record(button), nullptr);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_NE(find_record(other), nullptr);
    g_on_control = nullptr;
    g_on_message = nullptr;
    DestroyWindow(dialog);
    EXPECT_EQ(find_record(other), nullptr);
  }
}

TEST_F(DialogWindowsTest, AThousandControlsAreAllRegisteredAndAllReleased) {
  const std::size_t records = record_count();
  const int objects = platform::gdi::LiveObjectCount();
  HWND dialog = MakeDialog();
  std::vector<HWND> handles;
  for (std::int32_t id = 1000; id < 2000; ++id) {
    handles.push_back(Add(dialog, id % 2 ? kind::kLabel : kind::kPushButton, id));
    ASSERT_NE(handles.back(), nullptr) << id;
  }
  EXPECT_EQ(record_count(), records + 1001);
  EXPECT_EQ(get_control_handle(dialog, 1500), handles[500]);
  for (HWND h : handles) ASSERT_NE(find_record(h), nullptr);
  DestroyWindow(dialog);
  EXPECT_EQ(record_count(), records);
  for (HWND h : handles) ASSERT_EQ(find_record(h), nullptr);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), objects);
}

TEST_F(DialogWindowsTest, OperationsOnWindowsWithoutRecordsDoNothing) {
  HWND dead = MakeDialog();
  DestroyWindow(dead);
  HWND plain = CreateWindowExW(0, u"STATIC", u"plain", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_NE(plain, nullptr);
  HWND dialog = MakeDialog();
  HWND label = Add(dialog, kind::kLabel, 101);
  const std::size_t records = record_count();
  const int objects = platform::gdi::LiveObjectCount();
  const LRESULT label_font = SendMessageW(label, WM_GETFONT, 0, 0);
  std::int32_t result = 42;
  const std::function<void()> rows[] = {
      [&] { set_window_colors(dead, DIALOG_ITSELF, 0, 0); },
      [&] { set_window_colors(plain, DIALOG_ITSELF, 0, RGB(1, 2, 3)); },
      [&] { set_window_colors(dialog, 999, 0, RGB(1, 2, 3)); },
      [&] { set_control_font(dialog, 101, 999); },
      [&] { set_control_font(dead, 101, 1); },
      [&] { set_dialog_icon(plain, u"#200"); },
      [&] { destroy_control(dead, 101); },
      [&] { destroy_control(dialog, 999); },
      [&] { end_dialog(dead, 1); },
      [&] { end_dialog(plain, 1); },
      [&] { show_dialog_modeless(dead, &DialogCallbackFn, &result); },
      [&] { show_dialog_modal(plain, &DialogCallbackFn, &result); },
      [&] { EXPECT_EQ(set_dialog_show_state(dead, SW_SHOW), 0); },
      [&] { set_user_value(dead, 1, 5); EXPECT_EQ(get_user_value(dead, 1), 0); },
      [&] { EXPECT_EQ(Add(plain, kind::kLabel, 102), nullptr); },
      [&] { EXPECT_EQ(Add(dead, kind::kLabel, 103), nullptr); },
  };
  int row = 0;
  for (const auto& operation : rows) {
    SCOPED_TRACE(row++);
    operation();
    EXPECT_EQ(record_count(), records);
    EXPECT_EQ(platform::gdi::LiveObjectCount(), objects);
    EXPECT_EQ(frame_.errors.word(), 0);
    EXPECT_EQ(frame_.strings.depth(), 0);
  }
  // The two shows greeted their callback (that comes before the record is looked up),
  // and nothing else reached it.
  ASSERT_EQ(g_seen.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(g_seen[i].message, static_cast<UINT>(i % 2 == 0 ? WM_INITDIALOG : WM_SIZE));
  }
  EXPECT_EQ(result, 42);
  EXPECT_TRUE(IsWindow(label));
  EXPECT_EQ(SendMessageW(label, WM_GETFONT, 0, 0), label_font);
  EXPECT_TRUE(IsWindow(plain));
  DestroyWindow(dialog);
  DestroyWindow(plain);
}

}  // namespace
}  // namespace runtime
