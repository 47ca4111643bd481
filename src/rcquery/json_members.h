// Checks the shape of a JSON object that this program wrote and reads back
// (a cursor file, a bundle's manifest): a file edited by hand or damaged is
// refused whole, before any of its values is used.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>

#include "rcquery/log_entry.h"

namespace rcv {

enum class JsonKind { kString, kArray, kUnsigned };

struct JsonMember {
  std::string_view name;
  JsonKind kind;
  bool nullable = false;
  // The largest value an unsigned member may hold: a number beyond what
  // the reader stores is refused, not cut.
  std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
};

// Whether `value` is an object holding every one of `members`, each of its
// kind (or null where it may be).
[[nodiscard]] bool HasMembers(const Json& value, std::initializer_list<JsonMember> members);

}  // namespace rcv
