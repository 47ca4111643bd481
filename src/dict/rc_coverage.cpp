#include "dict/rc_coverage.h"

#include <algorithm>
#include <map>

#include "dict/rc_lookup.h"

namespace rcv {

RcCoverage CountRcCoverage(std::span<const ReferenceCode> rcs, const RcTextLookup& lookup) {
  std::map<std::string, std::size_t> logged;
  for (const ReferenceCode& rc : rcs) {
    ++logged[FormatRcKey(std::span<const std::uint8_t, kReferenceCodeSize>(rc).first<kRcKeySize>())];
  }
  RcCoverage coverage;
  coverage.records = rcs.size();
  coverage.distinct = logged.size();
  for (const auto& [rcText, count] : logged) {
    const RcTextResult looked = lookup(rcText);
    const int result = looked.result;
    if (looked.hadProblems) ++coverage.lookupsWithProblems;
    if (result >= 0) {
      (looked.hadProblems ? coverage.foundWithProblems : coverage.found) += count;
    } else if (result == kRcNotInDictionary) {
      coverage.unknown += count;
      coverage.unknownRcs.push_back({rcText, count});
    } else {
      coverage.failed += count;
    }
  }
  // Most frequent first; the map gave them in RC order, which stays for ties.
  std::stable_sort(coverage.unknownRcs.begin(), coverage.unknownRcs.end(),
                   [](const UnknownRc& a, const UnknownRc& b) { return a.count > b.count; });
  return coverage;
}

}  // namespace rcv
