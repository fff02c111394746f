#pragma once
// The list-edit commands of the channel grid: Copy, Cut, Paste, Insert&Paste
// and Delete on one row of the shown band and group, with a one-record clipboard.
//
// Records are found by Number, never by position, and only channel_slots.h adds
// or removes them, so ChannelCount always equals the records in use, no two
// records share a Number and every Number is a row of the group:
//   Paste on a row in use replaces that channel in its place;
//   Insert&Paste moves the channels at and below the row one row down, drops the
//     one pushed past the last row, and pastes at the freed row;
//   Cut, Delete and Insert&Paste do nothing in the VFO group; Cut, Delete,
//     Paste and Insert&Paste work on channel rows only (CB memory rows can be copied);
//   Paste and Insert&Paste take only a record whose frequency lies in the band's
//     range: a CB channel does not become a HAM channel at 26.965 MHz, and a
//     memory slot without a frequency does not become a counted channel.
// Each returns whether anything changed; after a change of a band's channels its
// work group and work channels are re-validated (group_selection.h).
#include <optional>

#include "config/radio_config.h"

namespace zq {

struct RowClipboard {
  std::optional<ChannelRecord> record;
};

bool CopyRow(const RadioConfig& cfg, RowClipboard& clipboard, BandGroup group, int row);
bool CutRow(RadioConfig& cfg, RowClipboard& clipboard, BandGroup group, int row);
bool DeleteRow(RadioConfig& cfg, BandGroup group, int row);

// What a row command did; `outOfRange` (a paste refused) asks the window to say
// Txt::FrequencyOutOfRange.
struct RowResult {
  bool changed = false;
  bool outOfRange = false;
  explicit operator bool() const { return changed; }
};
RowResult PasteRow(RadioConfig& cfg, const RowClipboard& clipboard, BandGroup group, int row);
RowResult InsertPasteRow(RadioConfig& cfg, const RowClipboard& clipboard, BandGroup group, int row);

}  // namespace zq
