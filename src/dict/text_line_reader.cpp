#include "dict/text_line_reader.h"

#include "shell/regular_file.h"

namespace rcv {

// Only regular files are read: a folder has no lines and a pipe could
// block the run forever.
TextLineReader::TextLineReader(const std::string& path, std::size_t bufferSize)
    : file_(OpenRegularFile(path)), pieceMax_(bufferSize > 1 ? bufferSize - 1 : 1) {}

bool TextLineReader::ReadLine(std::string& line) {
  line.clear();
  if (!file_) return false;
  bool readAny = false;
  while (line.size() < pieceMax_) {
    const int c = std::getc(file_.get());
    if (c == EOF) break;
    readAny = true;
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  if (const std::size_t nul = line.find('\0'); nul != std::string::npos) line.resize(nul);
  return readAny;
}

}  // namespace rcv
