#include "marlog/mar_file_path.h"

#include <vector>

#include "marlog/text_pieces.h"

namespace rcv {

bool MarFilePath(std::ostream& out, std::string_view marDir, std::string_view dirNameField, std::string& path) {
  const std::vector<std::string_view> words = SplitFields(dirNameField, " \n");
  const std::string_view name = words.empty() ? std::string_view() : words.front();
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) {
    out << "MAR directory name invalid.\n";
    return false;
  }
  path = std::string(marDir) + std::string(name) + "/MARLOG";
  return true;
}

}  // namespace rcv
