// Pixels handed to the X server through shared memory (MIT-SHM) (platform-internal).
//
// For large images only: setting up costs a segment and one round trip (the attach is
// checked, since a server on another machine has no access to our memory), which a
// small dialog's first frame is better without. Once a put is sent the server reads the
// segment in its own time; the next write first waits for a reply sent after it.
#pragma once

#include <xcb/xcb.h>
#include <xcb/shm.h>

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

namespace platform::x11 {

class SharedImage {
 public:
  // Images from this many bytes up go through shared memory.
  static constexpr std::size_t kLargeImageBytes = 256 * 1024;

  explicit SharedImage(xcb_connection_t* connection) : connection_(connection) {}
  ~SharedImage();
  SharedImage(const SharedImage&) = delete;
  SharedImage& operator=(const SharedImage&) = delete;

  // A segment of at least `bytes`, free to write; false when the server cannot share
  // memory with us (then never again).
  bool Reserve(std::size_t bytes);
  // Sends `rect` of `pixels` (width x height, rows top-down) to `drawable` at the same
  // place. Reserve(width * height * 4) must have succeeded.
  void Put(xcb_drawable_t drawable, xcb_gcontext_t gc, std::uint8_t depth,
           const std::uint32_t* pixels, int width, int height, const RECT& rect);
  bool failed() const { return failed_; }

 private:
  void WaitUntilRead();
  void Release();

  xcb_connection_t* connection_;
  bool failed_ = false;
  xcb_shm_seg_t segment_ = 0;
  std::uint32_t* data_ = nullptr;
  std::size_t size_ = 0;
  bool read_pending_ = false;
  xcb_get_input_focus_cookie_t read_{};
};

}  // namespace platform::x11
