#include "dict/expr/condition_index.h"

#include <algorithm>
#include <utility>

namespace rcv {
namespace {

constexpr std::uint32_t kNoRow = UINT32_MAX;
// Joins the constants of a key; no operand text holds it.
constexpr char kKeySeparator = '|';

}  // namespace

void ConditionIndex::Add(std::size_t position, std::string_view condition) {
  const auto row = static_cast<std::uint32_t>(positions_.size());
  positions_.push_back(position);
  sameKeyNext_.push_back(kNoRow);
  if (std::optional<EqualityConjunction> tests = ReadEqualityConjunction(condition)) {
    AddConjunction(row, std::move(*tests));
  } else {
    inPlace_.push_back(row);
  }
}

void ConditionIndex::AddConjunction(std::uint32_t row, EqualityConjunction tests) {
  std::sort(tests.begin(), tests.end(), [](const auto& a, const auto& b) { return a.term < b.term; });
  std::vector<std::size_t> terms;
  std::string key;
  for (std::size_t i = 0; i < tests.size(); ++i) {
    if (i > 0 && tests[i].term == tests[i - 1].term) {
      // One term against two constants never holds; the same one twice is
      // one test.
      if (tests[i].constant != tests[i - 1].constant) return;
      continue;
    }
    terms.push_back(TermSlot(tests[i].term));
    key.append(tests[i].constant).push_back(kKeySeparator);
  }
  Group& group = groups_[GroupSlot(terms)];
  const auto [found, added] = group.rows.try_emplace(std::move(key), KeyRows{row, row});
  if (added) return;
  sameKeyNext_[found->second.last] = row;
  found->second.last = row;
}

std::size_t ConditionIndex::TermSlot(const std::string& term) {
  const auto found = std::find(terms_.begin(), terms_.end(), term);
  if (found != terms_.end()) return static_cast<std::size_t>(found - terms_.begin());
  terms_.push_back(term);
  return terms_.size() - 1;
}

std::size_t ConditionIndex::GroupSlot(const std::vector<std::size_t>& terms) {
  for (std::size_t slot = 0; slot < groups_.size(); ++slot) {
    if (groups_[slot].terms == terms) return slot;
  }
  groups_.push_back({terms, {}});
  return groups_.size() - 1;
}

std::size_t ConditionIndex::FirstAtOrAfter(const std::vector<std::uint32_t>& rows, std::size_t from) const {
  const auto found = std::lower_bound(rows.begin(), rows.end(), from,
                                      [this](std::uint32_t row, std::size_t at) { return positions_[row] < at; });
  return found == rows.end() ? kNone : positions_[*found];
}

std::size_t ConditionIndex::FirstCandidate(std::size_t from, SearchContext& context) const {
  std::vector<TermValue> values;
  values.reserve(terms_.size());
  for (const std::string& term : terms_) {
    values.push_back(ReadTermValue(term, context));
    if (values.back().value && !values.back().plain) {
      const auto first = std::lower_bound(positions_.begin(), positions_.end(), from);
      return first == positions_.end() ? kNone : *first;
    }
  }
  std::size_t best = FirstAtOrAfter(inPlace_, from);
  std::string key;
  for (const Group& group : groups_) {
    key.clear();
    bool defined = true;
    for (const std::size_t term : group.terms) {
      // A condition that names an undefined variable is false.
      if (!values[term].value) {
        defined = false;
        break;
      }
      key.append(WithoutLeadingZeros(*values[term].value)).push_back(kKeySeparator);
    }
    if (!defined) continue;
    const auto found = group.rows.find(std::string_view(key));
    if (found == group.rows.end()) continue;
    std::uint32_t row = found->second.first;
    while (row != kNoRow && positions_[row] < from) row = sameKeyNext_[row];
    if (row != kNoRow) best = std::min(best, positions_[row]);
  }
  return best;
}

}  // namespace rcv
