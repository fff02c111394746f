#pragma once
// Texts from damaged files or from a radio reach the terminal: a control
// character among them could move the cursor, clear the screen or retitle the window.
#include <string>
#include <string_view>

namespace zq::cli {

// The text with LF line ends; every other control character (C0, DEL, and C1
// as UTF-8) shown as '?'. Message boxes want CR LF between lines, a terminal LF.
std::string ForTerminal(std::string_view text);

}  // namespace zq::cli
