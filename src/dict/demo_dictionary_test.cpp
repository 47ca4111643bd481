// The demo dictionary looked up the way the screens do: every RC it knows
// comes back named, with its FRU rows and comment; others are not found.
#include "fixture/demo_dictionary.h"

#include <gtest/gtest.h>

#include "dict/rc_lookup.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

using fixture::DemoRcKey;

class DemoDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    fixture::WriteDemoDictionary(tree_);
    tree_.Activate();
  }

  // Looks the key up with nothing printed on the way.
  int Lookup(const DemoRcKey& key, RcInfo& info) {
    testing::internal::CaptureStdout();
    const int result = GetRcInfo(key, info);
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
    return result;
  }

  static std::string Rows(const RcInfo& info) {
    std::string text;
    for (const RcFruRow& row : info.fru) {
      text += row.unitMnemonic + "/" + row.fruMnemonic + "/" + row.actionCode + "/" + row.weight + "\n";
    }
    return text;
  }

  fixture::FixtureTree tree_;
};

TEST_F(DemoDictionaryTest, NamesEveryKnownRc) {
  ASSERT_EQ(fixture::DemoDictionaryEntries().size(), fixture::DemoDictionaryKnownRcs().size());
  for (const fixture::DemoRcEntry& entry : fixture::DemoDictionaryEntries()) {
    RcInfo info;
    EXPECT_EQ(entry.fruRows, Lookup(entry.key, info)) << entry.rcName;
    EXPECT_EQ(entry.rcName, info.rcName);
    EXPECT_FALSE(info.comment.empty()) << entry.rcName;
  }
}

TEST_F(DemoDictionaryTest, UnknownRcsAreNotInTheDictionary) {
  for (const DemoRcKey& key :
       {DemoRcKey{0x47, 0x01, 0x00, 0x99, 0, 0, 0, 1}, DemoRcKey{0x47, 0x07, 0x00, 0x10, 0, 0, 0, 1},
        DemoRcKey{0x4A, 0x04, 0x00, 0x41, 0, 0, 0, 0}, DemoRcKey{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0}}) {
    RcInfo info;
    EXPECT_EQ(kRcNotInDictionary, Lookup(key, info));
    EXPECT_EQ("", info.rcName);
  }
}

TEST_F(DemoDictionaryTest, PowerSupplyCommentStartsWithTheSecondNameAndEndsWithTheNote) {
  RcInfo info;
  ASSERT_EQ(1, Lookup({0x47, 0x03, 0x01, 0x30, 0x00, 0x00, 0x00, 0x00}, info));
  EXPECT_EQ("PSU1/PSU/CHK/1\n", Rows(info));
  EXPECT_EQ(
      "Power supply 1 lost its AC input.\n"
      "The service processor detected a hardware error.\n"
      "Check the units in the FRU list; replace them if the error recurs.\n"
      "Check the power cord and the breaker of the PSU feed.\n"
      "If the input is present at the PSU, replace the PSU.\n",
      info.comment);
}

TEST_F(DemoDictionaryTest, DictionaryFolderWithCapitalsStillWorks) {
  fixture::FixtureTree tree;
  fixture::SetupValues setup;
  setup.confDir = "RcDict";
  tree.WriteSetup(setup);
  fixture::WriteDemoDictionary(tree, setup.confDir);
  tree.Activate();
  for (const fixture::DemoRcEntry& entry : fixture::DemoDictionaryEntries()) {
    RcInfo info;
    EXPECT_EQ(entry.fruRows, Lookup(entry.key, info)) << entry.rcName;
  }
  tree_.Activate();
}

}  // namespace
}  // namespace rcv
