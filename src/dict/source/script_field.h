// The field syntax of a script line: fields are split at commas outside
// double quotes; a quoted part is copied with its commas and control bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rcv {

// Field `n` (from 0) of `line`. Sets kLineEndsBeforeField or
// kFieldBeyondLine in `flags` and returns an empty text when the line has
// no such field. The result holds at most kFieldBufferSize - 1 bytes.
std::string ReadScriptField(std::string_view line, std::size_t n, unsigned& flags);

// The field that starts at `start` of the line, into `field`.
void ReadScriptFieldAt(std::string_view line, std::size_t start, std::string& field);

}  // namespace rcv
