// For the interpreter's tests: what a dictionary lends a context (files,
// their caches, the expression cache, a diagnostics stream), held by the
// test itself, with the files in memory.
#pragma once

#include <sstream>

#include "dict/expr/expression_memory.h"
#include "dict/source/file_source.h"
#include "dict/source/script_sources.h"
#include "dict/state/search_context.h"

namespace rcv {

struct RunResources {
  MemoryFiles files;
  ScriptSources sources{files};
  ExpressionMemory expressions;
  std::ostringstream diagnostics;

  void Lend(SearchContext& context) {
    context.sources = &sources;
    context.expressions = &expressions;
    context.diagnostics = &diagnostics;
  }
};

}  // namespace rcv
