#include "platform/local_date.h"

#include <windows.h>

namespace zq {

LocalTime LocalNow() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return {{local.wYear, local.wMonth, local.wDay}, local.wHour, local.wMinute, local.wSecond};
}

}  // namespace zq
