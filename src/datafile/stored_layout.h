#pragma once
// The order in which a data file stores the settings block: the header
// (version, range, flags, counts, identity), then every element of every
// option-features field in table order, then the further settings. Byte
// writers, readers, the layout description and the JSON export all walk
// this one list, so a member exists in exactly one place.
#include <cstddef>
#include <type_traits>

#include "config/radio_config.h"

namespace zq {

inline constexpr std::size_t kDataFileSize = 2885;
inline constexpr std::size_t kSettingsHeaderSize = 250;
inline constexpr std::size_t kChannelRecordSize = 70;

// One option-features field as a member of the stored record.
template <class Options>
struct OptionFieldSlot {
  Options& options;
  const OptFieldDef& def;
};

template <class Config, class Visitor>
void VisitSettingsHeader(Config& c, Visitor&& v) {
  v("DataVersion", c.DataVersion);
  v("RangeType", c.RangeType);
  v("Flags", c.Flags);
  v("SelectionFlags", c.SelectionFlags);
  v("ChannelCount", c.ChannelCount);
  v("Identity", c.Identity);
}

template <class Config, class Visitor>
void VisitOptionSlots(Config& c, Visitor&& v) {
  using Options = std::remove_reference_t<decltype((c.Options))>;  // const with the config
  for (const auto& def : kOptionFields) v(def.name, OptionFieldSlot<Options>{c.Options, def});
}

// Every member of the stored settings record, in file order.
template <class Config, class Visitor>
void VisitStoredSettings(Config& c, Visitor&& v) {
  VisitSettingsHeader(c, v);
  VisitOptionSlots(c, v);
  VisitFurtherSettings(c, v);
}

}  // namespace zq
