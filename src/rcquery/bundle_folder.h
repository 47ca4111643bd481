// A support bundle as it is being written: files put into a temporary
// folder beside the bundle's place, each with its size and SHA-256 noted
// for the manifest, the logs that could not be read noted with the
// reason. The folder is renamed into place only when it is complete, and
// removed when anything failed, so that no partial bundle is ever left.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rcquery/log_entry.h"

namespace rcv {

inline constexpr std::string_view kManifestName = "manifest.json";

class BundleFolder {
 public:
  // A fresh temporary folder beside `target`; `failure()` says why not.
  explicit BundleFolder(std::filesystem::path target);
  ~BundleFolder();
  BundleFolder(const BundleFolder&) = delete;
  BundleFolder& operator=(const BundleFolder&) = delete;

  // Writes a file at `path` (relative, '/' between folders) and notes it.
  void Write(const std::string& path, std::string_view bytes);
  // Copies the regular file at `source` byte for byte, or notes it missing.
  void Copy(const std::string& path, const std::string& source);
  // Copies every regular file below `folder`, under `path`.
  void CopyFolder(const std::string& path, const std::string& folder);
  void NoteMissing(const std::string& path, const std::string& reason);

  // The files written and the ones missing, as the manifest lists them.
  Json FileList() const { return files_; }
  Json MissingList() const { return missing_; }
  bool anyMissing() const { return !missing_.empty(); }

  // Writes the manifest and renames the folder into place.
  void Finish(const Json& manifest);
  // The first failure to write, or empty.
  const std::string& failure() const { return failure_; }

 private:
  // Writes the whole file and syncs it; false after noting the failure.
  bool WriteFile(const std::filesystem::path& file, std::string_view bytes);
  void Fail(const std::string& what, const std::filesystem::path& path, int error);

  std::filesystem::path target_;
  std::filesystem::path folder_;
  bool finished_ = false;
  Json files_ = Json::array();
  Json missing_ = Json::array();
  std::string failure_;
};

}  // namespace rcv
