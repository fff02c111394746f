#include "text/plain_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace zq {
namespace {

template <class View>
View CutAtNulT(View s) {
  auto pos = s.find(typename View::value_type(0));
  return pos == View::npos ? s : s.substr(0, pos);
}

template <class View>
View TrimRightT(View s) {
  while (!s.empty() && s.back() == typename View::value_type(' ')) s.remove_suffix(1);
  return s;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view SkipDigits(std::string_view s, int& count) {
  count = 0;
  while (!s.empty() && s.front() >= '0' && s.front() <= '9') {
    s.remove_prefix(1);
    ++count;
  }
  return s;
}

}  // namespace

std::string_view CutAtNul(std::string_view s) { return CutAtNulT(s); }
std::u16string_view CutAtNul(std::u16string_view s) { return CutAtNulT(s); }
std::string_view TrimRight(std::string_view s) { return TrimRightT(s); }
std::u16string_view TrimRight(std::u16string_view s) { return TrimRightT(s); }
std::string_view Cleaned(std::string_view s) { return TrimRight(CutAtNul(s)); }
std::u16string_view Cleaned(std::u16string_view s) { return TrimRight(CutAtNul(s)); }

std::string StartForMessage(std::string_view utf8, std::size_t maxBytes) {
  if (utf8.size() <= maxBytes) return std::string(utf8);
  std::size_t cut = maxBytes;
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;  // inside a character
  return std::string(utf8.substr(0, cut)) + "...";
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsNumeric(std::string_view s) {
  s = Trim(s);
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  int intDigits = 0;
  int fracDigits = 0;
  s = SkipDigits(s, intDigits);
  if (!s.empty() && s.front() == '.') s = SkipDigits(s.substr(1), fracDigits);
  if (intDigits + fracDigits == 0) return false;
  if (!s.empty() && (s.front() == 'e' || s.front() == 'E')) {
    s.remove_prefix(1);
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    int expDigits = 0;
    s = SkipDigits(s, expDigits);
    if (expDigits == 0) return false;
  }
  return s.empty();
}

std::optional<double> ParseNumber(std::string_view s) {
  if (!IsNumeric(s)) return std::nullopt;
  s = Trim(s);
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  double value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<long long> ParseInteger(std::string_view s) {
  s = Trim(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  long long value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

bool IsAllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string FormatFixed(double value, int decimals, int minIntDigits) {
  if (!std::isfinite(value)) value = 0;
  char buf[400];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  std::string text = ec == std::errc() ? std::string(buf, end) : std::string("0");
  auto point = text.find('.');
  std::string intPart = point == std::string::npos ? text : text.substr(0, point);
  std::string frac = point == std::string::npos ? std::string() : text.substr(point + 1);

  bool roundUp = static_cast<int>(frac.size()) > decimals && frac[decimals] >= '5';
  frac.resize(decimals, '0');
  std::string digits = intPart + frac;
  if (roundUp) {
    int i = static_cast<int>(digits.size()) - 1;
    for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
    if (i < 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[i];
  }
  std::string whole = digits.substr(0, digits.size() - decimals);
  std::string fraction = digits.substr(digits.size() - decimals);
  while (whole.size() > 1 && whole.front() == '0') whole.erase(whole.begin());
  while (static_cast<int>(whole.size()) < minIntDigits) whole.insert(whole.begin(), '0');

  bool isZero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = (value < 0 && !isZero) ? "-" : "";
  out += whole;
  if (decimals > 0) out += "." + fraction;
  return out;
}

std::string FormatPlain(double value) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

long long RoundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    int len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 0x6 && i + 1 < s.size()) {
      cp = ((c & 0x1F) << 6) | (s[i + 1] & 0x3F);
      len = 2;
    } else if ((c >> 4) == 0xE && i + 2 < s.size()) {
      cp = ((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
      len = 3;
    } else if ((c >> 3) == 0x1E && i + 3 < s.size()) {
      cp = ((c & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) | (s[i + 3] & 0x3F);
      len = 4;
    }
    i += len;
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace zq
