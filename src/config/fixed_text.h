#pragma once
// Fixed-length texts as the radio's records keep them: exactly N characters,
// padded with blanks on assignment, NUL-filled when never assigned.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zq {

template <std::size_t N>
class FixedText {
 public:
  constexpr FixedText() { chars_.fill('\0'); }
  constexpr FixedText(std::string_view text) { assign(text); }  // NOLINT: texts convert freely

  FixedText& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  constexpr void assign(std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) chars_[i] = i < text.size() ? text[i] : ' ';
  }

  static constexpr std::size_t size() { return N; }
  std::string str() const { return std::string(chars_.data(), N); }
  std::string_view view() const { return std::string_view(chars_.data(), N); }
  char& operator[](std::size_t i) { return chars_.at(i); }
  char operator[](std::size_t i) const { return chars_.at(i); }
  char* data() { return chars_.data(); }
  const char* data() const { return chars_.data(); }

  bool operator==(const FixedText&) const = default;

 private:
  std::array<char, N> chars_;
};

}  // namespace zq
