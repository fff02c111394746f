#pragma once
// The difference list as the channel window speaks: a channel member named by
// band, group (name and number), "CH" and the row, and the label of its field
// ("HAM A (1) CH 9 Power"); its values as the window shows them ("High",
// "28.90000", a tone code as its tone, a DTMF reference with its digits).
// Members of the option-features window and DTMF codes are named as those windows
// name them (options/option_difference_labels.h), the emergency, dual-watch and
// memory-channel settings by their fields' labels; members no window shows keep
// their JSON pointer and value.
#include <string>
#include <vector>

#include "config/radio_config.h"
#include "datafile/config_differences.h"

namespace zq {

// Group names and DTMF codes are those of `cfg`, the new side (the configuration in the program).
std::vector<LabelledDifference> LabelledDifferences(const std::vector<MemberDifference>& list, const RadioConfig& cfg,
                                                    int language);

}  // namespace zq
