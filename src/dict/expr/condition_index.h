// A run of conditions at increasing positions (the rows of a REC table, the
// members of an IFDEF chain) that is searched for the first one that holds.
// Conjunctions of equality tests are found through hashes keyed on the
// tested terms' values; every other condition is left to be evaluated in
// place, by the statement, in its turn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dict/expr/equality_conjunction.h"

namespace rcv {

struct SearchContext;

class ConditionIndex {
 public:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // Adds the condition at `position`, after every position added so far.
  void Add(std::size_t position, std::string_view condition);
  std::size_t Size() const { return positions_.size(); }

  // The first position from `from` on whose condition may hold for the
  // running values: one left to be evaluated in place, or a conjunction that
  // holds. Every condition passed over is false, and evaluating it would
  // have done nothing else. kNone when none is left. Term values the hash
  // can't stand for give the first position from `from` on.
  std::size_t FirstCandidate(std::size_t from, SearchContext& context) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };
  // The rows of one key, first and last; the others are linked between.
  struct KeyRows {
    std::uint32_t first;
    std::uint32_t last;
  };
  // Conjunctions that test the same terms share a hash of their constants.
  struct Group {
    std::vector<std::size_t> terms;  // into terms_, in the order of the key
    std::unordered_map<std::string, KeyRows, Hash, std::equal_to<>> rows;
  };

  void AddConjunction(std::uint32_t row, EqualityConjunction tests);
  std::size_t TermSlot(const std::string& term);
  std::size_t GroupSlot(const std::vector<std::size_t>& terms);
  std::size_t FirstAtOrAfter(const std::vector<std::uint32_t>& rows, std::size_t from) const;

  std::vector<std::size_t> positions_;      // every row's position, increasing
  std::vector<std::uint32_t> inPlace_;      // rows evaluated in place, increasing
  std::vector<std::uint32_t> sameKeyNext_;  // the next row of the same group and key, or kNoRow
  std::vector<std::string> terms_;
  std::vector<Group> groups_;
};

}  // namespace rcv
