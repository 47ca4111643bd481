// Keyed rows of a companion CSV table: field 0 of a row is its key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dict/text_line_reader.h"

namespace rcv {

// A row's key field is compared in at most this many characters.
inline constexpr std::size_t kTableKeyFieldMax = 19;

// Reads on to the first row whose key equals `key` exactly and stores it in
// `row`; false when the file ends first.
bool FindTableRow(TextLineReader& reader, std::string_view key, std::string& row);

}  // namespace rcv
