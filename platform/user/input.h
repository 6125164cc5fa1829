// Input from the display, turned into the thread's input messages (platform-internal).
#pragma once

#include "platform/user/message_queue.h"

namespace platform::user {

// Asks the display for its pending input (without waiting) and queues the messages it
// makes. `blocking`: the caller would otherwise wait (GetMessageW, WaitMessage). True when
// something may have been queued or done.
bool PollDisplayInput(MessageQueue& queue, bool blocking);

// Keeps the key state (GetKeyState) in step with the input messages the thread takes.
void NoteTakenInput(MessageQueue& queue, const MSG& msg);

// Where the mouse is, in screen coordinates, as input last placed it.
POINT CursorPosition();

}  // namespace platform::user
