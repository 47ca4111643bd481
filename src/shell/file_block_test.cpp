#include "shell/file_block.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <vector>

#include "fixture/fixture_tree.h"

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
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = 12;
  setrlimit(RLIMIT_FSIZE, &limited);
  std::string reason;
  const int result = WriteFileBlock((tree.root() / "log").string(), Bytes("abcdef"), 8, &reason);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(kFileShortWrite, result);
  EXPECT_EQ("wrote 4 of 6 bytes", reason);
}

TEST(WriteFileBlockTest, AFullDeviceIsAShortWrite) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
  EXPECT_EQ(kFileShortWrite, WriteFileBlock("/dev/full", Bytes("ab")));
}

}  // namespace
}  // namespace rcv
