#include "dict/state/table_path_memory.h"

#include "shell/setup_file.h"

namespace rcv {

const std::optional<std::string>& TablePathMemory::ConfDir(ScriptSources& sources, const std::string& setupPath) {
  std::shared_ptr<const CompanionFile> setup = sources.Companion(setupPath);
  // A setup file the files don't hold (a dictionary on texts in memory) is
  // read from the disk every time.
  if (known_ && setup && setupPath == setupPath_ && setup == setup_) return confDir_;
  std::string confDir;
  known_ = true;
  setupPath_ = setupPath;
  setup_ = std::move(setup);
  confDir_.reset();
  if (GetSetupValue("COMMON", "CONF_DIR", setupPath, kSetupValueSize, confDir) == 0) confDir_ = confDir;
  return confDir_;
}

}  // namespace rcv
