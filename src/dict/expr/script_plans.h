// What the interpreter works out once per parsed script and keeps for as
// long as the dictionary keeps that script parsed: where the skips of
// blocks end, and the indexes of REC tables and IFDEF chains. A script read
// anew is a new set of lines, and gets its plans worked out anew.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

#include "dict/expr/condition_index.h"

namespace rcv {

class ScriptLines;

// The conditions of a run of rows, and the line a statement goes on from
// when none of them holds.
struct IndexedRun {
  ConditionIndex conditions;
  std::size_t end = 0;
};

// What is worked out about one script, each thing under the line it belongs
// to and a kind that the statements choose.
class ScriptPlans {
 public:
  // The line `compute` gives for (kind, line), computed once.
  std::size_t Line(unsigned kind, std::size_t line, const std::function<std::size_t()>& compute);
  // The run that `compile` builds for (kind, line), built once; a run may be
  // kept under more lines than one.
  std::shared_ptr<const IndexedRun> Run(unsigned kind, std::size_t line,
                                        const std::function<std::shared_ptr<const IndexedRun>()>& compile);
  void KeepRun(unsigned kind, std::size_t line, std::shared_ptr<const IndexedRun> run);
  // Whether a run is kept for (kind, line).
  bool Has(unsigned kind, std::size_t line) const;

 private:
  static std::uint64_t Key(unsigned kind, std::size_t line) { return (std::uint64_t{line} << 8) | kind; }
  std::unordered_map<std::uint64_t, std::size_t> lines_;
  std::unordered_map<std::uint64_t, std::shared_ptr<const IndexedRun>> runs_;
};

// The plans of the scripts met, each kept while its lines live: lines that
// are dropped or grow (a store that is appended to) leave their plans behind.
class ScriptPlanCache {
 public:
  // Off, every statement runs line by line as if no plan existed (to compare
  // the two).
  bool enabled = true;

  // The plans of these lines; null when plans are off.
  ScriptPlans* For(const std::shared_ptr<const ScriptLines>& lines);

 private:
  struct Entry {
    std::weak_ptr<const ScriptLines> lines;
    std::size_t lineCount = 0;
    std::unique_ptr<ScriptPlans> plans;
  };
  void ForgetDropped();

  std::unordered_map<const ScriptLines*, Entry> entries_;
};

}  // namespace rcv
