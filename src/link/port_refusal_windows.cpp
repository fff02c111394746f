#include "link/port_refusal.h"

namespace zq {

// Windows has no device groups: a COM port is refused only while another
// program holds it.
std::string GroupThatMayOpen(const std::string&) { return {}; }

PortRefusal RefusalOf(const std::string&) { return {PortFailure::Busy, {}}; }

}  // namespace zq
