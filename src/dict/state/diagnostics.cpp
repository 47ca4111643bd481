#include "dict/state/diagnostics.h"

#include <iostream>

namespace rcv {

std::ostream& DiagnosticsOf(const SearchContext& context) {
  return context.diagnostics ? *context.diagnostics : std::cout;
}

}  // namespace rcv
