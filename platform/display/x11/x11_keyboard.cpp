#include "platform/display/x11/x11_keyboard.h"

#include <sys/resource.h>
#include <unistd.h>
// xcb's XKB header names a struct member `explicit`, a keyword in C++.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon-x11.h>

#include <chrono>
#include <cstdlib>

#include "platform/display/x11/us_fallback_keys.h"
#include "platform/display/x11/xkb_key_translator.h"

namespace platform::x11 {
namespace {

// The longest a key waits for the first load when the keymap changed meanwhile; after it,
// the keymap in use reads the key and the next key tries again.
constexpr auto kFirstLoadWait = std::chrono::seconds(2);

// The locale whose compose table applies: as the C library would choose it. The C
// locale has no useful table, so it takes the English UTF-8 one.
std::string ComposeLocale() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      std::string locale = value;
      if (locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0) break;
      return locale;
    }
  }
  return "en_US.UTF-8";
}

}  // namespace

X11Keyboard::X11Keyboard(xcb_connection_t* connection) : connection_(connection) {
  // Asked now, with the first frame's requests; the answer is read after that frame.
  xcb_prefetch_extension_data(connection_, &xcb_xkb_id);
}

X11Keyboard::~X11Keyboard() {
  if (loader_.joinable()) loader_.join();
  translator_.reset();
  ready_.reset();
  xkb_compose_table_unref(compose_table_);
  xkb_context_unref(context_);
}

void X11Keyboard::StartLoading() {
  if (loader_.joinable() || first_xkb_event_ >= 0) return;  // once
  const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection_, &xcb_xkb_id);
  if (xkb == nullptr || !xkb->present) return;  // no XKB: the US reading stays
  // This connection's own XKB settings, sent without waiting for any answer: a new
  // keymap is worth hearing of (state changes come with each key event), and a held key
  // repeats as presses without releases between them.
  xcb_discard_reply(connection_, xcb_xkb_use_extension(connection_, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                       XKB_X11_MIN_MINOR_XKB_VERSION)
                                     .sequence);
  constexpr std::uint16_t kEvents =
      XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
  constexpr std::uint16_t kMapParts =
      XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP |
      XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS | XCB_XKB_MAP_PART_KEY_ACTIONS |
      XCB_XKB_MAP_PART_VIRTUAL_MODS | XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
  xcb_xkb_select_events(connection_, XCB_XKB_ID_USE_CORE_KBD, kEvents, 0, kEvents, kMapParts,
                        kMapParts, nullptr);
  xcb_discard_reply(
      connection_, xcb_xkb_per_client_flags(connection_, XCB_XKB_ID_USE_CORE_KBD,
                                            XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
                                            XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0)
                       .sequence);
  xcb_flush(connection_);
  first_xkb_event_ = xkb->first_event;
  std::lock_guard hold(lock_);
  loading_ = true;
  loader_ = std::thread([this] { LoadingThread(); });
}

void X11Keyboard::LoadingThread() {
  // Work after the first frame must not compete with the program itself. It has a
  // connection of its own: waiting for answers on the display's would leave the display's
  // thread unable to read its events while this one waits for the processor.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
  std::unique_ptr<XkbKeyTranslator> loaded;
  xcb_connection_t* own = xcb_connect(nullptr, nullptr);
  if (!xcb_connection_has_error(own) &&
      xkb_x11_setup_xkb_extension(own, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                  XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr,
                                  nullptr)) {
    loaded = LoadKeymap(own);
  }
  xcb_disconnect(own);
  std::lock_guard hold(lock_);
  ready_ = std::move(loaded);
  loading_ = false;
  loaded_.notify_all();
}

std::unique_ptr<XkbKeyTranslator> X11Keyboard::LoadKeymap(xcb_connection_t* connection) {
  std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
  if (device < 0) return nullptr;
  if (context_ == nullptr) {
    context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context_ == nullptr) return nullptr;
    // What is missing (a locale without a compose table) has a fallback: nothing to say.
    xkb_context_set_log_level(context_, XKB_LOG_LEVEL_CRITICAL);
    compose_table_ = xkb_compose_table_new_from_locale(context_, ComposeLocale().c_str(),
                                                       XKB_COMPOSE_COMPILE_NO_FLAGS);
  }
  xkb_keymap* keymap =
      xkb_x11_keymap_new_from_device(context_, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
  if (keymap == nullptr) return nullptr;
  auto translator = std::make_unique<XkbKeyTranslator>(keymap, compose_table_);
  xkb_keymap_unref(keymap);
  return translator;
}

void X11Keyboard::TakeLoaded() {
  std::unique_lock hold(lock_);
  if (ready_) translator_ = std::move(ready_);
  if (!keymap_changed_) return;
  // The server's keymap changed: read the new one here and now, so that this key is
  // read with it. A first load still under way goes first (it owns the context).
  if (!loaded_.wait_for(hold, kFirstLoadWait, [&] { return !loading_; })) return;
  if (ready_) translator_ = std::move(ready_);
  keymap_changed_ = false;
  hold.unlock();
  if (std::unique_ptr<XkbKeyTranslator> fresh = LoadKeymap(connection_)) {
    translator_ = std::move(fresh);
  }
}

std::vector<InputEvent> X11Keyboard::Translate(const xcb_key_press_event_t& event, bool press) {
  if (!translator_) {
    // A key typed while the first load is under way waits for it (a few milliseconds): read
    // as on a US keyboard it could type the wrong character on another layout.
    std::unique_lock hold(lock_);
    loaded_.wait_for(hold, kFirstLoadWait, [&] { return !loading_; });
  }
  TakeLoaded();
  std::vector<InputEvent> keys = translator_
                                     ? translator_->Translate(event.detail, event.state, press)
                                     : TranslateAsUsKeyboard(event.detail, event.state, press);
  // The core state holds Lock while Caps Lock is on, and Mod2 is Num Lock on every usual
  // keymap.
  LockKeys locks{(event.state & XCB_MOD_MASK_LOCK) != 0, (event.state & XCB_MOD_MASK_2) != 0};
  for (InputEvent& key : keys) key.locks = locks;
  return keys;
}

bool X11Keyboard::HandleEvent(const xcb_generic_event_t& event) {
  int first = first_xkb_event_;
  if (first < 0 || (event.response_type & 0x7F) != first) return false;
  // The second byte of every XKB event names its kind.
  if (event.pad0 == XCB_XKB_NEW_KEYBOARD_NOTIFY || event.pad0 == XCB_XKB_MAP_NOTIFY) {
    std::lock_guard hold(lock_);
    keymap_changed_ = true;
  }
  return true;
}

bool X11Keyboard::WaitUntilLoaded(int timeout_ms) {
  {
    std::unique_lock hold(lock_);
    loaded_.wait_for(hold, std::chrono::milliseconds(timeout_ms), [&] { return !loading_; });
  }
  TakeLoaded();
  return translator_ != nullptr;
}

}  // namespace platform::x11
