#include "rcquery/rcquery_command.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

#include "dict/rc_lookup.h"
#include "rcquery/bundle_command.h"
#include "rcquery/entry_output.h"
#include "rcquery/follow_command.h"
#include "rcquery/mar_source.h"
#include "rcquery/rc_source.h"
#include "rcquery/rcquery_options.h"
#include "rcquery/sel_source.h"
#include "rcquery/tqr_source.h"
#include "shell/program_version.h"

namespace rcv {

namespace {

constexpr std::string_view kProgram = "rcquery";

SourceRead ReadSource(std::string_view source) {
  if (source == kRcSource) return ReadRcSource();
  if (source == kSelSource) return ReadSelSource();
  if (source == kMarSource) return ReadMarSource();
  return ReadTqrSource();
}

std::vector<std::string_view> SourcesOf(std::string_view source) {
  if (source == kAllSources) return {kRcSource, kSelSource, kMarSource};
  return {source};
}

// The entries of every source asked for, filtered, in one oldest-first
// list; each source's reasons for a failed read go to `err`.
std::vector<LogEntry> ReadEntries(const RcqueryOptions& options, std::ostream& err, bool& failed) {
  std::vector<std::vector<LogEntry>> logs;
  for (const std::string_view source : SourcesOf(options.source)) {
    SourceRead read = ReadSource(source);
    for (const std::string& error : read.errors) err << kProgram << ": " << source << ": " << error << '\n';
    failed = failed || !read.errors.empty();
    // Timeless entries take their place from the whole log, before filtering.
    SetTimelineTimes(read.entries);
    std::erase_if(read.entries, [&options](const LogEntry& entry) { return !Matches(entry, options.filter); });
    logs.push_back(std::move(read.entries));
  }
  return MergeTimelines(std::move(logs));
}

int RunQuery(const RcqueryOptions& options, std::ostream& out, std::ostream& err) {
  bool failed = false;
  std::vector<LogEntry> entries = ReadEntries(options, err, failed);
  if (options.count) KeepNewest(entries, *options.count);
  // Only the entries that are printed cost a dictionary lookup.
  NameRcEntriesFromDictionary(entries);
  if (options.reverse) std::reverse(entries.begin(), entries.end());
  for (const LogEntry& entry : entries) {
    out << (options.json ? FormatJsonLine(entry) : FormatTextLine(entry));
    // A reader that went away needs nothing more.
    if (!out) break;
  }
  return failed ? kRcqueryFailed : kRcqueryOk;
}

}  // namespace

int RunRcquery(std::span<const std::string> args, std::ostream& out, std::ostream& err, QueryTime now) {
  if (args.size() > 1 && args[1] == kBundleCommand) return RunBundle(args.subspan(2), out, err, now);
  std::string error;
  const std::optional<RcqueryOptions> options = ParseRcqueryOptions(args, now, error);
  if (!options) {
    err << kProgram << ": " << error << '\n' << kRcqueryUsageText;
    return kRcqueryUsage;
  }
  if (options->help) {
    out << kRcqueryUsageText;
    return kRcqueryOk;
  }
  if (options->version) {
    out << kProgram << ' ' << ProgramVersion() << '\n';
    return kRcqueryOk;
  }
  // The dictionary's own diagnostics never mix with the entries.
  SetDictionaryDiagnostics(err);
  if (options->follow) return RunFollow(*options, out, err, STDOUT_FILENO);
  return RunQuery(*options, out, err);
}

}  // namespace rcv
