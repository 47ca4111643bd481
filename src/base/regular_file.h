// Opening a file that another program wrote, for reading, without ever
// blocking: a FIFO, a device, a socket, a folder or a file of /proc or /sys
// counts as a file that can't be opened, so no reader waits for a writer or
// reads without end.
#pragma once

#include <cstddef>
#include <string>

#include "base/unique_fd.h"
#include "base/unique_file.h"

namespace rcv {

// A read-only descriptor of the regular file at `path`, or an invalid one.
// The file is opened without blocking and checked after opening, so the
// check and the read concern the same file.
UniqueFd OpenRegularFd(const std::string& path);

// The same as a stdio stream ("rb" semantics), or null.
UniqueFile OpenRegularFile(const std::string& path);

// One read(2) of at most `size` bytes, tried again for as long as a signal
// interrupts it: the bytes read, 0 at the end of the file, -1 on an error.
long ReadRetryingOnSignal(int fd, void* buffer, std::size_t size);

// Reads from `fd` to the end of its file into `content`; false on a read
// error.
bool ReadToEnd(int fd, std::string& content);

// Reads the whole regular file at `path` into `content`; false when it
// can't be opened or read.
bool ReadRegularFile(const std::string& path, std::string& content);

// True for a regular file that can be opened for reading.
bool IsReadableRegularFile(const std::string& path);

}  // namespace rcv
