#include "dict/line_store.h"

#include <utility>

#include "dict/script_field.h"

namespace rcv {

void LineStore::Free() {
  lines_.clear();
  lines_.shrink_to_fit();
  field_.clear();
}

void LineStore::AppendLine(std::string text) { lines_.push_back(std::move(text)); }

const std::string* LineStore::LineText(std::size_t index) const {
  return index < lines_.size() ? &lines_[index] : nullptr;
}

const std::string& LineStore::GetLineField(std::size_t field, std::size_t line) {
  const std::string* text = LineText(line);
  field_ = text ? ReadScriptField(*text, field, errors_) : std::string();
  return field_;
}

unsigned LineStore::TakeErrors() { return std::exchange(errors_, 0u); }

}  // namespace rcv
