#pragma once
// Frequencies as the channel editor shows, checks and stores them. A stored
// frequency is a digit text without point, the two MHz digits first
// ("2814500" is 28.14500 MHz); the empty text and "FFFFFFFF" mean none.
// Shown frequencies have five decimals ("#0.00000"), always with ".".
#include <optional>
#include <string>
#include <string_view>

#include "config/band_layout.h"
#include "text/language_table.h"

namespace zq {

// Lowest and highest frequency the shown band accepts, in MHz.
struct FrequencyLimits {
  double min = 100.0;
  double max = 500.0;
};

// Limits from a range text "min - max MHz"; a missing or non-numeric part falls
// back to 100.0 / 500.0 MHz.
FrequencyLimits SetLimitsFromRangeText(std::string_view rangeText);

// The band selector of the channel editor and the range each band edits in.
struct BandEntry {
  Txt selectorText;
  const char* rangeText;
};
inline constexpr BandEntry kBandEntries[kBandCount] = {
    {Txt::BandEntryCb, "26.96500 - 27.86125 MHz"},
    {Txt::BandEntryHf, "24.7150 - 30.1050 MHz"},
    {Txt::BandEntryHam, "28.0000 - 29.7000 MHz"},
};
FrequencyLimits LimitsOfBand(Band band);

// A stored frequency as the grid shows it. A text that is neither empty, "FFFFFFFF"
// nor digits shows the lower limit, and `notNumeric` asks the window to say
// Txt::NotIsNumeric.
struct ShownFrequency {
  std::string text;
  bool notNumeric = false;
};
ShownFrequency FormatStoredFrequency(std::string_view stored, const FrequencyLimits& limits);

// The frequency in MHz of a stored frequency text; nothing for the empty text,
// "FFFFFFFF" or a text that is not all digits.
std::optional<double> StoredFrequencyMhz(std::string_view stored);
// Whether a stored frequency lies within the limits (to the hertz); a text
// that holds no frequency does not.
bool StoredFrequencyWithin(std::string_view stored, const FrequencyLimits& limits);

// The stored text for an entry ("28.14500" gives "2814500"); a non-numeric entry
// stores the lower limit. Nothing when the entry has more than two MHz digits:
// the stored form cannot hold it.
std::optional<std::string> StoredFromEntry(std::string_view entry, const FrequencyLimits& limits);

// Puts a frequency on the 10 Hz raster counted from the lower limit, cutting
// towards the lower limit.
double SnapToStep(double mhz, const FrequencyLimits& limits);

// A frequency outside the limits becomes the nearer limit (clamp) or 0, and
// `outOfRange` asks the caller to warn with Txt::FrequencyOutOfRange; a frequency
// inside is snapped to the raster.
struct CheckedFrequency {
  double mhz = 0;
  bool outOfRange = false;
};
CheckedFrequency CheckFrequency(double mhz, bool clamp, const FrequencyLimits& limits);

// The same for a typed text, giving the text to show: "#0.00000", or empty for 0.
// A non-numeric text counts as out of range.
struct CheckedText {
  std::string text;
  bool outOfRange = false;
};
CheckedText CheckFrequencyText(std::string_view entry, bool clamp, const FrequencyLimits& limits);

}  // namespace zq
