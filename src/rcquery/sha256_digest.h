// SHA-256 through OpenSSL's libcrypto: the digest of a follow cursor's last
// slot and the checksums of a support bundle.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rcv {

// The 64 lower-case hexadecimal digits of the SHA-256 of `bytes`.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);
std::string Sha256Hex(std::string_view bytes);

// The same of a whole file read in blocks; nothing when it can't be read.
std::optional<std::string> Sha256OfFile(const std::string& path);

}  // namespace rcv
