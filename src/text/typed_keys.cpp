#include "text/typed_keys.h"

namespace zq {
namespace {

constexpr char32_t kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kDelete = 127;

bool IsControl(char32_t key) { return key < 32 || key == kDelete; }

}  // namespace

FilteredKey FilterTypedKey(char32_t key, std::string_view accepted, bool upperCase) {
  if (key == kCtrlC || key == kCtrlV || key == kCtrlX || key > 127) return {};
  if (IsControl(key)) return {KeyVerdict::PassControl, static_cast<char>(key)};
  char c = static_cast<char>(key);
  if (upperCase && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (accepted.find(c) == std::string_view::npos) return {};
  return {KeyVerdict::Insert, c};
}

}  // namespace zq
