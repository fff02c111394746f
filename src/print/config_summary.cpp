#include "print/config_summary.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "channels/emg_dw_mem_choices.h"
#include "channels/emg_dw_mem_fields.h"
#include "channels/group_entries.h"
#include "channels/weather_fields.h"
#include "channels/weather_rules.h"
#include "datafile/version_list.h"
#include "options/dtmf_lists.h"
#include "options/dtmf_rules.h"
#include "options/option_items.h"
#include "options/roger_beep_rules.h"
#include "options/roger_lists.h"
#include "text/plain_text.h"

namespace zq {
namespace {

// Roger-beep steps printed on one line; a preset's other steps go on the lines under it.
constexpr int kRogerStepsPerLine = 7;

struct Summary {
  int language;
  std::vector<PrintTable> tables;

  std::string Say(Txt id) const { return std::string(Text(id, language)); }
  PrintTable& Add(std::string heading, std::vector<Txt> columns) {
    PrintTable& table = tables.emplace_back();
    table.heading = std::move(heading);
    for (Txt c : columns) table.columns.push_back(Say(c));
    return table;
  }
  PrintTable& AddSettings(std::string heading) {
    return Add(std::move(heading), {Txt::PrintItemColumn, Txt::PrintValueColumn});
  }
};

std::string Shown(std::string_view stored) { return std::string(Cleaned(stored)); }

// The entry a list shows for a stored value; empty for a list without entries.
std::string ShownText(const Choices& choices, int stored) {
  int shown = ShownChoice(choices, stored);
  return shown < 0 ? std::string() : choices[shown].text;
}

void AddIdentity(const RadioConfig& cfg, Summary& s) {
  const IdentityRecord& id = cfg.Identity;
  PrintTable& t = s.AddSettings(s.Say(Txt::ModelInformationLabel));
  t.rows = {{s.Say(Txt::InfoModel), Shown(id.ModelName.view())},
            {s.Say(Txt::PrintModelCode), std::to_string(id.ModelCode)},
            {s.Say(Txt::InfoDataVersion), DisplayVersion(Shown(cfg.DataVersion.view()))},
            {s.Say(Txt::PrintIdentityVersion), Shown(id.IdentityVersion.view())},
            {s.Say(Txt::PrintCreated), Shown(id.CreationDate.view())},
            {s.Say(Txt::InfoRange), RangeTextOfIndex(cfg.RangeIndex())}};
}

void AddRadioInformation(const RadioConfig& cfg, Summary& s) {
  struct Label {
    std::string_view field;
    Txt text;
  };
  static constexpr Label kLabels[] = {
      {"SerialNumber", Txt::PrintSerialNumber}, {"ProductionBatch", Txt::PrintProductionBatch},
      {"HardwareCode", Txt::PrintHardwareCode}, {"FirmwareVersion", Txt::PrintFirmwareVersion},
      {"FactoryCode", Txt::PrintFactoryCode},   {"ModelName", Txt::PrintRadioModel}};
  PrintTable& t = s.AddSettings(s.Say(Txt::InfoRadioInformation));
  VisitRadioInformationFields(cfg.RadioInfo, [&](std::string_view name, const auto& text) {
    for (const Label& label : kLabels)
      if (label.field == name) t.rows.push_back({s.Say(label.text), Shown(text.view())});
  });
}

void AddGroups(const RadioConfig& cfg, Summary& s) {
  PrintTable& t = s.Add(s.Say(Txt::PrintGroupsHeading), {Txt::BandLabel, Txt::GroupLabel, Txt::GroupNameLabel,
                                                         Txt::GroupValidLabel, Txt::PrintChannelsColumn});
  for (const Band band : kBands)
    for (int group = 1; group <= GroupCount(band); ++group) {
      bool valid = cfg.Options.GroupValid({band, group}) == 1;
      t.rows.push_back({BandShortName(band), std::to_string(group), GroupDisplayName(cfg, {band, group}, s.language),
                        s.Say(valid ? Txt::ChoiceOn : Txt::ChoiceOff), std::to_string(cfg.Count({band, group}))});
    }
}

// The summary shows what is stored, whatever band the channel editor shows or
// radio was read last: every list is the full one (all key functions, all
// clarifier entries).
ListContext FullLists(const RadioConfig& cfg, int language) {
  return MakeListContext(cfg, language, /*hfCapable=*/true, /*cbBand=*/false);
}

std::string OnOff(bool on, const Summary& s) { return s.Say(on ? Txt::ChoiceOn : Txt::ChoiceOff); }

std::string ControlText(const RadioConfig& cfg, const OptionControl& control, const ListContext& lists,
                        const Summary& s) {
  if (control.kind == OptionControlKind::NameBox) return Utf16ToUtf8(Cleaned(cfg.Options.BtDeviceName()));
  const int value = ReadValue(cfg, control.value);
  switch (control.kind) {
    case OptionControlKind::List: return ShownText(ChoicesOf(control.list, control.pieces, lists), value);
    case OptionControlKind::CheckBox: return OnOff(value != 0, s);
    default: return ShowNumber(control.number, value) + (control.unit ? " " + s.Say(*control.unit) : "");
  }
}

// The window's frames: its two columns and the PUBLIC switches under one heading.
Txt HeadingOf(OptionPlace place) {
  switch (place) {
    case OptionPlace::ModeFrame: return Txt::OptModeEnable;
    case OptionPlace::Ble: return Txt::OptBle;
    default: return Txt::OptCaption;
  }
}

void AddOptionFeatures(const RadioConfig& cfg, Summary& s) {
  const ListContext lists = FullLists(cfg, s.language);
  for (Txt heading : {Txt::OptCaption, Txt::OptModeEnable, Txt::OptBle}) {
    PrintTable& t = s.AddSettings(s.Say(heading));
    for (const OptionControl& control : OptionControls()) {
      if (HeadingOf(control.place) != heading) continue;
      std::string text = ControlText(cfg, control, lists, s);
      if (control.besidePrevious && !t.rows.empty())  // a second list on the same row, under the same label
        t.rows.back()[1] += ", " + text;
      else
        t.rows.push_back({s.Say(control.label), text});
    }
  }
}

void AddCommonParameters(const RadioConfig& cfg, Summary& s) {
  const ListContext lists = FullLists(cfg, s.language);
  for (const PublicBlock& block : PublicBlocks()) {
    PrintTable& t = s.AddSettings(s.Say(block.caption));
    for (const PublicRow& row : PublicRows())
      if (BlockShowsRow(block, row))
        t.rows.push_back({s.Say(RowLabel(block, row)), ShownText(ChoicesOf(row.list, row.pieces, lists),
                                                                 cfg.Options.PublicParams(block.band, row.param))});
  }
}

void AddDtmfSettings(const RadioConfig& cfg, Summary& s) {
  PrintTable& t = s.AddSettings(s.Say(Txt::DtmfCaption));
  for (const DtmfSettingList& list : DtmfSettingLists())
    t.rows.push_back(
        {s.Say(list.label), ShownText(BuildChoices(list.pieces, s.language), cfg.Options.DtmfSettings(list.element))});
  t.rows.push_back({s.Say(Txt::DtmfDisplay), OnOff(cfg.Options.DtmfSettings(kDtmfDisplayElement) != 0, s)});
}

void AddDtmfCodes(const RadioConfig& cfg, Summary& s) {
  PrintTable& t = s.Add(s.Say(Txt::InfoDtmfCodes), {Txt::DtmfNumber, Txt::PrintDtmfCodeColumn});
  for (int n : DefinedDtmfCodeNumbers(cfg.Options))
    t.rows.push_back({std::to_string(n), Utf16ToUtf8(Cleaned(cfg.Options.DtmfCodes(n)))});
  if (t.rows.empty()) t.rows.push_back({s.Say(Txt::InfoNone), ""});
}

// The texts the roger-beep editor shows for its lists.
struct RogerTexts {
  explicit RogerTexts(int language)
      : recycle(BuildChoices(RogerRecycleList(), language)),
        time(BuildChoices(RogerTimeList(), language)),
        frequency(BuildChoices(RogerFrequencyList(), language)) {}
  Choices recycle, time, frequency;
};

void AddRogerPresets(const RadioConfig& cfg, Summary& s) {
  PrintTable& t = s.Add(s.Say(Txt::InfoRogerPresets),
                        {Txt::DtmfNumber, Txt::RbRecycle, Txt::RbInterTime, Txt::PrintTonesColumn});
  const RogerTexts texts(s.language);
  for (int n : DefinedRogerPresetNumbers(cfg)) {
    const RogerBeepPreset& preset = cfg.RogerBeepTable[n - 1];
    // "1000×100": a step's tone in Hz and its length in ms; a step of no length is not played.
    std::vector<std::string> steps;
    for (int step = 0; step < kRogerSteps; ++step)
      if (preset[2 * step + 1] > 0)
        steps.push_back(ShownText(texts.frequency, preset[2 * step]) + "×" +
                        ShownText(texts.time, preset[2 * step + 1]));
    for (std::size_t first = 0; first < steps.size(); first += kRogerStepsPerLine) {
      std::string line;
      for (std::size_t k = first; k < std::min(steps.size(), first + kRogerStepsPerLine); ++k)
        line += (k == first ? "" : ", ") + steps[k];
      if (first == 0)
        t.rows.push_back({std::to_string(n), ShownText(texts.recycle, preset[kRecycleTimesIndex]),
                          ShownText(texts.time, preset[kInterTimeIndex]), line});
      else
        t.rows.push_back({"", "", "", line});
    }
  }
  if (t.rows.empty()) t.rows.push_back({s.Say(Txt::InfoNone), "", "", ""});
}

void AddSpecialWindow(const RadioConfig& cfg, SpecialWindow window, Summary& s) {
  const SpecialWindowDef& def = SpecialWindowOf(window);
  std::span<const int16_t> settings = SettingsOf(cfg, window);
  PrintTable& t = s.AddSettings(s.Say(def.caption));
  for (const SpecialField& field : def.fields)
    t.rows.push_back({FieldLabel(field, s.language),
                      ShownText(FieldChoices(cfg, field, settings, s.language), settings[field.setting])});
}

void AddWeather(const RadioConfig& cfg, Summary& s) {
  PrintTable& settings = s.AddSettings(s.Say(Txt::PrintWeatherSettingsHeading));
  for (const WeatherSetting& setting : kWeatherSettings)
    settings.rows.push_back(
        {s.Say(setting.label), ShownText(WeatherSettingChoices(cfg.Options, setting.choices, s.language),
                                         cfg.Options.GetInt(setting.field))});

  PrintTable& channels = s.Add(s.Say(Txt::TreeWeather), {});
  std::vector<const WeatherColumn*> shown;
  for (const WeatherColumn& column : kWeatherColumns)
    if (column.widthTwips > 0) shown.push_back(&column);
  for (const WeatherColumn* column : shown) channels.columns.push_back(s.Say(column->header));
  for (int record = 1; record <= kWeatherRecords; ++record) {
    if (cfg.Options.WxInUse(record) != 1) continue;
    auto& row = channels.rows.emplace_back();
    for (const WeatherColumn* column : shown) row.push_back(WeatherCellText(cfg.Options, record, *column, s.language));
  }
  if (channels.rows.empty()) channels.rows.push_back({s.Say(Txt::InfoNone)});
}

}  // namespace

std::vector<PrintTable> ConfigurationSummaryTables(const RadioConfig& cfg, int language) {
  Summary s{language, {}};
  AddIdentity(cfg, s);
  AddRadioInformation(cfg, s);
  AddGroups(cfg, s);
  AddOptionFeatures(cfg, s);
  AddCommonParameters(cfg, s);
  AddDtmfSettings(cfg, s);
  AddDtmfCodes(cfg, s);
  AddRogerPresets(cfg, s);
  for (SpecialWindow w : {SpecialWindow::Emergency, SpecialWindow::DualWatch, SpecialWindow::MemoryChannel})
    AddSpecialWindow(cfg, w, s);
  AddWeather(cfg, s);
  return std::move(s.tables);
}

}  // namespace zq
