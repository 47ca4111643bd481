// `rcquery --follow`: prints what the one-shot query prints, or with a
// cursor file what came after the cursor, then each new entry as the
// monitoring service writes it, one batch at a time; the cursor file is
// replaced after each batch has reached standard output.
#pragma once

#include <ostream>

#include "rcquery/rcquery_options.h"

namespace rcv {

// Runs until SIGTERM, SIGINT or a closed output; `outputFd` is the
// descriptor behind `out`. Returns the exit status.
int RunFollow(const RcqueryOptions& options, std::ostream& out, std::ostream& err, int outputFd);

}  // namespace rcv
