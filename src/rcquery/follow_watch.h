// What `rcquery --follow` waits for: a change in the folders that hold the
// logs (inotify: a file written, replaced by rename, or appearing), SIGTERM
// or SIGINT, or the reader of standard output going away. A folder that
// doesn't exist yet is waited for through the nearest one above it that
// does. The two signals are taken as events, never as interruptions, so
// that the batch in progress always ends whole.
#pragma once

#include <csignal>

#include <string>
#include <vector>

#include "base/unique_fd.h"

namespace rcv {

class FollowWatch {
 public:
  enum class Wake { kChanged, kStop, kOutputClosed, kFailed };

  // Blocks SIGTERM and SIGINT until the watch ends.
  explicit FollowWatch(std::vector<std::string> folders);
  ~FollowWatch();
  FollowWatch(const FollowWatch&) = delete;
  FollowWatch& operator=(const FollowWatch&) = delete;

  // Whether inotify and the signal descriptor could be set up.
  bool ready() const { return changes_.valid() && signals_.valid(); }

  // Waits for the next change, signal or closed output (`outputFd`),
  // taking in every change that is already pending.
  Wake Wait(int outputFd);

 private:
  void Arm();
  void Drain();

  std::vector<std::string> folders_;
  UniqueFd changes_;
  UniqueFd signals_;
  sigset_t oldMask_{};
};

}  // namespace rcv
