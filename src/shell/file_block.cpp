#include "shell/file_block.h"

#include <fcntl.h>
#include <unistd.h>

#include "base/regular_file.h"

namespace rcv {

int ReadFileBlock(const std::string& path, std::span<std::uint8_t> buffer) {
  UniqueFd file = OpenRegularFd(path);
  if (!file.valid()) return kFileOpenFailed;
  const ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
  return got == static_cast<ssize_t>(buffer.size()) ? kFileOk : kFileShortRead;
}

int WriteFileBlock(const std::string& path, std::span<const std::uint8_t> bytes, std::size_t offset) {
  // No O_CREAT and no O_TRUNC: only a log that exists is rewritten, and
  // whatever lies beyond the written bytes stays.
  UniqueFd file(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
  if (!file.valid()) return kFileOpenFailed;
  const ssize_t put = ::pwrite(file.get(), bytes.data(), bytes.size(), static_cast<off_t>(offset));
  const bool closed = file.Close();
  return put == static_cast<ssize_t>(bytes.size()) && closed ? kFileOk : kFileShortWrite;
}

}  // namespace rcv
