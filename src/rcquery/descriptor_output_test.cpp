#include "rcquery/descriptor_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <sstream>

namespace rcv {
namespace {

constexpr int kStatus = 7;

// Writes a text larger than the buffer and closes the output.
int WriteAndFinish(int fd, std::ostream& err) {
  DescriptorOutput output(fd);
  std::ostream out(&output);
  out << std::string(kOutputBufferSize * 2, 'x') << '\n';
  return FinishOutput(output, kStatus, "rcquery", err);
}

TEST(DescriptorOutputTest, AFullDeviceIsAWriteError) {
  std::ostringstream err;
  EXPECT_EQ(1, WriteAndFinish(::open("/dev/full", O_WRONLY), err));
  EXPECT_EQ("rcquery: write error: No space left on device\n", err.str());
}

TEST(DescriptorOutputTest, AClosedPipeEndsQuietly) {
  const auto previous = std::signal(SIGPIPE, SIG_IGN);
  int ends[2];
  ASSERT_EQ(0, ::pipe(ends));
  ::close(ends[0]);
  std::ostringstream err;
  EXPECT_EQ(kStatus, WriteAndFinish(ends[1], err));
  EXPECT_EQ("", err.str());
  std::signal(SIGPIPE, previous);
}

off_t SizeOf(const char* path) {
  struct stat info {};
  ::stat(path, &info);
  return info.st_size;
}

TEST(DescriptorOutputTest, WhatIsWrittenArrivesWhole) {
  char path[] = "/tmp/rcquery-output-XXXXXX";
  const int fd = ::mkstemp(path);
  ASSERT_GE(fd, 0);
  std::ostringstream err;
  EXPECT_EQ(kStatus, WriteAndFinish(fd, err));
  EXPECT_EQ("", err.str());
  EXPECT_EQ(static_cast<off_t>(kOutputBufferSize * 2 + 1), SizeOf(path));
  ::unlink(path);
}

// A run killed while its buffer holds part of a line must not leave that
// part behind: a full buffer is written only up to its last whole line.
TEST(DescriptorOutputTest, AFullBufferWritesOnlyWholeLines) {
  char path[] = "/tmp/rcquery-output-XXXXXX";
  const int fd = ::mkstemp(path);
  ASSERT_GE(fd, 0);
  constexpr off_t kLineLength = 1000;
  DescriptorOutput output(fd);
  std::ostream out(&output);
  for (int line = 0; line < 100; ++line) out << std::string(kLineLength - 1, 'x') << '\n';
  EXPECT_GT(SizeOf(path), 0);
  EXPECT_EQ(0, SizeOf(path) % kLineLength);
  EXPECT_EQ(0, output.Close());
  EXPECT_EQ(100 * kLineLength, SizeOf(path));
  ::unlink(path);
}

}  // namespace
}  // namespace rcv
