#include "platform/system_locale.h"

#include <windows.h>

namespace zq {

unsigned SystemLocaleId() { return static_cast<unsigned>(GetSystemDefaultLCID()) & 0xFFFFu; }

}  // namespace zq
