// The line on standard error that follows a failure message on the screen,
// "PROGRAM: PATH: REASON" ("rcviewer: ..." in the viewer): which file was tried and what the system or the
// file's format said. The screen's own messages stay as they are, so what
// standard output shows doesn't change by a byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rcv {

void ReportFileFailure(std::string_view path, std::string_view reason);

// "file is 300 bytes, expected 512": the size a fixed-size file had.
std::string SizeReason(std::uintmax_t size, std::string_view expected);

// Why a setup key gave no value: the file could not be read, or it has no
// such key, or the value is empty.
std::string SetupKeyReason(const std::string& setupPath, std::string_view section, std::string_view key);

}  // namespace rcv
