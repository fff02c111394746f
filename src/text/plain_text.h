#pragma once
// Text helpers shared by every subsystem: cutting, trimming, the numeric test,
// and number <-> text conversions that always use "." as decimal separator,
// whatever the user's locale says.
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// The part of a text before its first NUL character.
std::string_view CutAtNul(std::string_view s);
std::u16string_view CutAtNul(std::u16string_view s);
// Without trailing blanks.
std::string_view TrimRight(std::string_view s);
std::u16string_view TrimRight(std::u16string_view s);
// Without leading and trailing blanks, tabs, CR and LF.
std::string_view Trim(std::string_view s);
// Cut at the first NUL, then without trailing blanks: how stored texts are compared and shown.
std::string_view Cleaned(std::string_view s);
std::u16string_view Cleaned(std::u16string_view s);
// At most `maxBytes` bytes of a UTF-8 text, cut between characters, with "..."
// when something was left out: how a message quotes a value from a damaged file.
std::string StartForMessage(std::string_view utf8, std::size_t maxBytes);

// A number as an operator would type it: optional surrounding blanks, optional sign,
// digits with at most one ".", optional exponent. Never locale-dependent.
bool IsNumeric(std::string_view s);
std::optional<double> ParseNumber(std::string_view s);
// Whole decimal number (optional sign), surrounding blanks allowed.
std::optional<long long> ParseInteger(std::string_view s);
bool IsAllDigits(std::string_view s);

// Fixed-point text with the given number of decimals and at least `minIntDigits`
// digits before the point ("#0.00000" is (v, 5, 1), "000.00000" is (v, 5, 3)).
// Halves round away from zero on the value's shortest decimal form, as a person
// reading the number would expect (28.123455 gives 28.12346 with 5 decimals).
std::string FormatFixed(double value, int decimals, int minIntDigits = 1);
// Shortest text that reads back as the same double ("162.55", "136").
std::string FormatPlain(double value);

// Nearest integer, halves to even.
long long RoundHalfEven(double value);

// UTF-8 <-> UTF-16 for texts that the records keep two bytes per character.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

}  // namespace zq
