#include "shell/machine_identity.h"

#include <cstdio>

#include "shell/failure_report.h"

#include "base/regular_file.h"
#include "shell/roots.h"
#include "shell/setup_file.h"

namespace rcv {

namespace {

std::string LookupCommon(std::string_view key, const std::string& setupPath, bool& found) {
  std::string value;
  found = GetSetupValue("COMMON", key, setupPath, kSetupValueSize, value) == 0;
  return value;
}

std::string ValueOrNotSet(std::string_view key, const std::string& setupPath) {
  bool found = false;
  std::string value = LookupCommon(key, setupPath, found);
  return value.empty() ? std::string(kNotSet) : value;
}

// The revision ends at the first blank or line end that follows a character
// other than those; leading blanks stay, and a line of nothing else stays
// as it is.
std::string CutRevision(std::string line) {
  const std::size_t start = line.find_first_not_of(" \r\n");
  if (start == std::string::npos) return line;
  const std::size_t end = line.find_first_of(" \r\n", start);
  if (end != std::string::npos) line.resize(end);
  return line;
}

int Fail(std::ostream& out, std::string_view message, std::string_view path, std::string_view reason) {
  out << message << '\n';
  ReportFileFailure(path, reason);
  return -1;
}

}  // namespace

int LoadMachineIdentity(MachineIdentity& identity, std::ostream& out) {
  const std::string setupPath = SetupFilePath();
  identity.modelName = ValueOrNotSet("MODEL_NAME", setupPath);
  identity.modelCode = ValueOrNotSet("MODEL_CODE", setupPath);
  identity.productCode = ValueOrNotSet("PRODUCT_CODE", setupPath);

  bool found = false;
  identity.confDir = LookupCommon("CONF_DIR", setupPath, found);
  if (!found || identity.confDir.empty()) {
    return Fail(out, "Getting RC table path failed.", setupPath, SetupKeyReason(setupPath, "COMMON", "CONF_DIR"));
  }
  identity.modelFru = LookupCommon("CODE", setupPath, found);
  if (!found || identity.modelFru.empty()) {
    return Fail(out, "Getting CODE failed.", setupPath, SetupKeyReason(setupPath, "COMMON", "CODE"));
  }

  const std::string rcrevPath = DictionaryFilePath(identity.confDir, "rcrev");
  std::string reason;
  FileAccess access = FileAccess::kOk;
  UniqueFile rcrev = OpenRegularFile(rcrevPath, &access, &reason);
  if (access == FileAccess::kCannotOpen) return Fail(out, "Rcrev file open error.", rcrevPath, reason);
  // A path that opens but can't be read has no first line.
  char line[kRcRevLineSize];
  if (!rcrev || std::fgets(line, sizeof line, rcrev.get()) == nullptr) {
    return Fail(out, "Rcrev get failed.", rcrevPath, reason.empty() ? "file is empty" : reason);
  }
  identity.rcRev = CutRevision(line);
  return 1;
}

int PrintIdentity(const MachineIdentity& identity, std::ostream& out) {
  out << "MODEL CODE : " << identity.modelCode << " / PRODUCT No. : " << identity.productCode << "\n"
      << "MODEL NAME : " << identity.modelName << "\n"
      << "MODEL FRU  : " << identity.modelFru << "\n"
      << "RC DICT    : " << identity.confDir << "/" << identity.rcRev << "\n"
      << "\n";
  return 0;
}

}  // namespace rcv
