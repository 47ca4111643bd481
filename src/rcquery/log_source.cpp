#include "rcquery/log_source.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unordered_map>

#include "base/regular_file.h"

namespace rcv {

std::string ReadLogFile(const std::string& path, std::size_t minSize, std::string& content) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return path + ": no such file";
  if (!ReadRegularFile(path, content)) return path + ": can't be read (no regular file, or no permission)";
  if (content.size() < minSize) {
    return path + ": too short (" + std::to_string(content.size()) + " of " + std::to_string(minSize) + " bytes)";
  }
  return {};
}

std::string ReadLogBytes(const std::string& path, std::size_t minSize, std::vector<std::uint8_t>& bytes) {
  std::string content;
  std::string error = ReadLogFile(path, minSize, content);
  bytes.assign(content.begin(), content.end());
  return error;
}

void MakeIdsUnique(std::vector<LogEntry>& entries) {
  std::unordered_map<std::string, std::size_t> seen;
  for (LogEntry& entry : entries) {
    const std::size_t count = ++seen[entry.id];
    if (count > 1) entry.id += "#" + std::to_string(count);
  }
}

std::string OneLine(std::string message) {
  while (!message.empty() && message.back() == '\n') message.pop_back();
  std::replace(message.begin(), message.end(), '\n', ' ');
  return message;
}

std::string HexDigits(std::span<const std::uint8_t> bytes) {
  std::string text;
  char pair[3];
  for (const std::uint8_t byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", byte);
    text += pair;
  }
  return text;
}

}  // namespace rcv
