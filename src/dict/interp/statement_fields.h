// Reading a statement's arguments: fields of script lines, copied out of
// the line store's shared field buffer before the next read overwrites it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "dict/interp/statement.h"
#include "dict/source/line_store.h"

namespace rcv {

// Field n of line `line`, at most `limit` characters.
std::string LineField(SearchContext& context, std::size_t n, std::size_t line,
                      std::size_t limit = kFieldBufferSize - 1);

// Field n of the statement's own line, at most `limit` characters.
std::string StatementField(const StatementCall& call, std::size_t n, std::size_t limit = kFieldBufferSize - 1);

// Field n of line `line` when the line has one (it may be empty); nothing
// when the line ends before it.
std::optional<std::string> ExistingLineField(SearchContext& context, std::size_t n, std::size_t line,
                                             std::size_t limit = kFieldBufferSize - 1);

// Field n of line `line` as it stands in the text: double quotes stay, and
// the field ends at a comma or control byte outside quotes. Empty when the
// line or the field doesn't exist. The line store's field buffer is left
// alone.
std::string RawLineField(const SearchContext& context, std::size_t n, std::size_t line);

}  // namespace rcv
