#include "shell/setup_file.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

class SetupFileTest : public ::testing::Test {
 protected:
  // Looks the key up in a setup file holding `text`; returns the value, or
  // "<-1:reason>" when the lookup fails.
  std::string Lookup(std::string_view text, std::string_view section, std::string_view key,
                     std::size_t size = kSetupValueSize) {
    tree_.WriteFile("setup.conf", text);
    std::string value = "<untouched>";
    std::string message;
    if (GetSetupValue(section, key, (tree_.root() / "setup.conf").string(), size, value, &message) != 0) {
      return "<-1:" + message + ">";
    }
    return value;
  }

  fixture::FixtureTree tree_;
};

// Values are trimmed of blanks and of one quote each side, but keep a
// carriage return; a key line must start with the key and "="; sections bound
// the search; long values are cut to the caller's size, and the piece of a
// line after its first 511 characters is a line of its own.
TEST_F(SetupFileTest, Lookups) {
  const std::string notFound = "<-1:KOUMOKU not found.>", notInSection = "<-1:Paramater not found.>";
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"[COMMON]\nCODE=  \"Server X\"  \n", "Server X"},
      {"[COMMON]\nCODE=abc\"def\n", "abc\"def"},
      {"[COMMON]\nCODE=\"abc\n", "abc"},
      {"[COMMON]\nCODE=abc\"\n", "abc"},
      {"[COMMON]\nCODE=\ta \"b\" c\t\n", "a \"b\" c"},
      {"[COMMON]\r\nCODE=abc\r\n", "abc\r"},
      {"[COMMON]\n CODE=x\n", notFound},
      {"[COMMON]\nCODE =x\n", notFound},
      {"[COMMON]\n#CODE=x\n;CODE=y\n", notFound},
      {"[COMMON]\n#CODE=x\n;CODE=y\nCODE=z\nCODE=w\n", "z"},
      {"[COMMON]\nCODE_2=y\nCODE=x\n", "x"},
      {"[COMMON]\nA=1\n[MAG]\nCODE=2\n", notInSection},
      {"[COMMON]\nA=1\n[MAG]\nB=1\n[COMMON]\nCODE=3\n", notInSection},
      {"[MAG]\nCODE=2\n", notFound},
      {"CODE=1\n[COMMON]\nA=1\n", notFound},
      {"CODE=1\n[COMMON] trailing words\nCODE=9\n", "9"},
      {"[common]\nCODE=1\n", notFound},
      {" [COMMON]\nCODE=1\n", notFound},
      {"", notFound},
      {"[COMMON]\nCODE=" + std::string(300, 'v') + "\n", std::string(128, 'v')},
      {"[COMMON]\n" + std::string(511, 'x') + "CODE=piece\n", "piece"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, Lookup(c.text, "COMMON", "CODE")) << c.text;
  EXPECT_EQ("1234567", Lookup("[MAG]\nMAR_STACK_MAX=123456789\n", "MAG", "MAR_STACK_MAX", 8));
}

}  // namespace
}  // namespace rcv
