#include "rcquery/bundle_folder.h"

#include <fcntl.h>
#include <unistd.h>
#include <cstdio>

#include <cerrno>
#include <cstring>

#include "base/regular_file.h"
#include "base/unique_fd.h"
#include "rcquery/sha256_digest.h"

namespace rcv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryInfix = ".partial-";
constexpr mode_t kFileMode = 0644;

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int SyncPath(const fs::path& path) {
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid() || ::fsync(fd.get()) != 0) return errno;
  return 0;
}

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
  UniqueFd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode));
  if (!fd.valid()) return Fail("can't create", file, errno);
  if (const int failed = WriteAll(fd.get(), bytes); failed != 0) return Fail("can't write", file, failed);
  if (::fsync(fd.get()) != 0) return Fail("can't write", file, errno);
  if (!fd.Close()) return Fail("can't write", file, errno);
  files_.push_back({{"Path", path}, {"Size", bytes.size()}, {"Sha256", Sha256Hex(bytes)}});
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
  const fs::path file = folder_ / std::string(kManifestName);
  {
    UniqueFd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode));
    if (!fd.valid()) return Fail("can't create", file, errno);
    if (const int failed = WriteAll(fd.get(), manifest.dump(2) + "\n"); failed != 0) {
      return Fail("can't write", file, failed);
    }
    if (::fsync(fd.get()) != 0 || !fd.Close()) return Fail("can't write", file, errno);
  }
  if (const int failed = SyncPath(folder_); failed != 0) return Fail("can't write", folder_, failed);
  // Never over a folder that appeared meanwhile.
  if (::renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) != 0) {
    return Fail("can't rename the bundle to", target_, errno);
  }
  finished_ = true;
  const fs::path parent = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
  SyncPath(parent);
}

}  // namespace rcv
