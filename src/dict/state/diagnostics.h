// Where the dictionary's own diagnostics go: the GETRCMSG messages, SET's
// "Unexpected string", the FULLDUMP listing and "Getting RC table path
// failed.". The viewer shows them on the terminal among its screens; the
// dictionary maintainer's command sends them to standard error, so that its
// standard output holds only results. The dictionary that runs a context
// lends it its stream.
#pragma once

#include <ostream>
#include <string_view>

#include "dict/state/search_context.h"

namespace rcv {

// The context's stream, or standard output for a context of no dictionary.
std::ostream& DiagnosticsOf(const SearchContext& context);

// Problems a lookup meets without a diagnostic of its own (a FILE, CMTFILE
// or DSPCMT file that can't be opened): the viewer shows nothing of them,
// so they go only to the problem sink the dictionary lends the context,
// one line each; without a sink they are dropped.
void ReportProblem(const SearchContext& context, std::string_view text);

}  // namespace rcv
