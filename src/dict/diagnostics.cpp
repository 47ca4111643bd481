#include "dict/diagnostics.h"

#include <iostream>

namespace rcv {
namespace {

std::ostream*& Target() {
  static std::ostream* target = &std::cout;
  return target;
}

}  // namespace

std::ostream& DictionaryDiagnostics() { return *Target(); }

void SetDictionaryDiagnostics(std::ostream& out) { Target() = &out; }

}  // namespace rcv
