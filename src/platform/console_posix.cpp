#include "platform/console.h"

#include <unistd.h>

namespace zq {

// A POSIX system passes the arguments as the bytes that were typed, UTF-8 in any sane locale.
std::vector<std::string> CommandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

// The standard streams already write bytes unchanged.
void UseBinaryStandardStreams() {}

void UseUtf8Console() {}

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

}  // namespace zq
