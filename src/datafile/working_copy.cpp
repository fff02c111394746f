#include "datafile/working_copy.h"

#include <algorithm>

#include "datafile/record_bytes.h"

namespace zq {
namespace {

// Records of a group that count, whatever a damaged count says.
int UsedRecords(const RadioConfig& cfg, BandGroup group) {
  return std::clamp<int>(cfg.Count(group), 0, GroupCapacity(group));
}

template <class Fn>
void ForEachGroup(Fn&& fn) {
  for (const Band band : kBands)
    for (int number = 1; number <= GroupCount(band); ++number) fn(BandGroup{band, number});
}

// The stored record of the working group with the live record's Number:
// the same position first, then any position of the group.
const ChannelRecord* FindStoredRecord(const RadioConfig& stored, BandGroup group, int k, int16_t number) {
  const int count = UsedRecords(stored, group);
  if (k <= count && stored.Channel(group, k).Number == number) return &stored.Channel(group, k);
  for (int m = 1; m <= count; ++m)
    if (stored.Channel(group, m).Number == number) return &stored.Channel(group, m);
  return nullptr;
}

bool ChannelsUnchanged(const RadioConfig& cfg, const RadioConfig& stored) {
  bool same = true;
  ForEachGroup([&](BandGroup group) {
    for (int k = 1; same && k <= UsedRecords(cfg, group); ++k) {
      const ChannelRecord& live = cfg.Channel(group, k);
      const ChannelRecord* kept = FindStoredRecord(stored, group, k, live.Number);
      same = kept != nullptr && *kept == live;
    }
  });
  return same && cfg.SpecialChannelSlots == stored.SpecialChannelSlots;
}

}  // namespace

bool ChannelCountsAreValid(const GroupBandTable& counts) {
  bool valid = true;
  ForEachGroup([&](BandGroup group) {
    int16_t n = counts.at(group);
    valid = valid && n >= 0 && n <= GroupCapacity(group);
  });
  return valid;
}

int ChannelFileRecordCount(const GroupBandTable& counts) {
  int records = kSpecialSlots;
  ForEachGroup([&](BandGroup group) { records += counts.at(group); });
  return records;
}

void PackForFile(RadioConfig& cfg, const DocumentState& doc, WorkingCopy& working) {
  NormaliseIdentity(cfg, doc.rangeText);
  working.content = cfg;
  for (const Band band : kBands)
    for (int number = 1; number <= kMaxGroups; ++number) {
      const BandGroup group{band, number};
      for (ChannelRecord& record : working.content.Channels.group(group).subspan(UsedRecords(cfg, group))) record = {};
    }
}

void UnpackFromFile(const WorkingCopy& working, RadioConfig& cfg, DocumentState& doc) {
  cfg = working.content;
  doc.rangeText = RangeTextOfIndex(cfg.RangeIndex());
}

bool IsUnchanged(const RadioConfig& cfg, const WorkingCopy& working) {
  // The settings record in its stored form covers every setting a file keeps,
  // the channel counts included, and nothing a file does not keep.
  return EncodeSettingsRecord(cfg) == EncodeSettingsRecord(working.content) && ChannelsUnchanged(cfg, working.content);
}

}  // namespace zq
