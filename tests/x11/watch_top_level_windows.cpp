// Reports what happens to the root window's children, as a window manager sees it: one line
// per event, "create ID", "map ID", "unmap ID", "destroy ID" (hexadecimal ids, "+override" for
// override-redirect windows). It writes READY-FILE once it is listening, and ends when every
// window created since then has been destroyed, or after SECONDS.
// Usage: watch_top_level_windows SECONDS READY-FILE   (DISPLAY names the server)
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: watch_top_level_windows SECONDS READY-FILE\n");
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "watch_top_level_windows: no display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  std::free(xcb_request_check(
      connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)));
  if (std::FILE* ready = std::fopen(argv[2], "w")) std::fclose(ready);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[1]));
  std::set<xcb_window_t> live;
  bool created = false;
  while (!(created && live.empty()) && std::chrono::steady_clock::now() < deadline) {
    xcb_generic_event_t* event = xcb_poll_for_event(connection);
    if (event == nullptr) {
      if (xcb_connection_has_error(connection)) break;
      pollfd p{xcb_get_file_descriptor(connection), POLLIN, 0};
      poll(&p, 1, 50);
      continue;
    }
    switch (event->response_type & 0x7F) {
      case XCB_CREATE_NOTIFY: {
        auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (e->parent != root) break;
        created = true;
        live.insert(e->window);
        std::printf("create 0x%x%s\n", e->window, e->override_redirect ? " +override" : "");
        break;
      }
      case XCB_MAP_NOTIFY: {
        auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (e->event == root) std::printf("map 0x%x\n", e->window);
        break;
      }
      case XCB_UNMAP_NOTIFY: {
        auto* e = reinterpret_cast<xcb_unmap_notify_event_t*>(event);
        if (e->event == root) std::printf("unmap 0x%x\n", e->window);
        break;
      }
      case XCB_DESTROY_NOTIFY: {
        auto* e = reinterpret_cast<xcb_destroy_notify_event_t*>(event);
        if (e->event != root) break;
        live.erase(e->window);
        std::printf("destroy 0x%x\n", e->window);
        break;
      }
      default:
        break;
    }
    std::free(event);
  }
  xcb_disconnect(connection);
  return 0;
}
