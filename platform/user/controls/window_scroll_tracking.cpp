// Following a press on a window's own scroll bar (see window_scroll_tracking.h).
#include "platform/user/controls/window_scroll_tracking.h"

#include "platform/user/controls/window_scroll_bars.h"
#include "platform/user/press_loop.h"

namespace platform::user::controls {
namespace {

// A timer id of the system's own range, never one a program picks for itself.
constexpr UINT_PTR kRepeatTimer = 0xFFF5;
constexpr UINT kFirstRepeatMs = 300;
constexpr UINT kRepeatMs = 50;

WORD CodeOf(ScrollPart part) {
  switch (part) {
    case ScrollPart::kArrowBefore: return SB_LINEUP;
    case ScrollPart::kArrowAfter: return SB_LINEDOWN;
    case ScrollPart::kPageBefore: return SB_PAGEUP;
    case ScrollPart::kPageAfter: return SB_PAGEDOWN;
    default: return SB_ENDSCROLL;
  }
}

class BarTracking {
 public:
  BarTracking(HWND window, int bar) : window_(window), bar_(bar) {}

  // False when the press is on nothing that scrolls.
  bool Start(POINT screen) {
    WindowScrollBar* record = WindowBar(window_, bar_);
    if (record == nullptr || !WindowBarOnScreen(window_, bar_, &screen_rect_)) return false;
    if (!IsWindowEnabled(window_) || !CanScroll(record->values)) return false;
    ScrollLayout layout = LayoutWindowBar(window_, bar_, *record, screen_rect_);
    part_ = HitScrollPart(layout, screen);
    if (part_ == ScrollPart::kNone) return false;
    if ((part_ == ScrollPart::kArrowBefore && (record->disabled_arrows & ESB_DISABLE_LTUP)) ||
        (part_ == ScrollPart::kArrowAfter && (record->disabled_arrows & ESB_DISABLE_RTDN))) {
      return false;
    }
    had_capture_ = GetCapture() == window_;
    if (!had_capture_) SetCapture(window_);
    mouse_ = screen;
    if (part_ == ScrollPart::kThumb) {
      record->dragging = true;
      record->track_pos = record->values.pos;
      grab_ = Along(screen) - layout.thumb_start;
      return true;
    }
    record->pressed = part_;
    Redraw();
    SetTimer(window_, kRepeatTimer, kFirstRepeatMs, nullptr);
    Send(CodeOf(part_));
    return true;
  }

  void Run() {
    finished_ = FollowPress(window_, {
        .moved = [this](POINT screen) { Move(screen); },
        .released = [this](POINT screen) { Move(screen); },
        .own = [this](const MSG& msg) {
          if (msg.message != WM_TIMER || msg.hwnd != window_ || msg.wParam != kRepeatTimer) return false;
          Repeat();
          return true;
        },
    });
    Finish();
  }

 private:
  int Along(POINT p) const { return bar_ == SB_VERT ? p.y : p.x; }

  void Send(WORD code, int pos = 0) {
    if (!IsWindow(window_)) return;
    SendMessageW(window_, bar_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
  }

  void Redraw() {
    if (IsWindow(window_)) RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  }

  void Move(POINT screen) {
    mouse_ = screen;
    WindowScrollBar* record = WindowBar(window_, bar_);
    if (record == nullptr) return;
    // The bar may have moved (the window scrolled its frame): measure it again.
    if (!WindowBarOnScreen(window_, bar_, &screen_rect_)) return;
    ScrollLayout layout = LayoutWindowBar(window_, bar_, *record, screen_rect_);
    if (part_ != ScrollPart::kThumb) {
      ScrollPart shown = HitScrollPart(layout, screen) == part_ ? part_ : ScrollPart::kNone;
      if (shown != record->pressed) {
        record->pressed = shown;
        Redraw();
      }
      return;
    }
    const int pos = PosFromThumb(layout, record->values, Along(screen) - grab_);
    if (pos == record->track_pos) return;
    record->track_pos = pos;
    Redraw();
    Send(SB_THUMBTRACK, pos);
  }

  void Repeat() {
    SetTimer(window_, kRepeatTimer, kRepeatMs, nullptr);
    WindowScrollBar* record = WindowBar(window_, bar_);
    if (record == nullptr || !WindowBarOnScreen(window_, bar_, &screen_rect_)) return;
    // A held page area repeats until the thumb reaches the mouse.
    if (HitScrollPart(LayoutWindowBar(window_, bar_, *record, screen_rect_), mouse_) != part_) return;
    Send(CodeOf(part_));
  }

  void Finish() {
    if (!IsWindow(window_)) return;
    KillTimer(window_, kRepeatTimer);
    if (!had_capture_ && GetCapture() == window_) ReleaseCapture();
    WindowScrollBar* record = WindowBar(window_, bar_);
    if (record == nullptr) return;
    const bool dragged = record->dragging;
    const int track_pos = record->track_pos;
    record->pressed = ScrollPart::kNone;
    if (dragged && finished_) Send(SB_THUMBPOSITION, track_pos);
    if ((record = WindowBar(window_, bar_)) != nullptr) record->dragging = false;
    Send(SB_ENDSCROLL);
    Redraw();
  }

  HWND window_;
  int bar_;
  RECT screen_rect_{};
  ScrollPart part_ = ScrollPart::kNone;
  POINT mouse_{};
  int grab_ = 0;
  bool had_capture_ = false;
  bool finished_ = false;
};

}  // namespace

void TrackWindowScrollBar(HWND window, int bar, POINT screen) {
  BarTracking tracking(window, bar);
  if (tracking.Start(screen)) tracking.Run();
}

}  // namespace platform::user::controls
