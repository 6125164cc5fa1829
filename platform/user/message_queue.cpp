#include "platform/user/message_queue.h"

#include <map>

namespace platform::user {
namespace {

struct Queues {
  std::mutex lock;
  std::map<DWORD, std::shared_ptr<MessageQueue>> by_thread;
};

Queues& TheQueues() {
  static Queues* queues = new Queues;
  return *queues;
}

// Takes the thread's queue out of the registry when the thread ends.
struct QueueHolder {
  std::shared_ptr<MessageQueue> queue;
  ~QueueHolder() {
    if (!queue) return;
    Queues& queues = TheQueues();
    std::lock_guard hold(queues.lock);
    queues.by_thread.erase(queue->thread_id);
  }
};

thread_local QueueHolder current;

}  // namespace

void MessageQueue::Post(const MSG& msg) {
  {
    std::lock_guard hold(lock);
    posted.push_back(msg);
  }
  wake.notify_all();
}

void MessageQueue::PostInput(const MSG& msg) {
  {
    std::lock_guard hold(lock);
    input.push_back(msg);
  }
  wake.notify_all();
}

bool MessageQueue::HasPostedOrInput() {
  std::lock_guard hold(lock);
  return !posted.empty() || !input.empty();
}

MessageQueue& CurrentQueue() {
  if (!current.queue) {
    DWORD id = GetCurrentThreadId();
    current.queue = std::make_shared<MessageQueue>(id);
    Queues& queues = TheQueues();
    std::lock_guard hold(queues.lock);
    queues.by_thread[id] = current.queue;
  }
  return *current.queue;
}

std::shared_ptr<MessageQueue> QueueOfThread(DWORD thread_id) {
  Queues& queues = TheQueues();
  std::lock_guard hold(queues.lock);
  auto found = queues.by_thread.find(thread_id);
  return found == queues.by_thread.end() ? nullptr : found->second;
}

void ForgetWindowMessages(MessageQueue& queue, HWND window) {
  {
    std::lock_guard hold(queue.lock);
    std::erase_if(queue.posted, [window](const MSG& m) { return m.hwnd == window; });
    std::erase_if(queue.input, [window](const MSG& m) { return m.hwnd == window; });
  }
  std::erase_if(queue.timers, [window](const Timer& t) { return t.window == window; });
  if (queue.caret.window == window) queue.caret = Caret{};
}

DWORD MessageTimeNow() { return GetTickCount(); }

}  // namespace platform::user
