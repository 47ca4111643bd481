#include "dict/state/diagnostics.h"

#include <iostream>

namespace rcv {

std::ostream& DiagnosticsOf(const SearchContext& context) {
  return context.diagnostics ? *context.diagnostics : std::cout;
}

void ReportProblem(const SearchContext& context, std::string_view text) {
  if (context.problems != nullptr) *context.problems << text << '\n';
}

}  // namespace rcv
