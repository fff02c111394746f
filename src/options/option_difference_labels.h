#pragma once
// The difference list as the option windows speak: a member the option-features
// window edits is named by its label (a common-parameter row by its frame, "HAM
// Public Power"; a number box by the check box it belongs to, "SWR Protect Max"),
// a DTMF code by the DTMF window's caption and number ("DTMF 4"); values as those
// windows show them ("High", "5 s", the code's digits).
#include <optional>

#include "config/radio_config.h"
#include "datafile/config_differences.h"

namespace zq {

// Nothing for a member no option window shows. Lists that depend on the
// configuration (defined DTMF codes and roger-beep presets) are those of `cfg`.
std::optional<LabelledDifference> LabelledOptionDifference(const MemberDifference& difference, const RadioConfig& cfg,
                                                           int language);

}  // namespace zq
