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

TEST_F(SetupFileTest, ValuesAreTrimmedOfBlanksAndOneQuoteEachSide) {
  EXPECT_EQ("Server X", Lookup("[COMMON]\nMODEL_NAME=  \"Server X\"  \n", "COMMON", "MODEL_NAME"));
  EXPECT_EQ("abc\"def", Lookup("[COMMON]\nCODE=abc\"def\n", "COMMON", "CODE"));
  EXPECT_EQ("abc", Lookup("[COMMON]\nCODE=\"abc\n", "COMMON", "CODE"));
  EXPECT_EQ("abc", Lookup("[COMMON]\nCODE=abc\"\n", "COMMON", "CODE"));
  EXPECT_EQ("a \"b\" c", Lookup("[COMMON]\nCODE=\ta \"b\" c\t\n", "COMMON", "CODE"));
}

TEST_F(SetupFileTest, KeyLinesMustStartWithTheKeyAndEquals) {
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup("[COMMON]\n CODE=x\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup("[COMMON]\nCODE =x\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup("[COMMON]\n#CODE=x\n;CODE=y\n", "COMMON", "CODE"));
  EXPECT_EQ("z", Lookup("[COMMON]\n#CODE=x\n;CODE=y\nCODE=z\nCODE=w\n", "COMMON", "CODE"));
  EXPECT_EQ("x", Lookup("[COMMON]\nCODE_2=y\nCODE=x\n", "COMMON", "CODE"));
}

TEST_F(SetupFileTest, SectionsBoundTheSearch) {
  EXPECT_EQ("<-1:Paramater not found.>", Lookup("[COMMON]\nA=1\n[MAG]\nCODE=2\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:Paramater not found.>", Lookup("[COMMON]\nA=1\n[MAG]\nB=1\n[COMMON]\nCODE=3\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup("[MAG]\nCODE=2\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup("CODE=1\n[COMMON]\nA=1\n", "COMMON", "CODE"));
  EXPECT_EQ("9", Lookup("CODE=1\n[COMMON] trailing words\nCODE=9\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup("[common]\nCODE=1\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup(" [COMMON]\nCODE=1\n", "COMMON", "CODE"));
  EXPECT_EQ("<-1:KOUMOKU not found.>", Lookup("", "COMMON", "CODE"));
}

TEST_F(SetupFileTest, CarriageReturnStaysInTheValue) {
  EXPECT_EQ("abc\r", Lookup("[COMMON]\r\nCODE=abc\r\n", "COMMON", "CODE"));
}

TEST_F(SetupFileTest, LongValuesAreCutToTheCallersSize) {
  const std::string longValue(300, 'v');
  EXPECT_EQ(std::string(128, 'v'), Lookup("[COMMON]\nCODE=" + longValue + "\n", "COMMON", "CODE"));
  EXPECT_EQ("1234567", Lookup("[MAG]\nMAR_STACK_MAX=123456789\n", "MAG", "MAR_STACK_MAX", 8));
}

TEST_F(SetupFileTest, LinesLongerThanTheBufferAreReadInPieces) {
  // The piece after the first 511 characters is a line of its own, so a
  // key that starts it is found.
  const std::string line = std::string(511, 'x') + "CODE=piece\n";
  EXPECT_EQ("piece", Lookup("[COMMON]\n" + line, "COMMON", "CODE"));
}

}  // namespace
}  // namespace rcv
