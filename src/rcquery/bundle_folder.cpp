#include "rcquery/bundle_folder.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/file_writing.h"
#include "base/regular_file.h"
#include "rcquery/sha256_digest.h"

namespace rcv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryInfix = ".partial-";
constexpr mode_t kFileMode = 0644;

}  // namespace

BundleFolder::BundleFolder(fs::path target) : target_(std::move(target)) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(target_, error))) {
    failure_ = target_.string() + " exists already; a bundle is written only to a new folder";
    return;
  }
  std::string pattern = target_.string() + std::string(kTemporaryInfix) + "XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    Fail("can't create a folder beside", target_, errno);
    return;
  }
  folder_ = pattern;
}

BundleFolder::~BundleFolder() {
  if (!finished_ && !folder_.empty()) {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
}

void BundleFolder::Fail(const std::string& what, const fs::path& path, int error) {
  if (failure_.empty()) failure_ = what + " " + path.string() + ": " + std::strerror(error);
}

void BundleFolder::Write(const std::string& path, std::string_view bytes) {
  if (!failure_.empty()) return;
  const fs::path file = folder_ / path;
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  if (error) return Fail("can't create", file.parent_path(), error.value());
  if (!WriteFile(file, bytes)) return;
  files_.push_back({{"Path", path}, {"Size", bytes.size()}, {"Sha256", Sha256Hex(bytes)}});
}

bool BundleFolder::WriteFile(const fs::path& file, std::string_view bytes) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
  const FileWriteResult written = WriteFileDurably(file, bytes, kFlags, kFileMode);
  if (written.ok()) return true;
  Fail(written.failedStep == WriteStep::kCreate ? "can't create" : "can't write", file, written.error);
  return false;
}

void BundleFolder::NoteMissing(const std::string& path, const std::string& reason) {
  missing_.push_back({{"Path", path}, {"Reason", reason}});
}

void BundleFolder::Copy(const std::string& path, const std::string& source) {
  std::string bytes;
  std::error_code error;
  if (!fs::exists(source, error)) return NoteMissing(path, source + ": no such file");
  if (!ReadRegularFile(source, bytes)) return NoteMissing(path, source + ": can't be read");
  Write(path, bytes);
}

void BundleFolder::CopyFolder(const std::string& path, const std::string& folder) {
  std::error_code error;
  fs::recursive_directory_iterator it(folder, fs::directory_options::none, error);
  if (error) return NoteMissing(path, folder + ": " + error.message());
  for (const fs::recursive_directory_iterator end; it != end; it.increment(error)) {
    if (error) return NoteMissing(path, folder + ": " + error.message());
    if (it->is_symlink(error) || !it->is_regular_file(error)) continue;
    Copy(path + "/" + fs::relative(it->path(), folder, error).string(), it->path().string());
  }
}

void BundleFolder::Finish(const Json& manifest) {
  if (!failure_.empty()) return;
  if (!WriteFile(folder_ / std::string(kManifestName), manifest.dump(2) + "\n")) return;
  if (const int failed = SyncFolder(folder_); failed != 0) return Fail("can't write", folder_, failed);
  // Never over a folder that appeared meanwhile.
  if (::renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) != 0) {
    return Fail("can't rename the bundle to", target_, errno);
  }
  finished_ = true;
  // The bundle is complete once renamed: a parent folder that can't be
  // synced only leaves the new name to reach the disk in its own time.
  const fs::path parent = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
  static_cast<void>(SyncFolder(parent));
}

}  // namespace rcv
