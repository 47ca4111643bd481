#include "dict/interp/table_file.h"

#include "dict/expr/expression.h"
#include "dict/source/companion_text.h"
#include "dict/source/csv_fields.h"

namespace rcv {

bool FindTableRow(TextLineReader& reader, std::string_view key, std::string& row) {
  return reader.ReadKeyedRow(key, row);
}

void ExpandFileKey(std::string& key, SearchContext& context) {
  if (key.empty()) return;
  ExtractBits(key);
  SubstituteDollar(key, context);
}

}  // namespace rcv
