// Keymaps compiled from layout names (no X server), and a keyboard that plays the X
// server's part: it keeps the modifier state its keys make and reports it with each key,
// as a core key event's state field does. Tests skip when the XKB data is not installed.
#pragma once

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/x11/xkb_key_translator.h"

// Evdev key codes (Linux input codes) of the keys the tests press.
// clang-format off
namespace evdev {
constexpr std::uint32_t kEscape = 1, k1 = 2, k2 = 3, k0 = 11, kMinus = 12, kEqual = 13,
                        kBackspace = 14, kTab = 15, kQ = 16, kY = 21, kI = 23,
                        kLeftBrace = 26, kRightBrace = 27, kEnter = 28, kLeftCtrl = 29,
                        kA = 30, kSemicolon = 39, kApostrophe = 40, kGrave = 41,
                        kLeftShift = 42, kBackslash = 43, kZ = 44, kE = 18, kC = 46, kO = 24,
                        kComma = 51, kDot = 52, kSlash = 53, kRightShift = 54,
                        kKpAsterisk = 55, kLeftAlt = 56, kSpace = 57, kCapsLock = 58,
                        kF1 = 59, kNumLock = 69, kKp7 = 71, kKp5 = 76, kKpDot = 83,
                        k102nd = 86, kF12 = 88, kKpEnter = 96, kRightCtrl = 97,
                        kKpSlash = 98, kRightAlt = 100, kHome = 102, kUp = 103,
                        kPageUp = 104, kLeft = 105, kRight = 106, kEnd = 107, kDown = 108,
                        kPageDown = 109, kInsert = 110, kDelete = 111, kF13 = 183, kF24 = 194;
}  // namespace evdev
// clang-format on

inline xkb_keycode_t XKeyCode(std::uint32_t evdev_code) {
  return evdev_code + 8;
}

struct XkbContextDeleter {
  void operator()(xkb_context* c) const { xkb_context_unref(c); }
};
struct XkbKeymapDeleter {
  void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
struct XkbStateDeleter {
  void operator()(xkb_state* s) const { xkb_state_unref(s); }
};
struct XkbComposeDeleter {
  void operator()(xkb_compose_table* t) const { xkb_compose_table_unref(t); }
};

// One keyboard: the translator under test and the server-side state it is fed from.
class SimulatedKeyboard {
 public:
  SimulatedKeyboard(xkb_keymap* keymap, xkb_compose_table* compose)
      : server_(xkb_state_new(keymap)), translator_(keymap, compose) {}

  // The key's events, with the state as it was before the key (as X reports it).
  std::vector<platform::InputEvent> Press(std::uint32_t evdev_code) {
    return Key(evdev_code, true);
  }
  std::vector<platform::InputEvent> Release(std::uint32_t evdev_code) {
    return Key(evdev_code, false);
  }
  // Press and release; the press's events.
  std::vector<platform::InputEvent> Tap(std::uint32_t evdev_code) {
    auto events = Press(evdev_code);
    Release(evdev_code);
    return events;
  }
  // What a tap types, UTF-8 ("" for nothing).
  std::string Type(std::uint32_t evdev_code) {
    auto events = Tap(evdev_code);
    return events.empty() ? std::string("<none>") : events.back().text;
  }
  std::uint16_t CoreState() const {
    auto mods = xkb_state_serialize_mods(server_.get(), XKB_STATE_MODS_EFFECTIVE);
    auto group = xkb_state_serialize_layout(server_.get(), XKB_STATE_LAYOUT_EFFECTIVE);
    return static_cast<std::uint16_t>((mods & 0xFF) | (group << 13));
  }

 private:
  std::vector<platform::InputEvent> Key(std::uint32_t evdev_code, bool press) {
    auto events = translator_.Translate(XKeyCode(evdev_code), CoreState(), press);
    xkb_state_update_key(server_.get(), XKeyCode(evdev_code), press ? XKB_KEY_DOWN : XKB_KEY_UP);
    return events;
  }

  std::unique_ptr<xkb_state, XkbStateDeleter> server_;
  platform::x11::XkbKeyTranslator translator_;
};

class XkbKeyboardTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    context_.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (context_) {
      xkb_context_set_log_level(context_.get(), XKB_LOG_LEVEL_CRITICAL);
      compose_.reset(xkb_compose_table_new_from_locale(context_.get(), "en_US.UTF-8",
                                                       XKB_COMPOSE_COMPILE_NO_FLAGS));
    }
  }
  static void TearDownTestSuite() {
    keymaps_.clear();
    compose_.reset();
    context_.reset();
  }

  // The keymap of `layout` ("es", "us(intl)") with the evdev rules; null when the XKB data
  // is missing.
  static xkb_keymap* Keymap(const std::string& layout, const char* options = nullptr) {
    if (!context_) return nullptr;
    std::string name = layout;
    std::string variant;
    if (auto open = layout.find('('); open != std::string::npos) {
      name = layout.substr(0, open);
      variant = layout.substr(open + 1, layout.size() - open - 2);
    }
    xkb_rule_names names{"evdev", "pc105", name.c_str(), variant.c_str(), options};
    keymaps_.emplace_back(
        xkb_keymap_new_from_names(context_.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    return keymaps_.back().get();
  }

  // A keyboard of `layout` (with the compose table when `compose`); skips the test when
  // the layout cannot be had.
  std::unique_ptr<SimulatedKeyboard> Keyboard(const std::string& layout, bool compose = false,
                                              const char* options = nullptr) {
    xkb_keymap* keymap = Keymap(layout, options);
    if (keymap == nullptr) return nullptr;
    if (compose && !compose_) return nullptr;
    return std::make_unique<SimulatedKeyboard>(keymap, compose ? compose_.get() : nullptr);
  }

  static inline std::unique_ptr<xkb_context, XkbContextDeleter> context_;
  static inline std::unique_ptr<xkb_compose_table, XkbComposeDeleter> compose_;
  static inline std::vector<std::unique_ptr<xkb_keymap, XkbKeymapDeleter>> keymaps_;
};

#define KEYBOARD_OR_SKIP(var, ...)  \
  auto var = Keyboard(__VA_ARGS__); \
  if (!var) GTEST_SKIP() << "no XKB data (xkb-data) or compose table (libx11-data)"
