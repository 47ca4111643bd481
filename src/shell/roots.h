// The two roots every path starts from, and the paths built from them.
// RCVIEWER_ROOT, when set and not empty, is put in front of both roots so
// that tests and the demo run on a tree of their own.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace rcv {

inline constexpr std::string_view kInstallRoot = "/opt/veltrad/quorix";
inline constexpr std::string_view kDataRoot = "/var/opt/veltrad/quorix";
inline constexpr std::string_view kRootOverrideVariable = "RCVIEWER_ROOT";

std::string InstallRoot();
std::string DataRoot();

// How many leading characters of `path` are the relocation prefix: the
// value of RCVIEWER_ROOT when the path continues with one of the roots,
// else 0. Rules about whole paths apply to what follows the prefix, the path
// as it would be on the machine.
std::size_t RootPrefixLength(std::string_view path);

// Joins the parts with a single '/' between each two.
std::string JoinPath(std::initializer_list<std::string_view> parts);

// InstallRoot/MainteData/vrk_setup.conf
std::string SetupFilePath();
// DataRoot/Log/VRK/<name>
std::string VrkLogPath(std::string_view name);
// InstallRoot/MainteData/<confDir>/<name>
std::string DictionaryFilePath(std::string_view confDir, std::string_view name);

}  // namespace rcv
