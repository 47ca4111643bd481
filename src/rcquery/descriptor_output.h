// Standard output for output that scripts rely on: written through a
// buffer of its own with write(2), so that a failed write is seen with its
// reason, and closed at exit, so that even the last write is checked.
#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace rcv {

inline constexpr std::size_t kOutputBufferSize = std::size_t{64} * 1024;

class DescriptorOutput : public std::streambuf {
 public:
  explicit DescriptorOutput(int fd);
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  // Writes what is buffered and closes the descriptor. Returns 0, or the
  // errno of the first write or close that failed.
  int Close();
  // The errno of the first failed write, or 0.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Write(const char* from, const char* to);
  bool Drain();
  bool DrainWholeLines();

  int fd_;
  int error_ = 0;
  bool closed_ = false;
  std::array<char, kOutputBufferSize> buffer_{};
};

// The exit status once the output is closed: `status` when every write
// succeeded or the reader closed the pipe (which ends quietly); else the
// failure status after "<program>: write error: <reason>" on `err`.
int FinishOutput(DescriptorOutput& output, int status, std::string_view program, std::ostream& err);

}  // namespace rcv
