#pragma once
// The band and group of a channel table, as the CSV commands name them:
// --band CB|HF|HAM and --group with the group's number, MEM or VFO.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "config/band_layout.h"

namespace zq::cli {

struct ChannelGroupArgs {
  std::string band;
  std::string group;
};

void AddChannelGroupOptions(CLI::App& cmd, ChannelGroupArgs& args);

// The group the options name; the message on standard error and nothing when
// they name no group of a band.
std::optional<BandGroup> ChosenGroup(const ChannelGroupArgs& args);

}  // namespace zq::cli
