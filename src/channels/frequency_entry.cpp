#include "channels/frequency_entry.h"

#include "config/channel_slots.h"
#include "channels/group_selection.h"
#include "config/defaults.h"

namespace zq {
namespace {

constexpr int kPlainChannels = 40;

// The last-channel rule looks at the band's first groups only: nine in HF and
// HAM, ten in CB (of which the radio has seven).
int GroupsOfLastChannelRule(Band band) { return band == kCB ? 10 : 9; }

int RecordsNumberedUpTo40(const RadioConfig& cfg, Band band, int group) {
  int count = 0;
  for (int k = 1, used = SlotsInUse(cfg, band, group); k <= used; ++k)
    if (cfg.Channel(band, group, k).Number <= kPlainChannels) ++count;
  return count;
}

int OtherChannelsBelow40InValidGroups(const RadioConfig& cfg, Band band, int group, int position) {
  int count = 0;
  for (int g = 1; g <= GroupsOfLastChannelRule(band) && g <= kMaxGroups; ++g) {
    if (cfg.Options.GroupValid(g, band) != 1) continue;
    for (int k = 1, used = SlotsInUse(cfg, band, g); k <= used; ++k)
      if (!(g == group && k == position) && cfg.Channel(band, g, k).Number < kPlainChannels) ++count;
  }
  return count;
}

EntryOutcome RemoveChannel(RadioConfig& cfg, Band band, int group, int position) {
  if (RecordsNumberedUpTo40(cfg, band, group) >= 2) {
    RemoveSlot(cfg, band, group, position);
    return EntryOutcome::Removed;
  }
  if (OtherChannelsBelow40InValidGroups(cfg, band, group, position) == 0) return EntryOutcome::KeptLastChannel;
  cfg.Options.GroupValid(group, band) = 0;
  RemoveSlot(cfg, band, group, position);
  return EntryOutcome::RemovedGroupInvalid;
}

EntryOutcome CreateChannel(RadioConfig& cfg, Band band, int group, int row, const std::string& stored) {
  ChannelRecord record = NewChannelRecord(row);
  record.RxFrequency = stored;
  record.TxFrequency = stored;
  return AppendSlot(cfg, band, group, record) ? EntryOutcome::Created : EntryOutcome::GroupFull;
}

bool ChangesChannelSet(EntryOutcome outcome) {
  return outcome == EntryOutcome::Created || outcome == EntryOutcome::Removed ||
         outcome == EntryOutcome::RemovedGroupInvalid;
}

}  // namespace

EntryResult StoreFrequencyEntry(RadioConfig& cfg, Band band, int group, int row, std::string_view entry,
                                const FrequencyLimits& limits) {
  if (!IsGroup(band, group) || row < 1 || row > GroupCapacity(band, group))
    return {EntryOutcome::RowOutsideGroup, false};

  EntryResult result;
  std::string stored;
  if (!entry.empty()) {
    CheckedText checked = CheckFrequencyText(entry, false, limits);
    auto storedText = StoredFromEntry(checked.text, limits);
    result.outOfRange = checked.outOfRange || !storedText;
    stored = storedText.value_or("");
  }

  int workGroup = cfg.Options.WorkGroup(band);
  if (workGroup < 1 || workGroup > GroupCount(band)) cfg.Options.WorkGroup(band) = 1;

  int position = FindSlotOfNumber(cfg, band, group, row);
  if (position != 0 && stored.empty()) {
    result.outcome = RemoveChannel(cfg, band, group, position);
  } else if (position != 0) {
    cfg.Channel(band, group, position).RxFrequency = stored;
    result.outcome = EntryOutcome::Changed;
  } else if (!stored.empty()) {
    result.outcome = CreateChannel(cfg, band, group, row, stored);
  }

  if (ChangesChannelSet(result.outcome)) RevalidateGroupSelections(cfg, band);
  return result;
}

}  // namespace zq
