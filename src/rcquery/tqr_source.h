// The trap and ignore RC table as rcquery entries, in the order the entries
// were added. An entry's Id is its kind and pattern, which it keeps however
// the entries before it are deleted.
#pragma once

#include "rcquery/log_source.h"

namespace rcv {

SourceRead ReadTqrSource();

}  // namespace rcv
