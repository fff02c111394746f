#pragma once
// The weather receiver's channel table: records 1-40 are weather channels,
// record 41 is the weather VFO. A frequency lies between 136 and 174 MHz, on
// the 5 kHz or the 6.25 kHz raster.
#include <string>
#include <string_view>

#include "config/option_features.h"
#include "text/value_choices.h"

namespace zq {

inline constexpr int kWeatherChannels = 40;
inline constexpr int kWeatherRecords = 41;
inline constexpr int kWeatherVfoRecord = 41;
inline constexpr double kWeatherLowestMHz = 136.0;
inline constexpr double kWeatherHighestMHz = 174.0;

// A frequency on the 5 kHz or 6.25 kHz raster stays; any other is cut down to
// the 5 kHz raster. Works in 10 Hz units, the radio's resolution.
double TV_CH_Step(double mhz);

// A typed frequency as it is stored: empty when it is not a number, held
// within 136-174 MHz, put on the raster, as plain text ("162.43").
std::string TV_CH_CheckFre(std::string_view entry);

// Stores a typed frequency into record 1-41. A frequency puts the record in
// use, wide band, with its on/off flag cleared; its scan flag stays. An empty
// or non-numeric entry takes the record out of use and leaves its other fields.
void StoreWeatherFrequency(OptionFeatures& opt, int record, std::string_view entry);

// The frequency of a record in use as "000.00000"; empty for a record not in use.
std::string WeatherFrequencyText(const OptionFeatures& opt, int record);

// The "Current Weather Channel" list: the channels 1-40 in use, each storing its number - 1.
Choices CurrentWeatherChoices(const OptionFeatures& opt);

}  // namespace zq
