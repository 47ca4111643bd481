// What the end of the outermost run reads back from the placeholder records:
// the RC name and the FRU rows, and the comment text.
#pragma once

#include <cstddef>
#include <string>

#include "dict/state/script_output.h"

namespace rcv {

struct SearchContext;

// A comment line passes through a piece buffer of this many characters.
inline constexpr std::size_t kCommentPieceMax = 255;
inline constexpr int kRcHasNoEntry = -3;

// Fills the output from "%RC-NAME" (or "%RC-NAME2"), "%UNIT", "%FRU", "%ACT"
// and "%WEIGHT". Returns the number of rows, or -3 when neither a name nor a
// "%UNIT" record was produced. A failed placeholder read anywhere in the run
// empties the name.
int CollectFruRows(ScriptOutput& output, SearchContext& context);

// Replaces `comment` with the first "%RC-NAME2" value and every "%MSG" value,
// one line each. Returns the number of "%MSG" values.
int CollectComment(std::string& comment, SearchContext& context);

}  // namespace rcv
