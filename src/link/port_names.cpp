#include "link/port_names.h"

#include "text/plain_text.h"

namespace zq {
namespace {

constexpr std::string_view kEntryPrefix = "COM";

bool StartsWithEntryPrefix(std::string_view name) {
  if (name.size() < kEntryPrefix.size()) return false;
  for (std::size_t k = 0; k < kEntryPrefix.size(); ++k)
    if ((name[k] & ~0x20) != kEntryPrefix[k]) return false;  // ASCII letters in either case
  return true;
}

}  // namespace

std::optional<int> EntryNumber(std::string_view entryText) {
  if (entryText.size() <= kEntryPrefix.size()) return std::nullopt;
  std::string_view rest = entryText.substr(kEntryPrefix.size());
  if (!IsAllDigits(rest) || rest.size() > 4) return std::nullopt;
  return static_cast<int>(*ParseInteger(rest));
}

std::optional<std::string> DeviceOfPortName(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (StartsWithEntryPrefix(name)) {
    auto number = EntryNumber(name);
    return number ? DeviceOfPortNumber(*number) : std::nullopt;
  }
  return std::string(name);
}

std::string EntryOfRegistryData(std::string_view data) {
  std::string_view digits = data.size() > 3 ? data.substr(3, 3) : std::string_view{};
  return std::string(kEntryPrefix) + std::string(Trim(digits));
}

}  // namespace zq
