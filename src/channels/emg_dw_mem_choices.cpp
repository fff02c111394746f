#include "channels/emg_dw_mem_choices.h"

#include <algorithm>
#include <string>
#include <vector>

#include "channels/channel_rows.h"
#include "channels/list_entries.h"
#include "config/channel_slots.h"
#include "text/plain_text.h"

namespace zq {
namespace {

// The work modes of special channels: the channel modes without PA.
constexpr Txt kWorkModeTexts[] = {Txt::ModeFm, Txt::ModeAm, Txt::ModeUsb, Txt::ModeLsb, Txt::ModeCw};
constexpr int kCbMemorySlotsPerPlan = 16;

// Numbers of the channels in use of a group up to `highest`, ascending, each once.
Choices ChannelNumberChoices(const RadioConfig& cfg, BandGroup group, int highest, const char* labelPrefix) {
  std::vector<int> numbers;
  for (int k = 1; k <= SlotsInUse(cfg, group); ++k) {
    const ChannelRecord& r = cfg.Channel(group, k);
    if (r.Enabled == 1 && r.Number >= 1 && r.Number <= highest) numbers.push_back(r.Number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  Choices choices;
  for (int n : numbers) choices.push_back({labelPrefix + std::to_string(n), n - 1});
  return choices;
}

// The plan's set of sixteen memory slots, as the channel grid's rows M1-M16 show them.
Choices CbMemoryChoices(const RadioConfig& cfg, int group) {
  int first = RowLayoutOf({kCB, group}).firstSpecialSlot;
  Choices choices;
  for (int k = 1; k <= kCbMemorySlotsPerPlan; ++k)
    if (cfg.Special(first + k - 1).Enabled == 1) choices.push_back({"M" + std::to_string(k), k - 1});
  return choices;
}

// An unnamed group shows its number, so that no entry of the list is blank.
Choices GroupNameChoices(const RadioConfig& cfg, Band band) {
  Choices choices;
  for (int g = 1; g <= OrdinaryGroupCount(band); ++g) {
    std::string name = Utf16ToUtf8(Cleaned(cfg.Options.GroupName({band, g})));
    choices.push_back({name.empty() ? std::to_string(g) : name, g - 1});
  }
  return choices;
}

// The group a band field shows: its stored position, or the first group.
int ShownGroup(std::span<const int16_t> settings, const SpecialField& channelField) {
  return ShownEntry(settings[channelField.bandSetting], OrdinaryGroupCount(channelField.band)) + 1;
}

}  // namespace

Choices FieldChoices(const RadioConfig& cfg, const SpecialField& field, std::span<const int16_t> settings,
                     int language) {
  switch (field.kind) {
    case SpecialFieldKind::CbChannel:
      return ChannelNumberChoices(cfg, {kCB, field.group}, GroupCapacity({kCB, field.group}), "");
    case SpecialFieldKind::CbMemory: return CbMemoryChoices(cfg, field.group);
    case SpecialFieldKind::BandGroup: return GroupNameChoices(cfg, field.band);
    case SpecialFieldKind::BandChannel: {
      int group = ShownGroup(settings, field);
      return ChannelNumberChoices(cfg, {field.band, group}, GroupCapacity({field.band, group}), "");
    }
    case SpecialFieldKind::MemChannel:
      return ChannelNumberChoices(cfg, {field.band, MemGroup(field.band)},
                                  GroupCapacity({field.band, MemGroup(field.band)}), "M");
    case SpecialFieldKind::WorkMode: return TextChoices(kWorkModeTexts, language);
    case SpecialFieldKind::State: return TextChoices(kOffOnTexts, language);
  }
  return {};
}

void ChooseFieldValue(const RadioConfig& cfg, SpecialWindow window, const SpecialField& field, int value,
                      std::span<int16_t> settings) {
  if (!field.editable) return;
  settings[field.setting] = static_cast<int16_t>(value);
  if (field.kind != SpecialFieldKind::BandGroup) return;
  for (const SpecialField& other : SpecialWindowOf(window).fields) {
    if (other.kind != SpecialFieldKind::BandChannel || other.bandSetting != field.setting) continue;
    Choices channels = FieldChoices(cfg, other, settings, kEnglish);
    bool held = std::any_of(channels.begin(), channels.end(),
                            [&](const Choice& c) { return c.value == settings[other.setting]; });
    if (!held && !channels.empty()) settings[other.setting] = static_cast<int16_t>(channels.front().value);
  }
}

}  // namespace zq
