#include "rcquery/json_members.h"

#include <algorithm>
#include <string>

namespace rcv {

namespace {

bool IsOfKind(const Json& value, const JsonMember& member) {
  if (member.nullable && value.is_null()) return true;
  switch (member.kind) {
    case JsonKind::kString:
      return value.is_string();
    case JsonKind::kArray:
      return value.is_array();
    case JsonKind::kUnsigned:
      // A number built in memory from a signed value is unsigned once
      // written out and read back; both read alike.
      return value.is_number_integer() && (value.is_number_unsigned() || value.get<std::int64_t>() >= 0) &&
             value.get<std::uint64_t>() <= member.max;
  }
  return false;
}

}  // namespace

bool HasMembers(const Json& value, std::initializer_list<JsonMember> members) {
  return value.is_object() && std::ranges::all_of(members, [&value](const JsonMember& member) {
           const auto found = value.find(std::string(member.name));
           return found != value.end() && IsOfKind(*found, member);
         });
}

}  // namespace rcv
