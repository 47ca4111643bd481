#include "base/inotify_events.h"

#include <sys/inotify.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>

#include "base/regular_file.h"

namespace rcv {
namespace {

// Room for many events a read; a read that leaves more than one largest
// event's room unused has emptied the queue.
constexpr std::size_t kEventBufferSize = std::size_t{16} * 1024;
constexpr std::size_t kLargestEvent = sizeof(inotify_event) + NAME_MAX + 1;

// The events of one read, each header copied out of the buffer as the
// kernel laid it, its name after it padded with NULs.
void DecodeEvents(const char* bytes, std::size_t size, const std::function<void(const InotifyEvent&)>& take) {
  std::size_t at = 0;
  while (at + sizeof(inotify_event) <= size) {
    inotify_event header{};
    std::memcpy(&header, bytes + at, sizeof header);
    const std::size_t nameAt = at + sizeof header;
    const std::size_t nameRoom = std::min<std::size_t>(header.len, size - nameAt);
    const std::string_view padded(bytes + nameAt, nameRoom);
    take({header.wd, header.mask, padded.substr(0, padded.find('\0'))});
    at = nameAt + nameRoom;
  }
}

}  // namespace

UniqueFd OpenInotify() { return UniqueFd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)); }

bool TakeInotifyEvents(int fd, const std::function<void(const InotifyEvent&)>& take) {
  alignas(inotify_event) std::array<char, kEventBufferSize> buffer{};
  for (;;) {
    const long got = ReadRetryingOnSignal(fd, buffer.data(), buffer.size());
    if (got < 0) return errno == EAGAIN;
    DecodeEvents(buffer.data(), static_cast<std::size_t>(got), take);
    if (static_cast<std::size_t>(got) + kLargestEvent <= buffer.size()) return true;
  }
}

}  // namespace rcv
