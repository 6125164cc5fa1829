#include "platform/display/x11/x11_connection.h"

#include <xcb/randr.h>
#include <xcb/shm.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/display/x11/x11_geometry.h"

namespace platform::x11 {
namespace {

constexpr const char* kAtomNames[] = {
    "WM_PROTOCOLS",
    "WM_DELETE_WINDOW",
    "UTF8_STRING",
    "_NET_WM_NAME",
    "_NET_WM_ICON",
    "_NET_WM_PID",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_DIALOG",
    "_NET_WM_WINDOW_TYPE_COMBO",
    "_NET_WM_STATE",
    "_NET_WM_STATE_MODAL",
    "_NET_WORKAREA",
};
static_assert(std::size(kAtomNames) == static_cast<std::size_t>(Atom::kCount));

// The root's resource database is read whole; real ones are a few kilobytes.
constexpr std::uint32_t kResourceWords = 64 * 1024 / 4;

// Whether images of the root's depth are 32 bits per pixel in the byte order we keep.
bool NativePixels(const xcb_setup_t* setup, std::uint8_t depth, bool* usable) {
  *usable = false;
  for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem > 0; xcb_format_next(&it)) {
    if (it.data->depth == depth) *usable = it.data->bits_per_pixel == 32;
  }
  return setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
}

}  // namespace

std::unique_ptr<X11Connection> X11Connection::Open() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return nullptr;
  int screen_number = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return nullptr;
  }
  const xcb_setup_t* setup = xcb_get_setup(connection);
  xcb_screen_t* screen = nullptr;
  auto it = xcb_setup_roots_iterator(setup);
  for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i) {
    if (i == screen_number) screen = it.data;
  }
  bool usable = false;
  bool native = screen != nullptr && NativePixels(setup, screen->root_depth, &usable);
  if (screen == nullptr || !usable || (screen->root_depth != 24 && screen->root_depth != 32)) {
    xcb_disconnect(connection);
    return nullptr;
  }
  std::unique_ptr<X11Connection> made(new X11Connection(connection, screen));
  made->native_pixels_ = native;
  return made;
}

X11Connection::X11Connection(xcb_connection_t* connection, xcb_screen_t* screen)
    : connection_(connection), screen_(screen) {
  // Everything the first frame needs, sent in one go; replies are taken later.
  for (int i = 0; i < static_cast<int>(Atom::kCount); ++i) {
    atom_cookies_[i] = xcb_intern_atom(connection_, 0, std::strlen(kAtomNames[i]), kAtomNames[i]);
  }
  resources_cookie_ = xcb_get_property(connection_, 0, screen_->root,
                                       XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0,
                                       kResourceWords);
  xcb_prefetch_extension_data(connection_, &xcb_randr_id);
  xcb_prefetch_extension_data(connection_, &xcb_shm_id);
  xcb_prefetch_maximum_request_length(connection_);
  xcb_flush(connection_);
}

X11Connection::~X11Connection() {
  if (!atoms_collected_) CollectAtoms();  // take the replies so nothing is left pending
  if (!facts_collected_) facts();
  xcb_disconnect(connection_);
}

std::uint32_t X11Connection::max_request_bytes() const {
  return xcb_get_maximum_request_length(connection_) * 4;
}

void X11Connection::CollectAtoms() {
  atoms_collected_ = true;
  for (int i = 0; i < static_cast<int>(Atom::kCount); ++i) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, atom_cookies_[i], nullptr);
    atoms_[i] = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
  }
}

xcb_atom_t X11Connection::atom(Atom which) {
  if (!atoms_collected_) CollectAtoms();
  return atoms_[static_cast<int>(which)];
}

const ScreenFacts& X11Connection::facts() {
  if (facts_collected_) return facts_;
  facts_collected_ = true;
  facts_.size = SIZE{screen_->width_in_pixels, screen_->height_in_pixels};
  // The second batch: the announced work area and the monitors.
  xcb_get_property_cookie_t workarea_cookie = xcb_get_property(
      connection_, 0, screen_->root, atom(Atom::kNetWorkarea), XCB_ATOM_CARDINAL, 0, 4);
  const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection_, &xcb_randr_id);
  bool have_randr = randr != nullptr && randr->present;
  xcb_randr_query_version_cookie_t version_cookie{};
  xcb_randr_get_monitors_cookie_t monitors_cookie{};
  if (have_randr) {
    version_cookie = xcb_randr_query_version(connection_, 1, 5);
    monitors_cookie = xcb_randr_get_monitors(connection_, screen_->root, 1);
  }

  xcb_get_property_reply_t* resources = xcb_get_property_reply(connection_, resources_cookie_, nullptr);
  if (resources != nullptr) {
    std::string_view text(static_cast<const char*>(xcb_get_property_value(resources)),
                          xcb_get_property_value_length(resources));
    facts_.dpi = DpiFromResources(text);
    std::free(resources);
  }
  std::optional<RECT> announced;
  if (xcb_get_property_reply_t* area = xcb_get_property_reply(connection_, workarea_cookie, nullptr)) {
    if (area->format == 32 && xcb_get_property_value_length(area) >= 16) {
      const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(area));
      announced = RECT{static_cast<LONG>(v[0]), static_cast<LONG>(v[1]),
                       static_cast<LONG>(v[0] + v[2]), static_cast<LONG>(v[1] + v[3])};
    }
    std::free(area);
  }
  std::vector<RECT> monitors;
  int primary = -1;
  if (have_randr) {
    std::free(xcb_randr_query_version_reply(connection_, version_cookie, nullptr));
    if (xcb_randr_get_monitors_reply_t* reply =
            xcb_randr_get_monitors_reply(connection_, monitors_cookie, nullptr)) {
      for (auto it = xcb_randr_get_monitors_monitors_iterator(reply); it.rem > 0;
           xcb_randr_monitor_info_next(&it)) {
        if (it.data->primary) primary = static_cast<int>(monitors.size());
        monitors.push_back(RECT{it.data->x, it.data->y, it.data->x + it.data->width,
                                it.data->y + it.data->height});
      }
      std::free(reply);
    }
  }
  facts_.work_area = ChooseWorkArea(facts_.size, monitors, primary, announced);
  return facts_;
}

}  // namespace platform::x11
