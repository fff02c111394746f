// A POSIX system names its locale in the environment; Windows asks the system instead.
#include "platform/system_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace zq {
namespace {

constexpr unsigned kPrc = 0x0804;
constexpr unsigned kTaiwan = 0x0404;
constexpr unsigned kUs = 0x0409;

TEST(SystemLocale, ComesFromTheFirstLocaleVariableSet) {
  const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::vector<std::optional<std::string>> saved;
  for (const char* name : names) {
    const char* value = std::getenv(name);
    saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    unsetenv(name);
  }
  EXPECT_EQ(SystemLocaleId(), kUs);
  setenv("LANG", "zh_CN.UTF-8", 1);
  EXPECT_EQ(SystemLocaleId(), kPrc);
  setenv("LC_MESSAGES", "zh_TW.UTF-8", 1);
  EXPECT_EQ(SystemLocaleId(), kTaiwan);
  setenv("LC_ALL", "", 1);  // set but empty: the next variable counts
  EXPECT_EQ(SystemLocaleId(), kTaiwan);
  for (std::size_t k = 0; k < saved.size(); ++k) {
    if (saved[k])
      setenv(names[k], saved[k]->c_str(), 1);
    else
      unsetenv(names[k]);
  }
}

}  // namespace
}  // namespace zq
