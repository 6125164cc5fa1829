// Graphic controls on a dialog of the headless display, made the way programs make them
// (add_control, kind 14), as drawing targets for the engine's tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/display/display_session.h"
#include "runtime/dialogs/add_control.h"
#include "runtime/dialogs/create_dialog.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_table.h"
#include "runtime/dialogs/modal_loop.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/frame/process_state.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/graphics/drawing_session.h"

namespace runtime::testing {

class SurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("VESTRALINO_DISPLAY", "headless", 1);
    platform::ResetDisplaySession();
    saved_instance_ = Process().instance;
    Process().instance = GetModuleHandleW(nullptr);
    reset_font_table();
    create_built_in_fonts();
    set_graphic_target(nullptr);
  }
  void TearDown() override {
    set_graphic_target(nullptr);
    if (dialog_ != nullptr) DestroyWindow(dialog_);
    Process().instance = saved_instance_;
    unsetenv("VESTRALINO_DISPLAY");
    platform::ResetDisplaySession();
  }

  // A pixel-mode dialog with one graphic control of the size at (0, 0); the control is
  // the thread's graphic target. `callback` sees the dialog's messages once it is shown.
  HWND MakeSurface(int width, int height, DialogCallback callback = nullptr) {
    frame_.strings.PushCopy("Surface");
    frame_.strings.SlotToWide(0);
    dialog_ = create_dialog(frame_, kPixelMode, nullptr, 10, 10, width + 20, height + 20, 0, 0);
    if (dialog_ == nullptr) return nullptr;
    frame_.strings.PushCopy("");
    frame_.strings.SlotToWide(0);
    frame_.strings.PushCopy("");
    frame_.strings.SlotToWide(0);
    control_ = add_control(frame_, kind::kGraphicControl, dialog_, 100, 0, 0, width, height, 0,
                           0, nullptr);
    if (callback != nullptr) show_dialog_modeless(dialog_, callback, nullptr);
    return control_;
  }

  DialogState& Record() { return *find_record(control_); }
  HDC Dc() { return Record().graphic.memory_dc; }
  COLORREF Pixel(int x, int y) { return GetPixel(Dc(), x, y); }
  // The surface in black and white for exact checks: every pixel that differs from the
  // background is '#'.
  std::string Row(int y, int from, int to) {
    std::string row;
    const COLORREF back = static_cast<COLORREF>(Record().graphic.default_back_color);
    for (int x = from; x <= to; ++x) row += Pixel(x, y) == back ? '.' : '#';
    return row;
  }

  RoutineFrame frame_;
  HINSTANCE saved_instance_ = nullptr;
  HWND dialog_ = nullptr;
  HWND control_ = nullptr;
};

}  // namespace runtime::testing
