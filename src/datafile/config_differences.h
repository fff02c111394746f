#pragma once
// Where two configurations differ, member by member, under the names of their
// JSON form ("/Options/Tot", "/Options/DtmfCodes/3", "/ChannelCount/2/1").
// Channel records are matched by band, group and slot instead of by their place
// in the group's list ("/Channels/HF/group 3/slot 12/RxFrequency"), so that a
// channel added in front of others is one difference, not a shift of them all.
#include <optional>
#include <string>
#include <vector>

#include "datafile/working_copy.h"
#include "image/image_map.h"

namespace zq {

// One plain value (a number or a text) that differs; a channel in use on one
// side only gives one difference for each of its members.
struct MemberDifference {
  std::string member;
  // Each side's value as JSON; nothing when that side has no such member.
  std::optional<std::string> before, after;
  bool operator==(const MemberDifference&) const = default;
};

// A difference as the editors speak: the member named by its label, the values as the editor shows them.
struct LabelledDifference {
  std::string member, before, after;
};

// The member a value of the image map or of an editor is, under the names of the
// JSON form ("/Options/Tot", "/Options/PublicParams/1/7", "/PublicSwitch/2").
std::string MemberOf(const ValueRef& value);

// In the order of the JSON form; empty when the two are the same.
std::vector<MemberDifference> DifferencesBetween(const WorkingCopy& before, const WorkingCopy& after);

// A value as a person reads it: its JSON text, or "(none)" for a side without the member.
std::string DifferenceValueText(const std::optional<std::string>& value, int language);

// The list for programs: {"old": name, "new": name, "differences": [{"member", "old", "new"}]},
// the values as JSON values and null for a side without the member.
std::string DifferencesJson(const std::vector<MemberDifference>& list, const std::string& beforeName,
                            const std::string& afterName);

}  // namespace zq
