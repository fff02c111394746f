#include "platform/running_executable.h"

#include <system_error>

namespace zq {

std::filesystem::path RunningExecutable() {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : self;
}

}  // namespace zq
