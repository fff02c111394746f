#include "channel_group_args.h"

#include <algorithm>
#include <cctype>

#include "config/band_layout.h"
#include "data_commands.h"
#include "text/letter_case.h"
#include "text/plain_text.h"

namespace zq::cli {
namespace {

std::optional<Band> BandOfName(std::string_view name) {
  for (const Band band : kBands)
    if (SameIgnoringCase(Trim(name), BandShortName(band))) return band;
  return std::nullopt;
}

std::optional<int> GroupOfName(Band band, std::string_view name) {
  name = Trim(name);
  if (MemGroup(band) != 0 && SameIgnoringCase(name, "MEM")) return MemGroup(band);
  if (VfoGroup(band) != 0 && SameIgnoringCase(name, "VFO")) return VfoGroup(band);
  auto number = IsAllDigits(name) ? ParseInteger(name) : std::nullopt;
  if (number && IsGroup({band, static_cast<int>(*number)})) return static_cast<int>(*number);
  return std::nullopt;
}

}  // namespace

void AddChannelGroupOptions(CLI::App& cmd, ChannelGroupArgs& args) {
  cmd.add_option("--band", args.band, Say(Txt::CliBandHelp))->required();
  cmd.add_option("--group", args.group, Say(Txt::CliGroupHelp))->required();
}

std::optional<BandGroup> ChosenGroup(const ChannelGroupArgs& args) {
  auto band = BandOfName(args.band);
  if (!band) {
    Complain(Say(Txt::CliBandInvalid));
    return std::nullopt;
  }
  auto group = GroupOfName(*band, args.group);
  if (!group) {
    Txt message = MemGroup(*band) != 0 ? Txt::CliGroupInvalid : Txt::CliCbGroupInvalid;
    Complain(FillIn(Say(message), {std::to_string(GroupCount(*band))}));
    return std::nullopt;
  }
  return BandGroup{*band, *group};
}

}  // namespace zq::cli
