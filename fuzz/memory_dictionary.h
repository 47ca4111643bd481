// The dictionary the interpreter fuzzers run: a fresh one for every input,
// on texts in memory, with a second script and companion files beside the
// fuzzed script so that EXEC, FILE, CMTFILE, GETRCMSG and DSPCMT find
// something to read. Its diagnostics and listings go nowhere: they are not
// what is being tested.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "dict/dictionary.h"

namespace rcv::fuzz {

inline const std::string kFuzzedScript = "/dict/main.csv";

class MemoryDictionary {
 public:
  explicit MemoryDictionary(std::string_view script) {
    auto files = std::make_unique<MemoryFiles>();
    files->Put(kFuzzedScript, std::string(script));
    files->Put("/dict/sub.csv", "SET,%RC-NAME,sub\nCOMMENT,%UNIT,U1\nEXEC,main.csv\n");
    files->Put("/dict/t.csv", "K1,a,b,\"c,d\"\n$GH,x,y\n4701,p,q\n");
    files->Put("/dict/c.txt", "/*A*/\nline {GH}\n/*E*/\n /*B*/ \r\nb\n");
    files->Put("/dict/m.txt", "/*S1*/\nUnit %1 at %2 %:\n/*E*/\n/*S2*/\nopen\n");
    dictionary_ = std::make_unique<Dictionary>(std::move(files), nowhere_);
  }
  Dictionary& dictionary() { return *dictionary_; }

 private:
  std::ostream nowhere_{nullptr};
  std::unique_ptr<Dictionary> dictionary_;
};

}  // namespace rcv::fuzz
