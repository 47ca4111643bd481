#include "dict/rc_lookup.h"

#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <sstream>
#include <string>

#include "dict/dictionary.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

constexpr std::array<std::uint8_t, kRcKeySize> kKey = {0x47, 0x01, 0xA0, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6};
const std::string kPath = "/conf/rcdicttbl.csv";

// The lookup of kKey in `script`, in one text: "result|name|unit/fru/act/weight ...|comment".
std::string Lookup(std::string_view script) {
  MemoryFiles files;
  files.Put(kPath, std::string(script));
  std::ostringstream diagnostics;
  Dictionary dictionary(files, diagnostics);
  RcInfo info;
  std::ostringstream text;
  text << dictionary.LookUp(FormatRcKey(kKey), kRcInfoRunMode, kPath, info).code() << "|" << info.rcName << "|";
  for (const RcFruRow& row : info.fru) {
    text << row.unitMnemonic << "/" << row.fruMnemonic << "/" << row.actionCode << "/" << row.weight << " ";
  }
  text << "|" << info.comment.size();
  return text.str();
}

TEST(RcLookupTest, CopiesNameRowsAndCommentAtTheRecordWidths) {
  std::string many = "SET,%RC-NAME,many\n";
  for (int i = 1; i <= 8; ++i) {
    many += "COMMENT,%UNIT,U" + std::to_string(i) + "\nCOMMENT,%FRU,F\nCOMMENT,%ACT,A\nCOMMENT,%WEIGHT,1\n";
  }
  std::string longComment = "SET,%RC-NAME,long\n";
  for (int i = 0; i < 30; ++i) longComment += "COMMENT,%MSG," + std::string(200, 'c') + "\n";
  const std::pair<std::string, std::string> cases[] = {
      {"RC-CODE,4701A0B2C3D4E5F6\nSET,%RC-NAME,A name of exactly forty characters, cut\n"
       "COMMENT,%UNIT,UNITLONG9\nCOMMENT,%FRU,FRU-MNEMONIC-LONG\nCOMMENT,%ACT,ACT9\nCOMMENT,%WEIGHT,W123\n"
       "COMMENT,%MSG,first\n",
       "1|A name of exactly forty charact|UNITLON/FRU-MNEMONIC-LO/ACT/W12 |6"},
      {"RC-CODE,48\nSET,%RC-NAME,other\n", "-3|||0"},
      {many, "6|many|U1/F/A/1 U2/F/A/1 U3/F/A/1 U4/F/A/1 U5/F/A/1 U6/F/A/1 |0"},  // six rows at most
      {longComment, "0|long||" + std::to_string(kRcCommentMax)},
  };
  for (const auto& [script, expected] : cases) EXPECT_EQ(expected, Lookup(script)) << script.substr(0, 40);
}

// The process-wide faces on a tree of files: the path from the setup file.
TEST(RcLookupTest, MissingDictionaryAndMissingSetupValue) {
  fixture::FixtureTree tree;
  tree.WriteSetup();
  tree.Activate();
  std::ostringstream diagnostics;
  SetDictionaryDiagnostics(diagnostics);
  RcInfo info;
  info.rcName = "kept";
  EXPECT_EQ(kRcScriptOpenFailed, GetRcInfo(kKey, info));
  EXPECT_EQ("kept", info.rcName);
  tree.WriteFile(tree.DictionaryDir() / "rcdicttbl.csv", "SET,%RC-NAME,named\n");
  EXPECT_EQ(0, GetRcInfo(kKey, info));
  EXPECT_EQ("named", info.rcName);
  tree.WriteFile(tree.MainteData() / "vrk_setup.conf", "[COMMON]\nMODEL_NAME=x\n");
  std::string path = "untouched";
  EXPECT_EQ("untouched", GetRcTablePath(path));
  EXPECT_EQ(kRcScriptOpenFailed, GetRcInfo(kKey, info));
  EXPECT_EQ("Getting RC table path failed.\nGetting RC table path failed.\n", diagnostics.str());
  SetDictionaryDiagnostics(std::cout);
}

}  // namespace
}  // namespace rcv
