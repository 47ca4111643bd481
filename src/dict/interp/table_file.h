// Keyed rows of a companion CSV table: field 0 of a row is its key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dict/source/text_line_reader.h"

namespace rcv {

struct SearchContext;

// Reads on to the first row whose key equals `key` exactly and stores it in
// `row`; false when the file ends first.
bool FindTableRow(TextLineReader& reader, std::string_view key, std::string& row);

// The key of a FILE statement: an operand with a bit-field suffix becomes
// the selected bits, and "$GH" the joined values of the variables it names,
// by the rule of a $ operand. A key naming an undefined variable, or one
// that is neither, stays as it is.
void ExpandFileKey(std::string& key, SearchContext& context);

}  // namespace rcv
