#include "rcquery/bundle_check.h"

#include <filesystem>
#include <set>

#include "base/regular_file.h"
#include "rcquery/bundle_folder.h"
#include "rcquery/json_members.h"
#include "rcquery/rcquery_options.h"
#include "rcquery/sha256_digest.h"

namespace rcv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "rcquery: bundle: ";

// A manifest path names a file inside the bundle: relative, never through "..".
bool InsideBundle(const std::string& path) {
  const fs::path relative(path);
  if (path.empty() || relative.is_absolute()) return false;
  for (const fs::path& part : relative) {
    if (part == "..") return false;
  }
  return true;
}

// The problem with one listed file, or empty.
std::string CheckFile(const fs::path& folder, const Json& file) {
  if (!HasMembers(file, {{.name = "Path", .kind = JsonKind::kString},
                         {.name = "Size", .kind = JsonKind::kUnsigned},
                         {.name = "Sha256", .kind = JsonKind::kString}})) {
    return "manifest: a file entry without Path, Size and Sha256";
  }
  const std::string path = file.at("Path");
  if (!InsideBundle(path)) return path + ": not a path inside the bundle";
  const fs::path full = folder / path;
  std::error_code error;
  const auto size = fs::file_size(full, error);
  if (error) return path + ": missing";
  if (size != file.at("Size").get<std::uintmax_t>()) return path + ": size differs from the manifest";
  const std::optional<std::string> digest = Sha256OfFile(full.string());
  if (!digest) return path + ": can't be read";
  if (*digest != file.at("Sha256").get<std::string>()) return path + ": SHA-256 differs from the manifest";
  return {};
}

}  // namespace

int CheckBundle(const std::string& folder, std::ostream& out, std::ostream& err) {
  std::string text;
  const fs::path manifestPath = fs::path(folder) / std::string(kManifestName);
  if (!ReadRegularFile(manifestPath.string(), text)) {
    err << kPrefix << manifestPath.string() << " can't be read\n";
    return kRcqueryFailed;
  }
  const Json manifest = Json::parse(text, nullptr, false);
  if (!HasMembers(manifest, {{.name = "Files", .kind = JsonKind::kArray}})) {
    err << kPrefix << manifestPath.string() << " is no manifest\n";
    return kRcqueryFailed;
  }
  std::size_t problems = 0;
  std::set<fs::path> listed = {fs::path(std::string(kManifestName))};
  for (const Json& file : manifest.at("Files")) {
    const std::string problem = CheckFile(folder, file);
    if (!problem.empty()) {
      err << kPrefix << folder << "/" << problem << '\n';
      ++problems;
    }
    if (HasMembers(file, {{.name = "Path", .kind = JsonKind::kString}})) {
      listed.insert(fs::path(file.at("Path").get<std::string>()).lexically_normal());
    }
  }
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_directory(error)) continue;
    const fs::path relative = fs::relative(it->path(), folder, error).lexically_normal();
    if (!listed.contains(relative)) {
      err << kPrefix << folder << "/" << relative.string() << ": not in the manifest\n";
      ++problems;
    }
  }
  if (problems > 0) {
    err << kPrefix << folder << ": " << problems << " problem(s) found\n";
    return kRcqueryFailed;
  }
  out << folder << ": " << manifest.at("Files").size() << " files verified\n";
  return kRcqueryOk;
}

}  // namespace rcv
