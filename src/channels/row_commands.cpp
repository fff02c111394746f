#include "channels/row_commands.h"

#include "channels/channel_rows.h"
#include "channels/frequency_rules.h"
#include "channels/group_selection.h"
#include "config/channel_slots.h"

namespace zq {
namespace {

bool IsChannelRow(BandGroup group, int row) { return TargetOfRow(group, row).kind == RowKind::Channel; }

bool RemoveChannelAt(RadioConfig& cfg, BandGroup group, int row) {
  if (IsVfoGroup(group) || !IsChannelRow(group, row)) return false;
  int position = FindSlotOfNumber(cfg, group, row);
  if (position == 0) return false;
  RemoveSlot(cfg, group, position);
  RevalidateGroupSelections(cfg, group.band);
  return true;
}

// Channels at the row and below move one row down; the ones pushed past the
// last row are dropped. Refused (false) when that would still leave no free slot.
bool OpenRow(RadioConfig& cfg, BandGroup group, int row) {
  int lastRow = GroupCapacity(group);
  int used = SlotsInUse(cfg, group);
  int dropped = 0;
  for (int k = 1; k <= used; ++k)
    if (cfg.Channel(group, k).Number >= lastRow) ++dropped;
  if (used - dropped >= lastRow) return false;
  for (int k = used; k >= 1; --k) {
    ChannelRecord& record = cfg.Channel(group, k);
    if (record.Number < row) continue;
    if (record.Number >= lastRow)
      RemoveSlot(cfg, group, k);
    else
      ++record.Number;
  }
  return true;
}

}  // namespace

bool CopyRow(const RadioConfig& cfg, RowClipboard& clipboard, BandGroup group, int row) {
  const ChannelRecord* record = RecordAtRow(cfg, group, row);
  if (record == nullptr) return false;
  clipboard.record = *record;
  return true;
}

bool CutRow(RadioConfig& cfg, RowClipboard& clipboard, BandGroup group, int row) {
  if (IsVfoGroup(group) || !CopyRow(cfg, clipboard, group, row)) return false;
  RemoveChannelAt(cfg, group, row);
  return true;
}

bool DeleteRow(RadioConfig& cfg, BandGroup group, int row) { return RemoveChannelAt(cfg, group, row); }

bool FitsBand(const RowClipboard& clipboard, Band band) {
  return StoredFrequencyWithin(clipboard.record->RxFrequency.view(), LimitsOfBand(band));
}

RowResult PasteRow(RadioConfig& cfg, const RowClipboard& clipboard, BandGroup group, int row) {
  if (!clipboard.record || !IsChannelRow(group, row)) return {};
  if (!FitsBand(clipboard, group.band)) return {false, true};
  ChannelRecord record = *clipboard.record;
  record.Number = static_cast<int16_t>(row);
  record.Enabled = 1;
  int position = FindSlotOfNumber(cfg, group, row);
  if (position != 0)
    cfg.Channel(group, position) = record;
  else if (!AppendSlot(cfg, group, record))
    return {};
  RevalidateGroupSelections(cfg, group.band);
  return {true, false};
}

RowResult InsertPasteRow(RadioConfig& cfg, const RowClipboard& clipboard, BandGroup group, int row) {
  if (IsVfoGroup(group) || !clipboard.record || !IsChannelRow(group, row)) return {};
  if (!FitsBand(clipboard, group.band)) return {false, true};
  if (!OpenRow(cfg, group, row)) return {};
  return PasteRow(cfg, clipboard, group, row);
}

}  // namespace zq
