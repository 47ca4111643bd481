#include "rcquery/bundle_check.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fixture/fixture_tree.h"
#include "rcquery/rcquery_options.h"

namespace rcv {
namespace {

// A bundle of one file, a.txt, damaged by each row in one way: the manifest
// (none at all where empty) and one more file; the check names the damage.
TEST(BundleCheckTest, EveryDamageIsNamed) {
  const std::string entry = R"("Sha256":"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad")";
  const std::string good = R"({"Files":[{"Path":"a.txt","Size":3,)" + entry + "}]}";
  const struct {
    std::string manifest, extraFile, said;
  } rows[] = {
      {good, "", ""},
      {"", "", "manifest.json can't be read"},
      {R"({"Files":{}})", "", "manifest.json is no manifest"},
      {R"({"Files":[{"Path":"a.txt","Size":"3",)" + entry + "}]}", "", "a file entry without Path, Size and Sha256"},
      {R"({"Files":[{"Path":"../a.txt","Size":3,)" + entry + "}]}", "", "../a.txt: not a path inside the bundle"},
      {R"({"Files":[{"Path":"/a.txt","Size":3,)" + entry + "}]}", "", "/a.txt: not a path inside the bundle"},
      {R"({"Files":[{"Path":"b.txt","Size":3,)" + entry + "}]}", "", "b.txt: missing"},
      {R"({"Files":[{"Path":"a.txt","Size":4,)" + entry + "}]}", "", "a.txt: size differs from the manifest"},
      {good, "c.txt", "c.txt: not in the manifest"},
  };
  for (const auto& row : rows) {
    const fixture::FixtureTree tree;
    tree.WriteFile(tree.root() / "a.txt", "abc");
    if (!row.manifest.empty()) tree.WriteFile(tree.root() / "manifest.json", row.manifest);
    if (!row.extraFile.empty()) tree.WriteFile(tree.root() / row.extraFile, "");
    std::ostringstream out, err;
    const int status = CheckBundle(tree.root().string(), out, err);
    EXPECT_EQ(row.said.empty() ? kRcqueryOk : kRcqueryFailed, status) << row.manifest;
    EXPECT_NE(std::string::npos, err.str().find(row.said)) << err.str();
    EXPECT_EQ(row.said.empty(), err.str().empty()) << err.str();
  }
}

}  // namespace
}  // namespace rcv
