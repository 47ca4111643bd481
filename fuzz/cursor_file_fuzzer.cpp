// Reads arbitrary bytes as rcquery's follow cursor file: the whole input is
// the file, loaded as `rcquery --follow --cursor-file` loads it, over the
// fixed logs of followed_logs.h. A source the cursor names takes its
// position from it and reads on from there; one it doesn't name reads its
// whole log first. Each follower reads twice, and the position it then
// saves, written as text, must load into a fresh follower, as the next run
// would load it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "followed_logs.h"
#include "fuzz_input.h"
#include "fuzz_tree.h"
#include "rcquery/cursor_file.h"
#include "rcquery/follow_source.h"

namespace {

void Follow(std::string_view source, const rcv::Json& cursor) {
  const auto follower = rcv::MakeFollowSource(source);
  const std::string key(source);
  std::string error;
  const bool named = cursor.contains(key);
  // The run ends on a position that isn't one.
  if (named && !follower->LoadPosition(cursor[key], error)) return;
  static_cast<void>(named ? follower->Next() : follower->Start());
  static_cast<void>(follower->Next());
  const rcv::Json saved = rcv::Json::parse(follower->SavePosition().dump());
  if (!rcv::MakeFollowSource(source)->LoadPosition(saved, error)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path cursorFile = [] {
    const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
    rcv::fuzz::WriteFollowedLogs(tree);
    return tree.root() / "cursor.json";
  }();
  rcv::fuzz::FuzzTree().WriteFile(cursorFile, rcv::fuzz::InputText(data, size));
  std::string error;
  const std::optional<rcv::Json> cursor = rcv::LoadCursorFile(cursorFile.string(), error);
  if (!cursor) return 0;
  for (const std::string_view source : {rcv::kRcSource, rcv::kSelSource, rcv::kMarSource}) Follow(source, *cursor);
  return 0;
}
