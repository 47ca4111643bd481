// The dictionary directory (CONF_DIR of the setup file) as a dictionary
// remembers it: every lookup asks, and the setup file is read again only
// when it changed, which the dictionary's file cache tells.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "dict/source/script_sources.h"

namespace rcv {

class TablePathMemory {
 public:
  // CONF_DIR of the setup file at `setupPath`, or nothing when it can't be
  // read.
  const std::optional<std::string>& ConfDir(ScriptSources& sources, const std::string& setupPath);

 private:
  bool known_ = false;
  std::string setupPath_;
  // The setup file as the cache last gave it: another one is a change.
  std::shared_ptr<const CompanionFile> setup_;
  std::optional<std::string> confDir_;
};

}  // namespace rcv
