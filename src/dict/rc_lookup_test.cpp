#include "dict/rc_lookup.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

constexpr std::array<std::uint8_t, kRcKeySize> kKey = {0x47, 0x01, 0xA0, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6};

std::string Describe(int result, const RcInfo& info) {
  std::ostringstream text;
  text << result << "|" << info.rcName << "|";
  for (const RcFruRow& row : info.fru) {
    text << row.unitMnemonic << "/" << row.fruMnemonic << "/" << row.actionCode << "/" << row.weight << " ";
  }
  text << "|" << info.comment;
  return text.str();
}

class RcLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
  }

  void WriteDictionary(std::string_view text) { tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv", text); }

  std::string Lookup() {
    RcInfo info;
    const int result = GetRcInfo(kKey, info);
    return Describe(result, info);
  }

  fixture::FixtureTree tree_;
};

TEST_F(RcLookupTest, CopiesNameRowsAndCommentAtTheRecordWidths) {
  WriteDictionary(
      "RC-CODE,4701A0B2C3D4E5F6\n"
      "SET,%RC-NAME,A name of exactly forty characters, cut\n"
      "COMMENT,%UNIT,UNITLONG9\nCOMMENT,%FRU,FRU-MNEMONIC-LONG\nCOMMENT,%ACT,ACT9\nCOMMENT,%WEIGHT,W123\n"
      "COMMENT,%MSG,first\nCOMMENT,%MSG,second\n");
  EXPECT_EQ("1|A name of exactly forty charact|UNITLON/FRU-MNEMONIC-LO/ACT/W12 |first\nsecond\n", Lookup());
  // The same RC looked up again gives the same record.
  EXPECT_EQ("1|A name of exactly forty charact|UNITLON/FRU-MNEMONIC-LO/ACT/W12 |first\nsecond\n", Lookup());
}

TEST_F(RcLookupTest, NameWithoutRowsAndNoEntry) {
  WriteDictionary("RC-CODE,47\nSET,%RC-NAME,named\nCOMMENT,%MSG,text\n");
  EXPECT_EQ("0|named||text\n", Lookup());
  WriteDictionary("RC-CODE,48\nSET,%RC-NAME,other\n");
  EXPECT_EQ("-3|||", Lookup());
}

TEST_F(RcLookupTest, MoreThanSixRowsAreCutToSixAndReportedAsSix) {
  std::string script = "SET,%RC-NAME,many\n";
  for (int i = 1; i <= 8; ++i) {
    script += "COMMENT,%UNIT,U" + std::to_string(i) + "\nCOMMENT,%FRU,F\nCOMMENT,%ACT,A\nCOMMENT,%WEIGHT,1\n";
  }
  WriteDictionary(script);
  EXPECT_EQ("6|many|U1/F/A/1 U2/F/A/1 U3/F/A/1 U4/F/A/1 U5/F/A/1 U6/F/A/1 |", Lookup());
}

TEST_F(RcLookupTest, LongCommentIsCutAtTheRecordWidth) {
  std::string script = "SET,%RC-NAME,long\n";
  for (int i = 0; i < 30; ++i) script += "COMMENT,%MSG," + std::string(200, 'c') + "\n";
  WriteDictionary(script);
  RcInfo info;
  EXPECT_EQ(0, GetRcInfo(kKey, info));
  EXPECT_EQ(kRcCommentMax, info.comment.size());
}

TEST_F(RcLookupTest, MissingDictionaryAndMissingSetupValue) {
  RcInfo info;
  info.rcName = "kept";
  EXPECT_EQ(kRcScriptOpenFailed, GetRcInfo(kKey, info));
  EXPECT_EQ("kept", info.rcName);
  tree_.WriteFile(tree_.MainteData() / "vrk_setup.conf", "[COMMON]\nMODEL_NAME=x\n");
  testing::internal::CaptureStdout();
  std::string path = "untouched";
  EXPECT_EQ("untouched", GetRcTablePath(path));
  EXPECT_EQ(kRcScriptOpenFailed, GetRcInfo(kKey, info));
  EXPECT_EQ("Getting RC table path failed.\nGetting RC table path failed.\n", testing::internal::GetCapturedStdout());
}

}  // namespace
}  // namespace rcv
