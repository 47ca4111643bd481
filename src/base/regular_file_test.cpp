#include "base/regular_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

// Every road that reads a file: each must refuse what is no plain file.
std::string Readers(const std::string& path) {
  std::string content;
  return std::string(OpenRegularFd(path).valid() ? "F" : "-") + (OpenRegularFile(path) ? "F" : "-") +
         (ReadRegularFile(path, content) ? "F" : "-") + (IsReadableRegularFile(path) ? "F" : "-");
}

TEST(RegularFileTest, OnlyPlainFilesOpen) {
  fixture::FixtureTree tree;
  tree.WriteFile("plain", "text");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {(tree.root() / "plain").string(), "FFFF"},
      {tree.root().string(), "----"},
      {"/dev/zero", "----"},
      // Regular to stat, but endless: a dictionary EXEC of it read until memory ran out.
      {"/proc/self/pagemap", "----"},
      {"/proc/self/status", "----"},
      {"/sys/kernel/mm/transparent_hugepage/enabled", "----"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(expected, Readers(path)) << path;
}

}  // namespace
}  // namespace rcv
