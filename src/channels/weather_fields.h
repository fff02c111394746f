#pragma once
// What the weather-channel window shows: the columns of its grid and its seven
// receiver settings, each with the field it edits and the list it offers.
#include <span>
#include <string>

#include "config/option_features.h"
#include "text/language_table.h"
#include "text/value_choices.h"

namespace zq {

enum class WeatherColumnKind { Number, Frequency, List };

struct WeatherColumn {
  Txt header;
  int widthTwips;  // 0: the column is hidden
  WeatherColumnKind kind;
  Opt field;                     // the record field of a Frequency or List column
  std::span<const Txt> choices;  // List columns: the entries, by position
};

inline constexpr Txt kBandwidthTexts[] = {Txt::BandwidthNarrow, Txt::BandwidthWide};
inline constexpr Txt kWeatherScanTexts[] = {Txt::WeatherScanDel, Txt::WeatherScanAdd};

inline constexpr WeatherColumn kWeatherColumns[] = {
    {Txt::GridHeaderChannel, 700, WeatherColumnKind::Number, Opt::WxInUse, {}},
    {Txt::FrequencyLabel, 1200, WeatherColumnKind::Frequency, Opt::WxFrequency, {}},
    {Txt::WxOnOffLabel, 0, WeatherColumnKind::List, Opt::WxOnOff, kOffOnTexts},
    {Txt::WeatherBandwidth, 900, WeatherColumnKind::List, Opt::WxBandwidth, kBandwidthTexts},
    {Txt::DetailScan, 900, WeatherColumnKind::List, Opt::WxScan, kWeatherScanTexts},
};
inline constexpr int kWeatherColumnCount = static_cast<int>(std::size(kWeatherColumns));

enum class WeatherChoiceKind { ChannelsInUse, OffOn, Step, Squelch };

struct WeatherSetting {
  Txt label;
  Opt field;
  WeatherChoiceKind choices;
};

inline constexpr WeatherSetting kWeatherSettings[] = {
    {Txt::CurrentWeatherChannel, Opt::WxCurrentChannel, WeatherChoiceKind::ChannelsInUse},
    {Txt::WxOnOffLabel, Opt::WxEnable, WeatherChoiceKind::OffOn},
    {Txt::WxAlertLabel, Opt::WxAlert, WeatherChoiceKind::OffOn},
    {Txt::WxScanStateLabel, Opt::WxScanState, WeatherChoiceKind::OffOn},
    {Txt::WxVfoLabel, Opt::WxVfo, WeatherChoiceKind::OffOn},
    {Txt::WxStepLabel, Opt::WxStep, WeatherChoiceKind::Step},
    {Txt::WxSqlLabel, Opt::WxSql, WeatherChoiceKind::Squelch},
};

inline constexpr Txt kWeatherStepTexts[] = {Txt::WxStep100Hz,   Txt::WxStep1kHz,   Txt::WxStep5kHz,
                                            Txt::WxStep6p25kHz, Txt::WxStep10kHz,  Txt::WxStep12p5kHz,
                                            Txt::WxStep25kHz,   Txt::WxStep100kHz, Txt::WxStep1MHz};
inline constexpr int kWeatherSquelchLevels = 9;

// The entries of a setting's list; "Current Weather Channel" follows the channels in use.
Choices WeatherSettingChoices(const OptionFeatures& opt, WeatherChoiceKind kind, int language);
// The entries of a list column, by position.
Choices WeatherColumnChoices(const WeatherColumn& column, int language);
// What a cell shows: the row label, the frequency, or the text of the stored position
// (the first entry for a position outside the list).
std::string WeatherCellText(const OptionFeatures& opt, int record, const WeatherColumn& column, int language);

}  // namespace zq
