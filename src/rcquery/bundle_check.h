// `rcquery bundle --check DIR`: every file the manifest lists has its size
// and SHA-256, and the folder holds no file the manifest doesn't list.
#pragma once

#include <ostream>
#include <string>

namespace rcv {

// Prints each mismatch to `err` and a summary to `out`; returns 0 when the
// bundle is whole, 1 when it isn't or has no readable manifest.
int CheckBundle(const std::string& folder, std::ostream& out, std::ostream& err);

}  // namespace rcv
