#include "rcquery/descriptor_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "base/file_writing.h"
#include "rcquery/rcquery_options.h"

namespace rcv {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

bool DescriptorOutput::Write(const char* from, const char* to) {
  if (error_ == 0) error_ = WriteAll(fd_, std::string_view(from, static_cast<std::size_t>(to - from)));
  return error_ == 0;
}

bool DescriptorOutput::Drain() {
  Write(pbase(), pptr());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

// A full buffer is written up to its last line feed, and the started line
// waits for the next write: a reader, or a run killed between two writes,
// never sees half a line. A line longer than the buffer goes out in pieces.
bool DescriptorOutput::DrainWholeLines() {
  const std::string_view buffered(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  const std::size_t lastLineFeed = buffered.rfind('\n');
  if (lastLineFeed == std::string_view::npos) return Drain();
  const std::size_t kept = buffered.size() - lastLineFeed - 1;
  if (!Write(pbase(), pbase() + lastLineFeed + 1)) return false;
  std::memmove(buffer_.data(), pbase() + lastLineFeed + 1, kept);
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  pbump(static_cast<int>(kept));
  return true;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!DrainWholeLines()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorOutput::sync() { return Drain() ? 0 : -1; }

int DescriptorOutput::Close() {
  if (closed_) return error_;
  Drain();
  closed_ = true;
  if (::close(fd_) != 0 && error_ == 0) error_ = errno;
  return error_;
}

int FinishOutput(DescriptorOutput& output, int status, std::string_view program, std::ostream& err) {
  const int error = output.Close();
  if (error == 0 || error == EPIPE) return status;
  err << program << ": write error: " << std::strerror(error) << '\n';
  return kRcqueryFailed;
}

}  // namespace rcv
