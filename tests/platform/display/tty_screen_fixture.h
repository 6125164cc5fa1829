// Windows drawn in cells: dialogs made headless from templates (the start-day dialog and
// one with a control of every kind), laid out and painted as the terminal shows them, and
// compared with golden text files beside this one (written afresh where missing or when
// VESTRALINO_UPDATE_GOLDEN is set).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/display/calendar_cells.h"
#include "platform/display/cell_canvas.h"
#include "platform/display/window_cells.h"
#include "platform/display/window_painter.h"
#include "tests/platform/comctl/comctl_test_fixture.h"
#include "tests/platform/user/dialog_test_fixture.h"

class TtyScreenTest : public CommonControlTest {
 protected:
  static constexpr DWORD kDialogStyle =
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE;
  static constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  static constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

  void SetUp() override {
    CommonControlTest::SetUp();
    Init(ICC_DATE_CLASSES | ICC_STANDARD_CLASSES);
  }

  static SYSTEMTIME Day(WORD year, WORD month, WORD day) {
    SYSTEMTIME d{};
    d.wYear = year;
    d.wMonth = month;
    d.wDay = day;
    return d;
  }

  // The program's own dialog: a date picker under its label, Cancelar and Aceptar.
  HWND StartDayDialog() {
    TemplateWriter t(false);
    t.Dialog(kDialogStyle, 0, 0, 122, 59, u"Vestralino", 8, u"MS Sans Serif");
    t.Item(kTab, 10, 15, 105, 20, 1001, u"SysDateTimePick32", u"");
    t.Item(kChild | SS_CENTER, 10, 5, 105, 10, 1002, u"Static", u"Dia de Inicio");
    t.Item(kTab | BS_PUSHBUTTON, 11, 40, 40, 15, 1003, u"Button", u"Cancelar");
    t.Item(kTab | BS_DEFPUSHBUTTON, 73, 40, 40, 15, 1004, u"Button", u"Aceptar");
    HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, DialogProcedure, 0);
    if (dialog == nullptr) return nullptr;
    HWND picker = GetDlgItem(dialog, 1001);
    SetWindowLongW(picker, GWL_EXSTYLE, GetWindowLongW(picker, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SYSTEMTIME day = Day(2026, 12, 7);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&day));
    return dialog;
  }

  static INT_PTR DialogProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
  }

  // Every window shown, bottom to top, laid out on `columns` x `rows` cells.
  static platform::ScreenLayout Layout(std::vector<HWND> windows, int columns = 80, int rows = 24) {
    return platform::LayOutWindows(platform::ReadWindows(windows, GetActiveWindow()), columns,
                                   rows);
  }

  static std::string Screen(const platform::ScreenLayout& layout, bool ascii = false,
                            int columns = 80, int rows = 24) {
    platform::CellCanvas canvas(
        columns, rows, ascii ? platform::CellGlyphs::Ascii() : platform::CellGlyphs::Unicode());
    platform::PaintWindows(canvas, layout, GetFocus());
    std::string text = canvas.PlainText();
    if (ascii) {
      std::string plain;
      for (char32_t c : platform::Utf32FromUtf8(text)) plain += platform::AsciiFallback(c);
      return plain;
    }
    return text;
  }

  static void ExpectGolden(const std::string& name, const std::string& screen) {
    std::filesystem::path path = std::filesystem::path(VESTRALINO_SOURCE_DIR) / "tests/platform/display/golden" / name;
    std::ifstream in(path, std::ios::binary);
    if (std::getenv("VESTRALINO_UPDATE_GOLDEN") != nullptr) {
      std::ofstream(path, std::ios::binary) << screen;
      std::printf("wrote %s\n", path.c_str());
      return;
    }
    ASSERT_TRUE(in) << "no stored screen " << path << " (VESTRALINO_UPDATE_GOLDEN=1 writes it)";
    std::stringstream stored;
    stored << in.rdbuf();
    EXPECT_EQ(stored.str(), screen) << "screen:\n" << screen;
  }
};
