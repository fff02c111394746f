#include "shell/ui/undo_step_view.h"

#include <algorithm>
#include <set>
#include <vector>

#include "channels/detail_fields.h"
#include "channels/group_entries.h"
#include "config/option_features.h"
#include "shell/ui/editor_table.h"

namespace zq {
namespace {

// The labels of the channel window under which the record changed; a changed
// frequency names the change alone, as the rest follows from it.
std::vector<Txt> ChangedLabels(const ChannelRecord& before, const ChannelRecord& after) {
  if (before.RxFrequency != after.RxFrequency || before.TxFrequency != after.TxFrequency) return {Txt::StepFrequency};
  std::vector<Txt> labels;
  for (const DetailFieldDef& def : DetailFields()) {
    const bool changed = def.tone ? before.*(def.tone->type) != after.*(def.tone->type) ||
                                        before.*(def.tone->ctcss) != after.*(def.tone->ctcss) ||
                                        before.*(def.tone->dcs) != after.*(def.tone->dcs)
                                  : before.*(def.field) != after.*(def.field);
    if (changed && std::find(labels.begin(), labels.end(), def.label) == labels.end()) labels.push_back(def.label);
  }
  return labels;
}

// The option fields the channel, DTMF and weather windows edit; every other
// field is one of the Option Features window.
std::string_view EditorOfOptionByte(int offset) {
  for (const OptFieldDef& def : kOptionFields) {
    const FieldShape& shape = def.shape;
    const int end = def.offset + (shape.count1 - 1) * shape.stride1 + (shape.count2 - 1) * shape.stride2 + def.width();
    if (offset < def.offset || offset >= end) continue;
    const std::string_view name = def.name;
    if (name == "WorkGroup" || name == "WorkChannel" || name == "GroupValid" || name == "GroupName")
      return kChannelEditorKey;
    if (name.starts_with("Dtmf")) return kDtmfEditorKey;
    if (name.starts_with("Wx")) return "N7";
    break;
  }
  return kOptionEditorKey;
}

std::string_view EditorOfSetting(const StepReach::Setting& setting) {
  const std::string_view m = setting.member;
  if (m == "Options") return EditorOfOptionByte(setting.offset);
  if (m == "RogerBeepTable") return kRogerBeepEditorKey;
  if (m == "EmergencySettings" || m == "EmgMode") return "N3";
  if (m == "DualWatchSettings") return "N4";
  if (m == "MemoryChannelSettings") return "N6";
  if (m == "ChVolKind" || m == "ModeEnable" || m == "PublicSwitch" || m == "KeyLock") return kOptionEditorKey;
  return kChannelEditorKey;  // the channel counts and the document's own records
}

std::string BandAndGroup(const RadioConfig& cfg, BandGroup group, int language) {
  return std::string(BandShortName(group.band)) + " " + GroupDisplayName(cfg, group, language);
}

UndoStepView ViewOfChannels(const StepReach& reach, const RadioConfig& cfg, int language) {
  const StepReach::Channel& first = reach.channels.front();
  auto sameAsFirst = [&](bool withGroup) {
    return std::all_of(reach.channels.begin(), reach.channels.end(), [&](const StepReach::Channel& c) {
      return c.band == first.band && (!withGroup || c.group == first.group);
    });
  };
  UndoStepView view{{}, kChannelEditorKey};
  if (!first.band || !sameAsFirst(false)) {  // the CB memories, or channels of several bands
    view.what = WithoutAccessKey(Text(Txt::MenuChannelInformation, language));
    if (!first.band) view.band = kCB;
    return view;
  }
  view.band = first.band;
  if (!sameAsFirst(true)) {
    view.what = FillIn(Text(Txt::StepChannels, language), {BandShortName(*first.band)});
    return view;
  }
  view.group = first.group;
  const std::string group = BandAndGroup(cfg, {*first.band, first.group}, language);
  if (reach.channels.size() > 1) {
    view.what = FillIn(Text(Txt::StepChannels, language), {group});
    return view;
  }
  // A channel row shows the record whose Number is the row.
  view.row = (first.after.Enabled ? first.after : first.before).Number;
  const std::string place = FillIn(Text(Txt::StepChannelPlace, language), {group, std::to_string(view.row)});
  const std::vector<Txt> labels = ChangedLabels(first.before, first.after);
  view.what = labels.size() == 1
                  ? FillIn(Text(Txt::StepChannelField, language), {std::string(Text(labels[0], language)), place})
                  : place;
  return view;
}

}  // namespace

UndoStepView ViewOfStep(const StepReach& reach, const RadioConfig& cfg, int language) {
  if (!reach.channels.empty()) return ViewOfChannels(reach, cfg, language);
  if (reach.settings.empty()) return {};
  std::set<std::string_view> editors;
  for (const StepReach::Setting& setting : reach.settings) editors.insert(EditorOfSetting(setting));
  // A step of several windows (Initial Setting touches them all) is shown in the channel window.
  const std::string_view editor = editors.size() == 1 ? *editors.begin() : kChannelEditorKey;
  return {WithoutAccessKey(Text(FindEditor(editor)->treeText, language)), editor};
}

}  // namespace zq
