#include "platform/time_text.h"

#include <cstdio>

namespace zq {

std::string TimeText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.date.year, t.date.month, t.date.day, t.hour,
                t.minute, t.second);
  return text;
}

}  // namespace zq
