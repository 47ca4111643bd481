#include "dict/preloaded_dictionary.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "dict/rc_lookup.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

constexpr std::array<std::uint8_t, kRcKeySize> kFirst = {0x47, 0x01, 0x00, 0x10, 0x00, 0x00, 0x00, 0x01};
constexpr std::array<std::uint8_t, kRcKeySize> kSecond = {0x4A, 0x02, 0x00, 0x20, 0x00, 0x00, 0x00, 0x02};

class PreloadedDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
  }
  void TearDown() override { ReleaseRcDictionary(); }

  void WriteDictionary(std::string_view text) { tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv", text); }

  std::string Name(const std::array<std::uint8_t, kRcKeySize>& rc) {
    RcInfo info;
    const int result = GetRcNamePreloaded(rc, info);
    return std::to_string(result) + "|" + info.rcName;
  }

  fixture::FixtureTree tree_;
};

TEST_F(PreloadedDictionaryTest, VariablesLiveFromLoadToRelease) {
  // The first lookup captures G and sets $sn; the second sees both.
  WriteDictionary(
      "IFDEF,$sn = 1\nSET,%RC-NAME,SECOND {G}\nELSE\nRC-CODE,GH\nSET,$sn,1\nSET,%RC-NAME,FIRST {G}\n\\IFDEF\n"
      "COMMENT,%UNIT,MB\n");
  ASSERT_EQ(1, PreloadRcDictionary());
  EXPECT_EQ("1|FIRST 4", Name(kFirst));
  EXPECT_EQ("1|SECOND 4", Name(kSecond));
}

TEST_F(PreloadedDictionaryTest, KeepsOnlyPrintableAsciiAndLinesEndedByALineFeed) {
  WriteDictionary("SET,%RC-NAME,A\x83\x41Z\r\nCOMMENT,%UNIT,MB\nSET,%RC-NAME,LOST");
  ASSERT_EQ(1, PreloadRcDictionary());
  EXPECT_EQ("1|AAZ", Name(kFirst));
  RcInfo info;
  EXPECT_EQ(1, GetRcInfo(kFirst, info));  // the per-call road keeps the bytes and the last line
  EXPECT_EQ("LOST", info.rcName);
}

TEST_F(PreloadedDictionaryTest, ExecEndsTheRunWithWhatWasSetBefore) {
  WriteDictionary("SET,%RC-NAME,BEFORE\nCOMMENT,%UNIT,MB\nEXEC,other.csv\nSET,%RC-NAME,AFTER\n");
  tree_.WriteFile(tree_.DictionaryDir() / "other.csv", "SET,%RC-NAME,OTHER\n");
  ASSERT_EQ(1, PreloadRcDictionary());
  EXPECT_EQ("1|BEFORE", Name(kFirst));
}

TEST_F(PreloadedDictionaryTest, TheFileIsReadOncePerLoadOfTheCache) {
  WriteDictionary("SET,%RC-NAME,OLD\nCOMMENT,%UNIT,MB\n");
  ASSERT_EQ(1, PreloadRcDictionary());
  WriteDictionary("SET,%RC-NAME,NEW\nCOMMENT,%UNIT,MB\n");
  ASSERT_EQ(1, PreloadRcDictionary());  // loaded twice: the cached image
  EXPECT_EQ("1|OLD", Name(kFirst));
  ReleaseRcDictionary();
  EXPECT_EQ("-3|", Name(kFirst));       // released: no lines, depth still 1
  ASSERT_EQ(1, PreloadRcDictionary());  // released and loaded: read again
  EXPECT_EQ("1|NEW", Name(kFirst));
}

TEST_F(PreloadedDictionaryTest, LongLinesAreCutAndAMissingFileLoadsNothing) {
  WriteDictionary("SET,%RC-NAME," + std::string(2000, 'N') + "\nCOMMENT,%UNIT,MB\n");
  ASSERT_EQ(1, PreloadRcDictionary());
  ASSERT_EQ(2u, LineCount(PreloadedSearchContext()));
  EXPECT_EQ(kPreloadedLineMax, PreloadedSearchContext().lines.LineText(0)->size());
  std::filesystem::remove(tree_.DictionaryDir() / "rcdicttbl.csv");
  ReleaseRcDictionary();
  EXPECT_EQ(0, PreloadRcDictionary());
  EXPECT_EQ(0u, LineCount(PreloadedSearchContext()));
}

}  // namespace
}  // namespace rcv
