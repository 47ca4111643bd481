#include "dict/source/script_sources.h"

namespace rcv {
namespace {

// Past this many paths asked about, what was learnt of them starts afresh.
constexpr std::size_t kReadablePathsMax = 1u << 16;

}  // namespace

std::uint64_t ScriptSources::BeginLookup() {
  if (inLookup_) return lookup_;
  inLookup_ = lookupsMarked_;
  ++lookup_;
  if (files_.TakeChanges()) {
    scripts_.Clear();
    companions_.Clear();
    readable_.clear();
  }
  return lookup_;
}

bool ScriptSources::IsReadable(const std::string& path) {
  const std::uint64_t lookup = BeginLookup();
  if (readable_.size() >= kReadablePathsMax && !readable_.contains(path)) readable_.clear();
  Readable& known = readable_[path];
  if (known.freshness.Current(lookup)) return known.readable;
  known.freshness.Look(files_, path, lookup);
  known.readable = files_.IsReadable(path);
  return known.readable;
}

}  // namespace rcv
