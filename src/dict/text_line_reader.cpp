#include "dict/text_line_reader.h"

namespace rcv {

TextLineReader::TextLineReader(const std::string& path, std::size_t bufferSize)
    : file_(std::fopen(path.c_str(), "rb")), pieceMax_(bufferSize > 1 ? bufferSize - 1 : 1) {}

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
