// The MARLOG index as the screen reads and shows it: the entries of
// marlog.idx newest first, one row each with its call reason.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "marlog/call_reason.h"
#include "marlog/mar_config.h"
#include "marlog/marlog_index.h"

namespace rcv {

// Reads and orders the index: 1, or -1 after "<path> open error." when it
// can't be opened.
int LoadMarlogIndex(std::ostream& out, const MarConfig& config, std::vector<MarlogIndexEntry>& entries);

// One row, numbered from 1, with its line end.
std::string FormatMarlogRow(std::size_t number, const MarlogIndexEntry& entry,
                            const std::vector<CallReasonEntry>& reasons);

// Loads the call-reason table afresh (saying why when it can't) and prints
// the index table.
void PrintMarlogIndex(std::ostream& out, const MarConfig& config, const std::vector<MarlogIndexEntry>& entries);

}  // namespace rcv
