#include "shell/file_block.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "fixture/fixture_tree.h"
#include "support/file_size_limit.h"

namespace rcv {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(WriteFileBlockTest, RewritesInPlaceWithoutCreatingOrTruncating) {
  fixture::FixtureTree tree;
  tree.WriteFile("log", "0123456789");
  const std::string path = (tree.root() / "log").string();

  EXPECT_EQ(kFileOk, WriteFileBlock(path, Bytes("ab")));
  EXPECT_EQ("ab23456789", tree.ReadFile("log"));
  EXPECT_EQ(kFileOk, WriteFileBlock(path, Bytes("XY"), 4));
  EXPECT_EQ("ab23XY6789", tree.ReadFile("log"));

  const auto missing = tree.root() / "missing";
  EXPECT_EQ(kFileOpenFailed, WriteFileBlock(missing.string(), Bytes("ab")));
  EXPECT_FALSE(std::filesystem::exists(missing));
}

// A write that the file size limit cuts short says how much went in.
TEST(WriteFileBlockTest, AWriteCutShortSaysHowMuchWentIn) {
  fixture::FixtureTree tree;
  tree.WriteFile("log", "0123456789");
  std::string reason;
  const int result = [&] {
    const fixture::FileSizeLimit limit(12);
    return WriteFileBlock((tree.root() / "log").string(), Bytes("abcdef"), 8, &reason);
  }();
  EXPECT_EQ(kFileShortWrite, result);
  EXPECT_EQ("wrote 4 of 6 bytes", reason);
}

TEST(WriteFileBlockTest, AFullDeviceIsAShortWrite) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
  EXPECT_EQ(kFileShortWrite, WriteFileBlock("/dev/full", Bytes("ab")));
}

}  // namespace
}  // namespace rcv
