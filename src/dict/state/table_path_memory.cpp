#include "dict/state/table_path_memory.h"

#include "shell/setup_file.h"

namespace rcv {

const std::optional<std::string>& TablePathMemory::ConfDir(const std::string& setupPath) {
  std::string image;
  const FileWatch::State state = watch_.Refresh(setupPath, image);
  if (setupPath == setupPath_ && state == FileWatch::State::kUnchanged) return confDir_;
  std::string confDir;
  setupPath_ = setupPath;
  confDir_.reset();
  if (GetSetupValue("COMMON", "CONF_DIR", setupPath, kSetupValueSize, confDir) == 0) confDir_ = confDir;
  return confDir_;
}

}  // namespace rcv
