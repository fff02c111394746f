#pragma once
// The system's default locale identifier where the system names its locale in
// the environment (0x0804 for "zh_CN.UTF-8"; 0x0409 when nothing is set).
namespace zq {

// LC_ALL, then LC_MESSAGES, then LANG: the first that is set and not empty.
unsigned SystemLocaleId();

}  // namespace zq
