#include "shell/options.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

std::vector<std::string> Line(std::initializer_list<std::string> words) {
  std::vector<std::string> args = {"rcviewer"};
  args.insert(args.end(), words);
  return args;
}

int Parse(const std::vector<std::string>& args) {
  std::array<OptionEntry, 3> table = {
      {{"-o", true, true, 2, {}}, {"-c", true, true, 2, {}}, {"-f", true, true, 2, {}}}};
  return ParseOptions(args, ModeFromArguments(args), table);
}

TEST(ParseOptionsTest, Results) {
  EXPECT_EQ(0, Parse(Line({"-o", "sr", "-c", "10", "-f", "/tmp/x"})));
  EXPECT_EQ(0, Parse(Line({"tonbar47", "-f", "a", "-o", "ds"})));
  EXPECT_EQ(0, Parse(Line({"tonbar47"})));
  EXPECT_EQ(-2, Parse(Line({})));                        // user mode, nothing read
  EXPECT_EQ(-2, Parse(Line({"-o"})));                    // value missing at the end
  EXPECT_EQ(-2, Parse(Line({"-o", "-c", "1"})));         // option where a value belongs
  EXPECT_EQ(-1, Parse(Line({"-x", "1"})));               // unknown option
  EXPECT_EQ(-1, Parse(Line({"-o", "sr", "-o", "ds"})));  // given twice
  EXPECT_EQ(-1, Parse(Line({"-o", "sr", "stray"})));
  EXPECT_EQ(-1, Parse(Line({"tonbar4", "-o", "sr"})));  // mistyped code
  EXPECT_EQ(-1, Parse(Line({"-osr"})));                 // the value is always the next word
}

TEST(ParseOptionsTest, PrefixAndSwitchRows) {
  std::array<OptionEntry, 2> table = {{{"-v", false, false, 0, {}}, {"-n", true, false, 2, {}}}};
  std::vector<std::string> args = Line({"-v", "-n12"});
  EXPECT_EQ(0, ParseOptions(args, ViewMode::kUser, table));
  EXPECT_EQ("", table[0].value);
  EXPECT_EQ("12", table[1].value);
  args = Line({"-n", "7"});
  EXPECT_EQ(0, ParseOptions(args, ViewMode::kUser, table));
  EXPECT_FALSE(table[0].value);
  EXPECT_EQ("7", table[1].value);
}

TEST(ReadRunOptionsTest, FaultyLinesAndOverlongValuesResetEverything) {
  for (const auto& args : {Line({"-o", "sr", "-x"}), Line({"-o", "dr", "-o", "ds"}), Line({"-o", "0123456789"}),
                           Line({"-o", "sr", "-f", std::string(513, 'f')})}) {
    const RunOptions options = ReadRunOptions(args, ViewMode::kUser);
    EXPECT_FALSE(options.singleCommand);
    EXPECT_FALSE(options.saveRcRun);
    EXPECT_EQ("", options.outputFile);
    EXPECT_EQ(0, options.recordLimit);
  }
  const RunOptions longest = ReadRunOptions(Line({"-o", "012345678", "-f", std::string(512, 'f')}), ViewMode::kUser);
  EXPECT_TRUE(longest.singleCommand);
  EXPECT_EQ(512u, longest.outputFile.size());
}

}  // namespace
}  // namespace rcv
