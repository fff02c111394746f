#pragma once
// What the group panel of the channel editor offers: the groups of a band under
// the names the user gave them, and the channels a group can work on.
// Groups are carried by number, never found again by their name, so two groups
// with the same (or a blank) name stay apart.
#include <string>
#include <vector>

#include "config/radio_config.h"
#include "text/language_table.h"

namespace zq {

struct GroupEntry {
  int group = 0;
  std::string name;  // UTF-8, as the lists show it
};

// The name a group is shown under: its trimmed GroupName, "MEM" or "VFO" for the
// special groups, the group number for a blank name.
std::string GroupDisplayName(const RadioConfig& cfg, BandGroup group, int language);

// The group selector: every ordinary group of the band (all seven CB plans),
// then MEM and VFO in HF and HAM. The group settings list offers the same.
std::vector<GroupEntry> GroupSelectorEntries(const RadioConfig& cfg, Band band, int language);
// The groups the radio can work in: the ordinary groups only.
std::vector<GroupEntry> WorkGroupEntries(const RadioConfig& cfg, Band band, int language);

// The group the editor shows first: the band's work group, or group 1 when the
// stored work group is not an ordinary group.
int InitialGroup(const RadioConfig& cfg, Band band);

// Numbers of the channels in use of a group (Enabled = 1), ascending: the
// entries of "Current Work Channel" and of "CB Mem Chan ID".
std::vector<int> ChannelNumbersInUse(const RadioConfig& cfg, BandGroup group);

}  // namespace zq
