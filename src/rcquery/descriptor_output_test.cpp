#include "rcquery/descriptor_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
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

TEST(DescriptorOutputTest, WhatIsWrittenArrivesWhole) {
  char path[] = "/tmp/rcquery-output-XXXXXX";
  const int fd = ::mkstemp(path);
  ASSERT_GE(fd, 0);
  std::ostringstream err;
  EXPECT_EQ(kStatus, WriteAndFinish(fd, err));
  EXPECT_EQ("", err.str());
  EXPECT_EQ(static_cast<off_t>(kOutputBufferSize * 2 + 1), [&path] {
    struct stat info {};
    ::stat(path, &info);
    return info.st_size;
  }());
  ::unlink(path);
}

}  // namespace
}  // namespace rcv
