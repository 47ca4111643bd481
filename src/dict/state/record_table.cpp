#include "dict/state/record_table.h"

#include <algorithm>

namespace rcv {
namespace {

constexpr char kQuote = '"';
constexpr char kBackslash = '\\';

// A double quote counts as a quote unless a backslash stands before it.
bool IsBareQuote(std::string_view text, std::size_t pos) {
  return text[pos] == kQuote && (pos == 0 || text[pos - 1] != kBackslash);
}

// Each double quote written as a backslash and the quote, inside quotes.
std::string QuotedField(std::string_view field) {
  std::string quoted(1, kQuote);
  for (char c : field) {
    if (c == kQuote) quoted += kBackslash;
    quoted += c;
  }
  quoted += kQuote;
  return quoted;
}

// The position right after the n-th comma outside quotes, or npos with the
// flag that tells why there is none.
std::size_t FieldStart(std::string_view text, int field, std::uint32_t& errors) {
  if (field <= 0) return 0;
  if (text.empty()) {
    errors |= kRecordLacksField;
    return std::string_view::npos;
  }
  // No record line can have more fields than characters.
  if (static_cast<std::size_t>(field) > text.size()) {
    errors |= kFieldBeyondRecordText;
    return std::string_view::npos;
  }
  RecordFieldScanner scanner(text);
  std::size_t start = 0;
  for (int n = 0; n < field && start != std::string_view::npos; ++n) start = scanner.Advance(errors);
  return start;
}

}  // namespace

std::string NewRecordText(std::string_view name, std::string_view value) {
  return QuotedField(name) + "," + QuotedField(value);
}

std::size_t RecordFieldScanner::Advance(std::uint32_t& errors) {
  for (;; ++pos_) {
    if (pos_ >= text_.size()) {
      errors |= kRecordLacksField;
      return std::string_view::npos;
    }
    if (IsBareQuote(text_, pos_)) quoted_ = !quoted_;
    if (text_[pos_] == ',' && !quoted_) return ++pos_;
  }
}

std::string ParseRecordFieldAt(std::string_view text, std::size_t start) {
  std::string result;
  bool quoted = false;
  for (std::size_t pos = start; pos < text.size() && result.size() < kRecordFieldMax;) {
    const char c = text[pos];
    if (c == kBackslash && pos + 1 < text.size() && text[pos + 1] == kQuote) {
      result += kQuote;
      pos += 2;
      continue;
    }
    if (IsBareQuote(text, pos)) {
      if (quoted) break;  // what follows up to the next comma is dropped
      quoted = true;
      ++pos;
      continue;
    }
    if (c == ',' && !quoted) break;
    result += c;
    ++pos;
  }
  return result;
}

std::string ParseRecordField(std::string_view text, int field, std::uint32_t& errors) {
  const std::size_t start = FieldStart(text, field, errors);
  if (start == std::string_view::npos) return {};
  return ParseRecordFieldAt(text, start);
}

void RecordTable::Init() {
  ready_ = true;
  records_.clear();
  byName_.clear();
  cursor_ = kNoCursor;
  errors_ = 0;
}

void RecordTable::Free() {
  ready_ = false;
  records_.clear();
  byName_.clear();
  cursor_ = kNoCursor;
}

std::vector<std::string> RecordTable::Texts() const {
  std::vector<std::string> texts;
  for (const Record& record : records_) texts.push_back(record.text);
  return texts;
}

int RecordTable::PositionOf(std::uint64_t serial) const {
  const auto found =
      std::lower_bound(records_.begin(), records_.end(), serial,
                       [](const Record& record, std::uint64_t wanted) { return record.serial < wanted; });
  return static_cast<int>(found - records_.begin());
}

void RecordTable::IndexName(std::string name, std::uint64_t serial) { byName_[std::move(name)].push_back(serial); }

int RecordTable::Add(std::string_view text) {
  if (!ready_) return kRecordFailed;
  std::uint32_t ignored = 0;
  records_.push_back({nextSerial_, std::string(text)});
  IndexName(ParseRecordField(text, 0, ignored), nextSerial_++);
  cursor_ = Count() - 1;
  return kRecordOk;
}

std::string RecordTable::GetField(int field, int position) {
  if (position < 0 || position >= Count()) {
    cursor_ = kNoCursor;
    return {};
  }
  cursor_ = position;
  return ParseRecordField(records_[static_cast<std::size_t>(position)].text, field, errors_);
}

int RecordTable::Find(std::string_view name) {
  const auto found = byName_.find(std::string(name));
  if (found == byName_.end()) {
    cursor_ = kNoCursor;
    return -1;
  }
  cursor_ = PositionOf(found->second.front());
  return cursor_;
}

int RecordTable::ReplaceValue(std::string_view value) {
  if (cursor_ == kNoCursor) return kRecordFailed;
  std::string& text = records_[static_cast<std::size_t>(cursor_)].text;
  std::uint32_t ignored = 0;
  text = NewRecordText(ParseRecordField(text, 0, ignored), value);
  return kRecordOk;
}

int RecordTable::AppendValue(std::string_view value) {
  if (cursor_ == kNoCursor) return kRecordFailed;
  records_[static_cast<std::size_t>(cursor_)].text += "," + QuotedField(value);
  return kRecordOk;
}

int RecordTable::DefineValue(std::string_view name, std::string_view value) {
  if (Find(name) < 0) return Add(NewRecordText(name, value));
  return AppendValue(value);
}

std::size_t RecordTable::TextLength(std::string_view name) {
  const int position = Find(name);
  if (position < 0) {
    errors_ = kNoSuchRecord;
    return 0;
  }
  return records_[static_cast<std::size_t>(position)].text.size();
}

int RecordTable::Delete(std::string_view name) {
  const auto found = byName_.find(std::string(name));
  if (found == byName_.end()) return kRecordFailed;
  const int position = PositionOf(found->second.front());
  found->second.erase(found->second.begin());
  if (found->second.empty()) byName_.erase(found);
  records_.erase(records_.begin() + position);
  cursor_ = position - 1;  // the record before, or none when it was the first
  return kRecordOk;
}

std::uint32_t RecordTable::TakeErrors() {
  const std::uint32_t flags = errors_;
  errors_ = 0;
  return flags;
}

}  // namespace rcv
