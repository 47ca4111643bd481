#include "shell/roots.h"

#include <cstdlib>

namespace rcv {

namespace {

std::string RootWithOverride(std::string_view root) {
  const char* prefix = std::getenv(std::string(kRootOverrideVariable).c_str());
  if (prefix == nullptr || *prefix == '\0') return std::string(root);
  return std::string(prefix) + std::string(root);
}

}  // namespace

std::string InstallRoot() { return RootWithOverride(kInstallRoot); }
std::string DataRoot() { return RootWithOverride(kDataRoot); }

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
