#include "runtime/graphics/graphic_window.h"

#include <atomic>

#include "runtime/dialogs/control_procedures.h"
#include "runtime/dialogs/dialog_placement.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/graphic_control_setup.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/record_release.h"
#include "runtime/frame/error_state.h"
#include "runtime/graphics/drawing_session.h"
#include "runtime/graphics/graphic_window_view.h"
#include "runtime/graphics/surface_painting.h"
#include "runtime/graphics/surface_resize.h"

namespace runtime {
namespace {

constexpr WCHAR kClassName[] = u"ZIRCOGRAPH";
constexpr DWORD kSurfaceStyle = 0x5000010D;  // WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_OWNERDRAW
constexpr std::uint32_t kFrameFlags = IS_GRAPHIC_WINDOW | WAS_SHOWN | USES_PIXELS;
constexpr std::uint32_t kSurfaceFlags = IS_CONTROL | REDRAW_BATCHED | USES_PIXELS;

std::atomic<ATOM> g_class_atom{0};

DialogState* FindFrame(HWND window) {
  DialogState* record = find_record(window);
  return record != nullptr && (record->flags & IS_GRAPHIC_WINDOW) != 0 ? record : nullptr;
}

// The surface procedure: paints itself from its bitmap (it has no dialog to answer
// WM_DRAWITEM) and otherwise behaves as the graphic input procedure, which keeps the keys
// in last_key and hands the rest to the STATIC's own procedure.
LRESULT SurfaceProcedure(HWND surface, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(surface, &paint);
      if (dc != nullptr) {
        if (const DialogState* record = find_record(surface)) paint_surface(*record, dc, paint.rcPaint);
      }
      EndPaint(surface, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the bitmap covers every pixel
    default:
      return graphic_input_procedure(surface, message, wParam, lParam);
  }
}

LRESULT FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      if (HWND surface = graphic_window_surface(frame)) SetFocus(surface);
      return 0;
    case WM_SIZE:
      lay_out_graphic_view(frame);
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // From the view's scroll bars: the surface's scroll handling moves the view.
      if (HWND surface = graphic_window_surface(frame)) {
        SendMessageW(surface, message, wParam, lParam);
      }
      return 0;
    case WM_CLOSE: {
      const DialogState* record = FindFrame(frame);
      if (record != nullptr && (record->close_flags & CLOSE_DISABLED) != 0) return 0;
      break;
    }
    case WM_NCDESTROY: {
      // The surface window is gone by now; its record is not, until the release.
      const HWND surface = first_child_control(frame);
      if (surface != nullptr && graphic_target() == surface) set_graphic_target(nullptr);
      free_window_record(frame);
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(frame, message, wParam, lParam);
}

POINT PlacedCorner(int x, int y, SIZE outer) {
  if (x != CENTRE_DEFAULT && y != CENTRE_DEFAULT) return POINT{x, y};
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  if (x == CENTRE_DEFAULT) x = centred_coordinate(work.left, work.right, outer.cx);
  if (y == CENTRE_DEFAULT) y = centred_coordinate(work.top, work.bottom, outer.cy);
  return POINT{x, y};
}

SIZE OuterSize(HWND window, int width, int height) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// The child STATIC, registered and set up as a graphic control, then given the surface
// procedure in place of the graphic input procedure (which it still calls).
HWND MakeSurface(HWND frame, int width, int height) {
  HWND surface = CreateWindowExW(0, u"STATIC", nullptr, kSurfaceStyle, 0, 0, width, height, frame,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
  if (surface == nullptr) return nullptr;
  ErrorState not_passed_on;
  DialogState* record =
      register_record(not_passed_on, surface, frame, kSurfaceFlags, kind::kGraphicControl);
  if (record == nullptr) return nullptr;  // the frame's destruction takes the window
  record->style = static_cast<DWORD>(GetWindowLongW(surface, GWL_STYLE));
  record->ex_style = static_cast<DWORD>(GetWindowLongW(surface, GWL_EXSTYLE));
  set_up_graphic_control(surface, nullptr);
  if (record->graphic.first_bitmap == nullptr) return nullptr;  // no bitmap of that size
  SetWindowLongPtrW(surface, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SurfaceProcedure));
  return surface;
}

}  // namespace

ATOM register_graphic_window_class() {
  if (ATOM atom = g_class_atom.load()) return atom;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;  // 48 bytes in a 32-bit image
  wc.style = CS_VREDRAW | CS_HREDRAW;
  wc.lpfnWndProc = &FrameProcedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(nullptr, IDI_ASTERISK);
  wc.hIconSm = LoadIconW(nullptr, IDI_ASTERISK);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClassName;
  const ATOM atom = RegisterClassExW(&wc);
  if (atom != 0) g_class_atom.store(atom);
  return atom;
}

HWND make_graphic_window(std::u16string_view caption, int x, int y, int width, int height,
                         DWORD style, DWORD ex_style) {
  if (width < 1 || height < 1) return nullptr;
  register_graphic_window_class();  // a class that is not there fails CreateWindowExW
  if (style == 0) style = kGraphicWindowStyle | (caption.empty() ? 0 : WS_CAPTION);
  style &= ~WS_VISIBLE;
  const std::u16string title(caption);
  // Placed and sized once its surface exists: nothing of a size that fails is ever shown.
  HWND frame = CreateWindowExW(ex_style, kClassName, title.c_str(), style, 0, 0, 0, 0, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  if (frame == nullptr) return nullptr;
  ErrorState not_passed_on;
  DialogState* record = register_record(not_passed_on, frame, nullptr, kFrameFlags, kind::kNamedClass);
  HWND surface = nullptr;
  if (record != nullptr) surface = MakeSurface(frame, width, height);
  if (surface == nullptr) {
    DestroyWindow(frame);  // WM_NCDESTROY releases whatever records were made
    return nullptr;
  }
  const SIZE outer = OuterSize(frame, width, height);
  const POINT corner = PlacedCorner(x, y, outer);
  SetWindowPos(frame, nullptr, corner.x, corner.y, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  set_graphic_target(surface);
  ShowWindow(frame, SW_SHOWNOACTIVATE);
  SetForegroundWindow(frame);
  SetFocus(surface);
  // The styles as the window has them, shown.
  record->style = static_cast<DWORD>(GetWindowLongW(frame, GWL_STYLE));
  record->ex_style = static_cast<DWORD>(GetWindowLongW(frame, GWL_EXSTYLE));
  return frame;
}

HWND graphic_window_surface(HWND window) {
  if (FindFrame(window) == nullptr) return nullptr;
  return first_child_control(window);
}

void set_graphic_window_caption(HWND window, std::u16string_view caption) {
  const std::u16string text(caption);
  SetWindowTextW(window, text.c_str());
}

std::u16string graphic_window_caption(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

POINT graphic_window_location(HWND window) {
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return POINT{0, 0};
  return POINT{rect.left, rect.top};
}

void set_graphic_window_location(HWND window, int x, int y) {
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE graphic_window_size(HWND window) {
  RECT client{};
  if (!GetClientRect(window, &client)) return SIZE{0, 0};
  return SIZE{client.right, client.bottom};
}

void set_graphic_window_size(HWND window, int width, int height) {
  HWND surface = graphic_window_surface(window);
  const DialogState* record = find_record(surface);
  if (record == nullptr || width < 1 || height < 1) return;
  if ((record->flags & GRAPHIC_STRETCHED) == 0) {
    // The frame may keep its size (the same client area, bars gone): laid out all the same.
    if (resize_surface(surface, width, height)) lay_out_graphic_view(window);
    return;
  }
  // A stretched picture keeps its bitmap and fills whatever size the window takes.
  const SIZE outer = OuterSize(window, width, height);
  SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace runtime
