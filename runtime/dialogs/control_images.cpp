#include "runtime/dialogs/control_images.h"

#include <string>

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/record_release.h"
#include "runtime/frame/process_state.h"

namespace runtime {

void set_control_image(HWND control, std::int32_t k, std::uint32_t flags,
                       std::u16string_view name, SIZE size, bool send_when_missing) {
  const bool icon = (flags & IMAGE_IS_ICON) != 0;
  const UINT type = icon ? IMAGE_ICON : IMAGE_BITMAP;
  const UINT message =
      (k == kind::kImageButton || k == kind::kImageButtonFitted) ? BM_SETIMAGE : STM_SETIMAGE;
  const std::u16string zero_terminated(name);
  HANDLE image = LoadImageW(Process().instance, zero_terminated.c_str(), type, size.cx, size.cy,
                            LR_LOADMAP3DCOLORS);
  if (image == nullptr && !send_when_missing) return;
  if (DialogState* record = find_record(control)) record->image = image;
  auto previous = reinterpret_cast<HANDLE>(
      SendMessageA(control, message, type, reinterpret_cast<LPARAM>(image)));
  release_image(flags, previous);
}

}  // namespace runtime
