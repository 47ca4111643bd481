#include "rcquery/descriptor_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "rcquery/rcquery_options.h"

namespace rcv {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

bool DescriptorOutput::Drain() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      break;
    }
    next += written;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
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
