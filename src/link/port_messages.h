#pragma once
// Why a port did not open, in the user's language: the line that follows
// "Cannot Open Communication Port." in the window and on the command line.
#include <string>

#include "link/serial_port.h"

namespace zq {

// An empty device means that no port is chosen.
std::string PortFailureReason(const PortOpenResult& result, const std::string& device, int language);
// "Cannot Open Communication Port.", a line break and the reason.
std::string PortFailureMessage(const PortOpenResult& result, const std::string& device, int language);

}  // namespace zq
