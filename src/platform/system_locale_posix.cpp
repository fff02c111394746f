#include "platform/system_locale.h"

#include <cstdlib>

#include "text/locale_ids.h"

namespace zq {

unsigned SystemLocaleId() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LocaleIdOfName(value);
  }
  return LocaleIdOfName("");
}

}  // namespace zq
