#pragma once
// Today's date on the local calendar, for creation dates and serial texts.
#include "config/defaults.h"

namespace zq {

Date LocalToday();

}  // namespace zq
