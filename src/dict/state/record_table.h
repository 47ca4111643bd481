// The placeholder records of a dictionary run ("%RC-NAME", "%UNIT", "%FRU"
// ...), one comma-separated line each: field 0 the quoted name, then the
// quoted values in the order they were added. Reads go through a cursor and
// report a missing record or field only through the error flags.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dict/state/expansion_budget.h"

namespace rcv {

// RecordErrorFlags. 1, 2 and 4 add to the set; 8 replaces it.
inline constexpr std::uint32_t kRecordHasNoText = 1;
inline constexpr std::uint32_t kRecordLacksField = 2;
inline constexpr std::uint32_t kFieldBeyondRecordText = 4;
inline constexpr std::uint32_t kNoSuchRecord = 8;

// A field read from a record holds at most this many characters.
inline constexpr std::size_t kRecordFieldMax = 1023;

inline constexpr int kRecordOk = 0;
inline constexpr int kRecordFailed = -1;

class RecordTable {
 public:
  // Makes the table ready and empty, with no error flags.
  void Init();
  // Drops every record; the table is used again only after Init.
  void Free();
  bool IsReady() const { return ready_; }
  int Count() const { return static_cast<int>(records_.size()); }

  // Appends a record line; it becomes the cursor record.
  int Add(std::string_view text);
  // Field `field` of the record at `position` (from 0, insertion order); the
  // cursor moves there. Past the last record: empty, no flag.
  std::string GetField(int field, int position);
  // Position of the first record named `name` (cursor left on it), or -1.
  int Find(std::string_view name);
  // Rewrites the cursor record as its name and this one value.
  int ReplaceValue(std::string_view value);
  // Appends a value to the cursor record.
  int AppendValue(std::string_view value);
  // Adds the value to the named record, creating the record when needed.
  int DefineValue(std::string_view name, std::string_view value);
  // The length of the named record's whole text, or 0 with flag 8.
  std::size_t TextLength(std::string_view name);
  // Removes the first record of that name; the cursor goes to the one before.
  int Delete(std::string_view name);

  std::uint32_t TakeErrors();
  void SetErrors(std::uint32_t flags) { errors_ = flags; }
  std::uint32_t PeekErrors() const { return errors_; }

  // The text of the record at `position` (which must exist).
  const std::string& TextAt(int position) const { return records_[static_cast<std::size_t>(position)].text; }
  // Every record text in insertion order, for the listing.
  std::vector<std::string> Texts() const;

  // Kept with the records because every nested expansion goes through them.
  BraceNesting braces;

 private:
  static constexpr int kNoCursor = -1;  // the head: no record selected

  // Records carry a number that only grows, so the index of names needs no
  // change when a record before them goes, and a record's position is
  // found from its number by a binary search.
  struct Record {
    std::uint64_t serial;
    std::string text;
  };
  int PositionOf(std::uint64_t serial) const;
  void IndexName(std::string name, std::uint64_t serial);

  bool ready_ = false;
  std::vector<Record> records_;
  // The serials of the records of each name, oldest first: finding a record
  // by name never walks the table.
  std::unordered_map<std::string, std::vector<std::uint64_t>> byName_;
  std::uint64_t nextSerial_ = 0;
  int cursor_ = kNoCursor;
  std::uint32_t errors_ = 0;
};

// A new record line of a name and its first value: "\"%s\",\"%s\"", every
// double quote of either written as a backslash and the quote.
std::string NewRecordText(std::string_view name, std::string_view value);
// Field n of a record line by the record quoting rules; ORs the flags of a
// missing text or field into `errors`.
std::string ParseRecordField(std::string_view text, int field, std::uint32_t& errors);

// The field that starts at `start` of a record line, read as ParseRecordField
// reads it.
std::string ParseRecordFieldAt(std::string_view text, std::size_t start);

// Finds the starts of a record line's value fields one after the other, so
// that reading all of them costs one pass over the line.
class RecordFieldScanner {
 public:
  explicit RecordFieldScanner(std::string_view text) : text_(text) {}
  // The start of the next field (1, 2, ...), or npos with flag 2 added.
  std::size_t Advance(std::uint32_t& errors);

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  bool quoted_ = false;  // a double quote without a backslash toggles it
};

}  // namespace rcv
