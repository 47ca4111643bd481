#include "dict/preloaded_dictionary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dict/dictionary.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

constexpr std::string_view kFirst = "4701001000000001";
constexpr std::string_view kSecond = "4A02002000000002";
const std::string kPath = "/conf/rcdicttbl.csv";

// A dictionary on texts in memory, preloaded from kPath.
class PreloadedDictionaryTest : public ::testing::Test {
 protected:
  void Write(std::string_view text) { files_.Put(kPath, std::string(text)); }

  std::string Name(std::string_view rc) {
    RcInfo info;
    const int result = dictionary_.NamePreloaded(rc, kPath, info).code();
    return std::to_string(result) + "|" + info.rcName;
  }

  MemoryFiles files_;
  std::ostringstream diagnostics_;
  Dictionary dictionary_{files_, diagnostics_};
};

TEST_F(PreloadedDictionaryTest, KeepsOnlyPrintableAsciiAndLinesEndedByALineFeed) {
  Write("SET,%RC-NAME,A\x83\x41Z\r\nCOMMENT,%UNIT,MB\nSET,%RC-NAME,LOST");
  ASSERT_TRUE(dictionary_.Preload(kPath));
  EXPECT_EQ("1|AAZ", Name(kFirst));
  RcInfo info;
  EXPECT_EQ(1, dictionary_.LookUp(kFirst, kRcInfoRunMode, kPath, info).code());  // the per-call road keeps them
  EXPECT_EQ("LOST", info.rcName);
}

TEST_F(PreloadedDictionaryTest, ExecEndsTheRunWithWhatWasSetBefore) {
  Write("SET,%RC-NAME,BEFORE\nCOMMENT,%UNIT,MB\nEXEC,other.csv\nSET,%RC-NAME,AFTER\n");
  files_.Put("/conf/other.csv", "SET,%RC-NAME,OTHER\n");
  ASSERT_TRUE(dictionary_.Preload(kPath));
  EXPECT_EQ("1|BEFORE", Name(kFirst));
}

TEST_F(PreloadedDictionaryTest, TheFileIsReadOncePerLoadOfTheCache) {
  EXPECT_EQ("-99|", Name(kFirst));  // before the first load: depth 0, nothing collected
  Write("SET,%RC-NAME,OLD\nCOMMENT,%UNIT,MB\n");
  ASSERT_TRUE(dictionary_.Preload(kPath));
  Write("SET,%RC-NAME,NEW\nCOMMENT,%UNIT,MB\n");
  ASSERT_TRUE(dictionary_.Preload(kPath));  // loaded twice: the cached image
  EXPECT_EQ("1|OLD", Name(kFirst));
  dictionary_.ReleasePreloaded();
  EXPECT_EQ("-3|", Name(kFirst));           // released: no lines, depth still 1
  ASSERT_TRUE(dictionary_.Preload(kPath));  // released and loaded: read again
  EXPECT_EQ("1|NEW", Name(kFirst));
}

TEST_F(PreloadedDictionaryTest, LongLinesAreCutAndAMissingFileLoadsNothing) {
  Write("SET,%RC-NAME," + std::string(2000, 'N') + "\nCOMMENT,%UNIT,MB\n");
  ASSERT_TRUE(dictionary_.Preload(kPath));
  ASSERT_EQ(2u, LineCount(dictionary_.preloadedContext()));
  EXPECT_EQ(kPreloadedLineMax, dictionary_.preloadedContext().lines.LineText(0)->size());
  {
    const PreloadedDictionary missing(dictionary_, "/conf/none.csv");
    EXPECT_FALSE(missing.loaded());
  }
  EXPECT_EQ(0u, LineCount(dictionary_.preloadedContext()));
}

// A caller's context inside an EXEC chain (depth 2): the nested run
// collects nothing and steps the depth down, so the next run is the
// outermost one and collects.
TEST_F(PreloadedDictionaryTest, ANestedRunLowersTheDepthAndTheNextOneCollects) {
  SearchContext context;
  dictionary_.Lend(context);
  context.lines.AppendLine("SET,%RC-NAME,NAMED");
  context.runDepth = 2;
  ScriptOutput output;
  EXPECT_EQ(kRunNotCollected, dictionary_.RunPreloaded(kFirst, kPath, &output, nullptr, RunFru, &context).code());
  EXPECT_EQ(1, context.runDepth);
  EXPECT_EQ(0, dictionary_.RunPreloaded(kFirst, kPath, &output, nullptr, RunFru, &context).code());
  EXPECT_EQ("NAMED", output.rcName);
  EXPECT_EQ(1, context.runDepth);
}

// The process-wide faces on a tree of files: the path from the setup file.
TEST(PreloadedFacesTest, LoadNameAndRelease) {
  fixture::FixtureTree tree;
  tree.WriteSetup();
  tree.Activate();
  tree.WriteFile(tree.DictionaryDir() / "rcdicttbl.csv", "SET,%RC-NAME,PRELOADED\nCOMMENT,%UNIT,MB\n");
  ASSERT_EQ(1, PreloadRcDictionary());
  RcInfo info;
  EXPECT_EQ(1, GetRcNamePreloaded(std::array<std::uint8_t, kRcKeySize>{0x47, 1}, info));
  EXPECT_EQ("PRELOADED", info.rcName);
  ReleaseRcDictionary();
}

}  // namespace
}  // namespace rcv
