#pragma once
// Why a port did not open, in the user's language. The window shows only
// "Cannot Open Communication Port."; the command line adds this reason.
#include <string>

#include "link/serial_port.h"

namespace zq {

std::string PortFailureReason(const PortOpenResult& result, const std::string& device, int language);

}  // namespace zq
