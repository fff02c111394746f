#pragma once
// Why the system refused to open a device that exists: another program holds
// it, or this user may not open it, and then which group's members may.
#include <string>

#include "link/serial_port.h"

namespace zq {

struct PortRefusal {
  PortFailure failure = PortFailure::Busy;
  std::string group;  // for NotPermitted: the group to join (usually dialout); empty when joining would not help
};

PortRefusal RefusalOf(const std::string& device);

// The group whose members may read and write the device; empty when joining a group would not help.
std::string GroupThatMayOpen(const std::string& device);

}  // namespace zq
