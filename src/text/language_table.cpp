#include "text/language_table.h"

#include <array>

namespace zq {
namespace {

struct Entry {
  std::string_view name, english, chinese;
};

constexpr Entry kEntries[] = {
#define ZQ_X(id, en, zh) {#id, en, zh},
    ZQ_TEXTS(ZQ_X)
#undef ZQ_X
};

}  // namespace

std::string_view Text(Txt id, int language) {
  const Entry& e = kEntries[static_cast<int>(id)];
  return language == kChinese ? e.chinese : e.english;
}

std::string_view TextName(Txt id) { return kEntries[static_cast<int>(id)].name; }

int TextCount() { return static_cast<int>(std::size(kEntries)); }

std::string FillIn(std::string_view pattern, const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    bool placeholder = pattern[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < values.size();
    if (placeholder) {
      out += values[next - '1'];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string WithoutAccessKey(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const bool bracketed = caption.substr(i, 2) == "(&" && i + 3 < caption.size() && caption[i + 3] == ')';
    if (bracketed) {
      i += 3;
    } else if (caption[i] != '&') {
      out += caption[i];
    }
  }
  return out;
}

std::string GroupedDigits(unsigned long long number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 5) return digits;
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

std::string CountText(long long count, Txt one, Txt many, int language) {
  return FillIn(Text(count == 1 ? one : many, language), {std::to_string(count)});
}

}  // namespace zq
