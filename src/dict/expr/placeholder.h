// Reading a placeholder's value the way statements and expressions see it:
// the field of its record with the brace terms expanded.
#pragma once

#include <string>
#include <string_view>

namespace rcv {

struct SearchContext;

// Value `valueNumber` (from 1) of the record named `name`, brace terms
// expanded, at most kRecordFieldMax characters. A name without a record
// gives the name itself and sets the error flags to exactly 8; a missing
// value gives an empty text with flag 2 or 4 added.
std::string GetPlaceholder(std::string_view name, int valueNumber, SearchContext& context);

// A raw record field as GetPlaceholder gives it: brace terms expanded, cut.
std::string ExpandPlaceholderValue(std::string value, SearchContext& context);

}  // namespace rcv
