#include "shell/config_summary.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "channels/group_entries.h"
#include "channels/special_choices.h"
#include "channels/special_settings_fields.h"
#include "channels/weather_fields.h"
#include "channels/weather_rules.h"
#include "config/text_rules.h"
#include "datafile/version_list.h"
#include "options/dtmf_rules.h"
#include "options/roger_beep_rules.h"

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
  PrintTable& AddSettings(std::string heading) { return Add(std::move(heading), {Txt::PrintItemColumn, Txt::PrintValueColumn}); }
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
  static constexpr Label kLabels[] = {{"SerialNumber", Txt::PrintSerialNumber},
                                      {"ProductionBatch", Txt::PrintProductionBatch},
                                      {"HardwareCode", Txt::PrintHardwareCode},
                                      {"FirmwareVersion", Txt::PrintFirmwareVersion},
                                      {"FactoryCode", Txt::PrintFactoryCode},
                                      {"ModelName", Txt::PrintRadioModel}};
  PrintTable& t = s.AddSettings(s.Say(Txt::InfoRadioInformation));
  VisitRadioInformationFields(cfg.RadioInfo, [&](std::string_view name, const auto& text) {
    for (const Label& label : kLabels)
      if (label.field == name) t.rows.push_back({s.Say(label.text), Shown(text.view())});
  });
}

void AddGroups(const RadioConfig& cfg, Summary& s) {
  PrintTable& t = s.Add(s.Say(Txt::PrintGroupsHeading), {Txt::BandLabel, Txt::GroupLabel,
                                                          Txt::GroupNameLabel, Txt::GroupValidLabel,
                                                          Txt::PrintChannelsColumn});
  for (int band = 0; band < kBandCount; ++band)
    for (int group = 1; group <= GroupCount(band); ++group) {
      bool valid = cfg.Options.GroupValid(group, band) == 1;
      t.rows.push_back({kBandShortNames[band], std::to_string(group), GroupDisplayName(cfg, band, group, s.language),
                        s.Say(valid ? Txt::ChoiceOn : Txt::ChoiceOff), std::to_string(cfg.Count(band, group))});
    }
}

void AddDtmfCodes(const RadioConfig& cfg, Summary& s) {
  PrintTable& t = s.Add(s.Say(Txt::InfoDtmfCodes), {Txt::PrintNumberColumn, Txt::PrintDtmfCodeColumn});
  for (int n : DefinedDtmfCodeNumbers(cfg.Options))
    t.rows.push_back({std::to_string(n), Utf16ToUtf8(Cleaned(cfg.Options.DtmfCodes(n)))});
  if (t.rows.empty()) t.rows.push_back({s.Say(Txt::InfoNone), ""});
}

// "1000×100": a step's tone in Hz and its length in ms.
std::string RogerStepText(const RogerBeepPreset& preset, int step) {
  return std::to_string(preset[2 * step] * 10) + "×" + std::to_string(preset[2 * step + 1] * 10);
}

void AddRogerPresets(const RadioConfig& cfg, Summary& s) {
  PrintTable& t = s.Add(s.Say(Txt::InfoRogerPresets), {Txt::PrintNumberColumn, Txt::PrintRecycleColumn,
                                                        Txt::PrintInterTimeColumn, Txt::PrintTonesColumn});
  for (int n : DefinedRogerPresetNumbers(cfg)) {
    const RogerBeepPreset& preset = cfg.RogerBeepTable[n - 1];
    std::vector<std::string> steps;
    for (int step = 0; step < kRogerSteps; ++step)
      if (preset[2 * step + 1] > 0) steps.push_back(RogerStepText(preset, step));  // a step of no length is not played
    for (std::size_t first = 0; first < steps.size(); first += kRogerStepsPerLine) {
      std::string line;
      for (std::size_t k = first; k < std::min(steps.size(), first + kRogerStepsPerLine); ++k)
        line += (k == first ? "" : ", ") + steps[k];
      if (first == 0)
        t.rows.push_back({std::to_string(n), std::to_string(preset[kRecycleTimesIndex]),
                          std::to_string(preset[kInterTimeIndex] * 10), line});
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
    settings.rows.push_back({s.Say(setting.label),
                             ShownText(WeatherSettingChoices(cfg.Options, setting.choices, s.language),
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
  AddDtmfCodes(cfg, s);
  AddRogerPresets(cfg, s);
  for (SpecialWindow w : {SpecialWindow::Emergency, SpecialWindow::DualWatch, SpecialWindow::MemoryChannel})
    AddSpecialWindow(cfg, w, s);
  AddWeather(cfg, s);
  return std::move(s.tables);
}

}  // namespace zq
