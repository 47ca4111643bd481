// rcquery, the logs for scripts and log shippers: a thin driver that puts
// the viewer's readers, its dictionary lookup and the SEL decoder behind
// one command line, with text or JSON Lines output and filters.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "rcquery/query_time.h"

namespace rcv {

// Runs rcquery on its command line (the program name first); `now` is the
// time relative times count back from. Returns the exit status.
int RunRcquery(std::span<const std::string> args, std::ostream& out, std::ostream& err, QueryTime now);

}  // namespace rcv
