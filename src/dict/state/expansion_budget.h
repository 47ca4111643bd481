// Brace expansion and expression evaluation call each other through
// placeholder values. These bounds keep a value that refers to itself,
// directly or in many branches, from running away: expansions nest at most
// kBraceNestingMax deep, and one outermost call (an expansion or an
// evaluation that no other one started) reads at most kExpansionBudget
// brace terms and % terms in all.
#pragma once

namespace rcv {

inline constexpr int kBraceNestingMax = 16;
inline constexpr int kExpansionBudget = 1024;

struct BraceNesting {
  int depth = 0;        // brace expansions under way
  int activeCalls = 0;  // expansions and evaluations under way
  int spent = 0;        // terms read since the outermost call began
};

// Marks one expansion or evaluation as under way for its lifetime; the
// outermost one starts a fresh budget.
class ExpansionScope {
 public:
  ExpansionScope(BraceNesting& nesting, bool isBraceExpansion)
      : nesting_(nesting), isBraceExpansion_(isBraceExpansion) {
    if (nesting_.activeCalls++ == 0) nesting_.spent = 0;
    if (isBraceExpansion_) ++nesting_.depth;
  }
  ~ExpansionScope() {
    --nesting_.activeCalls;
    if (isBraceExpansion_) --nesting_.depth;
  }
  ExpansionScope(const ExpansionScope&) = delete;
  ExpansionScope& operator=(const ExpansionScope&) = delete;

 private:
  BraceNesting& nesting_;
  bool isBraceExpansion_;
};

inline bool BudgetLeft(const BraceNesting& nesting) { return nesting.spent < kExpansionBudget; }

// Counts one term read; false, counting nothing, when the budget is spent.
inline bool SpendOneTerm(BraceNesting& nesting) {
  if (!BudgetLeft(nesting)) return false;
  ++nesting.spent;
  return true;
}

}  // namespace rcv
