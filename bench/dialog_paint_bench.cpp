// Painting a whole dialog of ten controls (frame, background, every control) on the
// headless display, beside filling the same pixels with one FillRect as the reference.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include "platform/win32.h"

namespace {

HWND MakeDialog() {
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
  InitCommonControlsEx(&classes);
  HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, u"#32770", u"Ten controls",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 360,
                                260, nullptr, nullptr, nullptr, nullptr);
  struct Control {
    const WCHAR* class_name;
    const WCHAR* text;
    DWORD style;
    RECT place;
  } controls[] = {
      {u"Static", u"Dia de Inicio", SS_CENTER, {10, 10, 170, 26}},
      {u"SysDateTimePick32", u"", WS_TABSTOP, {10, 30, 170, 56}},
      {u"Button", u"Aceptar", BS_DEFPUSHBUTTON | WS_TABSTOP, {10, 200, 90, 224}},
      {u"Button", u"Cancelar", BS_PUSHBUTTON | WS_TABSTOP, {100, 200, 180, 224}},
      {u"Button", u"Recordar", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 64, 170, 80}},
      {u"Button", u"Opciones", BS_GROUPBOX, {190, 10, 340, 90}},
      {u"Edit", u"Texto", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {10, 90, 170, 112}},
      {u"ListBox", u"", LBS_NOTIFY | WS_VSCROLL | WS_BORDER, {190, 100, 340, 190}},
      {u"ComboBox", u"", CBS_DROPDOWNLIST | WS_TABSTOP, {10, 120, 170, 220}},
      {u"ScrollBar", u"", SBS_HORZ, {10, 160, 170, 176}},
  };
  int id = 100;
  for (const Control& c : controls) {
    HWND control = CreateWindowExW(0, c.class_name, c.text, WS_CHILD | WS_VISIBLE | c.style,
                                   c.place.left, c.place.top, c.place.right - c.place.left,
                                   c.place.bottom - c.place.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id++)),
                                   nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  }
  for (const WCHAR* item : {u"Rojo", u"Verde", u"Azul", u"Amarillo"}) {
    SendDlgItemMessageW(dialog, 107, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendDlgItemMessageW(dialog, 108, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  return dialog;
}

void PaintDialogOfTenControls(benchmark::State& state) {
  HWND dialog = MakeDialog();
  for (auto _ : state) {
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  DestroyWindow(dialog);
}
BENCHMARK(PaintDialogOfTenControls)->Unit(benchmark::kMicrosecond);

// Reference: the same window area filled once, in a memory DC.
void FillSameArea(benchmark::State& state) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 360, 260);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 360, 260};
  for (auto _ : state) FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
BENCHMARK(FillSameArea)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("VESTRALINO_DISPLAY", "headless", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
