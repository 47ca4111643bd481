// REC tables and IFDEF chains found through their hashes give what running
// every row in order gives: seeded random scripts that mix hashed and other
// conditions, repeated keys, undefined variables and values the hash can't
// stand for, looked up on both roads by a dictionary with its script plans
// and by one without, every output and diagnostic compared.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "dict/dictionary.h"

namespace rcv {
namespace {

const std::string kPath = "/conf/rcdicttbl.csv";

class ScriptMaker {
 public:
  explicit ScriptMaker(unsigned seed) : random_(seed) {}

  std::string Script() {
    std::string text = "RC-CODE,GHIJKLMNOPQRSTUV\n";
    if (Chance(2)) text += "SET,$Z," + Pick({"", "X", "0", "00", "1", "01", "a", "A", "zz", "S1"}) + "\n";
    for (int block = Below(6) + 1; block > 0; --block) text += Chance(2) ? Table() : Chain();
    return text + "COMMENT,%UNIT,U\nFULLDUMP\n";
  }

  std::string Rc() {
    std::string rc;
    for (int i = 0; i < 16; ++i) rc += "0001A"[Below(5)];
    return rc;
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool Chance(int n) { return Below(n) == 0; }
  std::string Pick(std::initializer_list<std::string> texts) {
    return *(texts.begin() + Below(static_cast<int>(texts.size())));
  }

  std::string Test() {
    const std::string term = Pick({"$IJ", "$MN", "$G", "$Z", "$Q", "$_N", "$I0", "$GH"});
    const std::string constant = Pick({"0", "1", "01", "001", "A", "0A", "a", "10", "1A", "A0", "0"});
    return Chance(4) ? constant + " = " + term : term + " = " + constant;
  }

  std::string Condition() {
    if (Chance(4)) {
      return Pick({"%RC-NAME = 1", "$IJ > 5", "$MN = 0X", "$IJ = 1 | $MN = 2", "1 = 1", "", "$IJ(4-7) = 1",
                   "$IJ = 1 & %UNIT = U", "$G = 1 & $H = 1 & $I = 1 & $J = 1 & $K = 1 & $L = 1 & $M = 1 & $N = 1",
                   "$G = 1 & $H = 1 & $I = 1 & $J = 1 & $K = 1 & $L = 1 & $M = 1 & $N = 1 & $O = 1", "$M = 1 $N"});
    }
    std::string condition = Test();
    for (int more = Below(3); more > 0; --more) condition += " & " + Test();
    return condition;
  }

  std::string Table() {
    std::string text = "DEFINE,,%RC-NAME,%MSG\n";
    for (int row = Below(30); row > 0; --row) {
      const std::string values = "," + std::to_string(row) + "," + std::to_string(Below(9)) + "\n";
      if (Chance(12)) {
        text += Pick({"\n", "REC,*" + values, "REC, * ,more\n", "SET,%RC-NAME,FOREIGN\n"});
      } else {
        text += "REC," + Condition() + values;
      }
    }
    return text + (Chance(10) ? "" : "\\DEFINE\n");
  }

  std::string Chain() {
    std::string text;
    for (int member = Below(8) + 1; member > 0; --member) {
      if (Chance(5)) text += Pick({"REM,between\n", "\n", "\\IFDEF\n"});
      text += "IFDEF," + Condition() + "\nCOMMENT,%MSG,member " + std::to_string(member) + "\n";
      if (Chance(5)) text += "IFDEF," + Condition() + "\nCOMMENT,%MSG,inner\n\\IFDEF\n";
      if (Chance(5)) text += "ELSE\nCOMMENT,%MSG,else\n";
      if (Chance(8)) text += "EXIT\n";
      text += "\\IFDEF\n";
    }
    return text;
  }

  std::mt19937 random_;
};

std::string Outputs(Dictionary& dictionary, const std::string& rc, std::ostringstream& diagnostics) {
  RcInfo info;
  std::string text = std::to_string(dictionary.LookUp(rc, kRcInfoRunMode, kPath, info).code()) + "|" + info.rcName +
                     "|" + info.comment;
  for (const RcFruRow& row : info.fru) text += "|" + row.unitMnemonic;
  RcInfo named;
  text += "|" + std::to_string(dictionary.NamePreloaded(rc, kPath, named).code()) + "|" + named.rcName;
  text += "|" + diagnostics.str();
  diagnostics.str("");
  return text;
}

TEST(IndexedRowsTest, FindTheRowThatRunningInOrderFinds) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    ScriptMaker maker(seed);
    const std::string script = maker.Script();
    MemoryFiles files;
    files.Put(kPath, script);
    std::ostringstream indexedOut;
    std::ostringstream inOrderOut;
    Dictionary indexed(files, indexedOut);
    Dictionary inOrder(files, inOrderOut);
    inOrder.perCallContext().expressions->scripts.enabled = false;
    const PreloadedDictionary indexedLoad(indexed, kPath);
    const PreloadedDictionary inOrderLoad(inOrder, kPath);
    for (int lookup = 0; lookup < 30; ++lookup) {
      const std::string rc = maker.Rc();
      ASSERT_EQ(Outputs(inOrder, rc, inOrderOut), Outputs(indexed, rc, indexedOut))
          << "seed " << seed << ", RC " << rc << ", script:\n"
          << script;
    }
  }
}

}  // namespace
}  // namespace rcv
