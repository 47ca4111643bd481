#include "dict/state/record_dump.h"

#include <string>

#include "dict/state/diagnostics.h"
#include "dict/state/search_context.h"

namespace rcv {
namespace {

constexpr std::string_view kDumpHeading = "--------------------- TABLE DUMP ------------------------";
constexpr std::size_t kRulerWidth = 57;

}  // namespace

int DumpRecordTable(SearchContext& context, std::ostream& out) {
  const std::string ruler(kRulerWidth, '-');
  // The heading and the first ruler share one line.
  out << '\n' << kDumpHeading << ruler << '\n';
  for (const std::string& text : context.records.Texts()) out << text << '\n';
  out << ruler << '\n';
  out.flush();
  return 0;
}

int DumpRecordTable(SearchContext& context) { return DumpRecordTable(context, DiagnosticsOf(context)); }

}  // namespace rcv
