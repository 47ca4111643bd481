#include "shell/standard_output.h"

#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace rcv {

bool StandardOutputHasReader() {
  struct stat status {};
  if (fstat(STDOUT_FILENO, &status) != 0) return false;
  return S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode) || isatty(STDOUT_FILENO) != 0;
}

int FinishStandardOutput(std::string_view program, int status, int failedStatus) {
  // A write that failed earlier leaves its mark on the stream, and the C
  // library drops the buffer it could not write: its reason is the last
  // failure the program met. One that fails now shows in fclose.
  std::cout.flush();
  const int earlierReason = errno;
  const bool failedEarlier = std::cout.bad() || std::ferror(stdout) != 0;
  const bool pending = __fpending(stdout) != 0;
  errno = 0;
  const bool closeFailed = std::fclose(stdout) != 0;
  const int reason = closeFailed ? errno : (failedEarlier ? earlierReason : 0);
  // A descriptor closed before the program started is no failure when
  // nothing was written to it.
  if (!failedEarlier && (!closeFailed || (!pending && reason == EBADF))) return status;
  if (reason == EPIPE) return failedStatus;
  std::cerr << program << ": write error";
  if (reason != 0) std::cerr << ": " << std::strerror(reason);
  std::cerr << '\n';
  return failedStatus;
}

}  // namespace rcv
