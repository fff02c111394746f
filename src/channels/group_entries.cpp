#include "channels/group_entries.h"

#include <algorithm>

#include "config/channel_slots.h"
#include "text/plain_text.h"

namespace zq {

std::string GroupDisplayName(const RadioConfig& cfg, BandGroup group, int language) {
  if (IsMemGroup(group)) return std::string(Text(Txt::GroupMemName, language));
  if (IsVfoGroup(group)) return std::string(Text(Txt::GroupVfoName, language));
  std::u16string stored = cfg.Options.GroupName(group);
  std::string name = Utf16ToUtf8(Cleaned(std::u16string_view(stored)));
  return std::string(Trim(name)).empty() ? std::to_string(group.number) : std::string(Trim(name));
}

std::vector<GroupEntry> WorkGroupEntries(const RadioConfig& cfg, Band band, int language) {
  std::vector<GroupEntry> entries;
  for (int g = 1; g <= OrdinaryGroupCount(band); ++g)
    entries.push_back({g, GroupDisplayName(cfg, {band, g}, language)});
  return entries;
}

std::vector<GroupEntry> GroupSelectorEntries(const RadioConfig& cfg, Band band, int language) {
  std::vector<GroupEntry> entries = WorkGroupEntries(cfg, band, language);
  for (int g : {MemGroup(band), VfoGroup(band)})
    if (g != 0) entries.push_back({g, GroupDisplayName(cfg, {band, g}, language)});
  return entries;
}

int InitialGroup(const RadioConfig& cfg, Band band) {
  int work = cfg.Options.WorkGroup(band);
  return work >= 1 && work <= OrdinaryGroupCount(band) ? work : 1;
}

std::vector<int> ChannelNumbersInUse(const RadioConfig& cfg, BandGroup group) {
  std::vector<int> numbers;
  for (int k = 1, used = SlotsInUse(cfg, group); k <= used; ++k) {
    const ChannelRecord& record = cfg.Channel(group, k);
    if (record.Enabled == 1 && record.Number >= 1 && record.Number <= GroupCapacity(group))
      numbers.push_back(record.Number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

}  // namespace zq
