// `rcquery bundle DIR`: one folder that a support engineer can check and
// read without the machine: the logs and the trap table byte for byte,
// the SEL as raw records, every source as JSON Lines, the identity block
// and a manifest with each file's size and SHA-256.
// `rcquery bundle --check DIR` verifies every checksum of such a folder.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "rcquery/query_time.h"

namespace rcv {

inline constexpr std::string_view kBundleCommand = "bundle";

// Runs `bundle` on its arguments (those after the word "bundle"); `now`
// is the capture time. Returns the exit status.
int RunBundle(std::span<const std::string> args, std::ostream& out, std::ostream& err, QueryTime now);

}  // namespace rcv
