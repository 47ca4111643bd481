#include "rcquery/cursor_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/regular_file.h"
#include "base/unique_fd.h"

namespace rcv {

namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

std::string Failed(std::string_view what, const std::string& path) {
  return std::string(what) + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The rename is durable once the folder that holds the name is on disk.
void SyncFolderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  if (folder.empty()) folder = ".";
  const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
}

}  // namespace

std::optional<Json> LoadCursorFile(const std::string& path, std::string& error) {
  error.clear();
  std::error_code missing;
  if (!std::filesystem::exists(path, missing)) return std::nullopt;
  std::string text;
  if (!ReadRegularFile(path, text)) {
    error = "cursor file " + path + " can't be read";
    return std::nullopt;
  }
  Json cursor = Json::parse(text, nullptr, false);
  if (cursor.is_discarded() || !cursor.is_object()) {
    error = "cursor file " + path + " holds no cursor (remove it to follow from the logs' start)";
    return std::nullopt;
  }
  return cursor;
}

std::string SaveCursorFile(const std::string& path, const Json& cursor) {
  const std::string temporary = path + std::string(kTemporarySuffix);
  const UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!fd.valid()) return Failed("can't create", temporary);
  if (!WriteAll(fd.get(), cursor.dump() + "\n")) return Failed("can't write", temporary);
  if (::fsync(fd.get()) != 0) return Failed("can't flush", temporary);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return Failed("can't rename over", path);
  SyncFolderOf(path);
  return {};
}

}  // namespace rcv
