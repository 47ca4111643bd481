#include "dict/text_line_reader.h"

#include <filesystem>

namespace rcv {

namespace {

// Only regular files are read: a folder has no lines and a pipe could
// block the run forever.
std::FILE* OpenRegularFile(const std::string& path) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) return nullptr;
  return std::fopen(path.c_str(), "rb");
}

}  // namespace

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
