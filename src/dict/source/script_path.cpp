#include "dict/source/script_path.h"

#include <algorithm>
#include <functional>

#include "base/regular_file.h"
#include "dict/source/script_sources.h"
#include "shell/roots.h"

namespace rcv {

std::string ScriptDirOf(std::string_view path) {
  const std::size_t prefix = RootPrefixLength(path);
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash < prefix) return std::string(path.substr(0, slash + 1));
  return std::string(path.substr(0, prefix + std::min(slash + 1 - prefix, kScriptPathMax)));
}

void CutPathToLimit(std::string& path, std::size_t limit) {
  const std::size_t prefix = RootPrefixLength(path);
  if (path.size() > prefix + limit) path.resize(prefix + limit);
}

void FoldPath(std::string& path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (byte < 0x20 || byte >= 0x80) {
      path.resize(i);
      return;
    }
    if (byte >= 'A' && byte <= 'Z') path[i] = static_cast<char>(byte - 'A' + 'a');
    if (byte == '\\') path[i] = '/';
  }
}

bool CanOpenForReading(const std::string& path) {
  // Anything but a regular file (a folder, a pipe, a device) is no script
  // and could block or never end.
  return IsReadableRegularFile(path);
}

namespace {

std::string ResolveFoldedPath(const std::function<bool(const std::string&)>& canOpen, std::string_view scriptDir,
                              std::string_view name) {
  const std::string_view prefix = scriptDir.substr(0, RootPrefixLength(scriptDir));
  const std::string_view dir = scriptDir.substr(prefix.size());
  std::string whole = std::string(dir).append(name).substr(0, kScriptPathMax);
  FoldPath(whole);
  whole.insert(0, prefix);
  if (canOpen(whole)) return whole;
  std::string foldedName(name);
  FoldPath(foldedName);
  std::string inDir = std::string(scriptDir).append(foldedName);
  CutPathToLimit(inDir, kScriptPathMax);
  if (canOpen(inDir)) return inDir;
  return whole;
}

}  // namespace

std::string ResolveFoldedPath(ScriptSources* sources, std::string_view scriptDir, std::string_view name) {
  return ResolveFoldedPath(
      [sources](const std::string& path) { return sources != nullptr && sources->IsReadable(path); }, scriptDir, name);
}

std::string ResolveFoldedPath(std::string_view scriptDir, std::string_view name) {
  return ResolveFoldedPath(CanOpenForReading, scriptDir, name);
}

}  // namespace rcv
