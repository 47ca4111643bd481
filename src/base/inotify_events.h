// An inotify instance that never blocks, and the events pending on it taken
// in as few reads as the kernel allows: one when nothing is pending.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "base/unique_fd.h"

namespace rcv {

struct InotifyEvent {
  int watch = -1;  // -1 for the queue's overflow
  std::uint32_t mask = 0;
  std::string_view name;  // empty when the event concerns the watched object itself
};

// A new non-blocking, close-on-exec inotify descriptor, or an invalid one.
UniqueFd OpenInotify();

// Calls `take` with every event pending on `fd`, without waiting for any.
// False when the descriptor can't be read (anything but "nothing pending").
bool TakeInotifyEvents(int fd, const std::function<void(const InotifyEvent&)>& take);

}  // namespace rcv
