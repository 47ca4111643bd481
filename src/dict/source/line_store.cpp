#include "dict/source/line_store.h"

#include <utility>

#include "dict/source/script_field.h"

namespace rcv {

void LineStore::Free() {
  lines_.reset();
  appending_.reset();
  field_.clear();
}

void LineStore::Assign(std::shared_ptr<const ScriptLines> lines) {
  lines_ = std::move(lines);
  appending_.reset();
}

void LineStore::AppendLine(std::string_view text) {
  // Lines shared with anyone else are copied before the first change.
  if (!appending_ || appending_ != lines_ || appending_.use_count() > 2) {
    appending_ = std::make_shared<ScriptLines>(lines_ ? *lines_ : ScriptLines());
    lines_ = appending_;
  }
  appending_->Append(text);
}

std::optional<std::string_view> LineStore::LineText(std::size_t index) const {
  if (index >= LineCount()) return std::nullopt;
  return lines_->Text(index);
}

const std::string& LineStore::GetLineField(std::size_t field, std::size_t line) {
  if (line >= LineCount()) {
    field_.clear();
    return field_;
  }
  lines_->ReadField(line, field, field_, errors_);
  return field_;
}

std::string_view LineStore::FieldView(std::size_t field, std::size_t line) {
  if (line >= LineCount()) {
    field_.clear();
    return field_;
  }
  return lines_->FieldView(line, field, field_, errors_);
}

unsigned LineStore::TakeErrors() { return std::exchange(errors_, 0u); }

}  // namespace rcv
