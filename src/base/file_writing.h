// Writing a file whole and so that it lasts a crash: every byte written
// however often a write is cut short or interrupted, the bytes on disk
// before the file is closed, and the folder synced once a name in it was
// created or renamed, since only then does the name last too.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

#include "base/unique_fd.h"

namespace rcv {

// Writes all of `bytes` to `fd`, again after a signal interrupted a write.
// Returns 0, or the errno of the write that failed (EIO for a write that
// took nothing).
[[nodiscard]] int WriteAll(int fd, std::string_view bytes);

// The steps of writing a file, in their order.
enum class WriteStep { kNone, kCreate, kWrite, kSync, kClose };

// Which step failed (kNone when none did), and with which errno.
struct [[nodiscard]] FileWriteResult {
  WriteStep failedStep = WriteStep::kNone;
  int error = 0;

  bool ok() const { return failedStep == WriteStep::kNone; }
};

// Whether the bytes go to disk before the close: a pipe or a terminal
// can't be synced.
enum class SyncToDisk { kNo, kYes };

// Writes `bytes` to the file `fd` holds, syncs it when asked, and closes it.
[[nodiscard]] FileWriteResult FinishFile(UniqueFd fd, std::string_view bytes, SyncToDisk sync);

// Creates `path` with open(2)'s `flags` and `mode`, writes `bytes`, syncs
// them to disk and closes the file.
[[nodiscard]] FileWriteResult WriteFileDurably(const std::filesystem::path& path, std::string_view bytes, int flags,
                                               mode_t mode);

// Syncs `folder`, so that the names created or renamed in it last.
// Returns 0, or the errno of the open or sync that failed.
[[nodiscard]] int SyncFolder(const std::filesystem::path& folder);

}  // namespace rcv
