#include "dict/expr/script_plans.h"

#include <utility>

#include "dict/source/script_lines.h"

namespace rcv {

std::size_t ScriptPlans::Line(unsigned kind, std::size_t line, const std::function<std::size_t()>& compute) {
  const std::uint64_t key = Key(kind, line);
  if (const auto found = lines_.find(key); found != lines_.end()) return found->second;
  return lines_.emplace(key, compute()).first->second;
}

std::shared_ptr<const IndexedRun> ScriptPlans::Run(unsigned kind, std::size_t line,
                                                   const std::function<std::shared_ptr<const IndexedRun>()>& compile) {
  const std::uint64_t key = Key(kind, line);
  if (const auto found = runs_.find(key); found != runs_.end()) return found->second;
  std::shared_ptr<const IndexedRun> run = compile();
  runs_[key] = run;
  return run;
}

void ScriptPlans::KeepRun(unsigned kind, std::size_t line, std::shared_ptr<const IndexedRun> run) {
  runs_[Key(kind, line)] = std::move(run);
}

bool ScriptPlans::Has(unsigned kind, std::size_t line) const {
  const auto found = runs_.find(Key(kind, line));
  return found != runs_.end() && found->second != nullptr;
}

ScriptPlans* ScriptPlanCache::For(const std::shared_ptr<const ScriptLines>& lines) {
  if (!enabled || !lines) return nullptr;
  Entry& entry = entries_[lines.get()];
  if (!entry.plans || entry.lines.expired() || entry.lineCount != lines->Count()) {
    entry.lines = lines;
    entry.lineCount = lines->Count();
    entry.plans = std::make_unique<ScriptPlans>();
    ForgetDropped();
  }
  return entry.plans.get();
}

void ScriptPlanCache::ForgetDropped() {
  std::erase_if(entries_, [](const auto& entry) { return entry.second.lines.expired(); });
}

}  // namespace rcv
