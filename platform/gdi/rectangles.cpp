// user32's rectangle helpers. Rectangles are empty when right <= left or bottom <= top;
// right and bottom lie outside.
#include <algorithm>

#include "platform/win32.h"

namespace {

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

extern "C" {

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = {left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(LPRECT destination, const RECT* source) {
  if (destination == nullptr || source == nullptr) return FALSE;
  *destination = *source;
  return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left -= dx;
  rect->right += dx;
  rect->top -= dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL IntersectRect(LPRECT destination, const RECT* a, const RECT* b) {
  if (destination == nullptr || a == nullptr || b == nullptr) return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (Empty(r)) {
    *destination = {0, 0, 0, 0};
    return FALSE;
  }
  *destination = r;
  return TRUE;
}

BOOL UnionRect(LPRECT destination, const RECT* a, const RECT* b) {
  if (destination == nullptr || a == nullptr || b == nullptr) return FALSE;
  if (Empty(*a) && Empty(*b)) {
    *destination = {0, 0, 0, 0};
    return FALSE;
  }
  if (Empty(*a)) {
    *destination = *b;
  } else if (Empty(*b)) {
    *destination = *a;
  } else {
    *destination = {std::min(a->left, b->left), std::min(a->top, b->top),
                    std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
  }
  return TRUE;
}

BOOL SubtractRect(LPRECT destination, const RECT* a, const RECT* b) {
  if (destination == nullptr || a == nullptr || b == nullptr) return FALSE;
  RECT r = *a;
  RECT overlap;
  if (IntersectRect(&overlap, a, b)) {
    // Only a cut across a whole side leaves a rectangle.
    if (overlap.top == r.top && overlap.bottom == r.bottom) {
      if (overlap.left == r.left) r.left = overlap.right;
      else if (overlap.right == r.right) r.right = overlap.left;
    } else if (overlap.left == r.left && overlap.right == r.right) {
      if (overlap.top == r.top) r.top = overlap.bottom;
      else if (overlap.bottom == r.bottom) r.bottom = overlap.top;
    }
  }
  if (Empty(r)) {
    *destination = {0, 0, 0, 0};
    return FALSE;
  }
  *destination = r;
  return TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
  if (a == nullptr || b == nullptr) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL IsRectEmpty(const RECT* rect) { return rect == nullptr || Empty(*rect) ? TRUE : FALSE; }

BOOL PtInRect(const RECT* rect, POINT point) {
  if (rect == nullptr) return FALSE;
  return point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
         point.y < rect->bottom;
}

}  // extern "C"
