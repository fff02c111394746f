#pragma once
// Compile-time checks that a record's visitor list names every member once: a
// member added to a struct and forgotten in its list would silently not be
// saved, exported, undone or compared.
#include <cstddef>

namespace zq::record_members {

// Converts to any member type, so that the most of these a record's braces take
// is its number of members.
struct AnyMember {
  template <class T>
  operator T() const;  // NOLINT: converts freely by design; never defined, only named in requires
};

template <class Record, class... Taken>
constexpr std::size_t MemberCount() {
  if constexpr (requires { Record{Taken{}..., AnyMember{}}; })
    return MemberCount<Record, Taken..., AnyMember>();
  else
    return sizeof...(Taken);
}

// How many members `visit(record, visitor)` hands to its visitor.
template <class Record, class VisitAll>
constexpr std::size_t VisitedCount(VisitAll visit) {
  Record record{};
  std::size_t count = 0;
  visit(record, [&count](auto, auto&) { ++count; });
  return count;
}

}  // namespace zq::record_members
