#include "platform/local_date.h"

namespace zq {

Date LocalToday() { return LocalNow().date; }

}  // namespace zq
