#pragma once
// Committing a frequency typed into the channel grid: it creates, changes or
// removes the channel at that row of the shown group.
#include <string_view>

#include "channels/frequency_rules.h"
#include "config/radio_config.h"

namespace zq {

enum class EntryOutcome {
  Unchanged,            // empty entry on an empty row
  Created,              // a new channel at the end of the group's records
  Changed,              // the channel's receive frequency
  Removed,              // the channel; later records moved forward
  RemovedGroupInvalid,  // the group's last channel, and the group is no longer valid
  KeptLastChannel,      // the band's only channel stays, whatever was typed
  GroupFull,            // no free slot; nothing stored
  RowOutsideGroup,      // the row has no channel slot; nothing stored
};

struct EntryResult {
  EntryOutcome outcome = EntryOutcome::Unchanged;
  bool outOfRange = false;  // warn with Txt::FrequencyOutOfRange
};

// Stores `entry` at `row` of `group` in `band`. An entry that is out of range or
// not numeric counts as empty, after the warning. Removing the last channel of
// a group (of the records numbered up to 40) only happens while another valid
// group among the band's first nine (CB: ten) still has a channel below 40, and
// it then marks the group not valid. Creating or removing a channel re-validates
// the band's work group and work channels (group_selection.h).
// The window makes the shown group the work group before calling this.
EntryResult StoreFrequencyEntry(RadioConfig& cfg, BandGroup group, int row, std::string_view entry,
                                const FrequencyLimits& limits);

}  // namespace zq
