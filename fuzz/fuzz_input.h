// How one fuzzer input holds several files or the keys typed after them:
// the parts stand one after another, each two divided by a separator line
// that the seeds never hold inside a part.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace rcv::fuzz {

inline constexpr std::string_view kPartSeparator = "\n@@part@@\n";

inline std::string_view InputText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Exactly `count` parts: parts the input lacks are empty, and the last one
// keeps the rest of the input, separators included.
inline std::vector<std::string_view> SplitParts(std::string_view input, std::size_t count) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < count) {
    const std::size_t end = input.find(kPartSeparator);
    parts.push_back(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + kPartSeparator.size());
  }
  parts.push_back(input);
  return parts;
}

inline std::string JoinParts(std::initializer_list<std::string_view> parts) {
  std::string input;
  for (const std::string_view* part = parts.begin(); part != parts.end(); ++part) {
    if (part != parts.begin()) input += kPartSeparator;
    input += *part;
  }
  return input;
}

}  // namespace rcv::fuzz
