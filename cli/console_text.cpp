#include "console_text.h"

namespace zq::cli {

std::string ForTerminal(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0 &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80;
    if (c == '\r') continue;
    if (c1) {
      out += '?';
      ++i;
    } else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      out += '?';
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace zq::cli
