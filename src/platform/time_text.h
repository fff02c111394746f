#pragma once
// A local time as logs and lists show it: "2026-12-09 12:50:19".
#include <string>

#include "platform/local_date.h"

namespace zq {

std::string TimeText(const LocalTime& t);

}  // namespace zq
