#pragma once
// Why a port did not open, in the user's language. The window shows only
// "Cannot Open Communication Port."; the command line adds this reason.
#include <string>
#include <string_view>

#include "link/serial_port.h"

namespace zq {

// The text with every "{name}" replaced by the value.
std::string FillIn(std::string_view text, std::string_view name, const std::string& value);

std::string PortFailureReason(const PortOpenResult& result, const std::string& device, int language);

}  // namespace zq
