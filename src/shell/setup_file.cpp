#include "shell/setup_file.h"

#include <cstdio>

#include "base/regular_file.h"

namespace rcv {

namespace {

// Reads the next piece of a line the way a 512-byte line buffer does: at
// most 511 characters, the line feed included when it fits.
bool ReadLinePiece(std::FILE* file, std::string& piece) {
  char buffer[kSetupLineBufferSize];
  if (std::fgets(buffer, sizeof buffer, file) == nullptr) return false;
  piece = buffer;
  return true;
}

bool IsComment(std::string_view line) { return !line.empty() && (line[0] == '#' || line[0] == ';'); }

// The names are built in fixed buffers; a long name keeps only what fits.
std::string CutName(std::string text) {
  if (text.size() > kSetupNameBufferSize - 1) text.resize(kSetupNameBufferSize - 1);
  return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The text after the first "=", without surrounding blanks and without one
// opening and one closing double quote, each dropped on its own.
std::string ExtractValue(std::string_view line) {
  std::string_view value = line.substr(line.find('=') + 1);
  while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  if (!value.empty() && value.front() == '"') value.remove_prefix(1);
  while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
  if (!value.empty() && value.back() == '"') value.remove_suffix(1);
  return std::string(value);
}

void SetMessage(std::string* message, std::string_view text) {
  if (message != nullptr) *message = text;
}

}  // namespace

int GetSetupValue(std::string_view section, std::string_view key, const std::string& path, std::size_t valueSize,
                  std::string& value, std::string* message) {
  UniqueFile file = OpenRegularFile(path);
  if (!file) return -1;

  std::string header(1, '[');
  header.append(section).push_back(']');
  header = CutName(std::move(header));
  std::string line;
  bool inSection = false;
  while (!inSection && ReadLinePiece(file.get(), line)) {
    inSection = !IsComment(line) && line.starts_with(header);
  }
  const std::string pattern = CutName(std::string(key) + "=");
  while (inSection && ReadLinePiece(file.get(), line)) {
    if (IsComment(line)) continue;
    if (line.starts_with(pattern)) {
      value = ExtractValue(line).substr(0, valueSize == 0 ? 0 : valueSize - 1);
      return 0;
    }
    if (line.starts_with("[")) {
      SetMessage(message, kKeyNotFound);
      return -1;
    }
  }
  SetMessage(message, kSectionNotFound);
  return -1;
}

}  // namespace rcv
