#include "dict/diagnostics.h"

#include <iostream>

namespace rcv {
namespace {

std::ostream*& Target() {
  static std::ostream* target = &std::cout;
  return target;
}

std::ostream* problemSink = nullptr;

}  // namespace

std::ostream& DictionaryDiagnostics() { return *Target(); }

void SetDictionaryDiagnostics(std::ostream& out) { Target() = &out; }

void SetDictionaryProblemSink(std::ostream* sink) { problemSink = sink; }

void ReportDictionaryProblem(std::string_view text) {
  if (problemSink != nullptr) *problemSink << text << '\n';
}

}  // namespace rcv
