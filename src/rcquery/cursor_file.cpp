#include "rcquery/cursor_file.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/file_writing.h"
#include "base/regular_file.h"

namespace rcv {

namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

std::string Failed(std::string_view what, const std::string& path, int error) {
  return std::string(what) + " " + path + ": " + std::strerror(error);
}

std::string_view FailedStep(WriteStep step) {
  if (step == WriteStep::kCreate) return "can't create";
  return step == WriteStep::kSync ? "can't flush" : "can't write";
}

// The rename is durable once the folder that holds the name is on disk;
// the cursor was saved either way, so a failed sync is no failure.
void SyncFolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  static_cast<void>(SyncFolder(folder.empty() ? "." : folder));
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
  const FileWriteResult written =
      WriteFileDurably(temporary, cursor.dump() + "\n", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (!written.ok()) return Failed(FailedStep(written.failedStep), temporary, written.error);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return Failed("can't rename over", path, errno);
  SyncFolderOf(path);
  return {};
}

}  // namespace rcv
