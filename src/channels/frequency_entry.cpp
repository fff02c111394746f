#include "channels/frequency_entry.h"

#include "channels/group_selection.h"
#include "config/channel_slots.h"
#include "config/defaults.h"

namespace zq {
namespace {

constexpr int kPlainChannels = 40;

// The last-channel rule looks at the band's first groups only: nine in HF and
// HAM, ten in CB (of which the radio has seven).
int GroupsOfLastChannelRule(Band band) { return band == kCB ? 10 : 9; }

int RecordsNumberedUpTo40(const RadioConfig& cfg, BandGroup group) {
  int count = 0;
  for (int k = 1, used = SlotsInUse(cfg, group); k <= used; ++k)
    if (cfg.Channel(group, k).Number <= kPlainChannels) ++count;
  return count;
}

int OtherChannelsBelow40InValidGroups(const RadioConfig& cfg, BandGroup group, int position) {
  int count = 0;
  for (int g = 1; g <= GroupsOfLastChannelRule(group.band) && g <= kMaxGroups; ++g) {
    if (cfg.Options.GroupValid({group.band, g}) != 1) continue;
    for (int k = 1, used = SlotsInUse(cfg, {group.band, g}); k <= used; ++k)
      if (!(g == group.number && k == position) && cfg.Channel({group.band, g}, k).Number < kPlainChannels) ++count;
  }
  return count;
}

EntryOutcome RemoveChannel(RadioConfig& cfg, BandGroup group, int position) {
  if (RecordsNumberedUpTo40(cfg, group) >= 2) {
    RemoveSlot(cfg, group, position);
    return EntryOutcome::Removed;
  }
  if (OtherChannelsBelow40InValidGroups(cfg, group, position) == 0) return EntryOutcome::KeptLastChannel;
  cfg.Options.GroupValid(group) = 0;
  RemoveSlot(cfg, group, position);
  return EntryOutcome::RemovedGroupInvalid;
}

EntryOutcome CreateChannel(RadioConfig& cfg, BandGroup group, int row, const std::string& stored) {
  ChannelRecord record = NewChannelRecord(row);
  record.RxFrequency = stored;
  record.TxFrequency = stored;
  return AppendSlot(cfg, group, record) ? EntryOutcome::Created : EntryOutcome::GroupFull;
}

bool ChangesChannelSet(EntryOutcome outcome) {
  return outcome == EntryOutcome::Created || outcome == EntryOutcome::Removed ||
         outcome == EntryOutcome::RemovedGroupInvalid;
}

}  // namespace

EntryResult StoreFrequencyEntry(RadioConfig& cfg, BandGroup group, int row, std::string_view entry,
                                const FrequencyLimits& limits) {
  if (!IsGroup(group) || row < 1 || row > GroupCapacity(group)) return {EntryOutcome::RowOutsideGroup, false};

  EntryResult result;
  std::string stored;
  if (!entry.empty()) {
    CheckedText checked = CheckFrequencyText(entry, false, limits);
    auto storedText = StoredFromEntry(checked.text, limits);
    result.outOfRange = checked.outOfRange || !storedText;
    stored = storedText.value_or("");
  }

  int workGroup = cfg.Options.WorkGroup(group.band);
  if (workGroup < 1 || workGroup > GroupCount(group.band)) cfg.Options.WorkGroup(group.band) = 1;

  int position = FindSlotOfNumber(cfg, group, row);
  if (position != 0 && stored.empty()) {
    result.outcome = RemoveChannel(cfg, group, position);
  } else if (position != 0) {
    cfg.Channel(group, position).RxFrequency = stored;
    result.outcome = EntryOutcome::Changed;
  } else if (!stored.empty()) {
    result.outcome = CreateChannel(cfg, group, row, stored);
  }

  if (ChangesChannelSet(result.outcome)) RevalidateGroupSelections(cfg, group.band);
  return result;
}

}  // namespace zq
