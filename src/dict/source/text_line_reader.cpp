#include "dict/source/text_line_reader.h"

#include "dict/source/script_sources.h"

namespace rcv {

TextLineReader::TextLineReader(ScriptSources* sources, const std::string& path)
    : file_(sources ? sources->Companion(path) : nullptr) {}

bool TextLineReader::ReadLine(std::string& line) {
  line.clear();
  if (!file_ || next_ >= file_->Count()) return false;
  line = file_->Piece(next_++);
  return true;
}

bool TextLineReader::MoveTo(std::optional<std::size_t> index) {
  if (!file_) return false;
  next_ = index ? *index : file_->Count();
  return index.has_value();
}

bool TextLineReader::ReadKeyedRow(std::string_view key, std::string& row) {
  row.clear();
  if (!file_ || !MoveTo(file_->FindKeyedRow(key, next_))) return false;
  return ReadLine(row);
}

bool TextLineReader::SkipPastMarker(std::string_view marker) {
  if (!file_ || !MoveTo(file_->FindMarker(marker, next_))) return false;
  ++next_;
  return true;
}

}  // namespace rcv
