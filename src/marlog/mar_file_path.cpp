#include "marlog/mar_file_path.h"

#include <algorithm>
#include <vector>

#include "marlog/text_pieces.h"
#include "shell/failure_report.h"

namespace rcv {

namespace {

// An index line could otherwise make the screen show any file of the
// machine: a name that starts at the root or climbs with "..". A name that
// stays below the MAR directory ("." or "a/b") is followed as written.
bool LeavesMarDir(std::string_view name) {
  if (name.starts_with('/')) return true;
  const std::vector<std::string_view> parts = SplitFields(name, "/");
  return std::find(parts.begin(), parts.end(), "..") != parts.end();
}

}  // namespace

bool MarFilePath(std::ostream& out, std::string_view marDir, std::string_view dirNameField, std::string& path) {
  const std::vector<std::string_view> words = SplitFields(dirNameField, " \n");
  const std::string_view name = words.empty() ? std::string_view() : words.front();
  if (name.empty() || LeavesMarDir(name)) {
    out << "MAR directory name invalid.\n";
    ReportFileFailure(std::string(marDir) + "marlog.idx",
                      name.empty() ? "a record without a folder name"
                                   : "folder name \"" + std::string(name) + "\" leaves the MAR folder");
    return false;
  }
  path = std::string(marDir) + std::string(name) + "/MARLOG";
  return true;
}

}  // namespace rcv
