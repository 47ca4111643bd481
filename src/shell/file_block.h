// Whole-file reads and writes of the fixed-size logs, one system call each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace rcv {

inline constexpr int kFileOk = 0;
inline constexpr int kFileOpenFailed = -2;
inline constexpr int kFileShortRead = -4;
inline constexpr int kFileShortWrite = -5;

// Reads buffer.size() bytes from the start of the file: 0, -2 or -4. A path
// that is no regular file reads as -4, as a folder would with a plain open
// and read, and is never opened in a way that could block.
// `reason`, when given, tells why a read failed.
int ReadFileBlock(const std::string& path, std::span<std::uint8_t> buffer, std::string* reason = nullptr);
// Writes the bytes at `offset` of an existing file, which is never created
// nor truncated: 0, -2 or -5.
int WriteFileBlock(const std::string& path, std::span<const std::uint8_t> bytes, std::size_t offset = 0,
                   std::string* reason = nullptr);

}  // namespace rcv
