#include "dict/interp/rc_code_match.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "dict/state/search_context.h"

namespace rcv {
namespace {

TEST(RcCodeMatchTest, PrefixesBlanksAndCaptures) {
  // "captured" lists the variables set, as name=value pairs.
  // clang-format off
  const std::tuple<std::string, std::string, int, std::string> cases[] = {
      {"4701A0B2C3D4E5F6", "47", 0, ""},    {"4701A0B2C3D4E5F6", "", 0, ""},  {"47", "4701A0", 0, ""},
      {"4701A0B2C3D4E5F6", "48", -1, ""},   {"4701A0B2C3D4E5F6", "4701A1", -1, ""},
      {"4701A0B2C3D4E5F6", "4 7 0 1", 0, ""}, {"47 01", " 4701A0", 0, ""},
      // X takes the fourth character (the last capture of a letter wins), ab the ninth
      {"47A10000F00E", "47XX0000ab00", 0, "X=1 ab=F"}, {"47A10001F00E", "47XX0000ab00", -1, ""},
      // lower-case hexadecimal letters name variables instead
      {"4C1", "4a01", 0, "a0=C"}, {"4C2", "4a01", -1, ""},
      {"47", "4z", 0, "z=7"},  // a lower-case letter at the very end names a one-character variable
      // blanks at the pattern's end are skipped, then the RC's next character meets the end: a mismatch
      {"1FC70A0B12345678", "1F ", -1, ""}, {"1FC70A0B12345678", " ", -1, ""}, {"1F", "1F ", 0, ""},
  };
  // clang-format on
  for (const auto& [rc, pattern, result, captured] : cases) {
    SearchContext context;
    EXPECT_EQ(result, MatchRcCode(rc, pattern, context)) << rc << " " << pattern;
    std::string seen;
    for (const char* name : {"X", "ab", "a0", "z"}) {
      if (const auto value = GetVariable(name, context); value && result == 0) {
        seen += (seen.empty() ? "" : " ") + std::string(name) + "=" + *value;
      }
    }
    EXPECT_EQ(captured, seen) << rc << " " << pattern;
  }
}

}  // namespace
}  // namespace rcv
