#pragma once
// The system's default locale identifier (0x0804 for Chinese, PRC). Windows
// reports it; a POSIX system names its locale in the environment instead
// (0x0804 for "zh_CN.UTF-8"; 0x0409 when nothing is set).
namespace zq {

// On a POSIX system: LC_ALL, then LC_MESSAGES, then LANG, the first that is set and not empty.
unsigned SystemLocaleId();

}  // namespace zq
