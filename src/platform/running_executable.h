#pragma once
// The file of the program that is running, as the system knows it: the
// program folder is the folder that holds it.
#include <filesystem>

namespace zq {

// Empty when the system cannot tell.
std::filesystem::path RunningExecutable();

}  // namespace zq
