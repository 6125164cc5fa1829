// The process-wide record list: one DialogState per managed window, newest first.
//
// Every operation takes the record-list lock for one walk of the list (or one insertion)
// and releases it before it returns; no Windows call is made while it is held. A record
// found here stays valid until free_window_record unlinks it, which happens on the
// thread that owns its window: that thread may read and write the record's fields
// without the lock.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

class ErrorState;

// A new zero-filled record for the window, at the head of the list: back_color and
// text_color start at COLOR_NOT_SET; graphic kinds (14, 15, 26) get their default text
// and background colours and the shared default brush. Raises error 5 and returns null
// when the window already has a record or memory runs out.
DialogState* register_record(ErrorState& errors, HWND hwnd, HWND parent, std::uint32_t flags,
                             std::int32_t kind);

// The record whose hwnd is the handle, or null (also for a null handle).
DialogState* find_record(HWND hwnd);

// Takes the record out of the list; false when it is not in it. The memory stays: the
// caller releases what the record owns and then frees it with delete_record.
bool unlink_record(DialogState* record);
void delete_record(DialogState* record);

// The first control record (in list order) whose parent is the window, or null.
HWND first_child_control(HWND window);

// The next record after `after` (from the head when null) whose parent is the window.
DialogState* next_child_record(HWND window, const DialogState* after);
// The next control record after `after` whose parent is the window and whose kind is a
// status bar or a toolbar.
DialogState* next_bar_record(HWND window, const DialogState* after);

// Brush sharing by colour. The brush of the newest record whose back_color is the colour,
// or whose graphic default background is; `found` tells whether any record matched (its
// brush may still be 0).
HBRUSH find_shared_brush(std::int32_t color, bool* found = nullptr);
// Whether some record in the list still has the colour as back_color or as a graphic
// default background colour.
bool color_in_use(std::int32_t color);

// Number of records in the list (tests prove that releases leave nothing behind).
std::size_t record_count();

// Start-up: forgets every record left by an earlier program image in this process.
void reset_record_list();

}  // namespace runtime
