#include "rcdict/rcdict_options.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

// Each command line with the refusal it earns, or none.
TEST(RcdictOptionsTest, EachMisuseIsRefusedWithItsReason) {
  const struct {
    std::vector<std::string> args;
    std::string error;
  } rows[] = {
      {{"rcdict", "--dict", "/d", "lookup", "--lang", "JP", "--json", "47"}, ""},
      {{"rcdict", "lookup", "--preloaded", "47", "48"}, ""},
      {{"rcdict", "cover", "rc.log"}, ""},
      {{"rcdict", "check", "--help"}, ""},
      {{"rcdict", "--version"}, ""},
      {{"rcdict"}, "no command given"},
      {{"rcdict", "--bogus", "check"}, "unknown option or option without its value: --bogus"},
      {{"rcdict", "check", "--dict"}, "unknown option or option without its value: --dict"},
      {{"rcdict", "lookup", "--lang", "EN"}, "--lang takes JP or US"},
      {{"rcdict", "frob"}, "unknown command frob"},
      {{"rcdict", "check", "--preloaded"}, "--preloaded belongs to lookup"},
      {{"rcdict", "cover", "--lang", "US"}, "--lang belongs to lookup"},
      {{"rcdict", "lookup", "--lang", "US", "--preloaded"}, "--lang can't be used with --preloaded (names only)"},
      {{"rcdict", "check", "rc.log"}, "check takes no operands"},
      {{"rcdict", "cover", "a", "b"}, "cover takes at most one rc.log"},
  };
  for (const auto& row : rows) {
    std::string error;
    const std::optional<RcdictOptions> options = ParseRcdictOptions(row.args, error);
    EXPECT_EQ(row.error, error) << row.args.back();
    EXPECT_EQ(row.error.empty(), options.has_value()) << row.args.back();
  }
}

}  // namespace
}  // namespace rcv
