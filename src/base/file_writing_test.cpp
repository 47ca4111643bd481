#include "base/file_writing.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "base/regular_file.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

// Each step that can fail, reached with a real failure: a file in a missing
// folder isn't created, and a full device takes the open but not the write.
TEST(FileWritingTest, SaysWhichStepFailedWithWhichError) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
  const fixture::FixtureTree tree;
  const std::string written = (tree.root() / "written").string();
  const struct {
    std::string path;
    WriteStep failedStep;
    int error;
  } cases[] = {
      {(tree.root() / "gone/file").string(), WriteStep::kCreate, ENOENT},
      {"/dev/full", WriteStep::kWrite, ENOSPC},
      {written, WriteStep::kNone, 0},
  };
  for (const auto& [path, failedStep, error] : cases) {
    const FileWriteResult result = WriteFileDurably(path, "text\n", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    EXPECT_EQ(failedStep, result.failedStep) << path;
    EXPECT_EQ(error, result.error) << path;
  }
  std::string content;
  EXPECT_TRUE(ReadRegularFile(written, content));
  EXPECT_EQ("text\n", content);
  EXPECT_EQ(0, SyncFolder(tree.root()));
  EXPECT_EQ(ENOENT, SyncFolder(tree.root() / "gone"));
}

}  // namespace
}  // namespace rcv
