#include "shell/roots.h"

#include <cstdlib>

namespace rcv {

namespace {

std::string_view RootPrefix() {
  const char* prefix = std::getenv(std::string(kRootOverrideVariable).c_str());
  return prefix == nullptr ? std::string_view() : std::string_view(prefix);
}

std::string RootWithOverride(std::string_view root) { return std::string(RootPrefix()) + std::string(root); }

}  // namespace

std::string InstallRoot() { return RootWithOverride(kInstallRoot); }
std::string DataRoot() { return RootWithOverride(kDataRoot); }

std::size_t RootPrefixLength(std::string_view path) {
  const std::string_view prefix = RootPrefix();
  if (prefix.empty() || !path.starts_with(prefix)) return 0;
  const std::string_view rest = path.substr(prefix.size());
  return rest.starts_with(kInstallRoot) || rest.starts_with(kDataRoot) ? prefix.size() : 0;
}

std::string JoinPath(std::initializer_list<std::string_view> parts) {
  std::string path;
  bool first = true;
  for (std::string_view part : parts) {
    if (!first) path += '/';
    path += part;
    first = false;
  }
  return path;
}

std::string SetupFilePath() { return JoinPath({InstallRoot(), "MainteData", "vrk_setup.conf"}); }

std::string VrkLogPath(std::string_view name) { return JoinPath({DataRoot(), "Log", "VRK", name}); }

std::string DictionaryFilePath(std::string_view confDir, std::string_view name) {
  return JoinPath({InstallRoot(), "MainteData", confDir, name});
}

}  // namespace rcv
