#pragma once
// Default values of a new configuration, before a template is laid over it.
#include "config/radio_config.h"

namespace zq {

struct Date {
  int year = 2000, month = 1, day = 1;
};

// Fills every member of the configuration with its default and resets the
// document to the untitled "new.dat". The choices the radio's documentation
// leaves open are listed in docs/defaults.md.
void SetDefaultValues(RadioConfig& cfg, DocumentState& doc, Date today);

// The fields a channel created in the channel editor starts with (frequency aside):
// in use, in scan, NB on, FM, high power, no tones and no DTMF or roger beep.
ChannelRecord NewChannelRecord(int number);

}  // namespace zq
