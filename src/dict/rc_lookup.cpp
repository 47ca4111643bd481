#include "dict/rc_lookup.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "dict/diagnostics.h"
#include "dict/run_mode.h"
#include "dict/script_output.h"
#include "dict/script_run.h"
#include "shell/file_watch.h"
#include "shell/roots.h"
#include "shell/setup_file.h"

namespace rcv {
namespace {

std::string Cut(std::string_view text, std::size_t limit) { return std::string(text.substr(0, limit)); }

// Rows from the first up to the first without a unit, as many as the
// record has room for.
std::vector<RcFruRow> CopyFruRows(const ScriptOutput& output, int rowCount) {
  std::vector<RcFruRow> rows;
  const std::size_t count = std::min(output.rows.size(), static_cast<std::size_t>(rowCount));
  for (std::size_t i = 0; i < count && rows.size() < kRcInfoFruRows; ++i) {
    const FruRow& row = output.rows[i];
    if (row.unitMnemonic.empty()) break;
    rows.push_back({Cut(row.actionCode, kActionCodeMax), Cut(row.weight, kWeightMax),
                    Cut(row.unitMnemonic, kUnitMnemonicMax), Cut(row.fruMnemonic, kFruMnemonicMax)});
  }
  return rows;
}

}  // namespace

std::string& GetRcTablePath(std::string& path) {
  // Every lookup asks; the setup file is read again only when it changed.
  struct Remembered {
    std::string setupPath;
    FileWatch watch;
    std::optional<std::string> confDir;
  };
  static Remembered remembered;
  const std::string setupPath = SetupFilePath();
  std::string image;
  const FileWatch::State state = remembered.watch.Refresh(setupPath, image);
  if (setupPath != remembered.setupPath || state != FileWatch::State::kUnchanged) {
    std::string confDir;
    remembered.setupPath = setupPath;
    remembered.confDir.reset();
    if (GetSetupValue("COMMON", "CONF_DIR", setupPath, kSetupValueSize, confDir) == 0) remembered.confDir = confDir;
  }
  if (!remembered.confDir) {
    DictionaryDiagnostics() << kRcTablePathFailed << '\n';
    return path;
  }
  path = DictionaryFilePath(*remembered.confDir, kDictionaryFileName);
  return path;
}

int NormalizeRcText(std::string& rcText) {
  std::string normalized;
  for (const char c : rcText) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isspace(byte) || c == '+') continue;
    normalized.push_back(static_cast<char>(std::toupper(byte)));
  }
  rcText = std::move(normalized);
  return 0;
}

int GetRcInfo(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info, std::string& path) {
  GetRcTablePath(path);
  return LookUpRcText(FormatRcKey(rc), kRcInfoRunMode, path, info);
}

int LookUpRcText(std::string_view rcText, RunMode mode, const std::string& path, RcInfo& info) {
  ScriptOutput output;
  std::string comment;
  const int result = RunScript(rcText, path, &output, &comment, mode, nullptr);
  if (result < 0) return result;
  info.rcName = Cut(output.rcName, kRcNameMax);
  info.comment = Cut(comment, kRcCommentMax);
  info.fru = CopyFruRows(output, result);
  // Never more rows than the record holds.
  return static_cast<int>(info.fru.size());
}

int GetRcInfo(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info) {
  std::string path;
  return GetRcInfo(rc, info, path);
}

}  // namespace rcv
