#pragma once
// The records of a channel group as the program keeps them: the first
// ChannelCount slots of the group are in use, in the order the channels were
// created; each record's Number says at which row of the grid it shows.
// These helpers are the only code that adds or removes records, so that the
// count never leaves 0..GroupCapacity whatever the stored data said.
#include <functional>

#include "config/radio_config.h"

namespace zq {

// ChannelCount of the group, held within 0..GroupCapacity: a damaged file or
// radio image never makes a walker step outside the group.
int SlotsInUse(const RadioConfig& cfg, BandGroup group);

// Position (1-based) of the first record in use whose Number is `number`; 0 when none.
int FindSlotOfNumber(const RadioConfig& cfg, BandGroup group, int number);

// Takes the record at `position` out: later records move one place forward.
void RemoveSlot(RadioConfig& cfg, BandGroup group, int position);

// Puts the record after the last one in use; false (nothing changed) when the group is full.
bool AppendSlot(RadioConfig& cfg, BandGroup group, const ChannelRecord& record);

// Every channel record in use of every band and group, then the 96 special
// slots: the records whose DTMF and roger-beep references must stay valid.
void ForEachReferencingRecord(RadioConfig& cfg, const std::function<void(ChannelRecord&)>& visit);

}  // namespace zq
