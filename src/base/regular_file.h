// Opening a file that another program wrote, for reading, without ever
// blocking: a FIFO, a device, a socket, a folder or a file of /proc or /sys
// is never read, so no reader waits for a writer or reads without end.
#pragma once

#include <cstddef>
#include <string>

#include "base/unique_fd.h"
#include "base/unique_file.h"

namespace rcv {

// How an attempt to read a file ended. A path that exists but is no
// regular file takes the road of a file that opened and then could not be
// read, as a folder does with the plain system calls; only a path that
// can't be had at all (missing, not permitted) can't be opened.
enum class FileAccess { kOk, kCannotOpen, kCannotRead };

struct OpenedFile {
  UniqueFd fd;  // valid only for kOk
  FileAccess access = FileAccess::kCannotOpen;
  std::string reason;  // why not, in the system's words
};

// Opens the regular file at `path` read-only. Anything else found there is
// not opened at all; a file swapped for something else in between is
// opened without blocking and given up after a look at what it is, so the
// check and the read concern the same file.
[[nodiscard]] OpenedFile OpenForReading(const std::string& path);

// A read-only descriptor of the regular file at `path`, or an invalid one.
UniqueFd OpenRegularFd(const std::string& path);

// The same as a stdio stream ("rb" semantics), or null; `access` and
// `reason` (when given) tell why not.
UniqueFile OpenRegularFile(const std::string& path, FileAccess* access = nullptr, std::string* reason = nullptr);

// One read(2) of at most `size` bytes, tried again for as long as a signal
// interrupts it: the bytes read, 0 at the end of the file, -1 on an error.
long ReadRetryingOnSignal(int fd, void* buffer, std::size_t size);

// Reads from `fd` to the end of its file into `content`; false on a read
// error.
bool ReadToEnd(int fd, std::string& content);

// Reads the whole regular file at `path` into `content`, which stays empty
// unless the result is kOk; `reason` (when given) tells why not.
[[nodiscard]] FileAccess ReadFileText(const std::string& path, std::string& content, std::string* reason = nullptr);

// The same, only true or false.
bool ReadRegularFile(const std::string& path, std::string& content);

// True for a regular file that can be opened for reading.
bool IsReadableRegularFile(const std::string& path);

}  // namespace rcv
