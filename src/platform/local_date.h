#pragma once
// Today's date and the time of day on the local calendar, for creation dates,
// serial texts and the names of backups.
#include "config/defaults.h"

namespace zq {

struct LocalTime {
  Date date;
  int hour = 0, minute = 0, second = 0;
};

Date LocalToday();
LocalTime LocalNow();

}  // namespace zq
