// Reads a text file the way the dictionary's companion files are read:
// through a fixed line buffer, so a line longer than the buffer arrives in
// pieces and each piece is taken as a line of its own.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "shell/unique_file.h"

namespace rcv {

// Table, comment and message files: a piece holds at most 255 bytes, the
// "\n" included when the line ends within them.
inline constexpr std::size_t kCompanionLineBufferSize = 256;

class TextLineReader {
 public:
  explicit TextLineReader(const std::string& path,
                          std::size_t bufferSize = kCompanionLineBufferSize);

  bool IsOpen() const { return file_ != nullptr; }

  // The next piece: up to bufferSize - 1 bytes, ending after a "\n" when
  // one comes first. A NUL byte ends the text of the piece, as it would in
  // a C string. False at the end of the file.
  bool ReadLine(std::string& line);

 private:
  UniqueFile file_;
  std::size_t pieceMax_;
};

}  // namespace rcv
