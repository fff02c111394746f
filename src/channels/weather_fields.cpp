#include "channels/weather_fields.h"

#include "channels/list_entries.h"
#include "channels/weather_rules.h"

namespace zq {
namespace {

Choices SquelchChoices(int language) {
  Choices choices{{std::string(Text(Txt::ChoiceOff, language)), 0}};
  for (int level = 1; level <= kWeatherSquelchLevels; ++level) choices.push_back({std::to_string(level), level});
  return choices;
}

}  // namespace

Choices WeatherSettingChoices(const OptionFeatures& opt, WeatherChoiceKind kind, int language) {
  switch (kind) {
    case WeatherChoiceKind::ChannelsInUse: return CurrentWeatherChoices(opt);
    case WeatherChoiceKind::OffOn: return TextChoices(kOffOnTexts, language);
    case WeatherChoiceKind::Step: return TextChoices(kWeatherStepTexts, language);
    case WeatherChoiceKind::Squelch: return SquelchChoices(language);
  }
  return {};
}

Choices WeatherColumnChoices(const WeatherColumn& column, int language) {
  return TextChoices(column.choices, language);
}

std::string WeatherCellText(const OptionFeatures& opt, int record, const WeatherColumn& column, int language) {
  switch (column.kind) {
    case WeatherColumnKind::Number:
      return record == kWeatherVfoRecord ? std::string(Text(Txt::WeatherVfoRow, language)) : std::to_string(record);
    case WeatherColumnKind::Frequency: return WeatherFrequencyText(opt, record);
    case WeatherColumnKind::List: break;
  }
  int shown = ShownEntry(opt.GetInt(column.field, record), static_cast<int>(column.choices.size()));
  return std::string(Text(column.choices[shown], language));
}

}  // namespace zq
