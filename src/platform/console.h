#pragma once
// What a console program needs of the system to behave alike everywhere:
// its arguments as UTF-8, standard output that passes bytes unchanged, and
// messages in UTF-8 that the console shows as such.
#include <string>
#include <vector>

namespace zq {

// The arguments as UTF-8, the program name first. (Windows hands `argv` over
// in the ANSI code page, which cannot hold every file name.)
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// From now on standard output and standard error write bytes as they are: a CSV
// or JSON file sent there keeps its line ends, and messages end their lines as on
// every other system (Windows would write "\r\n" for every "\n").
void UseBinaryStandardStreams();

// Messages written as UTF-8 appear as such in this program's console window.
void UseUtf8Console();

bool StandardErrorIsTerminal();

}  // namespace zq
