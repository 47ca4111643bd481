// Lookups that take the RC as typed text ("47 0100 ..."), for callers other
// than the viewer's screens. They share GetRcInfo's path rule and results.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dict/lookup_result.h"
#include "dict/state/script_output.h"

namespace rcv {

// An RC text shorter than this is refused with kRcTextTooShort.
inline constexpr std::size_t kRcTextMin = 16;
inline constexpr int kRcTextTooShort = kRunTextTooShort;

// Normalizes the text, prints it and its length, runs the dictionary with
// RunFru and prints the first row's unit and FRU mnemonics, each as
// "puszRc = [...]". Returns the run's result, or -1 for a short text.
int LookupRcTraced(std::string rcText, ScriptOutput& output);

// The comment text of the RC; `language` "JP" or "US" selects what SETLANG
// reports. Nothing when the dictionary can't be opened.
std::optional<std::string> GetRcComment(std::string rcText, std::optional<std::string_view> language = std::nullopt);

// Runs the dictionary with RunFru and RunComment: the rows into `output`,
// the run's result (or -1 for a short text) into `result`, and the comment
// text as the return value.
std::optional<std::string> LookupRcWithComment(std::string rcText, ScriptOutput& output, int& result);

}  // namespace rcv
