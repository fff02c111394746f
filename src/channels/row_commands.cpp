#include "channels/row_commands.h"

#include "channels/channel_rows.h"
#include "channels/frequency_rules.h"
#include "config/channel_slots.h"
#include "channels/group_selection.h"

namespace zq {
namespace {

bool IsChannelRow(Band band, int group, int row) { return TargetOfRow(band, group, row).kind == RowKind::Channel; }

bool RemoveChannelAt(RadioConfig& cfg, Band band, int group, int row) {
  if (IsVfoGroup(band, group) || !IsChannelRow(band, group, row)) return false;
  int position = FindSlotOfNumber(cfg, band, group, row);
  if (position == 0) return false;
  RemoveSlot(cfg, band, group, position);
  RevalidateGroupSelections(cfg, band);
  return true;
}

// Channels at the row and below move one row down; the ones pushed past the
// last row are dropped. Refused (false) when that would still leave no free slot.
bool OpenRow(RadioConfig& cfg, Band band, int group, int row) {
  int lastRow = GroupCapacity(band, group);
  int used = SlotsInUse(cfg, band, group);
  int dropped = 0;
  for (int k = 1; k <= used; ++k)
    if (cfg.Channel(band, group, k).Number >= lastRow) ++dropped;
  if (used - dropped >= lastRow) return false;
  for (int k = used; k >= 1; --k) {
    ChannelRecord& record = cfg.Channel(band, group, k);
    if (record.Number < row) continue;
    if (record.Number >= lastRow)
      RemoveSlot(cfg, band, group, k);
    else
      ++record.Number;
  }
  return true;
}

}  // namespace

bool CopyRow(const RadioConfig& cfg, RowClipboard& clipboard, Band band, int group, int row) {
  const ChannelRecord* record = RecordAtRow(cfg, band, group, row);
  if (record == nullptr) return false;
  clipboard.record = *record;
  return true;
}

bool CutRow(RadioConfig& cfg, RowClipboard& clipboard, Band band, int group, int row) {
  if (IsVfoGroup(band, group) || !CopyRow(cfg, clipboard, band, group, row)) return false;
  RemoveChannelAt(cfg, band, group, row);
  return true;
}

bool DeleteRow(RadioConfig& cfg, Band band, int group, int row) { return RemoveChannelAt(cfg, band, group, row); }

bool FitsBand(const RowClipboard& clipboard, Band band) {
  return StoredFrequencyWithin(clipboard.record->RxFrequency.view(), LimitsOfBand(band));
}

RowResult PasteRow(RadioConfig& cfg, const RowClipboard& clipboard, Band band, int group, int row) {
  if (!clipboard.record || !IsChannelRow(band, group, row)) return {};
  if (!FitsBand(clipboard, band)) return {false, true};
  ChannelRecord record = *clipboard.record;
  record.Number = static_cast<int16_t>(row);
  record.Enabled = 1;
  int position = FindSlotOfNumber(cfg, band, group, row);
  if (position != 0)
    cfg.Channel(band, group, position) = record;
  else if (!AppendSlot(cfg, band, group, record))
    return {};
  RevalidateGroupSelections(cfg, band);
  return {true, false};
}

RowResult InsertPasteRow(RadioConfig& cfg, const RowClipboard& clipboard, Band band, int group, int row) {
  if (IsVfoGroup(band, group) || !clipboard.record || !IsChannelRow(band, group, row)) return {};
  if (!FitsBand(clipboard, band)) return {false, true};
  if (!OpenRow(cfg, band, group, row)) return {};
  return PasteRow(cfg, clipboard, band, group, row);
}

}  // namespace zq
