#include "dict/table_file.h"

#include "dict/companion_text.h"
#include "dict/csv_fields.h"
#include "dict/expression.h"

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
