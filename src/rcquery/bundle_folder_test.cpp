#include "rcquery/bundle_folder.h"

#include <gtest/gtest.h>

#include <functional>

#include "fixture/fixture_tree.h"
#include "support/file_size_limit.h"

namespace rcv {
namespace {

namespace fs = std::filesystem;

// A bundle that can't be written whole leaves nothing behind: the first
// failure is kept, nothing after it is tried, and the temporary folder goes.
TEST(BundleFolderTest, AFailedWriteLeavesNoBundle) {
  const fixture::FixtureTree tree;
  const fs::path target = tree.root() / "bundle";
  const auto failureOf = [&target](const std::function<void(BundleFolder&)>& write) {
    BundleFolder bundle(target);
    bundle.Write("a", "1");
    write(bundle);
    bundle.Write("later", "2");
    bundle.Finish(Json::object());
    return bundle.failure();
  };
  const std::string blocked = failureOf([](BundleFolder& bundle) { bundle.Write("a/b", "1"); });
  EXPECT_TRUE(blocked.starts_with("can't create " + target.string() + ".partial-")) << blocked;
  EXPECT_TRUE(blocked.ends_with("/a: Not a directory")) << blocked;
  EXPECT_TRUE(failureOf([](BundleFolder& bundle) {
                const fixture::FileSizeLimit limit(8);
                bundle.Write("large", std::string(100, 'x'));
              }).ends_with("/large: File too large"));
  EXPECT_TRUE(fs::is_empty(tree.root()));
}

}  // namespace
}  // namespace rcv
