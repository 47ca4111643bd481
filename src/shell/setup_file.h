// Lookup of one key in one section of the INI-like setup file. Nothing is
// kept between calls: every lookup reads the file afresh from the top.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rcv {

// Lines are read in pieces of at most this many bytes less one.
inline constexpr std::size_t kSetupLineBufferSize = 512;
// "[" name "]" and key "=" are built in buffers of this size.
inline constexpr std::size_t kSetupNameBufferSize = 32;
// The value size that the identity and dictionary lookups pass.
inline constexpr std::size_t kSetupValueSize = 129;

inline constexpr std::string_view kSectionNotFound = "KOUMOKU not found.";
inline constexpr std::string_view kKeyNotFound = "Paramater not found.";

// Returns 0 and stores the value (cut to valueSize - 1 characters) when the
// key is found, -1 otherwise; on -1 `message`, when given, may receive the
// reason.
int GetSetupValue(std::string_view section, std::string_view key, const std::string& path, std::size_t valueSize,
                  std::string& value, std::string* message = nullptr);

}  // namespace rcv
