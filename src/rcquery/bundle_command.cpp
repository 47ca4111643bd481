#include "rcquery/bundle_command.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include "base/text_conversion.h"
#include "marlog/mar_config.h"
#include "rcquery/bundle_check.h"
#include "rcquery/bundle_folder.h"
#include "rcquery/log_source.h"
#include "rcquery/rcquery_command.h"
#include "rcquery/rcquery_options.h"
#include "sel/sel_log.h"
#include "shell/machine_identity.h"
#include "shell/program_version.h"
#include "shell/roots.h"
#include "traprc/trap_rc_file.h"

namespace rcv {

namespace {

constexpr std::string_view kProgram = "rcquery";
constexpr std::string_view kBundleUsage = "usage: rcquery bundle [--check] DIR\n";
// The part of a SEL entry that is the IPMI record.
constexpr std::size_t kSelRawRecordSize = 16;

Json IdentityJson(const MachineIdentity& identity) {
  const auto text = [](const std::string& value) { return ShiftJisToUtf8(value, Unconvertible::kEscape); };
  return {{"ModelName", text(identity.modelName)},         {"ModelCode", text(identity.modelCode)},
          {"ProductCode", text(identity.productCode)},     {"ModelFru", text(identity.modelFru)},
          {"DictionaryDirectory", text(identity.confDir)}, {"DictionaryRevision", text(identity.rcRev)}};
}

// The SEL's records oldest first, 16 bytes each, as `ipmitool sel readraw`
// reads them.
void AddSelRaw(BundleFolder& bundle) {
  const std::string path = VrkLogPath("sel.log");
  std::vector<std::uint8_t> bytes;
  const std::string error = ReadLogBytes(path, kSelLogSize, bytes);
  if (!error.empty()) return bundle.NoteMissing("sel.raw", error);
  const std::span<const std::uint8_t, kSelLogSize> log(bytes.data(), kSelLogSize);
  const SelHeader header = DecodeSelHeader(log);
  std::string raw;
  if (CheckSelHeader(header) == SelCheck::kValid) {
    std::vector<std::size_t> slots = SelSlotsNewestFirst(header);
    std::reverse(slots.begin(), slots.end());
    for (const std::size_t slot : slots) {
      const auto record = log.subspan(SelSlotOffset(slot), kSelRawRecordSize);
      raw.append(record.begin(), record.end());
    }
  }
  bundle.Write("sel.raw", raw);
}

// What `rcquery --json SOURCE` prints, as a file of the bundle.
void AddJsonLines(BundleFolder& bundle, std::string_view source, const std::string& name, std::ostream& err,
                  QueryTime now) {
  const std::vector<std::string> args = {std::string(kProgram), "--json", std::string(source)};
  std::ostringstream lines;
  RunRcquery(args, lines, err, now);
  bundle.Write(name, lines.str());
}

Json AddIdentity(BundleFolder& bundle) {
  MachineIdentity identity;
  std::ostringstream text;
  if (LoadMachineIdentity(identity, text) != 1) {
    bundle.NoteMissing("identity.txt", OneLine(text.str()));
    return nullptr;
  }
  PrintIdentity(identity, text);
  bundle.Write("identity.txt", text.str());
  bundle.Copy("atraprc.tqr", TrapRcTablePath(identity.confDir));
  return IdentityJson(identity);
}

void AddMarlog(BundleFolder& bundle) {
  std::ostringstream why;
  MarConfig config;
  if (LoadMarConfig(why, config) != 1) return bundle.NoteMissing("mar", OneLine(why.str()));
  bundle.CopyFolder("mar", config.marDir);
}

int WriteBundle(const std::string& target, std::ostream& out, std::ostream& err, QueryTime now) {
  BundleFolder bundle(target);
  if (bundle.failure().empty()) {
    bundle.Copy("rc.log", VrkLogPath("rc.log"));
    bundle.Copy("sel.log", VrkLogPath("sel.log"));
    AddSelRaw(bundle);
    AddMarlog(bundle);
    const Json identity = AddIdentity(bundle);
    for (const std::string_view source : {kRcSource, kSelSource, kMarSource, kTqrSource}) {
      AddJsonLines(bundle, source, std::string(source) + ".jsonl", err, now);
    }
    AddJsonLines(bundle, kAllSources, "timeline.jsonl", err, now);
    bundle.Finish({{"Program", kProgram},
                   {"Version", ProgramVersion()},
                   {"Captured", FormatRfc3339(now)},
                   {"Identity", identity},
                   {"Files", bundle.FileList()},
                   {"Missing", bundle.MissingList()}});
  }
  if (!bundle.failure().empty()) {
    err << kProgram << ": bundle not written: " << bundle.failure() << '\n';
    return kRcqueryFailed;
  }
  for (const Json& missing : bundle.MissingList()) {
    err << kProgram << ": bundle: " << missing["Path"].get<std::string>()
        << " missing: " << missing["Reason"].get<std::string>() << '\n';
  }
  out << target << ": bundle written\n";
  return bundle.anyMissing() ? kRcqueryFailed : kRcqueryOk;
}

}  // namespace

int RunBundle(std::span<const std::string> args, std::ostream& out, std::ostream& err, QueryTime now) {
  const bool check = args.size() == 2 && args[0] == "--check";
  if (!(args.size() == 1 && !args[0].starts_with("-")) && !check) {
    err << kProgram << ": bundle takes a folder, or --check and a folder\n" << kBundleUsage;
    return kRcqueryUsage;
  }
  if (check) return CheckBundle(args[1], out, err);
  return WriteBundle(args[0], out, err, now);
}

}  // namespace rcv
