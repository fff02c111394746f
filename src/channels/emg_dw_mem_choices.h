#pragma once
// What the fields of the emergency, dual-watch and memory-channel windows offer,
// built from the channels in use, and what picking an entry stores. The windows
// work on a copy of the record (`settings`); only their Save puts it back.
#include <cstdint>
#include <span>

#include "channels/emg_dw_mem_fields.h"
#include "config/radio_config.h"
#include "text/value_choices.h"

namespace zq {

// The entries of a field's list. A channel list offers the numbers of the
// channels in use of its group in ascending order; a band channel list follows
// the group its band field shows.
Choices FieldChoices(const RadioConfig& cfg, const SpecialField& field, std::span<const int16_t> settings,
                     int language);

// Stores the value of a picked entry into the copy. Picking a band also moves
// the channel fields of that band onto the new group's first channel when the
// channel they hold is not in use there, so that the copy keeps what the
// window shows. A field that is not editable stores nothing.
void ChooseFieldValue(const RadioConfig& cfg, SpecialWindow window, const SpecialField& field, int value,
                      std::span<int16_t> settings);

}  // namespace zq
