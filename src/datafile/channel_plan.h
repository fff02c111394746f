#pragma once
// Channel plans for the templates, read from the text table data/channel_plans.txt:
//
//   group <CB|HF|HAM> <group number> <name> [initial]   starts a group ("initial": Initial Setting template only)
//   source <text>                        where the plan's frequencies come from
//   mode <FM|AM|USB|LSB|PA|CW>           mode of the channels that follow (FM until set)
//   channels <first> <MHz> [<MHz> ...]   consecutive channel numbers from <first>
//   steps <first> <last> <MHz> <kHz>     channels <first>..<last> from <MHz> in steps of <kHz>
//   copy <band> <group> <kHz>            the channels of an earlier group, shifted by <kHz>
//
// Blank lines and lines starting with "#" are ignored. Numbers always use ".".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/radio_config.h"
#include "datafile/install_layout.h"

namespace zq {

struct PlanChannel {
  int number = 0;
  long long hertz = 0;
  int mode = 0;  // channel Mode code: 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA, 5 CW
};

struct PlanGroup {
  BandGroup group;
  std::string name;
  std::string source;
  bool initialOnly = false;
  std::vector<PlanChannel> channels;  // numbered 1..n in order
};

struct ChannelPlanParse {
  std::vector<PlanGroup> groups;
  std::string error;  // empty when the whole table was read
  int errorLine = 0;
  bool ok() const { return error.empty(); }
};

ChannelPlanParse ParseChannelPlans(std::string_view text);

// Puts the plan groups meant for the template kind into the configuration:
// names, channel records and counts.
void ApplyChannelPlans(const std::vector<PlanGroup>& groups, TemplateKind kind, RadioConfig& cfg);

// A decimal text scaled by 10^decimals exactly ("27.60125", 6 gives 27601250);
// nothing when it is not a plain decimal number or has more decimals.
std::optional<long long> ParseScaledDecimal(std::string_view text, int decimals);
// The stored frequency text: eight digits of hertz ("26965000"); empty when out of that range.
std::string FrequencyTextOfHertz(long long hertz);

}  // namespace zq
