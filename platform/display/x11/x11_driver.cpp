#include "platform/display/x11/x11_driver.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/display/x11/x11_icon.h"

namespace platform::x11 {
namespace {

// WM_NORMAL_HINTS flags (ICCCM 4.1.2.3).
constexpr std::uint32_t kProgramPosition = 1u << 2;
constexpr std::uint32_t kProgramSize = 1u << 3;
constexpr std::uint32_t kMinSize = 1u << 4;
constexpr std::uint32_t kMaxSize = 1u << 5;
constexpr std::uint32_t kWinGravity = 1u << 9;
constexpr std::uint32_t kStaticGravity = 10;  // the position given is the client's own
// WM_HINTS flags and states.
constexpr std::uint32_t kInputHint = 1u << 0;
constexpr std::uint32_t kStateHint = 1u << 1;
constexpr std::uint32_t kNormalState = 1;

constexpr char kWmClass[] = "vestralino\0Vestralino";  // instance, class

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

void ChangeProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                    xcb_atom_t type, std::uint8_t format, std::uint32_t count, const void* data) {
  if (property == XCB_ATOM_NONE) return;
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, format, count, data);
}

}  // namespace

X11Driver::X11Driver(std::unique_ptr<X11Connection> connection)
    : connection_(std::move(connection)), keyboard_(connection_->get()),
      shared_(connection_->get()) {}

X11Driver::~X11Driver() {
  std::free(stashed_);
  xcb_connection_t* c = connection_->get();
  for (auto& [handle, shown] : windows_) xcb_destroy_window(c, shown.id);
  if (gc_ != 0) xcb_free_gc(c, gc_);
  xcb_flush(c);
}

xcb_window_t X11Driver::XWindowOf(HWND window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? 0 : found->second.id;
}

X11Driver::Shown* X11Driver::FindByX(xcb_window_t id) {
  for (auto& [handle, shown] : windows_) {
    if (shown.id == id) return &shown;
  }
  return nullptr;
}

POINT X11Driver::ScreenPoint(const Shown& shown, int x, int y) const {
  return POINT{shown.info.rect.left + shown.part.left + x, shown.info.rect.top + shown.part.top + y};
}

void X11Driver::Resize(Shown& shown) {
  shown.part = ShownRectInWindow(shown.info);
  int width = std::max<LONG>(shown.part.right - shown.part.left, 0);
  int height = std::max<LONG>(shown.part.bottom - shown.part.top, 0);
  if (width == shown.width && height == shown.height) return;
  shown.width = width;
  shown.height = height;
  shown.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  shown.damage.Clear();
  shown.damage.Add(RECT{0, 0, width, height});
}

void X11Driver::WindowShown(const TopLevelWindowInfo& info) {
  if (lost_) return;
  xcb_connection_t* c = connection_->get();
  auto [it, added] = windows_.try_emplace(info.window);
  Shown& shown = it->second;
  shown.info = info;
  Resize(shown);
  if (!added) {
    WindowChanged(info);
    return;
  }
  shown.id = xcb_generate_id(c);
  const bool popup = IsPopup(info);
  // No background: the server paints nothing of its own before our pixels arrive.
  const std::uint32_t values[] = {
      XCB_BACK_PIXMAP_NONE, 0, popup ? 1u : 0u,
      XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE |
          XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
          XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_FOCUS_CHANGE |
          XCB_EVENT_MASK_STRUCTURE_NOTIFY};
  const std::uint32_t mask =
      XCB_CW_BACK_PIXMAP | XCB_CW_BORDER_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK;
  const POINT origin = ScreenPoint(shown, 0, 0);
  xcb_create_window(c, connection_->depth(), shown.id, connection_->root(),
                    static_cast<std::int16_t>(origin.x), static_cast<std::int16_t>(origin.y),
                    static_cast<std::uint16_t>(std::max(shown.width, 1)),
                    static_cast<std::uint16_t>(std::max(shown.height, 1)), 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, connection_->visual(), mask, values);
  if (gc_ == 0) {
    gc_ = xcb_generate_id(c);
    const std::uint32_t no_exposures[] = {0};
    xcb_create_gc(c, gc_, shown.id, XCB_GC_GRAPHICS_EXPOSURES, no_exposures);
  }
  SetProperties(shown);
}

void X11Driver::SetTitle(const Shown& shown) {
  xcb_connection_t* c = connection_->get();
  const std::string& title = shown.info.title;
  const auto length = static_cast<std::uint32_t>(title.size());
  ChangeProperty(c, shown.id, XCB_ATOM_WM_NAME,
                 IsAscii(title) ? xcb_atom_t{XCB_ATOM_STRING} : connection_->atom(Atom::kUtf8String), 8,
                 length, title.data());
  ChangeProperty(c, shown.id, connection_->atom(Atom::kNetWmName),
                 connection_->atom(Atom::kUtf8String), 8, length, title.data());
}

void X11Driver::SetSizeHints(const Shown& shown) {
  const auto w = static_cast<std::uint32_t>(std::max(shown.width, 1));
  const auto h = static_cast<std::uint32_t>(std::max(shown.height, 1));
  const POINT origin = ScreenPoint(shown, 0, 0);
  // flags, x, y, width, height, min, max, increments, aspects, base size, gravity.
  std::uint32_t hints[18] = {};
  hints[0] = kProgramPosition | kProgramSize | kMinSize | kMaxSize | kWinGravity;
  hints[1] = static_cast<std::uint32_t>(origin.x);
  hints[2] = static_cast<std::uint32_t>(origin.y);
  hints[3] = hints[5] = hints[7] = w;
  hints[4] = hints[6] = hints[8] = h;
  hints[17] = kStaticGravity;
  ChangeProperty(connection_->get(), shown.id, XCB_ATOM_WM_NORMAL_HINTS,
                 XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
}

void X11Driver::SetProperties(const Shown& shown) {
  xcb_connection_t* c = connection_->get();
  const xcb_window_t id = shown.id;
  SetTitle(shown);
  ChangeProperty(c, id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, sizeof kWmClass, kWmClass);
  const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
  ChangeProperty(c, id, connection_->atom(Atom::kNetWmPid), XCB_ATOM_CARDINAL, 32, 1, &pid);
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) == 0) {
    ChangeProperty(c, id, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 8,
                   static_cast<std::uint32_t>(std::strlen(host)), host);
  }
  const bool popup = IsPopup(shown.info);
  const xcb_atom_t type = connection_->atom(popup ? Atom::kNetWmWindowTypeCombo
                                                  : Atom::kNetWmWindowTypeDialog);
  ChangeProperty(c, id, connection_->atom(Atom::kNetWmWindowType), XCB_ATOM_ATOM, 32, 1, &type);
  const xcb_atom_t protocols[] = {connection_->atom(Atom::kWmDeleteWindow)};
  ChangeProperty(c, id, connection_->atom(Atom::kWmProtocols), XCB_ATOM_ATOM, 32, 1, protocols);
  const std::uint32_t wm_hints[9] = {kInputHint | kStateHint, 1, kNormalState};
  ChangeProperty(c, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32, 9, wm_hints);
  SetSizeHints(shown);
  if (xcb_window_t owner = XWindowOf(shown.info.owner); owner != 0) {
    ChangeProperty(c, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &owner);
    if (shown.info.message_box) {
      const xcb_atom_t modal = connection_->atom(Atom::kNetWmStateModal);
      ChangeProperty(c, id, connection_->atom(Atom::kNetWmState), XCB_ATOM_ATOM, 32, 1, &modal);
    }
  }
}

void X11Driver::SetIcon(Shown& shown) {
  shown.icon_sent = true;
  const std::vector<std::uint32_t>& data = icon_.data();
  if (IsPopup(shown.info) || data.empty()) return;
  ChangeProperty(connection_->get(), shown.id, connection_->atom(Atom::kNetWmIcon),
                 XCB_ATOM_CARDINAL, 32, static_cast<std::uint32_t>(data.size()), data.data());
}

void X11Driver::WindowChanged(const TopLevelWindowInfo& info) {
  auto found = windows_.find(info.window);
  if (found == windows_.end() || lost_) return;
  Shown& shown = found->second;
  const TopLevelWindowInfo before = shown.info;
  shown.info = info;
  if (info.title != before.title) SetTitle(shown);
  if (std::memcmp(&info.rect, &before.rect, sizeof(RECT)) != 0 ||
      std::memcmp(&info.client, &before.client, sizeof(RECT)) != 0) {
    Resize(shown);
    const POINT origin = ScreenPoint(shown, 0, 0);
    const std::uint32_t values[] = {static_cast<std::uint32_t>(origin.x),
                                    static_cast<std::uint32_t>(origin.y),
                                    static_cast<std::uint32_t>(std::max(shown.width, 1)),
                                    static_cast<std::uint32_t>(std::max(shown.height, 1))};
    xcb_configure_window(connection_->get(), shown.id,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    SetSizeHints(shown);
  }
}

void X11Driver::WindowPainted(HWND window, const RECT& damaged, const gdi::PixelSurface& pixels) {
  auto found = windows_.find(window);
  if (found == windows_.end()) return;
  Shown& shown = found->second;
  RECT rect = DamageInShown(damaged, shown.part);
  CopyShownPixels(pixels, shown.part, rect, shown.pixels.data(), shown.width, shown.height);
  shown.damage.Add(rect);
  shown.painted = true;
}

void X11Driver::WindowActivated(HWND window) {
  active_ = window;
  auto found = windows_.find(window);
  if (found != windows_.end() && found->second.mapped) Focus(found->second);
}

void X11Driver::WindowHidden(HWND window) {
  auto found = windows_.find(window);
  if (found == windows_.end()) return;
  if (!lost_) xcb_destroy_window(connection_->get(), found->second.id);
  if (focused_ == found->second.id) focused_ = 0;
  windows_.erase(found);
  if (active_ == window) active_ = nullptr;
}

// A drop-down closes when the user clicks anywhere else, as on Windows: while it is up,
// clicks outside our windows come to it (at points outside it), and the window system
// sees them. The grab ends by itself with the pop-up.
void X11Driver::GrabPointer(const Shown& popup) {
  constexpr std::uint16_t kEvents = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                    XCB_EVENT_MASK_POINTER_MOTION;
  xcb_grab_pointer_cookie_t grab = xcb_grab_pointer(
      connection_->get(), 1, popup.id, kEvents, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
      XCB_NONE, XCB_NONE, XCB_CURRENT_TIME);
  xcb_discard_reply(connection_->get(), grab.sequence);  // refused: clicks outside are lost
}

void X11Driver::Focus(const Shown& shown) {
  if (focused_ == shown.id || IsPopup(shown.info) || lost_) return;
  // Without a window manager nobody else gives the keyboard to the new window; with one
  // that refuses, the request fails harmlessly.
  xcb_set_input_focus(connection_->get(), XCB_INPUT_FOCUS_PARENT, shown.id, XCB_CURRENT_TIME);
}

void X11Driver::PutPixels(const Shown& shown, const RECT& rect) {
  const int width = rect.right - rect.left;
  if (width <= 0 || rect.bottom <= rect.top) return;
  const std::size_t bytes = static_cast<std::size_t>(width) * (rect.bottom - rect.top) * 4;
  if (bytes >= SharedImage::kLargeImageBytes && connection_->native_pixels() &&
      shared_.Reserve(static_cast<std::size_t>(shown.width) * shown.height * 4)) {
    shared_.Put(shown.id, gc_, connection_->depth(), shown.pixels.data(), shown.width,
                shown.height, rect);
    return;
  }
  const int rows_per_request = RowsPerRequest(width, connection_->max_request_bytes());
  for (LONG top = rect.top; top < rect.bottom; top += rows_per_request) {
    const int rows = static_cast<int>(std::min<LONG>(rows_per_request, rect.bottom - top));
    band_.resize(static_cast<std::size_t>(width) * rows);
    for (int y = 0; y < rows; ++y) {
      const std::uint32_t* from =
          shown.pixels.data() + static_cast<std::size_t>(top + y) * shown.width + rect.left;
      std::uint32_t* to = band_.data() + static_cast<std::size_t>(y) * width;
      if (connection_->native_pixels()) {
        std::copy(from, from + width, to);
      } else {
        for (int x = 0; x < width; ++x) to[x] = __builtin_bswap32(from[x]);
      }
    }
    xcb_put_image(connection_->get(), XCB_IMAGE_FORMAT_Z_PIXMAP, shown.id, gc_,
                  static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(rows),
                  static_cast<std::int16_t>(rect.left), static_cast<std::int16_t>(top), 0,
                  connection_->depth(), static_cast<std::uint32_t>(band_.size() * 4),
                  reinterpret_cast<const std::uint8_t*>(band_.data()));
  }
}

void X11Driver::Present() {
  if (lost_) return;
  bool sent = false;
  for (auto& [handle, shown] : windows_) {
    if (!shown.painted || shown.width <= 0 || shown.height <= 0) continue;
    if (!shown.mapped) {
      xcb_map_window(connection_->get(), shown.id);
      shown.mapped = true;
      shown.damage.Clear();
      shown.damage.Add(RECT{0, 0, shown.width, shown.height});
      if (handle == active_) Focus(shown);
      if (IsPopup(shown.info)) GrabPointer(shown);
    }
    for (const RECT& rect : shown.damage.rects()) PutPixels(shown, rect);
    sent = sent || !shown.damage.empty();
    shown.damage.Clear();
  }
  if (sent) {
    xcb_flush(connection_->get());
    first_frame_sent_ = true;
  }
}

// What the first frame could do without: done once the program waits after it.
void X11Driver::DeferredWork() {
  if (!first_frame_sent_ || lost_) return;
  if (!deferred_done_) {
    deferred_done_ = true;
    keyboard_.StartLoading();
    HICON fallback = nullptr;
    for (const auto& [handle, shown] : windows_) fallback = fallback ? fallback : shown.info.icon;
    icon_.Start(fallback);
  }
  if (!icon_.ready()) return;
  bool sent = false;
  for (auto& [handle, shown] : windows_) {
    if (shown.mapped && !shown.icon_sent) {
      SetIcon(shown);
      sent = true;
    }
  }
  if (sent) xcb_flush(connection_->get());
}

}  // namespace platform::x11
