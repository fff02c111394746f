#pragma once
// The channel table of one band and group on paper, as the channel editor shows
// it: one line per grid row with the row's label and frequency and, for a row
// that holds a channel, every setting of the detail panel under its label.
#include "config/radio_config.h"
#include "print/print_document.h"

namespace zq {

PrintTable ChannelTablePrint(const RadioConfig& cfg, BandGroup group, int language);

}  // namespace zq
