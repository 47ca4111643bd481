// What reading one log gives rcquery: its entries in the log's own order,
// oldest first, and the reasons when the log, or part of it, could not be
// read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "rcquery/log_entry.h"

namespace rcv {

struct SourceRead {
  std::vector<LogEntry> entries;
  std::vector<std::string> errors;  // empty when the log was read whole
};

// Reads the whole regular file at `path` into `content`, which must hold at
// least `minSize` bytes; the reason, naming the path, when it can't.
std::string ReadLogFile(const std::string& path, std::size_t minSize, std::string& content);
// The same for a binary log, as bytes.
std::string ReadLogBytes(const std::string& path, std::size_t minSize, std::vector<std::uint8_t>& bytes);

// Gives the second and later entries of the same Id a suffix "#2", "#3",
// ... in the order given, so that every Id names one entry.
void MakeIdsUnique(std::vector<LogEntry>& entries);

// A message a reader printed, as one line: its line ends become blanks,
// the last one dropped.
std::string OneLine(std::string message);

// Upper-case hexadecimal digits of the bytes, without blanks.
std::string HexDigits(std::span<const std::uint8_t> bytes);

}  // namespace rcv
