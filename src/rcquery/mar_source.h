// The MARLOG index as rcquery entries: each row with its call reason, the
// details of its maintenance record and the names of the logs attached to
// it. An entry's Id is the record's directory, which is the record.
#pragma once

#include "rcquery/log_source.h"

namespace rcv {

// The rows oldest first. A record that can't be read leaves its details
// null and adds its reason to the errors; the row is still an entry.
SourceRead ReadMarSource();

}  // namespace rcv
