#pragma once
// The difference list as the channel window speaks: a channel member named by
// band, group (name and number), "CH" and the row, and the label of its field
// ("HAM A (1) CH 9 Power"); its values as the window shows them ("High",
// "28.90000", a tone code as its tone, a DTMF reference with its digits).
// Members the channel window does not show keep their JSON pointer and value.
#include <string>
#include <vector>

#include "config/radio_config.h"
#include "datafile/config_differences.h"

namespace zq {

struct LabelledDifference {
  std::string member, before, after;
};

// Group names and DTMF codes are those of `cfg`, the new side (the configuration in the program).
std::vector<LabelledDifference> LabelledDifferences(const std::vector<MemberDifference>& list, const RadioConfig& cfg,
                                                    int language);

}  // namespace zq
