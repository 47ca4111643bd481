// The dictionary directory (CONF_DIR of the setup file) as a dictionary
// remembers it: every lookup asks, and the setup file is read again only
// when it changed.
#pragma once

#include <optional>
#include <string>

#include "shell/file_watch.h"

namespace rcv {

class TablePathMemory {
 public:
  // CONF_DIR of the setup file at `setupPath`, or nothing when it can't be
  // read.
  const std::optional<std::string>& ConfDir(const std::string& setupPath);

 private:
  std::string setupPath_;
  FileWatch watch_;
  std::optional<std::string> confDir_;
};

}  // namespace rcv
