// How much of a set of logged RCs a dictionary knows: every RC looked up,
// counted by record as found (apart when the lookup met problems), unknown
// (-3) or failed (any other negative result), and the unknown ones listed by how often they were logged.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "shell/reference_code.h"

namespace rcv {

struct UnknownRc {
  std::string rc;  // the 16 digits the dictionary is keyed by
  std::size_t count = 0;
};

struct RcCoverage {
  std::size_t records = 0;
  std::size_t distinct = 0;           // RCs that differ in their leading 8 bytes
  std::size_t found = 0;              // named by lookups that met no problem
  std::size_t foundWithProblems = 0;  // named, but the lookup met problems
  std::size_t unknown = 0;
  std::size_t failed = 0;
  std::vector<UnknownRc> unknownRcs;    // most frequent first, then by RC
  std::size_t lookupsWithProblems = 0;  // distinct RCs, whatever their result
};

// A lookup's result, and whether the dictionary met problems on the way.
struct RcTextResult {
  RcTextResult(int value, bool problems = false) : result(value), hadProblems(problems) {}
  int result;
  bool hadProblems;
};

// The lookup gives the dictionary's result for an RC's 16 digits. Each
// distinct RC is looked up once.
using RcTextLookup = std::function<RcTextResult(const std::string& rcText)>;

RcCoverage CountRcCoverage(std::span<const ReferenceCode> rcs, const RcTextLookup& lookup);

}  // namespace rcv
