#include "dict/source/script_field.h"

#include "dict/source/line_store.h"
#include "dict/source/script_lines.h"

namespace rcv {
namespace {

bool IsControlByte(char c) { return static_cast<unsigned char>(c) < 0x20; }

}  // namespace

void ReadScriptFieldAt(std::string_view line, std::size_t start, std::string& field) {
  field.clear();
  // Runs of copied bytes are appended whole; the quotes that open and end a
  // quoted part are not copied.
  bool quoted = false;
  std::size_t runStart = start;
  std::size_t pos = start;
  for (; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      field.append(line.substr(runStart, pos - runStart));
      runStart = pos + 1;
      if (quoted) break;  // what follows up to the next comma is not part of it
      quoted = true;
      continue;
    }
    if (!quoted && (c == ',' || IsControlByte(c))) break;
  }
  if (pos >= line.size() || line[pos] != '"') field.append(line.substr(runStart, pos - runStart));
  if (field.size() > kFieldBufferSize - 1) field.resize(kFieldBufferSize - 1);
}

std::string ReadScriptField(std::string_view line, std::size_t n, unsigned& flags) {
  ScriptLines lines;
  lines.Append(line);
  std::string field;
  lines.ReadField(0, n, field, flags);
  return field;
}

}  // namespace rcv
