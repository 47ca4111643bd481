// The statements' use of what is worked out once per parsed script (the
// dictionary's ScriptPlanCache): ends of skips, and the indexed runs of REC
// tables and IFDEF chains. Without a cache (a context of no dictionary, or
// plans switched off) everything is worked out on the spot.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>

#include "dict/expr/script_plans.h"
#include "dict/state/search_context.h"

namespace rcv {

// What is kept, one kind a statement's question.
enum PlanKind : unsigned {
  kFalseBranchEndPlan,  // the line a false IFDEF's skip stops on
  kElseEndPlan,         // the line an ELSE's skip stops on
  kDefineEndPlan,       // the first \DEFINE line of a DEFINE's block
  kDefineRowsPlan,      // the REC rows of a DEFINE block, before any matched
  kIfdefChainPlan,      // IFDEFs that follow each other's false branches
};

// The plans of the running script, or null.
ScriptPlans* PlansOf(SearchContext& context);

// `compute` for (kind, line) of the running script, computed once while
// the script is kept.
std::size_t RememberedLine(SearchContext& context, PlanKind kind, std::size_t line,
                           const std::function<std::size_t()>& compute);

// The run `compile` builds for (kind, line) of the running script, built
// once; null without plans (or when `compile` finds nothing worth keeping).
std::shared_ptr<const IndexedRun> RememberedRun(
    SearchContext& context, PlanKind kind, std::size_t line,
    const std::function<std::shared_ptr<const IndexedRun>(ScriptPlans&)>& compile);

}  // namespace rcv
