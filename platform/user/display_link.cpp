#include "platform/user/display_link.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/display/display_session.h"
#include "platform/user/window_class.h"
#include "platform/user/window_links.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

bool IsTopLevel(const Window* w) { return w != nullptr && w->parent == nullptr; }

std::string ClassName(const Window& w) {
  return w.window_class ? AnsiFromWide(w.window_class->name.c_str()) : std::string();
}

TopLevelWindowInfo InfoOf(const Window& w) {
  TopLevelWindowInfo info;
  info.window = w.handle;
  info.rect = w.window_rect;
  info.client = w.client_rect;
  info.title = AnsiFromWide(w.text.c_str());
  info.class_name = ClassName(w);
  info.owner = w.owner;
  info.style = w.style;
  info.ex_style = w.ex_style;
  info.icon = w.icon_small != nullptr ? w.icon_small : w.icon_big;
  info.message_box = w.message_box;
  return info;
}

JsonObject RectJson(JsonObject object, const RECT& r) {
  return object.Add("left", static_cast<long long>(r.left))
      .Add("top", static_cast<long long>(r.top))
      .Add("right", static_cast<long long>(r.right))
      .Add("bottom", static_cast<long long>(r.bottom));
}

void WriteWindowLine(const Window& top) {
  Transcript& transcript = CurrentTranscript();
  if (!transcript.enabled()) return;
  std::vector<JsonObject> controls;
  POINT origin{top.client_rect.left, top.client_rect.top};
  for (HWND handle : SelfAndDescendants(top.handle)) {
    Window* c = FindWindowRecord(handle);
    if (c == nullptr || handle == top.handle) continue;
    RECT r = c->window_rect;  // in the top-level window's client coordinates
    r.left -= origin.x;
    r.right -= origin.x;
    r.top -= origin.y;
    r.bottom -= origin.y;
    controls.push_back(RectJson(JsonObject()
                                    .Add("id", static_cast<long long>(c->id))
                                    .Add("class", ClassName(*c))
                                    .Add("text", AnsiFromWide(c->text.c_str())),
                                r));
  }
  JsonObject line = JsonObject()
                        .Add("event", "window")
                        .Add("class", ClassName(top))
                        .Add("caption", AnsiFromWide(top.text.c_str()))
                        .Add("style", static_cast<long long>(top.style))
                        .Add("exstyle", static_cast<long long>(top.ex_style));
  line = RectJson(std::move(line), top.window_rect);
  line.Add("controls", controls);
  transcript.Write(line);
}

}  // namespace

// Windows shown whose transcript line waits for the program to finish building them.
std::vector<HWND>& PendingLines() {
  static thread_local std::vector<HWND> pending;
  return pending;
}

void DisplayWindowShown(HWND window) {
  Window* w = FindWindowRecord(window);
  if (!IsTopLevel(w)) return;
  w->shown_to_display = true;
  CurrentDisplay().WindowShown(InfoOf(*w));
  if (w->message_box) return;  // MessageBoxW writes its own line
  if (std::find(PendingLines().begin(), PendingLines().end(), window) == PendingLines().end()) {
    PendingLines().push_back(window);
  }
}

void WritePendingWindowLines() {
  std::vector<HWND> pending;
  pending.swap(PendingLines());
  for (HWND window : pending) {
    Window* w = FindWindowRecord(window);
    if (w != nullptr && w->shown_to_display) WriteWindowLine(*w);
  }
}

void DisplayWindowChanged(HWND window) {
  Window* w = FindWindowRecord(window);
  if (!IsTopLevel(w) || !w->shown_to_display) return;
  CurrentDisplay().WindowChanged(InfoOf(*w));
}

void DisplayWindowHidden(HWND window) {
  Window* w = FindWindowRecord(window);
  if (!IsTopLevel(w) || !w->shown_to_display) return;
  w->shown_to_display = false;
  CurrentDisplay().WindowHidden(window);
}

void DisplayWindowActivated(HWND window) {
  Window* w = FindWindowRecord(window);
  if (!IsTopLevel(w)) return;
  CurrentDisplay().WindowActivated(window);
}

void DisplayWindowPainted(HWND window, const RECT& damaged) {
  Window* w = FindWindowRecord(window);
  if (!IsTopLevel(w) || !w->shown_to_display || !w->bitmap) return;
  gdi::PixelSurface surface;
  surface.origin = w->bitmap->pixels.data();
  surface.stride = w->bitmap->width;
  surface.width = w->bitmap->width;
  surface.height = w->bitmap->height;
  CurrentDisplay().WindowPainted(window, damaged, surface);
}

}  // namespace platform::user
