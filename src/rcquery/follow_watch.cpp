#include "rcquery/follow_watch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/signalfd.h>

#include <array>
#include <cerrno>
#include <filesystem>

#include "base/inotify_events.h"

namespace rcv {

namespace {

// Everything that can change what a folder's logs hold, or the folder.
constexpr std::uint32_t kWatchMask = IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE |
                                     IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

sigset_t StopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  return signals;
}

}  // namespace

FollowWatch::FollowWatch(std::vector<std::string> folders) : folders_(std::move(folders)), changes_(OpenInotify()) {
  const sigset_t signals = StopSignals();
  sigprocmask(SIG_BLOCK, &signals, &oldMask_);
  signals_ = UniqueFd(signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC));
  Arm();
}

FollowWatch::~FollowWatch() { sigprocmask(SIG_SETMASK, &oldMask_, nullptr); }

// Watches each folder, or, while it is missing, the nearest folder above it,
// so that its creation wakes the follower. Watching a folder again is
// harmless, so this runs after every wake.
void FollowWatch::Arm() {
  for (const std::string& folder : folders_) {
    std::filesystem::path path(folder);
    while (inotify_add_watch(changes_.get(), path.c_str(), kWatchMask) < 0 && path.has_parent_path() &&
           path.parent_path() != path) {
      path = path.parent_path();
    }
  }
}

void FollowWatch::Drain() {
  // Which log changed doesn't matter: every source is read again.
  (void)TakeInotifyEvents(changes_.get(), [](const InotifyEvent&) {});
}

FollowWatch::Wake FollowWatch::Wait(int outputFd) {
  for (;;) {
    // A pipe whose reader has gone reports an error on its writing end.
    std::array<pollfd, 3> fds = {pollfd{signals_.get(), POLLIN, 0}, pollfd{changes_.get(), POLLIN, 0},
                                 pollfd{outputFd, 0, 0}};
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return Wake::kFailed;
    }
    if (fds[0].revents != 0) {
      // Taken in here, so that it is not delivered again once unblocked.
      signalfd_siginfo signal{};
      while (::read(signals_.get(), &signal, sizeof signal) == sizeof signal) {
      }
      return Wake::kStop;
    }
    if ((fds[2].revents & (POLLERR | POLLHUP)) != 0) return Wake::kOutputClosed;
    if (fds[1].revents != 0) {
      Drain();
      Arm();
      return Wake::kChanged;
    }
  }
}

}  // namespace rcv
