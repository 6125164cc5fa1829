#include "platform/display/x11/shared_image.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>

namespace platform::x11 {

SharedImage::~SharedImage() { Release(); }

void SharedImage::WaitUntilRead() {
  if (!read_pending_) return;
  read_pending_ = false;
  std::free(xcb_get_input_focus_reply(connection_, read_, nullptr));
}

void SharedImage::Release() {
  WaitUntilRead();
  if (data_ == nullptr) return;
  xcb_shm_detach(connection_, segment_);
  shmdt(data_);
  data_ = nullptr;
  size_ = 0;
}

bool SharedImage::Reserve(std::size_t bytes) {
  if (failed_) return false;
  if (bytes <= size_) {
    WaitUntilRead();
    return true;
  }
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection_, &xcb_shm_id);
  if (extension == nullptr || !extension->present) {
    failed_ = true;
    return false;
  }
  Release();
  const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (id < 0) {
    failed_ = true;
    return false;
  }
  void* at = shmat(id, nullptr, 0);
  if (at == reinterpret_cast<void*>(-1)) {
    shmctl(id, IPC_RMID, nullptr);
    failed_ = true;
    return false;
  }
  segment_ = xcb_generate_id(connection_);
  xcb_generic_error_t* error =
      xcb_request_check(connection_, xcb_shm_attach_checked(connection_, segment_, id, 0));
  // Marked for removal now: it goes when both sides have let go, even if we crash.
  shmctl(id, IPC_RMID, nullptr);
  if (error != nullptr) {
    std::free(error);
    shmdt(at);
    failed_ = true;
    return false;
  }
  data_ = static_cast<std::uint32_t*>(at);
  size_ = bytes;
  return true;
}

void SharedImage::Put(xcb_drawable_t drawable, xcb_gcontext_t gc, std::uint8_t depth,
                      const std::uint32_t* pixels, int width, int height, const RECT& rect) {
  if (data_ == nullptr || static_cast<std::size_t>(width) * height * 4 > size_) return;
  const LONG left = std::max<LONG>(rect.left, 0), top = std::max<LONG>(rect.top, 0);
  const LONG right = std::min<LONG>(rect.right, width), bottom = std::min<LONG>(rect.bottom, height);
  if (left >= right || top >= bottom) return;
  for (LONG y = top; y < bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * width;
    std::copy(pixels + row + left, pixels + row + right, data_ + row + left);
  }
  xcb_shm_put_image(connection_, drawable, gc, static_cast<std::uint16_t>(width),
                    static_cast<std::uint16_t>(height), static_cast<std::uint16_t>(left),
                    static_cast<std::uint16_t>(top), static_cast<std::uint16_t>(right - left),
                    static_cast<std::uint16_t>(bottom - top), static_cast<std::int16_t>(left),
                    static_cast<std::int16_t>(top), depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0,
                    segment_, 0);
  read_ = xcb_get_input_focus(connection_);  // answered once the put has been carried out
  read_pending_ = true;
}

}  // namespace platform::x11
