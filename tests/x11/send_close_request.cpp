// Asks an X window to close as a window manager's close button does: a WM_PROTOCOLS client
// message carrying WM_DELETE_WINDOW, sent to the window itself (xdotool has no such verb; its
// windowclose destroys the window instead).
// Usage: send_close_request WINDOW-ID   (decimal or 0x hexadecimal; DISPLAY names the server)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr);
  xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: send_close_request WINDOW-ID\n");
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "send_close_request: no display\n");
    return 1;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = Atom(connection, "WM_PROTOCOLS");
  message.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_void_cookie_t sent = xcb_send_event_checked(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                  reinterpret_cast<const char*>(&message));
  xcb_generic_error_t* error = xcb_request_check(connection, sent);
  const int status = error != nullptr ? 1 : 0;
  if (error != nullptr) std::fprintf(stderr, "send_close_request: no window %s\n", argv[1]);
  std::free(error);
  xcb_disconnect(connection);
  return status;
}
