// The FULLDUMP statement's listing of every placeholder record.
#pragma once

#include <iostream>
#include <ostream>

namespace rcv {

struct SearchContext;

// Writes the heading, each record text on its own line in insertion order,
// and a closing ruler. Returns 0.
int DumpRecordTable(SearchContext& context, std::ostream& out);
// The listing on the dictionary's diagnostics stream.
int DumpRecordTable(SearchContext& context);

}  // namespace rcv
