#include "dict/source/file_source.h"

#include "base/regular_file.h"

namespace rcv {

DiskFiles::DiskFiles(Changes changes) {
  if (changes == Changes::kNotified) watch_ = std::make_unique<PathWatch>();
}

FileWatch::State DiskFiles::Refresh(const std::string& path, FileWatch& watch, std::string& image) {
  return watch.Refresh(path, image);
}

bool DiskFiles::Read(const std::string& path, std::string& image) { return ReadRegularFile(path, image); }

bool DiskFiles::IsReadable(const std::string& path) { return IsReadableRegularFile(path); }

FileWatch::State MemoryFiles::Refresh(const std::string& path, FileWatch&, std::string& image) {
  return Read(path, image) ? FileWatch::State::kChanged : FileWatch::State::kUnreadable;
}

bool MemoryFiles::Read(const std::string& path, std::string& image) {
  const auto found = files_.find(path);
  if (found == files_.end()) return false;
  image = found->second;
  return true;
}

}  // namespace rcv
