#include "dict/search_context.h"

namespace rcv {

SearchContext& PerCallSearchContext() {
  static SearchContext context;
  return context;
}

}  // namespace rcv
