// Limits the size of the files this process and its children write, with
// SIGXFSZ ignored so that a write beyond the limit is cut short or fails
// instead of ending the program; the limit and the handler are restored
// when it goes.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace rcv::fixture {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = SIG_DFL;
};

}  // namespace rcv::fixture
