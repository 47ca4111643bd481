// The MAR file of an index entry: MarDir, the record's directory, "MARLOG".
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace rcv {

// Builds the path from the entry's directory-name field, cut at its first
// blank or line end. A field that names no directory or one outside the MAR
// directory (nothing but blanks, an absolute name, a ".." component) gives
// no path: false after saying so on `out`.
bool MarFilePath(std::ostream& out, std::string_view marDir, std::string_view dirNameField, std::string& path);

}  // namespace rcv
