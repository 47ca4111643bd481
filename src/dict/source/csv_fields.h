// Field access on one line of a companion CSV table. A double quote outside
// a field's quoted part opens it and is dropped, inside it ends the field;
// a comma outside quotes ends the field. Unlike the script's own fields a
// control character doesn't end a field, so an unquoted last field keeps
// the line's "\n".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rcv {

// Field n (from 0): the part after the n-th comma that stands outside
// double quotes. Empty when the line has fewer fields.
std::string CsvField(std::string_view line, std::size_t n);

// Field 0, the row's key.
std::string CsvFirstField(std::string_view line);

}  // namespace rcv
