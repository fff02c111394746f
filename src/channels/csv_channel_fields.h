#pragma once
// How one channel record maps to one line of a channel CSV file, in the column
// layout that radio programmers commonly exchange. The radio has no channel
// names, per-channel offsets, tuning steps or digital-voice fields: those
// columns are written with fixed values and ignored when read. docs/csv-exchange.md
// describes every column.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/frequency_rules.h"
#include "config/channel_record.h"
#include "text/language_table.h"

namespace zq {

enum class CsvColumn : int {
  Location,
  Name,
  Frequency,
  Duplex,
  Offset,
  Tone,
  RToneFreq,
  CToneFreq,
  DtcsCode,
  DtcsPolarity,
  RxDtcsCode,
  CrossMode,
  Mode,
  TStep,
  Skip,
  Power,
  Comment,
  UrCall,
  Rpt1Call,
  Rpt2Call,
  DvCode,
};
inline constexpr std::array<std::string_view, 21> kCsvColumnNames = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
inline constexpr int kCsvColumnCount = static_cast<int>(kCsvColumnNames.size());

// The column a header field names: blanks around it and the case of its
// letters do not matter.
std::optional<CsvColumn> ColumnOfName(std::string_view name);

using CsvRow = std::array<std::string, kCsvColumnCount>;

// A message for the user: a language-table text whose "%1", "%2"... take the
// values, and the file line it is about (0 for the whole file).
struct CsvMessage {
  int line = 0;
  Txt text{};
  std::vector<std::string> values;
};
std::string MessageText(const CsvMessage& message, int language);

// The line for a channel of `band` shown at `row` under `label`, with the
// radio-wide repeater offset (MHz x 10000); nothing when the channel has no
// frequency. Stored values outside their lists are written as the editor shows
// them; CB channels have no repeater shift.
std::optional<CsvRow> ChannelToCsv(const ChannelRecord& record, Band band, int row, const std::string& label,
                                   int repeaterOffset);

// The values of one line by column: trimmed; empty for a column the line is
// too short for; nothing for a column the file does not have.
class CsvLineValues {
 public:
  CsvLineValues(const std::array<int, kCsvColumnCount>& fieldOfColumn, const std::vector<std::string>& fields)
      : fieldOfColumn_(fieldOfColumn), fields_(fields) {}
  std::optional<std::string_view> operator[](CsvColumn column) const;
  bool AllBlank() const;

 private:
  const std::array<int, kCsvColumnCount>& fieldOfColumn_;
  const std::vector<std::string>& fields_;
};

// What a line carries that the radio has no place for: a channel name (a row
// label such as "12" or "M3", which export writes as the name, is none), a
// comment other than the "PA" that marks a PA channel, and on a line with
// Duplex + or - an offset other than the radio-wide one (MHz x 10000).
struct CsvDropped {
  bool name = false;
  bool comment = false;
  bool offset = false;
};
CsvDropped DroppedValues(const CsvLineValues& line, int repeaterOffset);

// Each of these reads its columns of a line into the record, or says what is
// wrong with them and leaves the record as it was. A column the file does not
// have leaves its fields alone.
std::optional<CsvMessage> ReadFrequency(const CsvLineValues& line, ChannelRecord& record, Band band);
std::optional<CsvMessage> ReadDuplex(const CsvLineValues& line, ChannelRecord& record);
std::optional<CsvMessage> ReadTones(const CsvLineValues& line, ChannelRecord& record);
std::optional<CsvMessage> ReadMode(const CsvLineValues& line, ChannelRecord& record);
std::optional<CsvMessage> ReadPower(const CsvLineValues& line, ChannelRecord& record);
std::optional<CsvMessage> ReadSkip(const CsvLineValues& line, ChannelRecord& record);

}  // namespace zq
