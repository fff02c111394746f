#include "channels/difference_labels.h"

#include <optional>
#include <string_view>
#include <utility>

#include "channels/detail_fields.h"
#include "channels/emg_dw_mem_choices.h"
#include "channels/frequency_rules.h"
#include "channels/group_entries.h"
#include "channels/tone_codes.h"
#include "options/dtmf_rules.h"
#include "options/option_difference_labels.h"
#include "text/plain_text.h"

namespace zq {
namespace {

// "/Channels/HAM/group 1/slot 9/PowerLevel" taken apart.
struct ChannelMember {
  ChannelSlot slot;
  std::string field;
};

std::optional<ChannelMember> ParseChannelMember(std::string_view member) {
  constexpr std::string_view kPrefix = "/Channels/";
  if (!member.starts_with(kPrefix)) return std::nullopt;
  member.remove_prefix(kPrefix.size());
  std::vector<std::string_view> parts;
  for (std::size_t at; (at = member.find('/')) != std::string_view::npos; member.remove_prefix(at + 1))
    parts.push_back(member.substr(0, at));
  parts.push_back(member);
  if (parts.size() != 4 || !parts[1].starts_with("group ") || !parts[2].starts_with("slot ")) return std::nullopt;
  ChannelMember m;
  const auto band = BandOfShortName(parts[0]);
  auto group = ParseInteger(parts[1].substr(6));
  auto slot = ParseInteger(parts[2].substr(5));
  if (!band || !group || !slot) return std::nullopt;
  m.slot = {{*band, static_cast<int>(*group)}, static_cast<int>(*slot)};
  m.field = std::string(parts[3]);
  return m;
}

// The detail field that shows a record member, and for a tone code whether it is the DCS one.
struct FieldOfMember {
  const DetailFieldDef* def = nullptr;
  bool dcs = false;
};

FieldOfMember FindField(const std::string& name) {
  ChannelRecord probe;
  const void* member = nullptr;
  VisitChannelFields(probe, [&](std::string_view n, auto& value) {
    if (n == name) member = &value;
  });
  for (const DetailFieldDef& def : DetailFields()) {
    if (def.tone) {
      if (member == &(probe.*(def.tone->ctcss))) return {&def, false};
      if (member == &(probe.*(def.tone->dcs))) return {&def, true};
    } else if (member == &(probe.*(def.field))) {
      return {&def, false};
    }
  }
  return {};
}

std::string Unquoted(const std::string& json) {
  return json.size() >= 2 && json.front() == '"' ? json.substr(1, json.size() - 2) : json;
}

std::string ShownValue(const ChannelMember& m, const FieldOfMember& field, const std::optional<std::string>& value,
                       const RadioConfig& cfg, int language) {
  if (!value) return DifferenceValueText(value, language);
  if (m.field == "RxFrequency") {
    auto mhz = StoredFrequencyMhz(Unquoted(*value));
    return mhz ? FormatFixed(*mhz, 5) : Unquoted(*value);
  }
  auto number = ParseInteger(*value);
  if (!field.def || !number) return *value;
  const int n = static_cast<int>(*number);
  switch (field.def->kind) {
    case ChoiceKind::Fixed:
      return n >= 0 && n < static_cast<int>(field.def->choices.size())
                 ? std::string(Text(field.def->choices[n], language))
                 : *value;
    case ChoiceKind::ToneCode: return field.dcs ? DcsText(n) : CtcssText(n);
    case ChoiceKind::DtmfCode: {
      if (n == 0) return std::string(Text(Txt::ChoiceOff, language));
      return n >= 1 && n <= kDtmfCodeCount ? DtmfReferenceText(cfg.Options, n) : *value;
    }
    case ChoiceKind::CbMemChannel: return n == kNoCbMemChannel ? std::string(Text(Txt::ChoiceOff, language)) : *value;
    default: return n == 0 ? std::string(Text(Txt::ChoiceOff, language)) : *value;
  }
}

// A member of the emergency, dual-watch or memory-channel settings, named by the
// label of the field that shows it ("PL Emg Channel 1") and shown as its list shows it.
std::optional<LabelledDifference> LabelledSpecialDifference(const MemberDifference& d, const RadioConfig& cfg,
                                                            int language) {
  static constexpr std::pair<SpecialWindow, ValueRef::Kind> kWindows[] = {
      {SpecialWindow::Emergency, ValueRef::Emergency},
      {SpecialWindow::DualWatch, ValueRef::DualWatch},
      {SpecialWindow::MemoryChannel, ValueRef::MemoryChannel},
  };
  for (auto [window, kind] : kWindows)
    for (const SpecialField& field : SpecialWindowOf(window).fields) {
      if (d.member != MemberOf({kind, Opt::WorkGroup, field.setting})) continue;
      const Choices choices = FieldChoices(cfg, field, SettingsOf(cfg, window), language);
      auto shown = [&](const std::optional<std::string>& value) {
        const auto number = value ? ParseInteger(*value) : std::nullopt;
        if (number)
          for (const Choice& c : choices)
            if (c.value == *number) return c.text;
        return DifferenceValueText(value, language);
      };
      return LabelledDifference{FieldLabel(field, language), shown(d.before), shown(d.after)};
    }
  return std::nullopt;
}

}  // namespace

std::vector<LabelledDifference> LabelledDifferences(const std::vector<MemberDifference>& list, const RadioConfig& cfg,
                                                    int language) {
  std::vector<LabelledDifference> out;
  for (const MemberDifference& d : list) {
    auto labelled = LabelledOptionDifference(d, cfg, language);
    if (!labelled) labelled = LabelledSpecialDifference(d, cfg, language);
    if (labelled) {
      out.push_back(std::move(*labelled));
      continue;
    }
    const auto m = ParseChannelMember(d.member);
    const FieldOfMember field = m ? FindField(m->field) : FieldOfMember{};
    const bool frequency = m && m->field == "RxFrequency";
    if (!m || (!field.def && !frequency) || !IsGroup(m->slot.group)) {
      out.push_back({d.member, DifferenceValueText(d.before, language), DifferenceValueText(d.after, language)});
      continue;
    }
    const std::string label = std::string(Text(frequency ? Txt::FrequencyLabel : field.def->label, language));
    const BandGroup group = m->slot.group;
    const std::string name = std::string(BandShortName(group.band)) + " " + GroupDisplayName(cfg, group, language) +
                             " (" + std::to_string(group.number) + ") CH " + std::to_string(m->slot.number) + " " +
                             label;
    out.push_back(
        {name, ShownValue(*m, field, d.before, cfg, language), ShownValue(*m, field, d.after, cfg, language)});
  }
  return out;
}

}  // namespace zq
