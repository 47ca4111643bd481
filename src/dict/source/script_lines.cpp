#include "dict/source/script_lines.h"

#include <algorithm>

#include "dict/source/line_store.h"
#include "dict/source/script_field.h"

namespace rcv {

namespace {

bool IsControlByte(char c) { return static_cast<unsigned char>(c) < 0x20; }

// Where a field that starts at `start` ends when no double quote stands in
// it: at a comma, a control byte or the line's end; kNeeds scan otherwise.
std::size_t PlainEnd(std::string_view text, std::size_t start) {
  for (std::size_t pos = start; pos < text.size(); ++pos) {
    if (text[pos] == '"') return std::string_view::npos;
    if (text[pos] == ',' || IsControlByte(text[pos])) return pos;
  }
  return text.size();
}

}  // namespace

void ScriptLines::Append(std::string_view text) {
  // A stored line never exceeds the line buffer, so its offsets fit 16 bits.
  text = text.substr(0, kScriptLineBufferSize - 1);
  const auto addField = [&](std::size_t start) {
    const std::size_t end = PlainEnd(text, start);
    fields_.push_back({static_cast<std::uint16_t>(start),
                       end == std::string_view::npos ? kNeedsScan : static_cast<std::uint16_t>(end)});
  };
  addField(0);
  bool quoted = false;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    // A double quote toggles the quoted state wherever it stands.
    if (text[pos] == '"') {
      quoted = !quoted;
    } else if (text[pos] == ',' && !quoted) {
      addField(pos + 1);
    }
  }
  text_.append(text);
  lineStart_.push_back(static_cast<std::uint32_t>(text_.size()));
  firstField_.push_back(static_cast<std::uint32_t>(fields_.size()));
}

std::string_view ScriptLines::Text(std::size_t line) const {
  return std::string_view(text_).substr(lineStart_[line], lineStart_[line + 1] - lineStart_[line]);
}

std::optional<std::size_t> ScriptLines::FieldStart(std::size_t line, std::size_t n, unsigned& flags) const {
  if (n == 0) return 0;
  const std::size_t length = lineStart_[line + 1] - lineStart_[line];
  if (length == 0) {
    flags |= kLineEndsBeforeField;
    return std::nullopt;
  }
  if (n > length) {
    flags |= kFieldBeyondLine;
    return std::nullopt;
  }
  const std::size_t commas = firstField_[line + 1] - firstField_[line] - 1;
  if (n > commas) {
    flags |= kLineEndsBeforeField;
    return std::nullopt;
  }
  return fields_[firstField_[line] + n].start;
}

void ScriptLines::ReadField(std::size_t line, std::size_t n, std::string& field, unsigned& flags) const {
  const std::string_view view = FieldView(line, n, field, flags);
  if (view.data() != field.data()) field.assign(view);
}

std::string_view ScriptLines::FieldView(std::size_t line, std::size_t n, std::string& scratch, unsigned& flags) const {
  const std::optional<std::size_t> start = FieldStart(line, n, flags);
  if (!start) {
    scratch.clear();
    return scratch;
  }
  const Field& known = fields_[firstField_[line] + n];
  if (known.plainEnd == kNeedsScan) {
    ReadScriptFieldAt(Text(line), *start, scratch);
    return scratch;
  }
  const std::size_t length = std::min<std::size_t>(known.plainEnd - known.start, kFieldBufferSize - 1);
  return std::string_view(text_).substr(lineStart_[line] + known.start, length);
}

std::size_t ScriptLines::Bytes() const {
  return text_.size() + (lineStart_.size() + firstField_.size()) * sizeof(std::uint32_t) +
         fields_.size() * sizeof(Field);
}

}  // namespace rcv
