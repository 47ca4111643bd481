#include "dict/interp/statement_plans.h"

#include "dict/expr/expression_memory.h"

namespace rcv {

ScriptPlans* PlansOf(SearchContext& context) {
  if (context.expressions == nullptr) return nullptr;
  return context.expressions->scripts.For(context.lines.Shared());
}

std::size_t RememberedLine(SearchContext& context, PlanKind kind, std::size_t line,
                           const std::function<std::size_t()>& compute) {
  ScriptPlans* plans = PlansOf(context);
  return plans ? plans->Line(kind, line, compute) : compute();
}

std::shared_ptr<const IndexedRun> RememberedRun(
    SearchContext& context, PlanKind kind, std::size_t line,
    const std::function<std::shared_ptr<const IndexedRun>(ScriptPlans&)>& compile) {
  ScriptPlans* plans = PlansOf(context);
  if (plans == nullptr) return nullptr;
  return plans->Run(kind, line, [&] { return compile(*plans); });
}

}  // namespace rcv
